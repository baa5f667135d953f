#include "documents/DocumentSearch.h"

#include "platform/AsciiCase.h"

void DocumentSearch::reset()
{
    m_term.clear();
    m_lastHit = -1;
    m_continue = false;
}

void DocumentSearch::setTerm(const QString &term)
{
    m_term = AsciiCase::lowered(term);
    if (!m_term.isEmpty())
        m_lastHit = -1;
}

std::optional<int> DocumentSearch::next(const QStringList &names)
{
    m_continue = false;
    if (!m_term.isEmpty()) {
        for (int row = m_lastHit + 1; row < names.size(); ++row) {
            if (AsciiCase::contains(names[row], m_term)) {
                m_lastHit = row;
                m_continue = true;
                return row;
            }
        }
    }
    m_lastHit = -1;
    return std::nullopt;
}
