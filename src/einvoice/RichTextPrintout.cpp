#include "einvoice/RichTextPrintout.h"

#include "documents/DocumentOpening.h"
#include "platform/FailureNotice.h"
#include "platform/PrintRun.h"
#include "platform/Printing.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QTextDocument>

RichTextPrintout::RichTextPrintout(const QString &jobName, const QString &html)
    : m_jobName(jobName)
    , m_html(html)
{
}

void RichTextPrintout::printToPdf(const QString &path) const
{
    if (PrintRun::intoPdf(path, m_jobName, [this](PrintJob &job) { paint(job); }))
        FailureNotice::show(DocumentOpening::open(path));
}

void RichTextPrintout::printOnPaper() const
{
    PrintRun::onPaper(m_jobName, [this](PrintJob &job) { paint(job); });
}

// The document is laid out for the printer's resolution on pages of its printable area, and each page
// is painted through a window onto that stretch of the document.
void RichTextPrintout::paint(PrintJob &job) const
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
}
