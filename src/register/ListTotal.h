#pragma once

#include <QString>
#include <QStringView>
#include <vector>

// The sum of the amounts of a list, exact over every digit given: amounts are added as decimals, never as
// binary fractions, so a hundred times 0,10 gives 10,00, and the total is rounded to the cent only once,
// when it is shown.
class ListTotal {
public:
    // Adds an amount written with a decimal comma; false (and nothing added) when the text is no such number.
    bool add(QStringView amount);
    // "0.00" with a decimal comma, rounded half away from zero.
    QString text() const;

private:
    __extension__ typedef __int128 Whole;

    // The total is m_whole plus the digits after the comma, position by position; each position holds the
    // signed sum of the digits added there, so adding never carries and a negative amount simply subtracts.
    Whole m_whole = 0;
    std::vector<long long> m_fraction;
};
