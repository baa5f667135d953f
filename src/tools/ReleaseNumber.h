#pragma once

#include <QString>
#include <QStringView>

// The release number shown in the about window: the four parts of a file version, each a 16-bit number
// in decimal without leading zeros ("2.1.0.37").
class ReleaseNumber {
public:
    // A version of one to four parts; missing parts count as 0. "Nicht verfügbar" when it is empty or
    // not a version a program file could carry.
    static QString of(QStringView version);
    // The version this program was built as.
    static QString ofThisBuild();
};
