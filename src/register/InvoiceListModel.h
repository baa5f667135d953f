#pragma once

#include <QAbstractTableModel>
#include <QDate>
#include <QStringList>
#include <array>
#include <optional>
#include <vector>

class RecordSession;

// The rows of the invoice list window: all, due or open invoices of the loaded year, their total, the
// sort by a column header and the search in the list. Rows are kept in record order; the sort only
// reorders a view of them, so 100,000 rows stay quick.
class InvoiceListModel final : public QAbstractTableModel {
    Q_OBJECT

public:
    enum class Kind { All, Due, Open };
    enum Column { Blank, Number, Article, DueDate, InvoiceNumber, Amount, Creditor, kColumnCount };

    explicit InvoiceListModel(const RecordSession &session, QObject *parent = nullptr);

    // Rebuilds the rows from the session's records; today decides what is due.
    void build(Kind kind, const QDate &today);
    Kind kind() const { return m_kind; }
    // The record a "Nr." of this list stands for: one less in the list of all invoices.
    qsizetype recordIndexOf(qsizetype number) const;

    // The total of the amounts that read as decimals, "0.00" with a decimal comma.
    QString total() const;
    // The cell text at a row in the current order; empty for a cell the record lacks.
    QString cellText(int row, int column) const;

    // A click on a column header: a second click on the same column reverses the order.
    void headerClicked(int column);
    // Each showing of the window starts with the direction flag that makes the first click ascending.
    void resetDirection() { m_descending = true; }
    int sortColumn() const { return m_sortColumn; }
    bool isDescending() const { return m_descending; }

    // The first row, in the current order, whose texts of "Artikel" to "Gläubiger" joined by ";" hold
    // the term (A to Z folded).
    std::optional<int> find(const QString &term) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    struct Row {
        qsizetype number = 0;
        std::array<QString, kColumnCount - Article> fields; // Article to Creditor
    };

    static bool qualifies(Kind kind, const QStringList &fields, const QDate &today);
    void sortRows(int column);
    void clearRows();

    const RecordSession &m_session;
    Kind m_kind = Kind::All;
    std::vector<Row> m_rows;
    std::vector<int> m_order; // row shown at each position
    QDate m_today;
    int m_sortColumn = 0;
    int m_lastClicked = 0;
    bool m_descending = true;
};
