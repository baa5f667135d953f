#pragma once

#include <QString>
#include <QStringView>

// Trimming as the settings and the login know it: only the characters with codes 0 to 32 go. Unlike
// QString::trimmed, a no-break space stays, so a password ending in one is compared as stored.
class TextTrim {
public:
    static QString trimmed(QStringView text);
};
