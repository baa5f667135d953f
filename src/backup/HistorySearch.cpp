#include "backup/HistorySearch.h"

#include "platform/AsciiCase.h"
#include "platform/TextTrim.h"

bool HistorySearch::setTerm(const QString &entered)
{
    if (TextTrim::trimmed(entered).isEmpty())
        return false;
    m_term = AsciiCase::lowered(entered);
    return true;
}

std::optional<HistorySearch::Hit> HistorySearch::findFirst(const QString &text)
{
    m_start = 0;
    return findNext(text);
}

std::optional<HistorySearch::Hit> HistorySearch::findNext(const QString &text)
{
    if (m_term.isEmpty())
        return std::nullopt;
    const qsizetype found = AsciiCase::lowered(text).indexOf(m_term, m_start);
    if (found < 0)
        return std::nullopt;
    m_start = found + m_term.size();
    return Hit{found, m_term.size()};
}

void HistorySearch::reset()
{
    m_term.clear();
    m_start = 0;
}
