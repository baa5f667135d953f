#pragma once

#include <QString>
#include <QStringView>

// Case rules of searches and sorts: only the letters A to Z have a case here. Umlauts and all other
// characters stand for themselves, so "müller" finds "Müller" but not "MÜLLER".
class AsciiCase {
public:
    static char16_t lower(char16_t c) { return c >= u'A' && c <= u'Z' ? char16_t(c + 32) : c; }
    static char16_t upper(char16_t c) { return c >= u'a' && c <= u'z' ? char16_t(c - 32) : c; }
    static QString lowered(QStringView text);
    static QString uppered(QStringView text);
    // Whether text holds loweredTerm (already passed through lowered()) with A to Z folded.
    static bool contains(QStringView text, QStringView loweredTerm);
    // Character by character with a to z taken as A to Z; a prefix sorts first.
    static int compare(QStringView a, QStringView b);
};
