#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// The search of the documents window through the shown file names. After a hit, both the button and F3
// go on to the next hit without asking; after a miss the button asks for a new term.
class DocumentSearch {
public:
    void reset();
    // F3: go on with the current term.
    void continueWithTerm() { m_continue = true; }
    bool needsTerm() const { return !m_continue; }
    void setTerm(const QString &term);
    // The row of the next hit after the last one, in the shown names; none ends the search.
    std::optional<int> next(const QStringList &names);

private:
    QString m_term;
    int m_lastHit = -1;
    bool m_continue = false;
};
