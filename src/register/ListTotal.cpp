#include "register/ListTotal.h"

#include "platform/TextTrim.h"

namespace {

// More euros than any amount has. Leading zeros do not count; the limit keeps the whole euros of any
// year's sum far from the limit of 128 bits.
constexpr qsizetype kMaxIntegerDigits = 20;

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

int digitAt(QStringView text, qsizetype pos)
{
    return text[pos].unicode() - '0';
}

qsizetype digitsFrom(QStringView text, qsizetype pos)
{
    qsizetype end = pos;
    while (end < text.size() && isDigit(text[end]))
        ++end;
    return end - pos;
}

// Floor division by ten, so a negative position sum leaves a digit from 0 to 9.
long long carryOf(long long value)
{
    return value >= 0 ? value / 10 : -((-value + 9) / 10);
}

} // namespace

bool ListTotal::add(QStringView amount)
{
    const QString text = TextTrim::trimmed(amount);
    qsizetype pos = 0;
    const bool negative = pos < text.size() && text[pos] == QLatin1Char('-');
    if (pos < text.size() && (text[pos] == QLatin1Char('-') || text[pos] == QLatin1Char('+')))
        ++pos;
    const qsizetype integerStart = pos;
    const qsizetype integerDigits = digitsFrom(text, pos);
    pos += integerDigits;
    qsizetype fractionStart = pos;
    qsizetype fractionDigits = 0;
    if (pos < text.size() && text[pos] == QLatin1Char(',')) {
        fractionStart = ++pos;
        fractionDigits = digitsFrom(text, pos);
        pos += fractionDigits;
    }
    qsizetype significantStart = integerStart;
    while (significantStart < integerStart + integerDigits && text[significantStart] == QLatin1Char('0'))
        ++significantStart;
    const bool hasDigits = integerDigits > 0 || fractionDigits > 0;
    if (pos != text.size() || !hasDigits || integerStart + integerDigits - significantStart > kMaxIntegerDigits)
        return false;
    const int sign = negative ? -1 : 1;
    Whole whole = 0;
    for (qsizetype i = significantStart; i < integerStart + integerDigits; ++i)
        whole = whole * 10 + digitAt(text, i);
    m_whole += sign * whole;
    if (qsizetype(m_fraction.size()) < fractionDigits)
        m_fraction.resize(size_t(fractionDigits), 0);
    for (qsizetype i = 0; i < fractionDigits; ++i)
        m_fraction[size_t(i)] += sign * digitAt(text, fractionStart + i);
    return true;
}

QString ListTotal::text() const
{
    // Normalised: every digit from 0 to 9, the carries gone into the whole euros, which may be negative.
    std::vector<long long> digits = m_fraction;
    digits.resize(std::max<size_t>(digits.size(), 3), 0);
    long long carry = 0;
    for (size_t i = digits.size(); i-- > 0;) {
        const long long value = digits[i] + carry;
        carry = carryOf(value);
        digits[i] = value - carry * 10;
    }
    // The total is cents + rest, with rest from 0 (inclusive) to 1 (exclusive) of a cent.
    const Whole cents = (m_whole + carry) * 100 + digits[0] * 10 + digits[1];
    const bool restFromHalf = digits[2] >= 5;
    bool restAboveHalf = digits[2] > 5;
    for (size_t i = 3; !restAboveHalf && digits[2] == 5 && i < digits.size(); ++i)
        restAboveHalf = digits[i] != 0;
    // Half away from zero: upwards from a half for a positive total, for a negative one only above it.
    const Whole rounded = cents + ((cents >= 0 ? restFromHalf : restAboveHalf) ? 1 : 0);
    const bool negative = rounded < 0;
    const Whole magnitude = negative ? -rounded : rounded;
    QString euros;
    for (Whole rest = magnitude / 100; rest > 0 || euros.isEmpty(); rest /= 10)
        euros.prepend(QChar(u'0' + int(rest % 10)));
    const int centPart = int(magnitude % 100);
    const QString sign = negative ? QStringLiteral("-") : QString();
    return sign + euros + QLatin1Char(',') + QString::number(centPart).rightJustified(2, QLatin1Char('0'));
}
