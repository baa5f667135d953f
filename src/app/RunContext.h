#pragma once

#include "settings/MainSettings.h"

#include <QString>

// What the start-up settles for the whole run and hands to the windows that need it.
struct RunContext {
    QString DatenPfad;     // data folder, ends in "/"
    QString RechJahr;      // invoice year, four digits
    QString IniDatei;      // settings file
    QString MailProgramm;  // installed mail client, or empty
    MainSettings Settings; // the ten settings, kept for the whole run
};
