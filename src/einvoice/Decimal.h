#pragma once

#include <QString>
#include <QStringView>
#include <optional>

// An exact decimal number as an invoice states it ("336.9", "-0.005"): the digits given and the
// position of the point, never a binary fraction. Up to 30 digits; sums that would not fit say so.
class Decimal {
public:
    Decimal() = default;
    static Decimal fromUnits(long long units, int scale);
    // A plain decimal in the XML form: optional sign, digits, optional point with digits.
    static std::optional<Decimal> read(QStringView text);

    // Nothing when the result would not fit.
    std::optional<Decimal> plus(const Decimal &other) const;
    Decimal negated() const;
    bool operator==(const Decimal &other) const;
    bool isZero() const { return m_units == 0; }
    bool isNegative() const { return m_units < 0; }

    // Two decimals, rounded half away from zero, with a decimal comma: "336,90", "-12,35".
    QString germanAmount() const;
    // As many decimals as given, with a decimal comma: "2,5", "0,125".
    QString germanNumber() const;
    // The EPC form: a point and the decimals as given.
    QString plain() const;

private:
    __extension__ using Units = __int128;
    Decimal(Units units, int scale)
        : m_units(units)
        , m_scale(scale)
    {
    }
    static std::optional<Units> scaled(Units units, int by);
    Decimal roundedToCents() const;
    QString withSeparator(QChar separator) const;

    Units m_units = 0;
    int m_scale = 0;
};
