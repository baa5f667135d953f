#pragma once

#include <QWidget>
#include <memory>

#include "register/InvoiceListModel.h"
#include "register/RecordSearch.h"
#include "register/RecordSession.h"
#include "settings/RunContext.h"

class QLabel;
class QMenu;
class QTimer;
class RecordEditor;
class TAboutBox;
class TFormIni;
class TFormAppListe;
class TFormFrage;
class TFormJahre;
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

    RecordSearch &search() { return m_search; }
    // The windows of search, lists and years, created after the main window.
    void useRegisterWindows(TFormFrage &prompt, TFormAppListe &list, TFormJahre &years);

    // The about, settings and postal-code windows, created after the main window.
    void useToolWindows(TAboutBox &about, TFormIni &settings, TFormPlz &postalCodes);

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
    void Suchen1Click();
    void Weitersuchen1Click();
    void Jahrladen1Click();
    void Alle1Click();
    void Faellig1Click();
    void Offen1Click();

protected:
    void closeEvent(QCloseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void setUpStatusBar();
    void setUpMenu();
    void setUpKeys();
    void connectEditor();
    void openSettingsWindow();
    void connectCreditorAndMail();
    bool settleDataFolder();
    // Ends the program when the start cannot go on safely; returns false for FormShow to hand on.
    bool endAtStart();
    void loadYearFile();
    void showSearchHit(std::optional<qsizetype> hit);
    void showList(InvoiceListModel::Kind kind);
    void loadYear(const QString &year, const QString &path);
    void connectAction(const char *name, void (TFormLizenz::*slot)());

    std::unique_ptr<Ui::TFormLizenz> ui;
    RunContext m_context;
    RecordSession m_session;
    RecordEditor *m_editor = nullptr;
    RecordSearch m_search{m_session};
    TFormFrage *m_prompt = nullptr;
    TFormAppListe *m_list = nullptr;
    TFormJahre *m_years = nullptr;
    TAboutBox *m_about = nullptr;
    TFormIni *m_ini = nullptr;
    TFormPlz *m_plz = nullptr;
    QMenu *PopupMenu1 = nullptr;
    QTimer *TimerAds = nullptr;
    QList<QLabel *> m_panels;
    bool m_quitAsked = false;
};
