#pragma once

#include <QStringView>

// Tells by its characters whether a settings file's text is enciphered: when too many of them lie outside
// printable ASCII. Files written by other installations are judged by exactly this arithmetic.
class EnciphermentTest {
public:
    // text: the file's content with CR LF after every line.
    static bool saysEnciphered(QStringView text);
};
