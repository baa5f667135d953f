#include "documents/DocumentPrintLayout.h"

#include <QLine>

#include <algorithm>
#include <numeric>

namespace {

// Right and bottom lie outside, as the edges of the next column and row begin there.
QRect between(int left, int top, int right, int bottom)
{
    return QRect(left, top, right - left, bottom - top);
}

} // namespace

DocumentPrintLayout::DocumentPrintLayout(const PageMetrics &page, const QList<int> &columnWidths, int lineHeight,
                                         qsizetype entries)
    : m_page(page)
    , m_units(page)
    , m_top(m_units.vertical(2.5))
    , m_lineHeight(std::max(1, lineHeight))
    , m_entries(entries)
{
    computeEdges(columnWidths);
    // However small the paper, every page holds at least one entry, so the page count stays finite.
    m_rowsPerPage = std::max(1, qRound((page.printableHeight - 5 * m_units.cmY()) / m_lineHeight));
    m_pages = std::max<qsizetype>(1, (entries + m_rowsPerPage - 1) / m_rowsPerPage);
}

// Each column gets its share of the table width as on screen; each share is rounded on its own, so the
// last edge may land a pixel or two beside the right margin.
void DocumentPrintLayout::computeEdges(const QList<int> &columnWidths)
{
    const int right = m_page.printableWidth - m_units.horizontal(0.1);
    const double sum = std::accumulate(columnWidths.cbegin(), columnWidths.cend(), 0.0);
    m_edges = {0};
    for (const int width : columnWidths) {
        const double share = sum > 0 ? width / sum : 1.0 / columnWidths.size();
        m_edges.append(m_edges.last() + qRound(share * right));
    }
}

int DocumentPrintLayout::pageOf(qsizetype entry) const
{
    return static_cast<int>(entry / m_rowsPerPage) + 1;
}

int DocumentPrintLayout::rowOf(qsizetype entry) const
{
    return static_cast<int>(entry % m_rowsPerPage) + 1;
}

// The last page leaves out the rule at the first column's edge and ends one line below its last entry.
DocumentPrintLayout::Grid DocumentPrintLayout::gridOf(int page, qsizetype firstEntry) const
{
    if (page == m_pages)
        return {2, m_top + static_cast<int>(m_entries - firstEntry + 2) * m_lineHeight};
    return {1, m_top + (m_rowsPerPage + 1) * m_lineHeight};
}

QPoint DocumentPrintLayout::headerAt(int column, int textWidth) const
{
    const int left = m_edges[column];
    return {left + (m_edges[column + 1] - left) / 2 - textWidth / 2, m_top - m_units.vertical(0.1)};
}

QRect DocumentPrintLayout::headerClip(int column) const
{
    return columnClip(column, m_top - m_units.vertical(0.1));
}

QLine DocumentPrintLayout::rule() const
{
    const int y = m_top + m_lineHeight - m_units.vertical(0.05);
    return QLine(m_edges.first() - m_units.horizontal(0.1), y, m_edges.last() + m_units.horizontal(0.1), y);
}

QString DocumentPrintLayout::pageLine(const QString &title, const QString &date, int page) const
{
    return QStringLiteral("%1 vom: %2 Seite: %3 / %4").arg(title, date).arg(page).arg(m_pages);
}

QPoint DocumentPrintLayout::pageLineAt(int textWidth) const
{
    return {m_page.printableWidth - m_units.horizontal(1.5) - 2 * (textWidth / 2), m_units.vertical(0.5)};
}

bool DocumentPrintLayout::titleDrawn(int pageLineX, int titleWidth) const
{
    return pageLineX < (titleWidth + m_page.printableWidth) / 2 + m_units.horizontal(0.75);
}

QPoint DocumentPrintLayout::titleAt(int titleWidth) const
{
    return {(m_page.printableWidth - titleWidth) / 2, m_units.vertical(1.0)};
}

QRect DocumentPrintLayout::cellClip(int column, int row) const
{
    return columnClip(column, m_top + row * m_lineHeight);
}

// One line high, the column less its inset on either side.
QRect DocumentPrintLayout::columnClip(int column, int y) const
{
    const int inset = m_units.horizontal(0.1);
    return between(m_edges[column] + inset, y, m_edges[column + 1] - inset, y + m_lineHeight);
}
