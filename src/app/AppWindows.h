#pragma once

#include "app/ListCommand.h"
#include "app/OnFirstUse.h"
#include "app/SearchCommand.h"
#include "app/SettingsCommand.h"
#include "app/TFormLizenz.h"
#include "app/YearCommand.h"
#include "backup/TFormBackup.h"
#include "backup/TFormHistory.h"
#include "backup/TFormRestInf.h"
#include "documents/TFormDocs.h"
#include "documents/TFormFInfo.h"
#include "einvoice/EInvoiceCommand.h"
#include "payments/TFormQR.h"
#include "register/TFormAppListe.h"
#include "register/TFormFrage.h"
#include "register/TFormJahre.h"
#include "settings/TFormIni.h"
#include "settings/TFormLogin.h"
#include "tools/TAboutBox.h"
#include "tools/TFormPlz.h"

// Every window of the program and the one list of what each menu item and button opens. The main
// window comes first; the others are made when first wanted and live until the program ends.
class AppWindows {
public:
    AppWindows();
    TFormLizenz &main() { return m_main; }
    // Runs the start-up and shows the main window; false when the program was ended instead.
    bool start();
    // Another start for the same data folder found us running: the user sees us instead.
    void bringToFront();

private:
    void wire();
    void wireRecords();
    void Info1Click();
    void ButtonPlzClick();
    void Dokumente1Click();
    void QRCode1Click();

    TFormLizenz m_main;
    TFormLogin m_login;
    OnFirstUse<TAboutBox> m_about{[this] { return std::make_unique<TAboutBox>(m_main); }};
    OnFirstUse<TFormHistory> m_history{[] { return std::make_unique<TFormHistory>(); }};
    OnFirstUse<TFormRestInf> m_restInf{[this] { return std::make_unique<TFormRestInf>(m_main); }};
    OnFirstUse<TFormBackup> m_backup{[this] { return std::make_unique<TFormBackup>(*m_history, *m_restInf); }};
    OnFirstUse<TFormIni> m_ini{[this] { return makeSettingsWindow(); }};
    OnFirstUse<TFormFrage> m_frage{[this] { return std::make_unique<TFormFrage>(&m_main); }};
    OnFirstUse<TFormAppListe> m_liste{
        [this] { return std::make_unique<TFormAppListe>(m_main.session(), *m_frage, &m_main); }};
    OnFirstUse<TFormFInfo> m_finfo{[this] { return std::make_unique<TFormFInfo>(&m_main); }};
    OnFirstUse<TFormDocs> m_docs{[this] { return std::make_unique<TFormDocs>(*m_frage, *m_finfo, &m_main); }};
    OnFirstUse<TFormPlz> m_plz{[this] { return std::make_unique<TFormPlz>(m_main, m_main.editor()); }};
    OnFirstUse<TFormJahre> m_jahre{[this] { return std::make_unique<TFormJahre>(&m_main); }};
    OnFirstUse<TFormQR> m_qr{[] { return std::make_unique<TFormQR>(); }};
    OnFirstUse<SearchCommand> m_search{
        [this] { return std::make_unique<SearchCommand>(m_main.session(), m_main.editor(), *m_frage); }};
    OnFirstUse<ListCommand> m_lists{[this] { return std::make_unique<ListCommand>(*m_liste, m_main.editor()); }};
    OnFirstUse<YearCommand> m_years{[this] { return std::make_unique<YearCommand>(m_main, *m_jahre); }};
    OnFirstUse<SettingsCommand> m_settings{[this] { return std::make_unique<SettingsCommand>(m_main, *m_ini); }};
    EInvoiceCommand m_einvoice{m_main, m_main.popupMenu(), m_main.editor(), *m_finfo,
                               [this] { return m_main.context().DatenPfad; }};

    std::unique_ptr<TFormIni> makeSettingsWindow();
};
