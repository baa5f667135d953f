#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// What a backup or restore run shows and asks while it goes; the backup window implements it, so the
// runs themselves show no box.
class RunView {
public:
    virtual ~RunView() = default;
    // Sets the bar and lets the window repaint and handle pending input.
    virtual void showProgress(int percent) = 0;
    // True once after "Backup abbrechen" was pressed.
    virtual bool takeStopRequest() = 0;
    virtual void showFolders(const QString &dataFolder, const QString &destination) = 0;
    virtual void markSaved(int row) = 0;
    // Gives a row marked saved its text back, when what saved it failed after all.
    virtual void unmarkSaved(int row, const QString &text) = 0;
    virtual void showSavedCount(int saved) = 0;
    // Leaves only the rows that were not saved.
    virtual void dropSavedRows() = 0;
    virtual void showTarget(const QString &target) = 0;
    virtual void clearRows() = 0;
    virtual void openFolder(const QString &folder) = 0;

    virtual void showError(const QString &text) = 0;
    virtual void showInformation(const QString &text) = 0;
    // A Yes/No question; true for "Ja".
    virtual bool confirm(const QString &question) = 0;
    // The archive's name, preset as given; nothing when cancelled.
    virtual std::optional<QString> askArchiveName(const QString &preset) = 0;
    // The warning that the data will be overwritten; true to go on.
    virtual bool confirmRestore() = 0;
    // The files of a backup to restore, chosen starting in folder; empty when cancelled.
    virtual QStringList chooseBackupFiles(const QString &folder) = 0;
};
