#include "einvoice/IncomingDocument.h"

#include "einvoice/DocumentScanner.h"
#include "einvoice/EInvoiceReader.h"
#include "einvoice/EpcTransferReader.h"
#include "platform/SystemReason.h"

#include <QFile>
#include <QFileInfo>

namespace {

// The names under which the e-invoice standards embed the invoice, the preferred first.
const QStringList kPreferredNames = {QStringLiteral("factur-x.xml"), QStringLiteral("zugferd-invoice.xml"),
                                     QStringLiteral("ZUGFeRD-invoice.xml"), QStringLiteral("xrechnung.xml")};

enum class Kind { Xml, Pdf, Picture };

Kind kindOf(const QByteArray &bytes)
{
    // A PDF may carry a few bytes of junk before its header.
    if (bytes.left(1024).contains("%PDF-"))
        return Kind::Pdf;
    if (bytes.startsWith("\x89PNG\r\n\x1a\n") || bytes.startsWith("\xFF\xD8\xFF"))
        return Kind::Picture;
    return Kind::Xml;
}

IncomingDocument::Unreadable neither(const QString &path, const QString &detail = QString())
{
    QString reason = QStringLiteral("Die Datei \"%1\" enthält keine lesbare E-Rechnung und keinen GiroCode.").arg(path);
    if (!detail.isEmpty())
        reason += QLatin1Char('\n') + detail;
    return {reason};
}

std::optional<EpcTransfer> firstTransfer(const QList<QByteArray> &codes)
{
    for (const QByteArray &code : codes) {
        std::variant<EpcTransfer, QString> read = EpcTransferReader::read(code);
        if (EpcTransfer *transfer = std::get_if<EpcTransfer>(&read))
            return *transfer;
    }
    return std::nullopt;
}

std::optional<EInvoice> firstInvoice(const QList<DocumentScanner::EmbeddedFile> &files)
{
    QList<const DocumentScanner::EmbeddedFile *> order;
    for (const QString &name : kPreferredNames) {
        for (const DocumentScanner::EmbeddedFile &file : files) {
            if (file.name == name)
                order.append(&file);
        }
    }
    for (const DocumentScanner::EmbeddedFile &file : files) {
        if (!order.contains(&file) && file.name.endsWith(u".xml", Qt::CaseInsensitive))
            order.append(&file);
    }
    for (const DocumentScanner::EmbeddedFile *file : order) {
        std::variant<EInvoice, QString> read = EInvoiceReader::read(file->bytes);
        if (EInvoice *invoice = std::get_if<EInvoice>(&read))
            return std::move(*invoice);
    }
    return std::nullopt;
}

IncomingDocument::Content fromPdf(const QString &path, const QByteArray &pdf, const DocumentScanner &scanner)
{
    const std::optional<QList<DocumentScanner::EmbeddedFile>> files = scanner.embeddedFiles(pdf);
    if (!files)
        return neither(path, QStringLiteral("Das PDF kann nicht geöffnet werden."));
    if (std::optional<EInvoice> invoice = firstInvoice(*files))
        return std::move(*invoice);
    if (std::optional<EpcTransfer> transfer = firstTransfer(scanner.codesOnPages(pdf, IncomingDocument::kScannedPages)))
        return *transfer;
    return neither(path);
}

} // namespace

IncomingDocument::Content IncomingDocument::read(const QString &path, const DocumentScanner &scanner)
{
    QFile file(path);
    if (QFileInfo(path).size() > kMaxPdfBytes)
        return neither(path, QStringLiteral("Sie ist größer als 50 MB."));
    if (!file.open(QIODevice::ReadOnly))
        return Unreadable{QStringLiteral("Die Datei \"%1\" kann nicht gelesen werden.\n%2")
                              .arg(path, SystemReason::german(file.errorString()))};
    // Read one byte past the limit, so a file that grew meanwhile is still caught.
    return fromBytes(path, file.read(kMaxPdfBytes + 1), scanner);
}

IncomingDocument::Content IncomingDocument::fromBytes(const QString &path, const QByteArray &bytes,
                                                      const DocumentScanner &scanner)
{
    if (bytes.size() > kMaxPdfBytes)
        return neither(path, QStringLiteral("Sie ist größer als 50 MB."));
    switch (kindOf(bytes)) {
    case Kind::Pdf: return fromPdf(path, bytes, scanner);
    case Kind::Picture:
        if (std::optional<EpcTransfer> transfer = firstTransfer(scanner.codesInPicture(bytes)))
            return *transfer;
        return neither(path);
    case Kind::Xml: break;
    }
    std::variant<EInvoice, QString> read = EInvoiceReader::read(bytes);
    if (EInvoice *invoice = std::get_if<EInvoice>(&read))
        return std::move(*invoice);
    return neither(path, std::get<QString>(read));
}
