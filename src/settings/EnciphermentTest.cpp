#include "settings/EnciphermentTest.h"

#include <QString>

namespace {

// The order of the removals counts: "k\tqo" loses its tab first and then reads as "kqo".
QString withoutIgnoredCharacters(QStringView text)
{
    QString remaining = text.toString();
    remaining.remove(QStringLiteral("\r\n"));
    remaining.remove(u'\t');
    remaining.remove(QStringLiteral("kqo"), Qt::CaseInsensitive);
    remaining.remove(u' ');
    return remaining;
}

QString printableAsciiOf(const QString &text)
{
    QString printable;
    printable.reserve(text.size());
    for (const QChar c : text) {
        if (c.unicode() >= 33 && c.unicode() <= 126)
            printable.append(c);
    }
    return printable;
}

// round(length / 1.4), halves to even. length / 1.4 is five sevenths of a whole number, which never ends
// in exactly one half, so whole-number arithmetic gives the same result without floating-point doubt.
qsizetype roundedFiveSevenths(qsizetype length)
{
    return (10 * length + 7) / 14;
}

} // namespace

bool EnciphermentTest::saysEnciphered(QStringView text)
{
    const QString remaining = withoutIgnoredCharacters(text);
    const QString printable = printableAsciiOf(remaining);
    if (printable == remaining)
        return false;
    return printable.isEmpty() || roundedFiveSevenths(remaining.size()) > printable.size();
}
