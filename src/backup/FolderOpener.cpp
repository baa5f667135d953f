#include "backup/FolderOpener.h"

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

bool FolderOpener::open(const QString &folder)
{
    return Platform::shell().openFolder(TextTrim::trimmed(folder));
}
