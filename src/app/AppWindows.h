#pragma once

#include "app/TFormLizenz.h"
#include "payments/TFormQR.h"
#include "register/TFormAppListe.h"
#include "register/TFormFrage.h"
#include "register/TFormJahre.h"
#include "settings/TFormLogin.h"

// Every window of the program, created once at start in a fixed order with the main window first,
// living until the program ends.
class AppWindows {
public:
    AppWindows();
    TFormLizenz &main() { return m_main; }
    // Runs the start-up and shows the main window; false when the program was ended instead.
    bool start();

private:
    TFormLizenz m_main;
    TFormFrage m_frage{&m_main};
    TFormAppListe m_liste{m_main.session(), m_frage, &m_main};
    TFormLogin m_login;
    TFormJahre m_jahre{&m_main};
    TFormQR m_qr;
};
