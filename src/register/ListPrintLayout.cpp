#include "register/ListPrintLayout.h"

#include "platform/Regional.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kTableLeftCm = 1.5;
constexpr double kRightMarginCm = 1.5;
constexpr double kHeaderTopCm = 2.5;
constexpr double kFreeHeightCm = 5.0;
constexpr double kInsetCm = 0.1;
constexpr double kRuleLiftCm = 0.05;
constexpr double kPageLineTopCm = 0.5;

int rounded(double value)
{
    return int(std::lround(value));
}

} // namespace

ListPrintLayout::ListPrintLayout(const PageMetrics &page, const QList<int> &screenWidths, int lineHeight,
                                 qsizetype rowCount)
    : m_page(page)
    , m_units(page)
    // A line of no height would never fill a page, and a page shorter than 5 cm none at all.
    , m_lineHeight(std::max(1, lineHeight))
    , m_headerTop(m_units.vertical(kHeaderTopCm))
    , m_rowsPerPage(std::max(1, rounded(double(page.printableHeight - m_units.vertical(kFreeHeightCm)) / m_lineHeight)))
    , m_pageCount(std::max<int>(1, int((rowCount + m_rowsPerPage - 1) / m_rowsPerPage)))
    , m_rowCount(rowCount)
{
    m_x.append(m_units.horizontal(kTableLeftCm));
    const int tableWidth = page.printableWidth - m_units.horizontal(kTableLeftCm) - m_x[0];
    double sum = 0;
    for (const int width : screenWidths)
        sum += width;
    for (const int width : screenWidths)
        m_x.append(m_x.last() + (sum > 0 ? rounded(width / sum * tableWidth) : 0));
}

int ListPrintLayout::pageOfRow(qsizetype row) const
{
    return int(row / m_rowsPerPage) + 1;
}

int ListPrintLayout::lineOfRow(qsizetype row) const
{
    return int(row % m_rowsPerPage) + 1;
}

qsizetype ListPrintLayout::rowsOnPage(int page) const
{
    const qsizetype before = qsizetype(page - 1) * m_rowsPerPage;
    return std::clamp<qsizetype>(m_rowCount - before, 0, m_rowsPerPage);
}

// The last page leaves out the rule at X[1] and ends its rules one line below its last row.
ListPrintLayout::Rules ListPrintLayout::rulesOfPage(int page) const
{
    const bool last = page == m_pageCount;
    Rules rules;
    const int columns = int(m_x.size()) - 1;
    for (int i = last ? 2 : 1; i <= columns - 1; ++i)
        rules.xs.append(m_x[i]);
    rules.top = m_headerTop;
    const qsizetype lines = last ? rowsOnPage(page) + 2 : m_rowsPerPage + 1;
    rules.bottom = m_headerTop + int(lines) * m_lineHeight;
    return rules;
}

QLine ListPrintLayout::headerRule() const
{
    const int y = m_headerTop + m_lineHeight - m_units.vertical(kRuleLiftCm);
    return QLine(m_x.first() - m_units.horizontal(kInsetCm), y, m_x.last() + m_units.horizontal(kInsetCm), y);
}

int ListPrintLayout::captionTop() const
{
    return m_headerTop - m_units.vertical(kInsetCm);
}

QRect ListPrintLayout::cellRect(int column, int top) const
{
    const int inset = m_units.horizontal(kInsetCm);
    return QRect(QPoint(m_x[column] + inset, top), QPoint(m_x[column + 1] - inset - 1, top + m_lineHeight - 1));
}

int ListPrintLayout::rowTop(qsizetype row) const
{
    return m_headerTop + lineOfRow(row) * m_lineHeight;
}

QRect ListPrintLayout::pageLineRect(int textWidth, int textHeight) const
{
    const int right = m_page.printableWidth - m_units.horizontal(kRightMarginCm);
    return QRect(right - 2 * (textWidth / 2), m_units.vertical(kPageLineTopCm), textWidth, textHeight);
}

QString ListPrintLayout::pageLine(const QDate &today, int page, int pageCount)
{
    return QStringLiteral("Date: %1 Page: %2 / %3").arg(Regional::formatDate(today)).arg(page).arg(pageCount);
}
