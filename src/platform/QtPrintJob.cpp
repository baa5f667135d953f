#include "platform/QtPrintJob.h"

#include <QFile>

QtPrintJob::QtPrintJob(std::unique_ptr<QPrinter> printer, const Printing::JobSettings &settings)
    : m_printer(std::move(printer))
{
    m_printer->setDocName(settings.name);
    m_printer->setCopyCount(settings.copies);
    m_printer->setPageOrientation(settings.orientation == Printing::Orientation::Landscape
                                      ? QPageLayout::Landscape : QPageLayout::Portrait);
    if (!m_painter.begin(m_printer.get()))
        m_failure = startFailure();
}

QtPrintJob::~QtPrintJob()
{
    if (m_painter.isActive())
        m_painter.end();
}

Printing::Start QtPrintJob::start(std::unique_ptr<QPrinter> printer, const Printing::JobSettings &settings)
{
    auto job = std::make_unique<QtPrintJob>(std::move(printer), settings);
    if (!job->failure().isEmpty())
        return {nullptr, job->failure()};
    return {std::move(job), QString()};
}

// The printer tells only that it failed; for a file, the file system can say why.
QString QtPrintJob::startFailure() const
{
    const QString file = m_printer->outputFileName();
    if (file.isEmpty())
        return QStringLiteral("Der Drucker \"%1\" ist nicht bereit.").arg(m_printer->printerName());
    const bool existed = QFile::exists(file);
    QFile probe(file);
    QString reason;
    if (!probe.open(QIODevice::Append))
        reason = probe.errorString();
    else if (!existed)
        probe.remove();
    return QStringLiteral("Die Datei \"%1\" kann nicht erstellt werden. %2").arg(file, reason).trimmed();
}

PageMetrics QtPrintJob::metrics() const
{
    const QRect printable = m_printer->pageRect(QPrinter::DevicePixel).toRect();
    const QRect paper = m_printer->paperRect(QPrinter::DevicePixel).toRect();
    return {printable.width(), printable.height(), printable.left() - paper.left(), printable.top() - paper.top()};
}

void QtPrintJob::newPage()
{
    if (!m_printer->newPage())
        m_pageFailed = true;
}

QString QtPrintJob::printerName() const
{
    return m_printer->printerName();
}

QString QtPrintJob::finish()
{
    const bool ended = !m_painter.isActive() || m_painter.end();
    if (ended && !m_pageFailed && m_printer->printerState() != QPrinter::Error)
        return {};
    return QStringLiteral("Der Druckauftrag \"%1\" ist fehlgeschlagen.").arg(m_printer->docName());
}
