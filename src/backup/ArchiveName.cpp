#include "backup/ArchiveName.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <zip.h>

namespace {

bool liesIn(const QString &path, const QString &folder)
{
    const QString canonicalFolder = QFileInfo(folder).canonicalFilePath();
    const QString canonicalParent = QFileInfo(QFileInfo(path).absolutePath()).canonicalFilePath();
    if (canonicalFolder.isEmpty() || canonicalParent.isEmpty())
        return false;
    return canonicalParent == canonicalFolder || canonicalParent.startsWith(canonicalFolder + QLatin1Char('/'));
}

} // namespace

QString ArchiveName::preset(const QDate &today)
{
    return QStringLiteral("rechbackup") + today.toString(QStringLiteral("yyyyMMdd")) + QStringLiteral(".zip");
}

QString ArchiveName::refusal(const QString &name, const QString &destination, const QString &dataFolder)
{
    if (name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')))
        return QStringLiteral("Der Dateiname \"%1\" darf kein \"/\" und kein \"\\\" enthalten.").arg(name);
    if (name == QLatin1String(".") || name == QLatin1String(".."))
        return QStringLiteral("\"%1\" ist kein gültiger Dateiname.").arg(name);
    const QString target = destination + name;
    const QFileInfo info(target);
    if (info.isDir())
        return QStringLiteral("%1 ist ein Verzeichnis.").arg(QDir::toNativeSeparators(target));
    if ((info.exists() || info.isSymLink()) && liesIn(target, dataFolder) && !isArchive(target))
        return QStringLiteral("Die Datei %1 des Datenverzeichnisses würde überschrieben. "
                              "Bitte einen anderen Dateinamen wählen.")
            .arg(QDir::toNativeSeparators(target));
    return {};
}

bool ArchiveName::isArchive(const QString &path)
{
    if (QFileInfo(path).isSymLink())
        return false;
    int errorCode = 0;
    zip_t *archive = zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY, &errorCode);
    if (!archive)
        return false;
    zip_discard(archive);
    return true;
}
