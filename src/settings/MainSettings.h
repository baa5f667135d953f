#pragma once

#include "settings/SettingsLine.h"

#include <QString>
#include <QStringList>

// The main window's copy of the ten settings, kept for the whole run. Failures are reported here, as
// plain messages; the values in force stay.
class MainSettings {
public:
    // A missing file changes nothing and creates nothing. A file that cannot be read is reported with the
    // platform's reason and gives false: the program password in it cannot be checked.
    bool load(const QString &path);
    // Writes the values as they are, enciphered.
    void save(const QString &path) const;

    QString value(SettingsLine line) const;

private:
    QStringList m_values = QStringList(settingsLineCount);
};
