#pragma once

#include <QString>
#include <QStringList>

class RunView;

// "Daten aus Backup wiederherstellen": asks, lets the user choose files of a backup and puts them into
// the data folder, all or nothing.
class RestoreRun {
public:
    struct Outcome {
        bool restored = false; // the program must restart
        QStringList skipped;   // archive entries left out for safety
    };

    static Outcome run(const QString &dataFolderField, const QString &destinationField, RunView &view);
    // The closing notice's line about skipped entries; empty when there were none.
    static QString skippedNotice(const QStringList &skipped);

private:
    static Outcome restore(const QString &dataFolder, const QStringList &chosen, RunView &view);
};
