#include "settings/LoginGate.h"

#include "platform/Dialogs.h"
#include "platform/Platform.h"
#include "platform/Process.h"
#include "settings/TFormLogin.h"

bool LoginGate::admit(TFormLogin &login, const QString &programPassword)
{
    if (programPassword.isEmpty())
        return true;
    login.PassW = programPassword;
    Platform::dialogs().exec(login);
    if (login.LoginOk)
        return true;
    // Reached after the close box; "Abbrechen" and the last wrong entry have ended the program already.
    Platform::process().endNow(0);
    return false;
}
