#include "EInvoicePdfs.h"

#include "qr/TEncoder.h"
#include "qr/TQRCodeGenerator.h"

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>

namespace {

// Objects numbered from 1 in the order given; the cross-reference table points at each.
QByteArray pdfOf(const QList<QByteArray> &objects)
{
    QByteArray pdf = "%PDF-1.7\n%\xE2\xE3\xCF\xD3\n";
    QList<qsizetype> offsets;
    for (qsizetype i = 0; i < objects.size(); ++i) {
        offsets.append(pdf.size());
        pdf += QByteArray::number(i + 1) + " 0 obj\n" + objects[i] + "\nendobj\n";
    }
    const qsizetype xref = pdf.size();
    pdf += "xref\n0 " + QByteArray::number(objects.size() + 1) + "\n0000000000 65535 f \n";
    for (const qsizetype offset : offsets)
        pdf += QByteArray::number(offset).rightJustified(10, '0') + " 00000 n \n";
    pdf += "trailer\n<< /Size " + QByteArray::number(objects.size() + 1) + " /Root 1 0 R >>\nstartxref\n"
        + QByteArray::number(xref) + "\n%%EOF\n";
    return pdf;
}

QByteArray stream(const QByteArray &dictionary, const QByteArray &bytes)
{
    return "<< " + dictionary + " /Length " + QByteArray::number(bytes.size()) + " >>\nstream\n" + bytes
        + "\nendstream";
}

QByteArray written(const std::function<void(QPdfWriter &, QPainter &)> &paint)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setResolution(300);
    QPainter painter(&writer);
    painter.setFont(QFont(QStringLiteral("Liberation Sans"), 11));
    painter.drawText(QPointF(150, 200), QStringLiteral("Stadtwerke Musterstadt - Abschlag Mai"));
    paint(writer, painter);
    painter.end();
    return buffer.data();
}

} // namespace

QByteArray EInvoicePdfs::withEmbeddedFile(const QString &name, const QByteArray &bytes, qsizetype padding)
{
    const QByteArray fileName = "(" + name.toLatin1() + ")";
    return pdfOf({
        "<< /Type /Catalog /Pages 2 0 R /Names << /EmbeddedFiles << /Names [" + fileName + " 4 0 R] >> >> >>",
        "<< /Type /Pages /Kids [3 0 R] /Count 1 >>",
        "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 595 842] /Contents 6 0 R >>",
        "<< /Type /Filespec /F " + fileName + " /UF " + fileName
            + " /AFRelationship /Alternative /EF << /F 5 0 R >> >>",
        stream("/Type /EmbeddedFile /Subtype /text#2Fxml", bytes),
        stream("", "% " + QByteArray(padding, 'x')),
    });
}

QByteArray EInvoicePdfs::withGiroCode(const QString &payload)
{
    TQRCodeGenerator generator;
    generator.setEncoding(TEncoder::Utf8);
    generator.setData(payload);
    return written([&generator](QPdfWriter &, QPainter &painter) {
        constexpr int kModule = 12; // pixels of 300 dpi: a symbol of about 4 cm
        const QPoint origin(1500, 600);
        for (int row = 0; row < generator.Rows(); ++row) {
            for (int column = 0; column < generator.Columns(); ++column) {
                if (generator.IsBlack(row, column))
                    painter.fillRect(origin.x() + column * kModule, origin.y() + row * kModule, kModule, kModule,
                                     Qt::black);
            }
        }
    });
}

QByteArray EInvoicePdfs::plain()
{
    return written([](QPdfWriter &, QPainter &) {});
}
