#include "documents/DocumentListPrintout.h"

#include "documents/DocumentOpening.h"
#include "documents/DocumentPrintLayout.h"
#include "platform/Clock.h"
#include "platform/FailureNotice.h"
#include "platform/Platform.h"
#include "platform/PrintFont.h"
#include "platform/PrintRun.h"
#include "platform/Printing.h"
#include "platform/Regional.h"

#include <QAbstractItemModel>
#include <QFontMetrics>
#include <QPainter>

namespace {

const QString kTitle = QStringLiteral("Vertragsliste");

// Positions name a text's top left corner, not its baseline.
void drawAtTop(QPainter &painter, const QPoint &topLeft, const QString &text)
{
    painter.drawText(QPoint(topLeft.x(), topLeft.y() + painter.fontMetrics().ascent()), text);
}

void drawClipped(QPainter &painter, const QRect &clip, const QPoint &topLeft, const QString &text)
{
    painter.save();
    painter.setClipRect(clip);
    drawAtTop(painter, topLeft, text);
    painter.restore();
}

} // namespace

DocumentListPrintout::DocumentListPrintout(const QAbstractItemModel &table, const QList<int> &widths)
    : m_table(table)
    , m_widths(widths)
{
}

void DocumentListPrintout::printToPdf(const QString &path) const
{
    if (PrintRun::intoPdf(path, kTitle, [this](PrintJob &job) { paint(job); }))
        FailureNotice::show(DocumentOpening::open(path));
}

void DocumentListPrintout::printOnPaper(const std::function<void(const QString &printer)> &started) const
{
    PrintRun::onPaper(
        kTitle, [this](PrintJob &job) { paint(job); }, started);
}

void DocumentListPrintout::paint(PrintJob &job) const
{
    QPainter &painter = job.painter();
    const QFont table = PrintFont::of(10);
    painter.setFont(table);
    painter.setPen(Qt::black);
    const DocumentPrintLayout layout(job.metrics(), m_widths, QFontMetrics(table, painter.device()).height(),
                                     m_table.rowCount());
    for (int row = 0; row < m_table.rowCount(); ++row) {
        if (layout.rowOf(row) == 1) {
            if (row > 0)
                job.newPage();
            paintFrame(painter, layout, layout.pageOf(row), row);
        }
        paintRow(painter, layout, row);
    }
}

void DocumentListPrintout::paintFrame(QPainter &painter, const DocumentPrintLayout &layout, int page,
                                      int firstRow) const
{
    const QList<int> &edges = layout.edges();
    const DocumentPrintLayout::Grid grid = layout.gridOf(page, firstRow);
    for (int edge = grid.firstEdge; edge < m_table.columnCount(); ++edge)
        painter.drawLine(edges[edge], layout.top(), edges[edge], grid.bottom);
    const QFont regular = painter.font();
    painter.setFont(PrintFont::of(10, true));
    for (int column = 0; column < m_table.columnCount(); ++column) {
        const QString caption = m_table.headerData(column, Qt::Horizontal).toString();
        const QPoint at = layout.headerAt(column, painter.fontMetrics().horizontalAdvance(caption));
        drawClipped(painter, layout.headerClip(column), at, caption);
    }
    painter.drawLine(layout.rule());
    painter.setFont(regular);
    paintPageLineAndTitle(painter, layout, page);
}

void DocumentListPrintout::paintPageLineAndTitle(QPainter &painter, const DocumentPrintLayout &layout, int page) const
{
    const QString line = layout.pageLine(kTitle, Regional::formatDate(Platform::clock().today()), page);
    const QPoint lineAt = layout.pageLineAt(painter.fontMetrics().horizontalAdvance(line));
    drawAtTop(painter, lineAt, line);
    const QFont regular = painter.font();
    painter.setFont(PrintFont::of(12));
    const int titleWidth = painter.fontMetrics().horizontalAdvance(kTitle);
    if (layout.titleDrawn(lineAt.x(), titleWidth))
        drawAtTop(painter, layout.titleAt(titleWidth), kTitle);
    painter.setFont(regular);
}

// The empty first column is not printed.
void DocumentListPrintout::paintRow(QPainter &painter, const DocumentPrintLayout &layout, int row) const
{
    const int line = layout.rowOf(row);
    for (int column = 1; column < m_table.columnCount(); ++column) {
        const QRect clip = layout.cellClip(column, line);
        drawClipped(painter, clip, clip.topLeft(), m_table.index(row, column).data().toString());
    }
}
