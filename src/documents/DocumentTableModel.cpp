#include "documents/DocumentTableModel.h"

#include "documents/DocumentPath.h"
#include "platform/AsciiCase.h"
#include "platform/Regional.h"

#include <QFileInfo>

#include <algorithm>
#include <numeric>
#include <vector>

int DocumentTableModel::setLines(const QStringList &lines)
{
    beginResetModel();
    m_rows.clear();
    m_rows.reserve(lines.size());
    int missing = 0;
    for (qsizetype line = 0; line < lines.size(); ++line) {
        const QString &path = lines[line];
        const QFileInfo file(path);
        const QString name = DocumentPath::fileName(path);
        if (file.isFile()) {
            m_rows.append({line, name, Regional::formatDateTime(file.lastModified())});
        } else {
            m_rows.append({line, QStringLiteral("[*** ") + name + QStringLiteral(" ***]"), QString()});
            ++missing;
        }
    }
    endResetModel();
    return missing;
}

QStringList DocumentTableModel::shownNames() const
{
    QStringList names;
    names.reserve(m_rows.size());
    for (const Row &row : m_rows)
        names.append(row.name);
    return names;
}

void DocumentTableModel::clickColumn(int column)
{
    const bool flip = column == m_sortColumn && m_sortOrder == Qt::AscendingOrder;
    sortBy(column, flip ? Qt::DescendingOrder : Qt::AscendingOrder);
}

// Stable, so rows with equal texts keep their order; the numbers then follow the new order.
void DocumentTableModel::sortBy(int column, Qt::SortOrder order)
{
    m_sortColumn = column;
    m_sortOrder = order;
    std::vector<QString> texts(m_rows.size());
    for (int row = 0; row < rowCount(); ++row)
        texts[row] = textOf(row, column);
    std::vector<int> positions(m_rows.size());
    std::iota(positions.begin(), positions.end(), 0);
    std::stable_sort(positions.begin(), positions.end(), [&](int a, int b) {
        const int comparison = AsciiCase::compare(texts[a], texts[b]);
        return order == Qt::AscendingOrder ? comparison < 0 : comparison > 0;
    });
    Q_EMIT layoutAboutToBeChanged();
    QList<Row> sorted;
    sorted.reserve(m_rows.size());
    std::vector<int> newRowOf(m_rows.size());
    for (const int row : positions) {
        newRowOf[row] = static_cast<int>(sorted.size());
        sorted.append(std::move(m_rows[row]));
    }
    m_rows = std::move(sorted);
    followRows(newRowOf);
    Q_EMIT layoutChanged();
}

// The selection stays on the entry it was on.
void DocumentTableModel::followRows(const std::vector<int> &newRowOf)
{
    const QModelIndexList before = persistentIndexList();
    QModelIndexList after;
    after.reserve(before.size());
    for (const QModelIndex &index : before)
        after.append(index.isValid() ? createIndex(newRowOf[index.row()], index.column()) : index);
    changePersistentIndexList(before, after);
}

int DocumentTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int DocumentTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant DocumentTableModel::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid())
        return {};
    return textOf(index.row(), index.column());
}

QVariant DocumentTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    static constexpr const char *kCaptions[] = {"", "Nr.", "Dateiname", "Dateidatum"};
    static_assert(std::size(kCaptions) == ColumnCount);
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 || section >= ColumnCount)
        return {};
    return QString::fromLatin1(kCaptions[section]);
}

// The numbers are the shown positions, so they need no renumbering after a sort.
QString DocumentTableModel::textOf(int row, int column) const
{
    switch (column) {
    case Number: return QString::number(row + 1);
    case Name: return m_rows[row].name;
    case Date: return m_rows[row].date;
    default: return {};
    }
}
