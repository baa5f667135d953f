#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// The lookup in the postal code list "plz.dat": one entry per line, a five-character code, a blank or tab,
// the town. A term is found as a whole word (a word is a run of letters and digits), whatever the case of
// its letters, so one search serves codes and towns. A code that no line holds gets the town of its postal
// region suggested: post office box codes are not listed.
class PostalCodeSearch {
public:
    struct Result {
        bool found = false;
        // What the list shows, one entry per paragraph: the matching lines in file order, each once; or the
        // not-found message, followed by the suggested town on its own when there is one.
        QStringList entries;
        bool hasSuggestion() const { return !found && entries.size() > 1; }
    };

    // What a double-click on an entry takes into the address fields; neither when the user must pick again.
    struct TakeOver {
        std::optional<QString> postalCode;
        std::optional<QString> town;
        bool takesNothing() const { return !postalCode && !town; }
    };

    // The whole text of the file, line breaks as they stand.
    void setText(QString text);

    // Nothing when the term is blank: the list is then left as it was.
    std::optional<Result> search(const QString &term) const;

    static TakeOver takeOver(const Result &result, qsizetype entry);

private:
    QStringList wholeWordLines(const QString &term) const;
    QString suggestedTown(QStringView region) const;
    QString lineAt(qsizetype position) const;

    QString m_text;
    QString m_folded; // m_text with every letter case-folded, position for position
};
