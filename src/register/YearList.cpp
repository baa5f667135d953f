#include "register/YearList.h"

#include <QDir>

namespace {

constexpr qsizetype kYearLength = 4;

// Without its year in the list, the current year could not be reached again after loading another one.
void offerCurrentYear(QStringList &years, const QString &currentYear)
{
    if (years.contains(currentYear))
        return;
    auto position = std::find_if(years.begin(), years.end(), [&currentYear](const QString &year) {
        return year.compare(currentYear, Qt::CaseInsensitive) > 0;
    });
    years.insert(position, currentYear);
}

} // namespace

QStringList YearList::inFolder(const QString &dataFolder, const QString &currentYear)
{
    const QStringList names
        = QDir(dataFolder)
              .entryList({QStringLiteral("*.csv")}, QDir::Files | QDir::Hidden, QDir::Name | QDir::IgnoreCase);
    QStringList years;
    years.reserve(names.size() + 1);
    for (const QString &name : names)
        years.append(name.left(kYearLength));
    offerCurrentYear(years, currentYear);
    return years;
}
