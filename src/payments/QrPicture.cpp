#include "payments/QrPicture.h"

#include "qr/TQRCodeGenerator.h"

#include <QPainter>

QImage QrPicture::fromModules(int side, const IsBlack &isBlack)
{
    if (side < 1)
        return {};
    QImage picture(side, side, QImage::Format_RGB32);
    for (int row = 0; row < side; ++row) {
        auto *pixels = reinterpret_cast<QRgb *>(picture.scanLine(row));
        for (int column = 0; column < side; ++column)
            pixels[column] = isBlack(row, column) ? qRgb(0, 0, 0) : qRgb(255, 255, 255);
    }
    return picture;
}

QImage QrPicture::fromGenerator(const TQRCodeGenerator &generator)
{
    return fromModules(generator.Rows(), [&generator](int row, int column) { return generator.IsBlack(row, column); });
}

void QrPicture::paint(QPainter &painter, const QSize &box, const QImage &picture)
{
    painter.fillRect(QRect(QPoint(0, 0), box), Qt::white);
    if (picture.width() < 1 || picture.height() < 1)
        return;
    const double factor
        = box.width() < box.height() ? double(box.width()) / picture.width() : double(box.height()) / picture.height();
    const QRect target(0, 0, int(picture.width() * factor), int(picture.height() * factor));
    // Nearest pixel, never smoothed: a grey edge between modules would only make scanning harder.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(target, picture);
}
