#include "payments/Iban.h"

#include <QRegularExpression>

QString Iban::grouped(const QString &text)
{
    switch (text.size()) {
    case 4:
    case 9:
    case 14:
    case 19:
    case 24:
        return text + QLatin1Char(' ');
    default:
        return text;
    }
}

QString Iban::compact(const QString &text)
{
    QString result = text;
    return result.remove(QLatin1Char(' '));
}

bool Iban::hasValidForm(const QString &compact)
{
    static const QRegularExpression form(QStringLiteral("^[A-Z]{2}[0-9]{2}[A-Z0-9]{1,30}$"));
    return form.match(compact.toUpper()).hasMatch();
}

// Country and check digits move to the end and every letter counts as the number 10 to 35; the
// remainder is taken digit by digit, so no number grows beyond a few digits.
bool Iban::hasValidCheckDigits(const QString &compact)
{
    const QString upper = compact.toUpper();
    const QString rearranged = upper.mid(4) + upper.left(4);
    int remainder = 0;
    for (const QChar c : rearranged) {
        const int value = c.isDigit() ? c.unicode() - '0' : c.unicode() - 'A' + 10;
        remainder = (remainder * (value < 10 ? 10 : 100) + value) % 97;
    }
    return remainder == 1;
}
