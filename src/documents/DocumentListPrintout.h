#pragma once

#include <QList>
#include <QString>
#include <functional>

class DocumentPrintLayout;
class PrintJob;
class QAbstractItemModel;
class QPainter;

// Prints the documents window's list as it stands on screen: a ruled table with a bold header, the page
// line with date and page numbers, and the title where the page line leaves it.
class DocumentListPrintout {
public:
    // widths: the on-screen width of every column.
    DocumentListPrintout(const QAbstractItemModel &table, const QList<int> &widths);

    // Prints into a PDF file at path and opens it. The old file stays until the new one is complete,
    // so a failed job never leaves a half-written file or opens an older one.
    void printToPdf(const QString &path) const;
    // Asks for the printer; started is told the printer's name once the job runs.
    void printOnPaper(const std::function<void(const QString &printer)> &started) const;
    // Draws every page into a started job.
    void paint(PrintJob &job) const;

private:
    void paintFrame(QPainter &painter, const DocumentPrintLayout &layout, int page, int firstRow) const;
    void paintPageLineAndTitle(QPainter &painter, const DocumentPrintLayout &layout, int page) const;
    void paintRow(QPainter &painter, const DocumentPrintLayout &layout, int row) const;

    const QAbstractItemModel &m_table;
    QList<int> m_widths;
};
