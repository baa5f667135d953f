#pragma once

#include <QString>

// What a backup or restore run shows while it goes; the backup window implements it.
class RunView {
public:
    virtual ~RunView() = default;
    // Sets the bar and lets the window repaint and handle pending input.
    virtual void showProgress(int percent) = 0;
    // True once after "Backup abbrechen" was pressed.
    virtual bool takeStopRequest() = 0;
    virtual void showFolders(const QString &dataFolder, const QString &destination) = 0;
    virtual void markSaved(int row) = 0;
    virtual void showSavedCount(int saved) = 0;
    // Leaves only the rows that were not saved.
    virtual void dropSavedRows() = 0;
    virtual void showTarget(const QString &target) = 0;
    virtual void clearRows() = 0;
};
