#pragma once

#include <QWidget>
#include <memory>

#include "app/RunContext.h"
#include "register/RecordSession.h"

class QAction;
class QLabel;
class QMenu;
class QTimer;
class QToolButton;
class RecordEditor;
class TFormLogin;

namespace Ui {
class TFormLizenz;
}

// The main window: the register of one invoice year, its toolbar, menu, keys and status bar. What its
// menu items and buttons open is wired from outside.
class TFormLizenz final : public QWidget {
    Q_OBJECT

public:
    explicit TFormLizenz(QWidget *parent = nullptr);
    ~TFormLizenz() override;

    RecordEditor &editor() { return *m_editor; }
    RecordSession &session() { return m_session; }
    RunContext &context() { return m_context; }
    const RunContext &context() const { return m_context; }
    QMenu &popupMenu() const { return *PopupMenu1; }
    // An item of the menu or a button of the window, by its object name.
    QAction &action(const char *name) const;
    QToolButton &button(const char *name) const;

    // The start-up before the window appears; false when the program was ended (a failed login, an
    // unreadable settings file, a data folder that cannot be made).
    bool FormShow(TFormLogin &login);
    // Shows the year's file, after the save question; path is the year's file, which may not exist yet.
    void loadYear(const QString &year, const QString &path);

protected:
    void closeEvent(QCloseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void TimerAdsTimer();
    static void showPicture(QLabel &label, const QString &picture);
    void ToolButton1Click();
    void Beenden1Click();
    void HelpKey();

    QLabel &statusPanel(int number) const;
    void setUpStatusBar();
    void setUpMenu();
    void setUpKeys();
    void connectEditor();
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
