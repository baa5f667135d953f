#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// The moves of a restore, kept in its staging folder before the first one, so that a run killed while
// it moves files into place is finished or undone at the next start: the data folder is then exactly as
// before or exactly as restored. Every step can be repeated, so a crash during the recovery is
// recovered from the same way.
class RestoreJournal {
public:
    struct Move {
        QString target;   // below the data folder
        QString staged;   // name in the staging folder
        QString replaced; // name in the staging folder where the file it replaces waits
    };
    struct Plan {
        QStringList folders; // below the data folder, to be made, parents first
        QList<Move> moves;
    };
    struct Read {
        Plan plan;
        bool complete = false; // the end mark was read: the plan is whole
    };

    // Both folders end in "/".
    RestoreJournal(const QString &dataFolder, const QString &stagingFolder);

    [[nodiscard]] QString write(const Plan &plan) const;
    // Nothing when there is no journal.
    std::optional<Read> read() const;
    // Makes the folders and does the moves not done yet; stops after stopAfter moves when it is
    // given, as a kill would. Returns the reason of a failure.
    [[nodiscard]] QString forward(const Plan &plan, std::optional<int> stopAfter = std::nullopt) const;
    // Puts every file back where it was and removes the folders made.
    [[nodiscard]] QString backward(const Plan &plan) const;

    // At the start, before anything reads the data folder: every staging folder left by a restore is
    // finished (a whole journal), undone (a journal cut short, or a finish that fails) or, without a
    // journal, nothing was moved yet, simply removed. Returns the reason of a failure.
    [[nodiscard]] static QString recover(const QString &dataFolder);
    static QString stagingPattern();

private:
    QString recoverHere() const;
    QString journalPath() const;

    QString m_dataFolder;
    QString m_staging;
};
