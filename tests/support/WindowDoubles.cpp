#include "WindowDoubles.h"

#include "AppResources.h"

#include <QDialog>
#include <QTest>

WindowDoubles::WindowDoubles()
{
    loadAppResources();
    dialogs.windowRunner = [this](QDialog &dialog) { return runWindow(dialog); };
    // The services before these doubles come back when PlatformDoubles goes.
    Platform::install({&dialogs, &shell, &places, &clock, &process, &help, &clipboard, &printing});
}

int WindowDoubles::runWindow(QDialog &dialog)
{
    const ScriptedDialogs::WindowHandler handler =
        dialogs.nextWindowHandler({QStringLiteral("window"), dialog.windowTitle(), dialog.objectName()});
    dialog.setResult(QDialog::Rejected);
    dialog.show();
    QTest::qWait(0);
    if (handler)
        handler(dialog);
    if (dialog.isVisible())
        dialog.hide();
    return dialog.result();
}
