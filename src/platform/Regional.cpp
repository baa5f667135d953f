#include "platform/Regional.h"

#include "platform/TextTrim.h"

#include <QStringList>

namespace {

std::optional<int> readDigits(const QString &text, qsizetype minLength, qsizetype maxLength)
{
    if (text.size() < minLength || text.size() > maxLength)
        return std::nullopt;
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
    }
    return text.toInt();
}

int fullYear(int twoDigitYear, const QDate &today)
{
    const int century = today.year() / 100 * 100;
    int year = century + twoDigitYear;
    if (year > today.year() + 50)
        year -= 100;
    else if (year <= today.year() - 50)
        year += 100;
    return year;
}

} // namespace

QString Regional::formatDate(const QDate &date)
{
    return date.toString(QStringLiteral("dd.MM.yyyy"));
}

QString Regional::formatDateTime(const QDateTime &dateTime)
{
    return dateTime.toString(QStringLiteral("dd.MM.yyyy hh:mm:ss"));
}

QDate Regional::readDate(const QString &text, const QDate &today)
{
    const QStringList parts = TextTrim::trimmed(text).split(QLatin1Char('.'));
    if (parts.size() != 3)
        return {};
    const auto day = readDigits(parts[0], 1, 2);
    const auto month = readDigits(parts[1], 1, 2);
    const auto year = readDigits(parts[2], 2, 4);
    if (!day || !month || !year || parts[2].size() == 3)
        return {};
    const int fullYearValue = parts[2].size() == 2 ? fullYear(*year, today) : *year;
    return QDate(fullYearValue, *month, *day);
}
