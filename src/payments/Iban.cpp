#include "payments/Iban.h"

#include "platform/AsciiCase.h"

#include <QRegularExpression>

QString Iban::grouped(const QString &text)
{
    switch (text.size()) {
    case 4:
    case 9:
    case 14:
    case 19:
    case 24: return text + QLatin1Char(' ');
    default: return text;
    }
}

QString Iban::compact(const QString &text)
{
    QString result = text;
    return result.remove(QLatin1Char(' '));
}

QString Iban::forPayment(const QString &text)
{
    return AsciiCase::uppered(compact(text));
}

// Only a to z have a case here: a full case mapping would turn "ı" into "I" and "ß" into "SS" and let
// them pass as letters of the IBAN.
bool Iban::hasValidForm(const QString &compact)
{
    static const QRegularExpression form(QStringLiteral("^[A-Z]{2}[0-9]{2}[A-Z0-9]{1,30}$"));
    return form.match(AsciiCase::uppered(compact)).hasMatch();
}

// Country and check digits move to the end and every letter counts as the number 10 to 35; the
// remainder is taken digit by digit, so no number grows beyond a few digits.
bool Iban::hasValidCheckDigits(const QString &compact)
{
    const QString upper = AsciiCase::uppered(compact);
    const QString rearranged = upper.mid(4) + upper.left(4);
    int remainder = 0;
    for (const QChar c : rearranged) {
        const int value = c.isDigit() ? c.unicode() - '0' : c.unicode() - 'A' + 10;
        remainder = (remainder * (value < 10 ? 10 : 100) + value) % 97;
    }
    return remainder == 1;
}
