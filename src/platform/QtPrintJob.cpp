#include "platform/QtPrintJob.h"

#include "platform/FileReplace.h"
#include "platform/SystemReason.h"

#include <QFile>

namespace {

// The PDF writer ends every file with this; a file without it lost its end on the way to the disk.
bool endsComplete(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() < 16 || !file.seek(file.size() - 16))
        return false;
    return file.read(16).trimmed().endsWith("%%EOF");
}

QString cannotCreate(const QString &path, const QString &reason)
{
    return QStringLiteral("Die Datei \"%1\" kann nicht erstellt werden. %2").arg(path, reason).trimmed();
}

} // namespace

QtPrintJob::QtPrintJob(std::unique_ptr<QPrinter> printer, const Printing::JobSettings &settings)
    : m_printer(std::move(printer))
{
    if (!m_printer->outputFileName().isEmpty() && !printIntoPart())
        return;
    m_printer->setDocName(settings.name);
    m_printer->setCopyCount(settings.copies);
    m_printer->setPageOrientation(settings.orientation == Printing::Orientation::Landscape ? QPageLayout::Landscape
                                                                                           : QPageLayout::Portrait);
    if (!m_painter.begin(m_printer.get()))
        m_failure = startFailure();
}

// A file is printed into a temporary beside its target and replaces it only when complete, so an
// earlier file of that name stays whole until then.
bool QtPrintJob::printIntoPart()
{
    m_target = m_printer->outputFileName();
    m_part = std::make_unique<QTemporaryFile>(m_target + QStringLiteral(".XXXXXX"));
    if (!m_part->open()) {
        m_failure = cannotCreate(m_target, SystemReason::german(m_part->errorString()));
        return false;
    }
    m_part->close();
    const QPrinter::OutputFormat format = m_printer->outputFormat();
    m_printer->setOutputFileName(m_part->fileName());
    m_printer->setOutputFormat(format);
    return true;
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
    const QString file = m_target;
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
    if (!ended || m_pageFailed || m_printer->printerState() == QPrinter::Error)
        return QStringLiteral("Der Druckauftrag \"%1\" ist fehlgeschlagen.").arg(m_printer->docName());
    return m_part ? commitPart() : QString();
}

QString QtPrintJob::commitPart()
{
    if (!endsComplete(m_part->fileName()))
        return cannotCreate(m_target, QStringLiteral("Die Datei wurde nicht vollständig geschrieben."));
    // A printout is small: copied through the one write path rather than renamed, it is checked as
    // every other file the program writes.
    QFile part(m_part->fileName());
    if (!part.open(QIODevice::ReadOnly))
        return cannotCreate(m_target, SystemReason::german(part.errorString()));
    const QByteArray bytes = part.readAll();
    const QString failure = FileReplace::replace(m_target, bytes);
    return failure.isEmpty() ? failure : cannotCreate(m_target, failure);
}
