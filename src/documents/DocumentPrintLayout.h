#pragma once

#include "platform/PageMetrics.h"
#include "platform/PageUnits.h"

#include <QLine>
#include <QList>
#include <QRect>
#include <QString>

// Where the document list printout puts its grid, header, page line, title and cells, in printer pixels
// from the printable area's top left corner. Text widths come from the printer's font metrics.
class DocumentPrintLayout {
public:
    // The column widths are those on screen; lineHeight is the height of a text line in the table font.
    DocumentPrintLayout(const PageMetrics &page, const QList<int> &columnWidths, int lineHeight, qsizetype entries);

    double cmX() const { return m_units.cmX(); }
    double cmY() const { return m_units.cmY(); }
    const QList<int> &edges() const { return m_edges; }
    int top() const { return m_top; }
    int lineHeight() const { return m_lineHeight; }
    int rowsPerPage() const { return m_rowsPerPage; }
    int pages() const { return m_pages; }

    // The page (from 1) and its row (from 1) that hold an entry.
    int pageOf(qsizetype entry) const;
    int rowOf(qsizetype entry) const;

    // The vertical rules of a page: at edges first ... n-1, from top down to bottom.
    struct Grid {
        int firstEdge;
        int bottom;
    };
    Grid gridOf(int page, qsizetype firstEntry) const;

    QPoint headerAt(int column, int textWidth) const;
    QRect headerClip(int column) const;
    QLine rule() const;
    QString pageLine(const QString &title, const QString &date, int page) const;
    QPoint pageLineAt(int textWidth) const;
    // Whether a page shows the title, by where its page line begins.
    bool titleDrawn(int pageLineX, int titleWidth) const;
    QPoint titleAt(int titleWidth) const;
    QRect cellClip(int column, int row) const;

private:
    void computeEdges(const QList<int> &columnWidths);
    QRect columnClip(int column, int y) const;

    PageMetrics m_page;
    PageUnits m_units;
    QList<int> m_edges;
    int m_top;
    int m_lineHeight;
    int m_rowsPerPage;
    int m_pages;
    qsizetype m_entries;
};
