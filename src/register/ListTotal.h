#pragma once

#include <QString>
#include <QStringView>

// The sum of the amounts of a list, exact to the cent: amounts are added as decimals, never as binary
// fractions, so a hundred times 0,10 gives 10,00.
class ListTotal {
public:
    // Billionths of a euro: sub-cent digits still count towards the rounding of the total.
    __extension__ typedef __int128 Billionths;

    // Adds an amount written with a decimal comma; false (and nothing added) when the text is no such number.
    bool add(QStringView amount);
    // "0.00" with a decimal comma, rounded half away from zero.
    QString text() const;

private:
    Billionths m_billionths = 0;
};
