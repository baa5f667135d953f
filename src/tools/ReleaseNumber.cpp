#include "tools/ReleaseNumber.h"

#include <QStringList>

namespace {

constexpr int kParts = 4;
constexpr uint kLargestPart = 0xFFFF;

QString notAvailable()
{
    return QStringLiteral("Nicht verfügbar");
}

} // namespace

QString ReleaseNumber::of(QStringView version)
{
    const QList<QStringView> parts = version.split(u'.');
    if (version.isEmpty() || parts.size() > kParts)
        return notAvailable();
    QStringList numbers;
    for (const QStringView part : parts) {
        bool isNumber = false;
        const uint number = part.toUInt(&isNumber);
        const bool digitsOnly = !part.isEmpty() && part.front().isDigit() && part.back().isDigit();
        if (!isNumber || !digitsOnly || number > kLargestPart)
            return notAvailable();
        numbers.append(QString::number(number));
    }
    while (numbers.size() < kParts)
        numbers.append(QStringLiteral("0"));
    return numbers.join(u'.');
}

QString ReleaseNumber::ofThisBuild()
{
    return of(QStringLiteral(ZETTMAR_VERSION));
}
