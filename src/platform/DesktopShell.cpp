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

DesktopShell::DesktopShell()
    : DesktopShell(QCoreApplication::applicationFilePath())
{
}

DesktopShell::DesktopShell(const QString &ownProgram)
    : m_ownProgram(ownProgram)
{
}

bool DesktopShell::open(const QString &target)
{
    return QDesktopServices::openUrl(urlOf(target));
}

bool DesktopShell::start(const QString &program, const QStringList &arguments)
{
    return QProcess::startDetached(program, arguments);
}

bool DesktopShell::openFolder(const QString &folder)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(folder));
}

bool DesktopShell::startNewInstance()
{
    if (beforeNewInstance)
        beforeNewInstance();
    return QProcess::startDetached(m_ownProgram, {});
}
