#pragma once

#include <QString>

class MainSettings;

// The main window's loads and saves of its settings, with the boxes that tell what went wrong.
class SettingsReport {
public:
    // False when the file could not be read: the program password in it cannot be checked.
    static bool load(MainSettings &settings, const QString &path);
    static void save(const MainSettings &settings, const QString &path);
};
