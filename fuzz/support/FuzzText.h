#pragma once

#include <QString>

// The text rules the targets hold the code to, written here on their own.
class FuzzText {
public:
    // Without the characters of codes 0 to 32 at both ends.
    static QString trimmed(const QString &text);
    // A C0 code, DEL or a C1 code.
    static bool isControl(QChar c);
    static bool hasControl(const QString &text);
    // Every control character a blank.
    static QString blanked(QString text);
};
