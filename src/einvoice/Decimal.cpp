#include "einvoice/Decimal.h"

namespace {

constexpr int kMaxDigits = 30;

} // namespace

Decimal Decimal::fromUnits(long long units, int scale)
{
    return Decimal(units, scale);
}

std::optional<Decimal> Decimal::read(QStringView text)
{
    qsizetype at = 0;
    const bool negative = at < text.size() && text[at] == u'-';
    if (at < text.size() && (text[at] == u'-' || text[at] == u'+'))
        ++at;
    Units units = 0;
    int digits = 0;
    int scale = 0;
    bool point = false;
    for (; at < text.size(); ++at) {
        const QChar c = text[at];
        if (c == u'.' && !point) {
            point = true;
            continue;
        }
        if (c < u'0' || c > u'9' || ++digits > kMaxDigits)
            return std::nullopt;
        units = units * 10 + (c.unicode() - u'0');
        if (point)
            ++scale;
    }
    if (digits == 0)
        return std::nullopt;
    return Decimal(negative ? -units : units, scale);
}

std::optional<Decimal::Units> Decimal::scaled(Units units, int by)
{
    for (int i = 0; i < by; ++i) {
        if (__builtin_mul_overflow(units, 10, &units))
            return std::nullopt;
    }
    return units;
}

std::optional<Decimal> Decimal::plus(const Decimal &other) const
{
    const int scale = std::max(m_scale, other.m_scale);
    const std::optional<Units> left = scaled(m_units, scale - m_scale);
    const std::optional<Units> right = scaled(other.m_units, scale - other.m_scale);
    Units sum = 0;
    if (!left || !right || __builtin_add_overflow(*left, *right, &sum))
        return std::nullopt;
    return Decimal(sum, scale);
}

Decimal Decimal::negated() const
{
    return Decimal(-m_units, m_scale);
}

bool Decimal::operator==(const Decimal &other) const
{
    const std::optional<Decimal> difference = plus(other.negated());
    return difference && difference->isZero();
}

Decimal Decimal::roundedToCents() const
{
    if (m_scale <= 2)
        return Decimal(*scaled(m_units, 2 - m_scale), 2);
    Units divisor = 1;
    for (int i = 2; i < m_scale; ++i)
        divisor *= 10;
    const Units magnitude = m_units < 0 ? -m_units : m_units;
    const Units cents = (magnitude + divisor / 2) / divisor;
    return Decimal(m_units < 0 ? -cents : cents, 2);
}

QString Decimal::germanAmount() const
{
    return roundedToCents().withSeparator(u',');
}

QString Decimal::germanNumber() const
{
    return withSeparator(u',');
}

QString Decimal::plain() const
{
    return withSeparator(u'.');
}

QString Decimal::withSeparator(QChar separator) const
{
    Units magnitude = m_units < 0 ? -m_units : m_units;
    QString digits;
    do {
        digits.prepend(QChar(u'0' + int(magnitude % 10)));
        magnitude /= 10;
    } while (magnitude > 0);
    if (digits.size() <= m_scale)
        digits.prepend(QString(m_scale - digits.size() + 1, u'0'));
    if (m_scale > 0)
        digits.insert(digits.size() - m_scale, separator);
    if (m_units < 0)
        digits.prepend(u'-');
    return digits;
}
