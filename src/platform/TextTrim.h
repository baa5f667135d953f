#pragma once

#include <QString>
#include <QStringView>

// Trimming of stored values and entries: only the characters with codes 0 to 32 go. Unlike
// QString::trimmed, a no-break space stays, so a value ending in one reads back as stored.
class TextTrim {
public:
    static QString trimmed(QStringView text);
    // The codes below 32, DEL and the C1 controls U+0080 to U+009F: none of them is text, and a line
    // break or tab would split the line a value is stored in.
    static bool isControl(QChar c)
    {
        const char16_t unit = c.unicode();
        return unit < 32 || (unit >= 0x7F && unit <= 0x9F);
    }
    static bool hasControl(QStringView text);
    // Every control character becomes a blank.
    static QString blankControls(QString text);
    // A value as it is stored: control characters as blanks, then trimmed.
    static QString storedValue(QStringView text);
};
