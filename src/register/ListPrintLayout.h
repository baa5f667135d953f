#pragma once

#include "platform/PageMetrics.h"
#include "platform/PageUnits.h"

#include <QDate>
#include <QLine>
#include <QList>
#include <QRect>
#include <QString>

// Where everything of a printed list lies, in device pixels from the printable area's top left corner,
// measured in PageUnits; columns keep the proportions of their widths on screen.
class ListPrintLayout {
public:
    struct Rules {
        QList<int> xs;
        int top = 0;
        int bottom = 0;
    };

    // lineHeight: the height of a line of the table font on the printer.
    ListPrintLayout(const PageMetrics &page, const QList<int> &screenWidths, int lineHeight, qsizetype rowCount);

    double cmX() const { return m_units.cmX(); }
    double cmY() const { return m_units.cmY(); }

    // X[0] to X[n]: the left edge of the table, then the right edge of each column.
    const QList<int> &boundaries() const { return m_x; }
    int lineHeight() const { return m_lineHeight; }
    int rowsPerPage() const { return m_rowsPerPage; }
    int pageCount() const { return m_pageCount; }

    // Pages count from 1; a row's line on its page from 1 to rowsPerPage().
    int pageOfRow(qsizetype row) const;
    int lineOfRow(qsizetype row) const;
    qsizetype rowsOnPage(int page) const;
    Rules rulesOfPage(int page) const;
    QLine headerRule() const;
    int captionTop() const;
    // A cell less its inset on either side: the clip of its text.
    QRect cellRect(int column, int top) const;
    int rowTop(qsizetype row) const;

    // The page line ends 1.5 cm before the printable area's right edge.
    QRect pageLineRect(int textWidth, int textHeight) const;
    static QString pageLine(const QDate &today, int page, int pageCount);

private:
    PageMetrics m_page;
    PageUnits m_units;
    QList<int> m_x;
    int m_lineHeight;
    int m_headerTop;
    int m_rowsPerPage;
    int m_pageCount;
    qsizetype m_rowCount;
};
