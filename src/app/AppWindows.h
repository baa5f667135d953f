#pragma once

#include "app/TFormLizenz.h"
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

// Every window of the program, created once at start in a fixed order with the main window first,
// living until the program ends.
class AppWindows {
public:
    AppWindows();
    TFormLizenz &main() { return m_main; }
    TFormBackup &backup() { return m_backup; }
    // Runs the start-up and shows the main window; false when the program was ended instead.
    bool start();
    // Another start for the same data folder found us running: the user sees us instead.
    void bringToFront();

private:
    void Dokumente1Click();

    TFormLizenz m_main;
    TAboutBox m_about{m_main};
    TFormIni m_ini{m_main};
    TFormFrage m_frage{&m_main};
    TFormAppListe m_liste{m_main.session(), m_frage, &m_main};
    // The backup window opens the two windows created after it; it only keeps references to them.
    TFormBackup m_backup{m_history, m_restInf};
    TFormHistory m_history;
    TFormRestInf m_restInf{m_main};
    TFormDocs m_docs{m_frage, m_finfo, &m_main};
    TFormLogin m_login;
    TFormPlz m_plz{m_main, m_main.editor()};
    TFormJahre m_jahre{&m_main};
    TFormQR m_qr;
    TFormFInfo m_finfo{&m_main};
    EInvoiceCommand m_einvoice{m_main, m_main.popupMenu(), m_main.editor(), m_finfo,
                               [this] { return m_main.context().DatenPfad; }};
};
