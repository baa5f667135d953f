#include "register/RecordSearch.h"

#include "platform/AsciiCase.h"
#include "platform/TextTrim.h"
#include "register/InvoiceLine.h"
#include "register/RecordSession.h"

RecordSearch::RecordSearch(const RecordSession &session, QObject *parent)
    : QObject(parent)
    , m_session(session)
{
    connect(&session, &RecordSession::listChanged, this, &RecordSearch::followListChange);
}

bool RecordSearch::hasText() const
{
    for (const QString &line : m_session.lines()) {
        if (!TextTrim::trimmed(line).isEmpty())
            return true;
    }
    return false;
}

void RecordSearch::restart(const QString &term)
{
    m_lastHit = -1;
    m_term = term;
    m_loweredTerm = AsciiCase::lowered(term);
}

bool RecordSearch::canContinue() const
{
    return m_lastHit >= 0 && m_lastHit < m_session.count() - 1 && !TextTrim::trimmed(m_term).isEmpty();
}

void RecordSearch::end()
{
    restart(QString());
}

std::optional<qsizetype> RecordSearch::findFirst() const
{
    return findFrom(0);
}

std::optional<qsizetype> RecordSearch::findNext() const
{
    return findFrom(m_lastHit + 1);
}

void RecordSearch::acceptHit(qsizetype index)
{
    m_lastHit = index;
    m_countAtHit = m_session.count();
}

std::optional<qsizetype> RecordSearch::findFrom(qsizetype start) const
{
    const QStringList &lines = m_session.lines();
    for (qsizetype i = start; i < lines.size(); ++i) {
        if (AsciiCase::contains(QStringView(lines[i]).left(InvoiceLine::kMaxUsedLength), m_loweredTerm))
            return i;
    }
    return std::nullopt;
}

// Storing replaces a line or appends one, so the positions already searched stay valid. A deletion
// shrinks the list and a year load empties it first: the last hit would then point into another list.
void RecordSearch::followListChange()
{
    if (m_lastHit >= 0 && m_session.count() < m_countAtHit)
        end();
    else
        m_countAtHit = m_session.count();
}
