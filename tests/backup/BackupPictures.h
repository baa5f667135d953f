#pragma once

#include <QString>

class QWidget;
class TFormBackup;
class WindowDoubles;

// Pictures of the backup windows for the window pictures program: the backup window during a run,
// the history viewer and the restore notice.
class BackupPictures {
public:
    static void save(WindowDoubles &doubles, TFormBackup &backup, QWidget &main, const QString &folder);
};
