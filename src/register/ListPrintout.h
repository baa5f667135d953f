#pragma once

#include <QList>
#include <QString>

class ListPrintLayout;
class PrintJob;
class QAbstractItemModel;
class QPainter;

// Prints a table as it stands on screen: its rows in their current order, its columns in proportion to
// their widths on screen, the captions in bold, the date and page numbers on every page.
class ListPrintout {
public:
    // widths: the on-screen width of every column; the last rightAligned columns are printed flush right.
    ListPrintout(const QAbstractItemModel &table, const QList<int> &widths, int rightAligned);

    // Asks for the printer and prints one portrait copy as the job jobName; failures are shown.
    void print(const QString &jobName) const;
    // Draws every page into a started job.
    void paint(PrintJob &job) const;

private:
    void paintFrame(QPainter &painter, const ListPrintLayout &layout, int page) const;
    void paintRow(QPainter &painter, const ListPrintLayout &layout, int row) const;
    void paintPageLine(QPainter &painter, const ListPrintLayout &layout, int page) const;
    QString cell(int row, int column) const;

    const QAbstractItemModel &m_table;
    QList<int> m_widths;
    int m_rightAligned;
};
