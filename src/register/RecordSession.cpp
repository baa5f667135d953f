#include "register/RecordSession.h"

#include "register/InvoiceLine.h"

#include <functional>

RecordSession::RecordSession(QObject *parent)
    : QObject(parent)
{
}

void RecordSession::setPath(const QString &path)
{
    m_file.setPath(path);
    Q_EMIT listChanged();
}

RecordSession::Result RecordSession::load()
{
    const QString error = m_file.load();
    Q_EMIT listChanged();
    if (!error.isEmpty())
        return {Outcome::ReadFailed, error};
    moveTo(0);
    return {};
}

void RecordSession::startNew()
{
    m_newRecord = true;
    m_modified = false;
    setIndex(m_file.count());
}

void RecordSession::moveTo(qsizetype index)
{
    m_newRecord = false;
    m_modified = false;
    setIndex(index);
}

void RecordSession::reset()
{
    moveTo(0);
}

RecordSession::Result RecordSession::store(const QStringList &fields)
{
    if (fields[InvoiceLine::Name].isEmpty() || fields[InvoiceLine::Email].isEmpty())
        return {Outcome::Refused, QStringLiteral("Datensatz unvollständig!")};
    const QString line = InvoiceLine::join(fields);
    QStringList &lines = m_file.lines();
    Result result;
    if (m_newRecord || m_index >= lines.size()) {
        lines.append(line);
        result = writeOrUndo([&lines] { lines.removeLast(); });
    } else {
        const QString previous = std::exchange(lines[m_index], line);
        result = writeOrUndo([this, &lines, previous] { lines[m_index] = previous; });
    }
    if (!result.done())
        return result;
    m_newRecord = false;
    m_modified = false;
    Q_EMIT listChanged();
    return result;
}

RecordSession::Result RecordSession::removeCurrent()
{
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
