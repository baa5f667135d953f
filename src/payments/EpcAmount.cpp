#include "payments/EpcAmount.h"

#include <QRegularExpression>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int kMaxWholeDigits = 9; // 999999999,99 is the largest amount a transfer may carry

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\u00A0' || c == u'\u202F';
}

QStringView withoutBlanks(QStringView text)
{
    while (!text.isEmpty() && isBlank(text.front()))
        text = text.sliced(1);
    while (!text.isEmpty() && isBlank(text.back()))
        text.chop(1);
    return text;
}

// "49,90 €", "49,90 EUR" and "EUR 49,90" as invoices print them: one currency, on either side.
QStringView withoutCurrency(QStringView text)
{
    text = withoutBlanks(text);
    for (const QStringView currency : {QStringView(u"EUR"), QStringView(u"€")}) {
        if (text.startsWith(currency))
            return withoutBlanks(text.sliced(currency.size()));
        if (text.endsWith(currency))
            return withoutBlanks(text.chopped(currency.size()));
    }
    return text;
}

} // namespace

std::optional<QString> EpcAmount::fromGerman(const QString &amount)
{
    // Only ASCII digits: a banking app reads nothing else, and \d would take any script's digits. Dots
    // count as thousands separators only in groups of three before a comma: "1.234" alone could as well
    // be one euro and 23.4 cents.
    static const QRegularExpression form(u"^(?:([0-9]{1,3}(?:\\.[0-9]{3})+)(?=,)|([0-9]*))(?:,([0-9]{0,2}))?$"_s);
    const QRegularExpressionMatch match = form.match(withoutCurrency(amount));
    if (!match.hasMatch())
        return std::nullopt;
    QString whole = match.hasCaptured(1) ? match.captured(1).remove(u'.') : match.captured(2);
    const QString decimals = match.captured(3);
    while (whole.startsWith(QLatin1Char('0')))
        whole.remove(0, 1);
    const bool hasNonZeroDigit = !whole.isEmpty() || decimals.count(QLatin1Char('0')) < decimals.size();
    if (!hasNonZeroDigit || whole.size() > kMaxWholeDigits)
        return std::nullopt;
    if (whole.isEmpty())
        whole = QStringLiteral("0");
    return decimals.isEmpty() ? whole : whole + QLatin1Char('.') + decimals;
}
