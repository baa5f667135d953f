#pragma once

#include <QString>

class RunView;

// "Daten aus Backup wiederherstellen": asks, lets the user choose files of a backup and puts them into
// the data folder, all or nothing.
class RestoreRun {
public:
    // True when the data were restored and the program must restart.
    static bool run(const QString &dataFolderField, const QString &destinationField, RunView &view);

private:
    static bool restore(const QString &dataFolder, const QStringList &chosen, RunView &view);
};
