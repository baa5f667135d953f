#pragma once

#include "platform/BrowserHelp.h"
#include "platform/DesktopPlaces.h"
#include "platform/DesktopPointerSynth.h"
#include "platform/DesktopShell.h"
#include "platform/Platform.h"
#include "platform/QtDialogs.h"
#include "platform/QtPrinting.h"
#include "platform/SystemClipboard.h"
#include "platform/SystemClock.h"
#include "platform/SystemProcess.h"

#include <QTranslator>

// What a running program takes from the desktop: the real platform services, installed for as long as
// this object lives (the services before it come back when it ends), our resources, Qt's German texts, the program's
// name and icon. The program and the start-up benchmark start the same way through it.
class DesktopServices {
public:
    // Needs the QApplication to exist.
    DesktopServices();
    ~DesktopServices();
    DesktopServices(const DesktopServices &) = delete;
    DesktopServices &operator=(const DesktopServices &) = delete;

    DesktopShell &shell() { return m_shell; }
    const DesktopPlaces &places() const { return m_places; }

private:
    QTranslator m_qtTexts;
    QtDialogs m_dialogs;
    DesktopShell m_shell;
    DesktopPlaces m_places;
    SystemClock m_clock;
    SystemProcess m_process;
    BrowserHelp m_help;
    SystemClipboard m_clipboard;
    DesktopPointerSynth m_pointer;
    QtPrinting m_printing;
    Platform::Services m_previous;
};
