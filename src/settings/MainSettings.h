#pragma once

#include "settings/SettingsLine.h"

#include <QString>
#include <QStringList>

// The main window's copy of the ten settings, kept for the whole run. On a failure the values in force
// stay; the caller shows the German text returned.
class MainSettings {
public:
    // What a load could not do; both empty when it went well.
    struct LoadFailure {
        QString unreadable;    // the file is there but could not be read, with the platform's reason
        QString notEnciphered; // read, but left plain on disk; its values are in force
    };

    // A missing file changes nothing and creates nothing. An unreadable file leaves the values as they
    // were: the program password in it cannot be checked.
    [[nodiscard]] LoadFailure load(const QString &path);
    // Writes the values as they are, enciphered; the text to show when that failed, else empty.
    [[nodiscard]] QString save(const QString &path) const;

    QString value(SettingsLine line) const;

private:
    QStringList m_values = QStringList(settingsLineCount);
};
