#include "AppResources.h"
#include "app/AppWindows.h"
#include "platform/BrowserHelp.h"
#include "platform/DesktopPlaces.h"
#include "platform/DesktopShell.h"
#include "platform/Platform.h"
#include "platform/QtDialogs.h"
#include "platform/QtPrinting.h"
#include "platform/SystemClipboard.h"
#include "platform/SystemClock.h"
#include "platform/SystemProcess.h"

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

    QtDialogs dialogs;
    DesktopShell shell;
    DesktopPlaces places;
    SystemClock clock;
    SystemProcess process;
    BrowserHelp help;
    SystemClipboard clipboard;
    QtPrinting printing;
    Platform::install({&dialogs, &shell, &places, &clock, &process, &help, &clipboard, &printing});

    AppWindows windows;
    centreOnScreen(windows.main());
    if (!windows.start())
        return 0;
    return QApplication::exec();
}
