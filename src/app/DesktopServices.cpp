#include "app/DesktopServices.h"

#include "AppResources.h"
#include "platform/Platform.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>

DesktopServices::DesktopServices()
{
    loadAppResources();
    // Qt's own texts (field context menus, standard buttons, file dialogs) in German, as ours are.
    if (m_qtTexts.load(QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&m_qtTexts);
    QApplication::setApplicationName(QStringLiteral("zettmar"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/app.png")));
    // Ties our windows to the installed desktop entry, for the task bar's icon and name.
    QApplication::setDesktopFileName(QStringLiteral("zettmar"));
    m_previous = Platform::install(
        {&m_dialogs, &m_shell, &m_places, &m_clock, &m_process, &m_help, &m_clipboard, &m_pointer, &m_printing});
}

DesktopServices::~DesktopServices()
{
    Platform::install(m_previous);
}
