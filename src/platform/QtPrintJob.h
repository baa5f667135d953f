#pragma once

#include "platform/Printing.h"

#include <QPainter>
#include <QPrinter>
#include <QTemporaryFile>

// A job on a QPrinter, for the real printing and for test doubles that print into PDF files. A job
// into a file writes a temporary beside it and puts it in place through FileReplace when complete.
class QtPrintJob final : public PrintJob {
public:
    // Applies the settings and starts painting; failure() tells when it could not start.
    QtPrintJob(std::unique_ptr<QPrinter> printer, const Printing::JobSettings &settings);
    ~QtPrintJob() override;

    // Settles the printer the user chose: the job, or why it did not start.
    static Printing::Start start(std::unique_ptr<QPrinter> printer, const Printing::JobSettings &settings);

    const QPrinter &printer() const { return *m_printer; }
    const QString &failure() const { return m_failure; }

    PageMetrics metrics() const override;
    QPainter &painter() override { return m_painter; }
    void newPage() override;
    QString printerName() const override;
    QString finish() override;

private:
    QString startFailure() const;
    bool printIntoPart();
    QString commitPart();

    std::unique_ptr<QPrinter> m_printer;
    QPainter m_painter;
    QString m_failure;
    QString m_target;                       // the file printed into, if any
    std::unique_ptr<QTemporaryFile> m_part; // where it is printed until complete
    bool m_pageFailed = false;
};
