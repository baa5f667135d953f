#include "PdfPrinting.h"

#include "platform/Dialogs.h"
#include "platform/Platform.h"
#include "platform/QtPrintJob.h"

PdfPrinting::PdfPrinting()
{
    printerFile = m_folder.filePath(QStringLiteral("printer.pdf"));
}

Printing::Start PdfPrinting::choosePrinter(const JobSettings &settings)
{
    QPrinter printer;
    if (!Platform::dialogs().printDialog(printer))
        return {};
    return startAt(printerFile, settings, 2, QPageLayout::Landscape);
}

Printing::Start PdfPrinting::toPdf(const QString &path, const JobSettings &settings)
{
    return startAt(path, settings, 1, QPageLayout::Portrait);
}

Printing::Start PdfPrinting::startAt(const QString &path, const JobSettings &settings, int copies,
                                     QPageLayout::Orientation orientation)
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(path);
    printer->setPageSize(QPageSize(QPageSize::A4));
    printer->setCopyCount(copies);
    printer->setPageOrientation(orientation);
    Start start = QtPrintJob::start(std::move(printer), settings);
    if (start.job) {
        const QPrinter &used = static_cast<const QtPrintJob &>(*start.job).printer();
        jobs.append({used.docName(), used.copyCount(), used.pageLayout().orientation(), path});
    }
    return start;
}
