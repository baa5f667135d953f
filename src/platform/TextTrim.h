#pragma once

#include <QString>
#include <QStringView>

// Trimming of stored values and entries: only the characters with codes 0 to 32 go. Unlike
// QString::trimmed, a no-break space stays, so a value ending in one reads back as stored.
class TextTrim {
public:
    static QString trimmed(QStringView text);
    // Characters below code 32 become blanks, so a value handed on as one line or one argument cannot
    // break into several.
    static QString controlsBlanked(QStringView text);
};
