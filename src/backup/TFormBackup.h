#pragma once

#include "backup/RunView.h"

#include <QDialog>
#include <memory>

class QAction;
class QKeyEvent;
class QLabel;
class QMenu;
class TFormHistory;
class TFormRestInf;

namespace Ui {
class TFormBackup;
}

// Backs the data folder up into a destination folder, zipped or as plain copies, restores a backup
// and opens the backup history. A run happens inside its button's handler; between files the window
// repaints and handles input, where only "Backup abbrechen" acts.
class TFormBackup final : public QDialog, private RunView {
    Q_OBJECT

public:
    TFormBackup(TFormHistory &history, TFormRestInf &restInf);
    ~TFormBackup() override;

    QString IniPath;   // folder of the history file, set by the opener
    QString DataPfad;  // the data folder, set by the opener
    QString BackupDir; // in: the destination last used; out: the destination field when the window closed
    int MyLanguage = 0;

    QMenu &popupMenu() const { return *Popup1; }

public Q_SLOTS:
    void ToolButton1Click();
    void ToolButton6Click();
    void ButtonRestoreClick();
    void ToolButton11Click();
    void ButtonSettingsClick();
    void ButtonOpen2Click();
    void ButtonOpen3Click();
    void ButtonZielClick();
    void SpeedButton3Click();
    void ListBox1DblClick();
    void StatusBar1DblClick();
    void History1Click();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void setUpStatusBar();
    void setUpMenu();
    void connectControls();
    void FormShow();
    bool FormKeyDown(const QKeyEvent &key);
    void fillList(const QString &folder);
    void showCount();
    QStringList rows() const;
    // Only a plain backup looks at the stop request, so only then is "Backup abbrechen" on.
    void setBusy(bool busy, bool stoppable = false);
    void setBar(int percent);

    void showProgress(int percent) override;
    bool takeStopRequest() override;
    void showFolders(const QString &dataFolder, const QString &destination) override;
    void markSaved(int row) override;
    void unmarkSaved(int row, const QString &text) override;
    void showSavedCount(int saved) override;
    void dropSavedRows() override;
    void showTarget(const QString &target) override;
    void clearRows() override;
    void openFolder(const QString &folder) override;
    void showError(const QString &text) override;
    void showInformation(const QString &text) override;
    bool confirm(const QString &question) override;
    std::optional<QString> askArchiveName(const QString &preset) override;
    bool confirmRestore() override;
    QStringList chooseBackupFiles(const QString &folder) override;

    std::unique_ptr<Ui::TFormBackup> ui;
    TFormHistory &m_history;
    TFormRestInf &m_restInf;
    QMenu *Popup1 = nullptr;
    QAction *History1 = nullptr;
    QAction *Quit1 = nullptr;
    QLabel *m_statusTarget = nullptr;
    bool m_stopRequested = false;
    bool m_busy = false;
    bool m_closeWhenDone = false;
};
