#include "WindowDoubles.h"

#include "AppResources.h"

#include <QDialog>
#include <QTest>

WindowDoubles::WindowDoubles()
{
    loadAppResources();
    dialogs.windowRunner = [this](QDialog &dialog) { return runWindow(dialog); };
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
