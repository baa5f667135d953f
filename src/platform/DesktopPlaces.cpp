#include "platform/DesktopPlaces.h"

#include <QCoreApplication>
#include <QStandardPaths>

QString DesktopPlaces::dataFolder() const
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/zettmar/");
}

QString DesktopPlaces::programFolder() const
{
    return QCoreApplication::applicationDirPath() + QLatin1Char('/');
}

QString DesktopPlaces::mailClient() const
{
    return QStandardPaths::findExecutable(QStringLiteral("thunderbird"));
}
