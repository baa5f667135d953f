#pragma once

#include "platform/Printing.h"

#include <QList>
#include <QPageLayout>
#include <QTemporaryDir>

// Printers for tests: the print dialog is the scripted one, and the printer the user "chooses" there
// writes a PDF file, so a test can read back what was printed. That user also asks for two copies in
// landscape, which a job must overrule where it prints one portrait copy.
class PdfPrinting final : public Printing {
public:
    struct Job {
        QString name;
        int copies = 0;
        QPageLayout::Orientation orientation = QPageLayout::Portrait;
        QString path;
    };

    PdfPrinting();
    QList<Job> jobs;     // every job that started, with the settings it printed with
    QString printerFile; // where the chosen printer writes

    Start choosePrinter(const JobSettings &settings) override;
    Start toPdf(const QString &path, const JobSettings &settings) override;

private:
    Start startAt(const QString &path, const JobSettings &settings, int copies, QPageLayout::Orientation orientation);

    QTemporaryDir m_folder;
};
