#include "einvoice/PopplerZbarScanner.h"

#include <QImage>
#include <poppler-qt6.h>
#include <zbar.h>

namespace {

// The picture format "Y800": one byte of grey per pixel.
constexpr unsigned long kGrey8 = 'Y' | ('8' << 8) | ('0' << 16) | (static_cast<unsigned long>('0') << 24);

std::unique_ptr<Poppler::Document> opened(const QByteArray &pdf)
{
    std::unique_ptr<Poppler::Document> document = Poppler::Document::loadFromData(pdf);
    if (!document || document->isLocked())
        return nullptr;
    return document;
}

} // namespace

std::optional<QList<DocumentScanner::EmbeddedFile>> PopplerZbarScanner::embeddedFiles(const QByteArray &pdf) const
{
    const std::unique_ptr<Poppler::Document> document = opened(pdf);
    if (!document)
        return std::nullopt;
    QList<EmbeddedFile> files;
    for (Poppler::EmbeddedFile *file : document->embeddedFiles())
        files.append({file->name(), file->data()});
    return files;
}

QList<QByteArray> PopplerZbarScanner::codesOnPages(const QByteArray &pdf, int pages) const
{
    const std::unique_ptr<Poppler::Document> document = opened(pdf);
    QList<QByteArray> codes;
    if (!document)
        return codes;
    for (int index = 0; index < std::min(pages, document->numPages()); ++index) {
        if (const std::unique_ptr<Poppler::Page> page = document->page(index))
            codes += codesIn(page->renderToImage(kDotsPerInch, kDotsPerInch));
    }
    return codes;
}

QList<QByteArray> PopplerZbarScanner::codesInPicture(const QByteArray &picture) const
{
    return codesIn(QImage::fromData(picture));
}

// The bytes as the symbol stores them: zbar guesses no character set, the GiroCode names its own.
QList<QByteArray> PopplerZbarScanner::codesIn(const QImage &image)
{
    QList<QByteArray> codes;
    if (image.isNull())
        return codes;
    const QImage grey = image.convertToFormat(QImage::Format_Grayscale8);
    std::vector<unsigned char> pixels(std::size_t(grey.width()) * std::size_t(grey.height()));
    for (int y = 0; y < grey.height(); ++y)
        std::copy_n(grey.constScanLine(y), grey.width(), pixels.begin() + std::ptrdiff_t(y) * grey.width());
    zbar::zbar_image_scanner_t *scanner = zbar::zbar_image_scanner_create();
    zbar::zbar_image_scanner_set_config(scanner, zbar::ZBAR_NONE, zbar::ZBAR_CFG_ENABLE, 0);
    zbar::zbar_image_scanner_set_config(scanner, zbar::ZBAR_QRCODE, zbar::ZBAR_CFG_ENABLE, 1);
    zbar::zbar_image_scanner_set_config(scanner, zbar::ZBAR_QRCODE, zbar::ZBAR_CFG_BINARY, 1);
    zbar::zbar_image_t *zimage = zbar::zbar_image_create();
    zbar::zbar_image_set_format(zimage, kGrey8);
    zbar::zbar_image_set_size(zimage, unsigned(grey.width()), unsigned(grey.height()));
    zbar::zbar_image_set_data(zimage, pixels.data(), pixels.size(), nullptr);
    if (zbar::zbar_scan_image(scanner, zimage) > 0) {
        for (const zbar::zbar_symbol_t *symbol = zbar::zbar_image_first_symbol(zimage); symbol;
             symbol = zbar::zbar_symbol_next(symbol))
            codes.append(
                QByteArray(zbar::zbar_symbol_get_data(symbol), qsizetype(zbar::zbar_symbol_get_data_length(symbol))));
    }
    zbar::zbar_image_destroy(zimage);
    zbar::zbar_image_scanner_destroy(scanner);
    return codes;
}
