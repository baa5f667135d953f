#include "documents/DocumentOpening.h"

#include "platform/Platform.h"
#include "platform/Shell.h"

QString DocumentOpening::open(const QString &path)
{
    if (Platform::shell().open(path))
        return {};
    return QStringLiteral("Die Datei \"%1\" kann nicht geöffnet werden.").arg(path);
}
