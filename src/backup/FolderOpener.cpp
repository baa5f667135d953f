#include "backup/FolderOpener.h"

#include "platform/Dialogs.h"
#include "platform/Platform.h"
#include "platform/Shell.h"
#include "platform/TextTrim.h"

#include <QFileInfo>

QString FolderOpener::folderOf(const QString &path)
{
    const QFileInfo info(path);
    if (info.isDir() || info.suffix().isEmpty())
        return path;
    return path.left(path.lastIndexOf(QLatin1Char('/')) + 1);
}

void FolderOpener::open(const QString &folder)
{
    if (!Platform::shell().openFolder(TextTrim::trimmed(folder)))
        Platform::dialogs().captionedMessage(QStringLiteral("RuVE"),
                                             QStringLiteral("Fehler beim Ausführen von Windows Explorer!"),
                                             Dialogs::Icon::Information);
}
