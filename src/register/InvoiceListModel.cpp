#include "register/InvoiceListModel.h"

#include "platform/AsciiCase.h"
#include "platform/Regional.h"
#include "platform/TextTrim.h"
#include "register/InvoiceLine.h"
#include "register/ListTotal.h"
#include "register/RecordSession.h"

#include <algorithm>
#include <climits>
#include <numeric>

namespace {

constexpr const char16_t *kCaptions[] = {
    u"", u"Nr.", u"Artikel/Dienstleistung", u"Fälligkeit", u"RE-Nummer", u"Betrag   ", u"Gläubiger",
};
static_assert(std::size(kCaptions) == InvoiceListModel::kColumnCount);

// The record fields shown from column "Artikel" on, in column order.
constexpr InvoiceLine::Field kShownFields[] = {
    InvoiceLine::Artikel, InvoiceLine::Ende, InvoiceLine::ReNummer, InvoiceLine::Preis, InvoiceLine::Name,
};
static_assert(std::size(kShownFields) == InvoiceListModel::kColumnCount - InvoiceListModel::Article);

QString fieldOf(const QStringList &fields, InvoiceLine::Field field)
{
    return field < fields.size() ? fields[field] : QString();
}

// The first four characters as capitals, packed so that comparing two keys compares those characters
// the way AsciiCase::compare does. Most texts differ there, and the keys lie side by side in memory
// where the rows do not.
quint64 textPrefixKey(QStringView text)
{
    quint64 key = 0;
    for (qsizetype i = 0; i < 4; ++i)
        key = key << 16 | (i < text.size() ? AsciiCase::upper(text[i].unicode()) : 0);
    return key;
}

bool isPaid(const QStringList &fields)
{
    return TextTrim::trimmed(fieldOf(fields, InvoiceLine::Status)) == InvoiceLine::kStatusPaid;
}

} // namespace

InvoiceListModel::InvoiceListModel(const RecordSession &session, QObject *parent)
    : QAbstractTableModel(parent)
    , m_session(session)
{
    // Rows of a list that changed would name the wrong records; the window rebuilds before it shows.
    connect(&session, &RecordSession::listChanged, this, &InvoiceListModel::clearRows);
}

bool InvoiceListModel::qualifies(Kind kind, const QStringList &fields, const QDate &today)
{
    if (kind == Kind::All)
        return true;
    if (isPaid(fields))
        return false;
    if (kind == Kind::Open)
        return true;
    const QDate due = Regional::readDate(fieldOf(fields, InvoiceLine::Ende), today);
    return due.isValid() && due > QDate(1899, 12, 30) && due < today;
}

void InvoiceListModel::build(Kind kind, const QDate &today)
{
    beginResetModel();
    m_kind = kind;
    m_today = today;
    m_rows.clear();
    m_rows.reserve(m_session.lines().size());
    // Without a year file the list of all invoices stays empty, whatever the session holds.
    const bool listsRecords = kind != Kind::All || m_session.fileExists();
    const QStringList &lines = m_session.lines();
    for (qsizetype i = 0; listsRecords && i < lines.size(); ++i) {
        const QStringList fields = InvoiceLine::split(QStringView(lines[i]).left(InvoiceLine::kMaxUsedLength));
        if (!qualifies(kind, fields, today))
            continue;
        Row row;
        row.number = kind == Kind::All ? i + 1 : i;
        for (size_t f = 0; f < std::size(kShownFields); ++f)
            row.fields[f] = fieldOf(fields, kShownFields[f]);
        m_rows.push_back(std::move(row));
    }
    m_order.resize(m_rows.size());
    std::iota(m_order.begin(), m_order.end(), 0);
    endResetModel();
}

void InvoiceListModel::clearRows()
{
    if (m_rows.empty())
        return;
    beginResetModel();
    m_rows.clear();
    m_order.clear();
    endResetModel();
}

qsizetype InvoiceListModel::recordIndexOf(qsizetype number) const
{
    return m_kind == Kind::All ? number - 1 : number;
}

QString InvoiceListModel::total() const
{
    ListTotal total;
    for (const Row &row : m_rows)
        total.add(row.fields[Amount - Article]);
    return total.text();
}

QString InvoiceListModel::cellText(int row, int column) const
{
    const Row &shown = m_rows[m_order[row]];
    if (column == Blank)
        return QString();
    if (column == Number)
        return QString::number(shown.number);
    return shown.fields[column - Article];
}

void InvoiceListModel::headerClicked(int column)
{
    m_descending = column == m_lastClicked ? !m_descending : false;
    m_sortColumn = column;
    m_lastClicked = column;
    sortRows(column);
}

void InvoiceListModel::sortRows(int column)
{
    Q_EMIT layoutAboutToBeChanged();
    const bool descending = m_descending;
    // Descending order compares the two texts the other way round, so equal texts keep their order.
    const auto ordered = [descending](int a, int b, auto less) { return descending ? less(b, a) : less(a, b); };
    if (column == Number) {
        std::stable_sort(m_order.begin(), m_order.end(), [&](int a, int b) {
            return ordered(a, b, [this](int x, int y) { return m_rows[x].number < m_rows[y].number; });
        });
    } else if (column == DueDate) {
        // A cell that reads as no date sorts before every date.
        std::vector<qint64> days(m_rows.size());
        for (size_t i = 0; i < m_rows.size(); ++i) {
            const QDate date = Regional::readDate(m_rows[i].fields[DueDate - Article], m_today);
            days[i] = date.isValid() ? date.toJulianDay() : LLONG_MIN;
        }
        std::stable_sort(m_order.begin(), m_order.end(), [&](int a, int b) {
            return ordered(a, b, [&days](int x, int y) { return days[x] < days[y]; });
        });
    } else if (column != Blank) {
        const int field = column - Article;
        std::vector<quint64> prefixes(m_rows.size());
        for (size_t i = 0; i < m_rows.size(); ++i)
            prefixes[i] = textPrefixKey(m_rows[i].fields[field]);
        std::stable_sort(m_order.begin(), m_order.end(), [&](int a, int b) {
            return ordered(a, b, [&](int x, int y) {
                if (prefixes[x] != prefixes[y])
                    return prefixes[x] < prefixes[y];
                return AsciiCase::compare(m_rows[x].fields[field], m_rows[y].fields[field]) < 0;
            });
        });
    }
    Q_EMIT layoutChanged();
}

std::optional<int> InvoiceListModel::find(const QString &term) const
{
    const QString lowered = AsciiCase::lowered(term);
    for (int row = 0; row < rowCount(); ++row) {
        const auto &fields = m_rows[m_order[row]].fields;
        const QString joined = QStringList(fields.begin(), fields.end()).join(QLatin1Char(';'));
        if (AsciiCase::contains(joined, lowered))
            return row;
    }
    return std::nullopt;
}

int InvoiceListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_order.size());
}

int InvoiceListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant InvoiceListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    if (role == Qt::DisplayRole)
        return cellText(index.row(), index.column());
    return {};
}

QVariant InvoiceListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= kColumnCount)
        return {};
    return QString::fromUtf16(kCaptions[section]);
}
