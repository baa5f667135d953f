#include "payments/EpcAmount.h"

#include <QRegularExpression>

namespace {

constexpr int kMaxWholeDigits = 9; // 999999999,99 is the largest amount a transfer may carry

} // namespace

std::optional<QString> EpcAmount::fromGerman(const QString &amount)
{
    // Only ASCII digits: a banking app reads nothing else, and \d would take any script's digits.
    static const QRegularExpression form(QStringLiteral("^([0-9]*)(?:,([0-9]{0,2}))?$"));
    const QRegularExpressionMatch match = form.match(amount);
    if (!match.hasMatch())
        return std::nullopt;
    QString whole = match.captured(1);
    const QString decimals = match.captured(2);
    while (whole.startsWith(QLatin1Char('0')))
        whole.remove(0, 1);
    const bool hasNonZeroDigit = !whole.isEmpty() || decimals.count(QLatin1Char('0')) < decimals.size();
    if (!hasNonZeroDigit || whole.size() > kMaxWholeDigits)
        return std::nullopt;
    if (whole.isEmpty())
        whole = QStringLiteral("0");
    return decimals.isEmpty() ? whole : whole + QLatin1Char('.') + decimals;
}
