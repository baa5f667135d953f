#pragma once

#include <QWidget>
#include <memory>

#include "register/RecordSession.h"
#include "settings/RunContext.h"

class QLabel;
class QMenu;
class QTimer;
class RecordEditor;
class TAboutBox;
class TFormIni;
class TFormLogin;
class TFormPlz;

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
    RecordSession &session() { return m_session; }
    const RunContext &context() const { return m_context; }
    QLabel &statusPanel(int number) const;
    QMenu &popupMenu() const { return *PopupMenu1; }

    int LastHit = -1; // last search hit

    // The windows opened from the menu and the field buttons, set once they exist.
    TAboutBox *AboutBox = nullptr;
    TFormIni *FormIni = nullptr;
    TFormPlz *FormPlz = nullptr;

    // The start-up before the window appears; false when the program was ended (a failed login, an
    // unreadable settings file, a data folder that cannot be made).
    bool FormShow(TFormLogin &login);

public Q_SLOTS:
    void TimerAdsTimer();
    void ToolButton1Click();
    void Beenden1Click();
    void HelpKey();
    void Einstellungen1Click();
    void Onlinebanking1Click();
    void Info1Click();
    void ButtonPlzClick();

protected:
    void closeEvent(QCloseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void setUpStatusBar();
    void setUpMenu();
    void setUpKeys();
    void connectEditor();
    void connectToolWindows();
    void openSettingsWindow();
    void connectCreditorAndMail();
    bool settleDataFolder();
    // Ends the program when the start cannot go on safely; returns false for FormShow to hand on.
    bool endAtStart();
    void loadYearFile();

    std::unique_ptr<Ui::TFormLizenz> ui;
    RunContext m_context;
    RecordSession m_session;
    RecordEditor *m_editor = nullptr;
    QMenu *PopupMenu1 = nullptr;
    QTimer *TimerAds = nullptr;
    QList<QLabel *> m_panels;
    bool m_quitAsked = false;
};
