#pragma once

#include "platform/Printing.h"

#include <QPainter>
#include <QPrinter>

// A job on a QPrinter, for the real printing and for test doubles that print into PDF files.
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

    std::unique_ptr<QPrinter> m_printer;
    QPainter m_painter;
    QString m_failure;
    bool m_pageFailed = false;
};
