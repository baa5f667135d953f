#include "platform/DesktopShell.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

namespace {

QUrl urlOf(const QString &target)
{
    if (QFileInfo::exists(target))
        return QUrl::fromLocalFile(target);
    return QUrl::fromUserInput(target);
}

} // namespace

void DesktopShell::open(const QString &target)
{
    QDesktopServices::openUrl(urlOf(target));
}

void DesktopShell::start(const QString &program, const QString &parameters)
{
    QProcess::startDetached(program, parameters.split(QLatin1Char(' '), Qt::SkipEmptyParts));
}

void DesktopShell::openFolder(const QString &folder)
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(folder));
}

void DesktopShell::startNewInstance()
{
    QProcess::startDetached(QCoreApplication::applicationFilePath(), {});
}
