#pragma once

#include "platform/PageMetrics.h"

#include <QString>
#include <memory>

class QPainter;

// One running print job: its page, a painter on it, and the end that tells whether it all went out.
class PrintJob {
public:
    virtual ~PrintJob() = default;
    virtual PageMetrics metrics() const = 0;
    // Draws in device pixels from the printable area's top left corner.
    virtual QPainter &painter() = 0;
    virtual void newPage() = 0;
    // The printer's name as the desktop calls it; empty for a file.
    virtual QString printerName() const = 0;
    // Ends the job; the reason when it failed, else empty.
    virtual QString finish() = 0;
};

// Printing on a printer the user chooses, or into a PDF file.
class Printing {
public:
    enum class Orientation { Portrait, Landscape };
    // What the job is, whatever the print dialog said about copies and orientation.
    struct JobSettings {
        QString name;
        int copies = 1;
        Orientation orientation = Orientation::Portrait;
    };
    // A started job, or why there is none: cancelled in the dialog (no reason) or failed to start.
    struct Start {
        std::unique_ptr<PrintJob> job;
        QString failure;
        bool cancelled() const { return !job && failure.isEmpty(); }
    };

    virtual ~Printing() = default;
    // Asks for the printer in the print dialog and starts the job there.
    virtual Start choosePrinter(const JobSettings &settings) = 0;
    // Starts the job as a PDF file at path.
    virtual Start toPdf(const QString &path, const JobSettings &settings) = 0;
};
