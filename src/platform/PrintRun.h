#pragma once

#include <QString>
#include <functional>

class PrintJob;

// The course of every printout, one portrait copy: start the job, paint it, finish it, and show a failure
// as an error box. The printouts bring only their painting.
class PrintRun {
public:
    using Paint = std::function<void(PrintJob &job)>;

    // On the printer the user chooses; a cancelled print dialog ends it quietly. started, when given,
    // hears the printer's name once the job runs.
    static void onPaper(const QString &jobName, const Paint &paint,
                        const std::function<void(const QString &printer)> &started = {});
    // Into a PDF file at path; true when the file is complete, else its failure has been shown.
    [[nodiscard]] static bool intoPdf(const QString &path, const QString &jobName, const Paint &paint);
};
