#pragma once

#include <QString>
#include <optional>

// The history viewer's search: the term lower-cased in A-Z only and not trimmed, each further search
// starting after the last hit, no wrap-around to the top.
class HistorySearch {
public:
    struct Hit {
        qsizetype start;
        qsizetype length;
    };

    // False, keeping the term as it was, when the entry is empty after trimming.
    bool setTerm(const QString &entered);
    QString term() const { return m_term; }
    // Searches from the first character.
    std::optional<Hit> findFirst(const QString &text);
    // Searches from after the last hit; a miss leaves the start where it was.
    std::optional<Hit> findNext(const QString &text);
    void reset();

private:
    QString m_term;
    qsizetype m_start = 0;
};
