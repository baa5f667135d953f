#include "WindowDoubles.h"

#include "AppResources.h"

#include <QDialog>
#include <QTest>

WindowDoubles::WindowDoubles()
{
    loadAppResources();
    dialogs.windowRunner = [this](QDialog &dialog) { return runWindow(dialog); };
    // Adds printing to the doubles in force; the services before them come back when PlatformDoubles goes.
    Platform::Services services = Platform::install({});
    services.printing = &printing;
    Platform::install(services);
}

int WindowDoubles::runWindow(QDialog &dialog)
{
    const ScriptedDialogs::WindowHandler handler
        = dialogs.nextWindowHandler({QStringLiteral("window"), dialog.windowTitle(), dialog.objectName()});
    dialog.setResult(QDialog::Rejected);
    dialog.show();
    QTest::qWait(0);
    if (handler)
        handler(dialog);
    if (dialog.isVisible())
        dialog.hide();
    return dialog.result();
}
