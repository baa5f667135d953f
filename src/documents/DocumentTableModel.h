#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QStringList>

#include <vector>

// The rows of the documents window: one per line of the list, each remembering its own line, so opening
// and deleting act on that line whatever the shown order.
class DocumentTableModel final : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { Empty, Number, Name, Date, ColumnCount };

    // Builds one row per line in file order; returns how many of the documents are missing.
    int setLines(const QStringList &lines);
    qsizetype lineOf(int row) const { return m_rows[row].line; }
    QString nameOf(int row) const { return m_rows[row].name; }
    QStringList shownNames() const;

    // A click on a column header: the same column flips the direction, another sorts ascending by it.
    // Every column sorts as text, so "10" comes before "2".
    void clickColumn(int column);
    int sortColumn() const { return m_sortColumn; }
    void sortBy(int column, Qt::SortOrder order);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    struct Row {
        qsizetype line;
        QString name;
        QString date;
    };
    QString textOf(int row, int column) const;
    void followRows(const std::vector<int> &newRowOf);

    QList<Row> m_rows;
    int m_sortColumn = Empty;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
};
