#pragma once

#include <QString>
#include <QStringView>

// Trimming of stored values and entries: only the characters with codes 0 to 32 go. Unlike
// QString::trimmed, a no-break space stays, so a value ending in one reads back as stored.
class TextTrim {
public:
    static QString trimmed(QStringView text);
    // Every character below code 32 becomes a blank: a line break or tab pasted into a value must not
    // split the line the value is stored in.
    static QString blankControls(QString text);
};
