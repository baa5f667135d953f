#include "platform/BrowserHelp.h"

#include "platform/Dialogs.h"
#include "platform/Places.h"
#include "platform/Platform.h"
#include "platform/Shell.h"

namespace {

QString address(const QString &programFolder, int context)
{
    return QStringLiteral("file://%1help/zettmar.html#context-%2").arg(programFolder).arg(context);
}

} // namespace

void BrowserHelp::show(int context)
{
    if (!Platform::shell().open(address(Platform::places().programFolder(), context)))
        Platform::dialogs().notice(Dialogs::NoticeKind::Error,
                                   QStringLiteral("Die Hilfe kann nicht angezeigt werden: Es wurde kein Programm "
                                                  "zum Anzeigen von Webseiten gefunden."));
}
