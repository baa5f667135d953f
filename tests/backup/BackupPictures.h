#pragma once

#include <QString>

class QWidget;
class TFormBackup;
class WindowDoubles;

// Pictures of the backup windows for the window pictures program: the backup window during and after a
// plain run, during a zipped run and after a failed restore; the history viewer and the restore notice.
class BackupPictures {
public:
    static void save(WindowDoubles &doubles, TFormBackup &backup, QWidget &main, const QString &folder);
};
