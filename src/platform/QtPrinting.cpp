#include "platform/QtPrinting.h"

#include "platform/Dialogs.h"
#include "platform/Platform.h"
#include "platform/QtPrintJob.h"

Printing::Start QtPrinting::choosePrinter(const JobSettings &settings)
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (!Platform::dialogs().printDialog(*printer))
        return {};
    return QtPrintJob::start(std::move(printer), settings);
}

Printing::Start QtPrinting::toPdf(const QString &path, const JobSettings &settings)
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(path);
    return QtPrintJob::start(std::move(printer), settings);
}
