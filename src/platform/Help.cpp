#include "platform/Help.h"

#include "platform/Platform.h"
#include "platform/Places.h"
#include "platform/Shell.h"

QString helpAddress(const QString &programFolder, int context)
{
    return QStringLiteral("file://%1help/zettmar.html#context-%2").arg(programFolder).arg(context);
}

void BrowserHelp::show(int context)
{
    Platform::shell().open(helpAddress(Platform::places().programFolder(), context));
}
