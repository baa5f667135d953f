#include "register/ListPrintout.h"

#include "platform/Clock.h"
#include "platform/Platform.h"
#include "platform/PrintFont.h"
#include "platform/PrintRun.h"
#include "platform/Printing.h"
#include "register/ListPrintLayout.h"

#include <QAbstractItemModel>
#include <QFontMetrics>
#include <QPainter>

namespace {

const QFont &tableFont()
{
    static const QFont font = PrintFont::of(10);
    return font;
}

// Text whose top lies at top, cut off outside clip.
void drawClipped(QPainter &painter, const QRect &clip, int x, int top, const QString &text)
{
    painter.save();
    painter.setClipRect(clip);
    painter.drawText(QPoint(x, top + painter.fontMetrics().ascent()), text);
    painter.restore();
}

} // namespace

ListPrintout::ListPrintout(const QAbstractItemModel &table, const QList<int> &widths, int rightAligned)
    : m_table(table)
    , m_widths(widths)
    , m_rightAligned(rightAligned)
{
}

void ListPrintout::print(const QString &jobName) const
{
    PrintRun::onPaper(jobName, [this](PrintJob &job) { paint(job); });
}

void ListPrintout::paint(PrintJob &job) const
{
    QPainter &painter = job.painter();
    painter.setFont(tableFont());
    painter.setPen(Qt::black);
    const int lineHeight = QFontMetrics(tableFont(), painter.device()).height();
    const ListPrintLayout layout(job.metrics(), m_widths, lineHeight, m_table.rowCount());
    for (int row = 0; row < m_table.rowCount(); ++row) {
        const int page = layout.pageOfRow(row);
        if (layout.lineOfRow(row) == 1) {
            if (page > 1)
                job.newPage();
            paintFrame(painter, layout, page);
        }
        paintRow(painter, layout, row);
    }
}

void ListPrintout::paintFrame(QPainter &painter, const ListPrintLayout &layout, int page) const
{
    const ListPrintLayout::Rules rules = layout.rulesOfPage(page);
    for (const int x : rules.xs)
        painter.drawLine(x, rules.top, x, rules.bottom);
    painter.setFont(PrintFont::of(10, true));
    const QList<int> &x = layout.boundaries();
    for (int column = 0; column < m_table.columnCount(); ++column) {
        const QString caption = m_table.headerData(column, Qt::Horizontal).toString();
        const int middle = (x[column] + x[column + 1]) / 2;
        const int left = middle - painter.fontMetrics().horizontalAdvance(caption) / 2;
        drawClipped(painter, layout.cellRect(column, layout.captionTop()), left, layout.captionTop(), caption);
    }
    painter.drawLine(layout.headerRule());
    paintPageLine(painter, layout, page);
    painter.setFont(tableFont());
}

void ListPrintout::paintPageLine(QPainter &painter, const ListPrintLayout &layout, int page) const
{
    painter.setFont(PrintFont::of(8));
    const QString text = ListPrintLayout::pageLine(Platform::clock().today(), page, layout.pageCount());
    const QFontMetrics metrics = painter.fontMetrics();
    const QRect rect = layout.pageLineRect(metrics.horizontalAdvance(text), metrics.height());
    painter.drawText(QPoint(rect.left(), rect.top() + metrics.ascent()), text);
}

void ListPrintout::paintRow(QPainter &painter, const ListPrintLayout &layout, int row) const
{
    const int top = layout.rowTop(row);
    const int firstRightAligned = m_table.columnCount() - m_rightAligned;
    for (int column = 0; column < m_table.columnCount(); ++column) {
        const QRect clip = layout.cellRect(column, top);
        const QString text = cell(row, column);
        const int left = column < firstRightAligned ? clip.left()
                                                    : clip.right() + 1 - painter.fontMetrics().horizontalAdvance(text);
        drawClipped(painter, clip, left, top, text);
    }
}

QString ListPrintout::cell(int row, int column) const
{
    return m_table.data(m_table.index(row, column), Qt::DisplayRole).toString();
}
