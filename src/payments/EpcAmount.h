#pragma once

#include <QString>
#include <optional>

// The invoice amount as typed (German, decimal comma) in the form the EPC guidelines prescribe for a
// credit transfer: decimal point, at most two decimals, no thousands separators.
class EpcAmount {
public:
    // "49,90" gives "49.90", "1234,5" gives "1234.5", ",5" gives "0.5", "12," gives "12", and
    // "1.234,56 €" or "EUR 1.234,56" give "1234.56". Nothing when the text is no euro amount of at most
    // two decimals from 0,01 to 999999999,99, or when a dot in it could be a decimal point.
    static std::optional<QString> fromGerman(const QString &amount);
};
