#include "register/RecordSession.h"

#include "platform/TextTrim.h"
#include "platform/Windows1252.h"
#include "register/InvoiceLine.h"

#include <functional>

RecordSession::RecordSession(QObject *parent)
    : QObject(parent)
{
}

void RecordSession::setPath(const QString &path)
{
    m_file.setPath(path);
    m_readFailed = false;
    Q_EMIT listChanged();
}

RecordSession::Result RecordSession::load()
{
    const QString error = m_file.load();
    m_readFailed = !error.isEmpty();
    Q_EMIT listChanged();
    if (m_readFailed)
        return {Outcome::ReadFailed, error};
    moveTo(0);
    return {};
}

void RecordSession::startNew()
{
    m_newRecord = true;
    m_modified = false;
    m_untouchedStart = false;
    setIndex(m_file.count());
}

void RecordSession::startNewYear()
{
    startNew();
    m_untouchedStart = true;
}

void RecordSession::moveTo(qsizetype index)
{
    m_newRecord = false;
    m_modified = false;
    m_untouchedStart = false;
    setIndex(index);
}

void RecordSession::reset()
{
    moveTo(0);
}

RecordSession::Result RecordSession::store(const QStringList &fields)
{
    QStringList storable;
    for (const QString &field : fields)
        storable.append(TextTrim::storedValue(field));
    if (storable[InvoiceLine::Name].isEmpty() || storable[InvoiceLine::Email].isEmpty())
        return {Outcome::Incomplete, QStringLiteral("Datensatz unvollständig!")};
    if (m_readFailed)
        return refusalOfWrite();
    if (const Result refusal = refusalOfCharacters(storable); !refusal.done())
        return refusal;
    const QString line = InvoiceLine::join(storable);
    if (const Result refusal = refusalOfLength(line); !refusal.done())
        return refusal;
    QStringList &lines = m_file.lines();
    Result result;
    const bool replacing = !m_newRecord && m_index < lines.size();
    QString previous;
    if (!replacing) {
        lines.append(line);
        result = writeOrUndo([&lines] { lines.removeLast(); });
    } else {
        previous = std::exchange(lines[m_index], line);
        result = writeOrUndo([this, &lines, previous] { lines[m_index] = previous; });
    }
    if (!result.done())
        return result;
    m_newRecord = false;
    m_modified = false;
    Q_EMIT listChanged();
    if (replacing)
        Q_EMIT recordReplaced(previous, line);
    return result;
}

RecordSession::Result RecordSession::removeCurrent()
{
    if (m_readFailed)
        return refusalOfWrite();
    QStringList &lines = m_file.lines();
    Result result;
    if (m_index < lines.size()) {
        const QString removed = lines.takeAt(m_index);
        result = writeOrUndo([this, &lines, removed] { lines.insert(m_index, removed); });
    } else {
        result = writeOrUndo([] {});
    }
    if (!result.done())
        return result;
    Q_EMIT listChanged();
    moveTo(0);
    return result;
}

RecordSession::Result RecordSession::refusalOfWrite() const
{
    return {Outcome::Refused,
            QStringLiteral("Die Datei \"%1\" wurde nicht vollständig gelesen und wird daher nicht geändert.")
                .arg(m_file.path())};
}

// A file in the single-byte code page would hold "?" in place of such a character, and the input
// would be lost without a word.
RecordSession::Result RecordSession::refusalOfCharacters(const QStringList &fields) const
{
    if (m_file.encoding() != TextEncoding::Windows1252)
        return {};
    for (int i = 0; i < fields.size(); ++i) {
        const qsizetype position = Windows1252::firstUnencodable(fields[i]);
        if (position < 0)
            continue;
        const qsizetype length = fields[i][position].isHighSurrogate() ? 2 : 1;
        return {Outcome::Refused,
                QStringLiteral("Das Zeichen \"%1\" im Feld \"%2\" kann in der Datei nicht "
                               "gespeichert werden. Bitte ersetzen Sie es.")
                    .arg(fields[i].mid(position, length), InvoiceLine::labelOf(InvoiceLine::Field(i)))};
    }
    return {};
}

// A longer line would come back cut, with the creditor and e-mail lost from its end.
RecordSession::Result RecordSession::refusalOfLength(const QString &line)
{
    if (line.size() <= InvoiceLine::kMaxUsedLength)
        return {};
    return {Outcome::Refused,
            QStringLiteral("Der Datensatz ist zu lang: Er hätte %1 Zeichen, eine Zeile der Datei darf aber höchstens "
                           "%2 Zeichen haben. Bitte kürzen Sie einen der langen Texte.")
                .arg(line.size())
                .arg(InvoiceLine::kMaxUsedLength)};
}

// A failed write leaves the record list as the file still is, so a later save stores the record once.
RecordSession::Result RecordSession::writeOrUndo(const std::function<void()> &undo)
{
    const QString error = m_file.write();
    if (error.isEmpty())
        return {};
    undo();
    return {Outcome::WriteFailed, error};
}

void RecordSession::setIndex(qsizetype index)
{
    m_index = index;
    Q_EMIT currentIndexChanged(index);
}
