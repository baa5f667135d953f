#include "app/AppWindows.h"
#include "app/DesktopServices.h"
#include "platform/InstanceLock.h"
#include "settings/DataFolder.h"

#include <QApplication>
#include <QScreen>

namespace {

void centreOnScreen(QWidget &window)
{
    window.move(QApplication::primaryScreen()->availableGeometry().center() - window.rect().center());
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    DesktopServices services;

    // The lock lies in the data folder; a failure to make the folder is the start-up's to report.
    const QString dataFolder = services.places().dataFolder();
    DataFolder::create(dataFolder);
    InstanceLock lock(dataFolder);
    if (!lock.admit())
        return 0;
    services.shell().beforeNewInstance = [&lock] { lock.release(); };

    AppWindows windows;
    QObject::connect(&lock, &InstanceLock::frontRequested, &windows.main(), [&windows] { windows.bringToFront(); });
    centreOnScreen(windows.main());
    if (!windows.start())
        return 0;
    return QApplication::exec();
}
