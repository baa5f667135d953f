#include "backup/BackupList.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace {

// A name starting with a dot is hidden on this platform; ".dat" alone is the document list of an
// empty document key and belongs to the data.
bool isHidden(const QString &name)
{
    return name.startsWith(QLatin1Char('.')) && name != QLatin1String(".dat");
}

QStringList sortedNames(const QString &folder, QDir::Filters kinds)
{
    // Without QDir::System no pipes, sockets or devices; NoSymLinks keeps links out as files and folders.
    QStringList names
        = QDir(folder).entryList(kinds | QDir::Hidden | QDir::NoSymLinks | QDir::NoDotAndDotDot, QDir::Unsorted);
    names.removeIf(isHidden);
    std::sort(names.begin(), names.end(), [](const QString &a, const QString &b) {
        const int folded = QString::compare(a, b, Qt::CaseInsensitive);
        return folded != 0 ? folded < 0 : a < b;
    });
    return names;
}

void appendFiles(const QString &folder, QStringList &paths)
{
    for (const QString &name : sortedNames(folder, QDir::Files))
        paths.append(folder + name);
}

} // namespace

QStringList BackupList::build(const QString &folder)
{
    QStringList paths;
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        return paths;
    const QString top = withSeparator(folder);
    appendFiles(top, paths);
    for (const QString &sub : sortedNames(top, QDir::Dirs))
        appendFiles(top + sub + QLatin1Char('/'), paths);
    return paths;
}

QString BackupList::entryName(const QString &dataFolder, const QString &path)
{
    const QString top = withSeparator(dataFolder);
    if (path.startsWith(top))
        return path.mid(top.size());
    return QFileInfo(path).fileName();
}

QString BackupList::withSeparator(const QString &folder)
{
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}
