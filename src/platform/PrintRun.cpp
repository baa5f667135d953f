#include "platform/PrintRun.h"

#include "platform/FailureNotice.h"
#include "platform/Platform.h"
#include "platform/Printing.h"

namespace {

Printing::JobSettings onePortraitCopy(const QString &jobName)
{
    return {jobName, 1, Printing::Orientation::Portrait};
}

QString paintAndFinish(PrintJob &job, const PrintRun::Paint &paint)
{
    paint(job);
    return job.finish();
}

} // namespace

void PrintRun::onPaper(const QString &jobName, const Paint &paint,
                       const std::function<void(const QString &printer)> &started)
{
    const Printing::Start start = Platform::printing().choosePrinter(onePortraitCopy(jobName));
    if (start.cancelled())
        return;
    if (!start.job) {
        FailureNotice::show(start.failure);
        return;
    }
    if (started)
        started(start.job->printerName());
    FailureNotice::show(paintAndFinish(*start.job, paint));
}

bool PrintRun::intoPdf(const QString &path, const QString &jobName, const Paint &paint)
{
    const Printing::Start start = Platform::printing().toPdf(path, onePortraitCopy(jobName));
    const QString failure = start.job ? paintAndFinish(*start.job, paint) : start.failure;
    FailureNotice::show(failure);
    return failure.isEmpty();
}
