#pragma once

#include <QObject>
#include <QString>
#include <optional>

class RecordSession;

// "Suchen" and "Weitersuchen" over the loaded year: the search term, the last hit and the matching rule
// (the whole stored line contains the term, A to Z folded). It only finds; showing is the caller's.
class RecordSearch final : public QObject {
    Q_OBJECT

public:
    explicit RecordSearch(const RecordSession &session, QObject *parent = nullptr);

    // False when the record list holds nothing but blanks and line breaks: no prompt is worth showing.
    bool hasText() const;
    // A fresh "Suchen": no last hit, term as given (trimmed by the prompt).
    void restart(const QString &term);
    // Weitersuchen may go on: a last hit before the last record and a term.
    bool canContinue() const;
    // Ends the search: no last hit, no term.
    void end();

    std::optional<qsizetype> findFirst() const;
    std::optional<qsizetype> findNext() const;
    // The found record is now shown; the next search goes on after it.
    void acceptHit(qsizetype index);

    const QString &term() const { return m_term; }
    qsizetype lastHit() const { return m_lastHit; }

private:
    std::optional<qsizetype> findFrom(qsizetype start) const;
    void followListChange();

    const RecordSession &m_session;
    QString m_term;
    QString m_loweredTerm;
    qsizetype m_lastHit = -1;
    qsizetype m_countAtHit = 0;
};
