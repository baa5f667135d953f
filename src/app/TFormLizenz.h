#pragma once

#include <QWidget>
#include <memory>

#include "settings/MainSettings.h"

class QLabel;
class QMenu;
class QTimer;
class RecordEditor;
class TFormLogin;

namespace Ui {
class TFormLizenz;
}

// The main window: the register of one invoice year, its toolbar, menu, keys and status bar.
class TFormLizenz final : public QWidget {
    Q_OBJECT

public:
    explicit TFormLizenz(QWidget *parent = nullptr);
    ~TFormLizenz() override;

    RecordEditor &editor() { return *m_editor; }
    QLabel &statusPanel(int number) const;
    QMenu &popupMenu() const { return *PopupMenu1; }

    QString DatenPfad;     // data folder, ends in "/"
    QString ProgPfad;      // program folder, ends in "/"
    QString RechJahr;      // invoice year, four digits
    QString IniDatei;      // settings file
    QString MailProgramm;  // installed mail client, or empty
    int LastHit = -1;      // last search hit
    MainSettings Settings; // the ten settings, kept for the whole run
    TFormLogin *FormLogin = nullptr;

    // The start-up before the window appears; false when the program was ended by a failed login.
    bool FormShow();

public Q_SLOTS:
    void TimerAdsTimer();
    void ToolButton1Click();
    void Beenden1Click();
    void HelpKey();

protected:
    void closeEvent(QCloseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void setUpStatusBar();
    void setUpMenu();
    void setUpKeys();
    void connectEditor();
    bool settleDataFolder();
    void loadYearFile();

    std::unique_ptr<Ui::TFormLizenz> ui;
    RecordEditor *m_editor = nullptr;
    QMenu *PopupMenu1 = nullptr;
    QTimer *TimerAds = nullptr;
    QList<QLabel *> m_panels;
    bool m_quitAsked = false;
};
