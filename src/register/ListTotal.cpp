#include "register/ListTotal.h"

#include "platform/TextTrim.h"

namespace {

constexpr int kDecimals = 9;
// More integer digits than any amount has; it keeps the sum of a year far from the limit of 128 bits.
constexpr qsizetype kMaxIntegerDigits = 20;

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

ListTotal::Billionths powerOfTen(int exponent)
{
    ListTotal::Billionths value = 1;
    while (exponent-- > 0)
        value *= 10;
    return value;
}

} // namespace

bool ListTotal::add(QStringView amount)
{
    const QString text = TextTrim::trimmed(amount);
    qsizetype pos = 0;
    const bool negative = pos < text.size() && text[pos] == QLatin1Char('-');
    if (pos < text.size() && (text[pos] == QLatin1Char('-') || text[pos] == QLatin1Char('+')))
        ++pos;
    ListTotal::Billionths integer = 0;
    qsizetype integerDigits = 0;
    for (; pos < text.size() && isDigit(text[pos]); ++pos, ++integerDigits)
        integer = integer * 10 + (text[pos].unicode() - '0');
    ListTotal::Billionths fraction = 0;
    int fractionDigits = 0;
    if (pos < text.size() && text[pos] == QLatin1Char(',')) {
        for (++pos; pos < text.size() && isDigit(text[pos]); ++pos) {
            // Digits beyond the billionth cannot move a total shown in cents.
            if (fractionDigits < kDecimals) {
                fraction = fraction * 10 + (text[pos].unicode() - '0');
                ++fractionDigits;
            }
        }
    }
    const bool hasDigits = integerDigits > 0 || fractionDigits > 0;
    if (pos != text.size() || !hasDigits || integerDigits > kMaxIntegerDigits)
        return false;
    const ListTotal::Billionths value = integer * powerOfTen(kDecimals) + fraction * powerOfTen(kDecimals - fractionDigits);
    m_billionths += negative ? -value : value;
    return true;
}

QString ListTotal::text() const
{
    const ListTotal::Billionths perCent = powerOfTen(kDecimals - 2);
    const bool negative = m_billionths < 0;
    const ListTotal::Billionths magnitude = negative ? -m_billionths : m_billionths;
    const ListTotal::Billionths cents = (magnitude + perCent / 2) / perCent;
    QString digits;
    for (ListTotal::Billionths rest = cents / 100; rest > 0 || digits.isEmpty(); rest /= 10)
        digits.prepend(QChar(u'0' + int(rest % 10)));
    const int centPart = int(cents % 100);
    const QString sign = negative && cents > 0 ? QStringLiteral("-") : QString();
    return sign + digits + QLatin1Char(',') + QString::number(centPart).rightJustified(2, QLatin1Char('0'));
}
