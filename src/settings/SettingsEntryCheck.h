#pragma once

#include <QString>
#include <QStringView>

// Whether a value can go into the settings file and come back as it was typed. The file is Windows-1252
// with one value per line: a character the code page lacks would be stored as "?", and a program password
// stored so would lock its owner out at the next start; a line break would shift every later line.
class SettingsEntryCheck {
public:
    // Empty when the trimmed value can be stored; otherwise the notice for the user, naming the field.
    static QString problem(const QString &fieldCaption, QStringView value);
};
