#include "einvoice/RichTextPrintout.h"

#include "platform/Dialogs.h"
#include "platform/Platform.h"
#include "platform/Printing.h"
#include "platform/Shell.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QTextDocument>

namespace {

void showFailure(const QString &failure)
{
    if (!failure.isEmpty())
        Platform::dialogs().notice(Dialogs::NoticeKind::Error, failure);
}

} // namespace

RichTextPrintout::RichTextPrintout(const QString &jobName, const QString &html)
    : m_jobName(jobName)
    , m_html(html)
{
}

void RichTextPrintout::printToPdf(const QString &path) const
{
    Printing::Start start = Platform::printing().toPdf(path, {m_jobName, 1, Printing::Orientation::Portrait});
    const QString failure = start.job ? run(*start.job) : start.failure;
    if (!failure.isEmpty()) {
        showFailure(failure);
        return;
    }
    if (!Platform::shell().open(path))
        showFailure(QStringLiteral("Die Datei \"%1\" kann nicht geöffnet werden.").arg(path));
}

void RichTextPrintout::printOnPaper() const
{
    Printing::Start start = Platform::printing().choosePrinter({m_jobName, 1, Printing::Orientation::Portrait});
    if (start.cancelled())
        return;
    showFailure(start.job ? run(*start.job) : start.failure);
}

// The document is laid out for the printer's resolution on pages of its printable area, and each page
// is painted through a window onto that stretch of the document.
QString RichTextPrintout::run(PrintJob &job) const
{
    QPainter &painter = job.painter();
    const PageMetrics metrics = job.metrics();
    QTextDocument document;
    document.documentLayout()->setPaintDevice(painter.device());
    document.setHtml(m_html);
    const QSizeF page(metrics.printableWidth, metrics.printableHeight);
    document.setPageSize(page);
    for (int index = 0; index < document.pageCount(); ++index) {
        if (index > 0)
            job.newPage();
        painter.save();
        painter.translate(0, -index * page.height());
        document.drawContents(&painter, QRectF(QPointF(0, index * page.height()), page));
        painter.restore();
    }
    return job.finish();
}
