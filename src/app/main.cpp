#include "AppResources.h"
#include "app/AppWindows.h"
#include "platform/BrowserHelp.h"
#include "platform/DesktopPlaces.h"
#include "platform/DesktopPointerSynth.h"
#include "platform/DesktopShell.h"
#include "platform/InstanceLock.h"
#include "platform/Platform.h"
#include "platform/QtDialogs.h"
#include "platform/QtPrinting.h"
#include "platform/SystemClipboard.h"
#include "platform/SystemClock.h"
#include "platform/SystemProcess.h"
#include "settings/DataFolder.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>
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
    loadAppResources();
    // Qt's own texts (field context menus, standard buttons, file dialogs) in German, as ours are.
    QTranslator qtTexts;
    if (qtTexts.load(QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexts);
    QApplication::setApplicationName(QStringLiteral("zettmar"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/app.svg")));
    // Ties our windows to the installed desktop entry, for the task bar's icon and name.
    QApplication::setDesktopFileName(QStringLiteral("zettmar"));

    QtDialogs dialogs;
    DesktopShell shell;
    DesktopPlaces places;
    SystemClock clock;
    SystemProcess process;
    BrowserHelp help;
    SystemClipboard clipboard;
    DesktopPointerSynth pointer;
    QtPrinting printing;
    Platform::install({&dialogs, &shell, &places, &clock, &process, &help, &clipboard, &pointer, &printing});

    // The lock lies in the data folder; a failure to make the folder is the start-up's to report.
    DataFolder::create(places.dataFolder());
    InstanceLock lock(places.dataFolder());
    if (!lock.admit())
        return 0;
    shell.beforeNewInstance = [&lock] { lock.release(); };

    AppWindows windows;
    QObject::connect(&lock, &InstanceLock::frontRequested, &windows.main(), [&windows] { windows.bringToFront(); });
    centreOnScreen(windows.main());
    if (!windows.start())
        return 0;
    return QApplication::exec();
}
