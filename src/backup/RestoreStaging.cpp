#include "backup/RestoreStaging.h"

#include "backup/EntryPath.h"
#include "backup/FailureText.h"
#include "backup/FileCopy.h"
#include "platform/SystemReason.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdio>
#include <sys/stat.h>
#include <zip.h>

namespace {

constexpr zip_uint64_t kChunk = 1 << 20;

QString failureOf(const QString &path, const QString &reason)
{
    return QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), reason);
}

QString entryFailure(const QString &archive, const QString &entry, const QString &reason)
{
    return failureOf(archive + QStringLiteral(" (Eintrag %1)").arg(entry), reason);
}

// Entries made on Unix carry the file type in the upper half of their external attributes.
bool isLink(zip_t *archive, zip_uint64_t index)
{
    zip_uint8_t system = 0;
    zip_uint32_t attributes = 0;
    if (zip_file_get_external_attributes(archive, index, 0, &system, &attributes) < 0)
        return false;
    return system == ZIP_OPSYS_UNIX && ((attributes >> 16) & S_IFMT) == S_IFLNK;
}

int renamePath(const QString &from, const QString &to)
{
    return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0 ? 0 : errno;
}

bool exists(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

QString writeEntry(zip_file_t *entry, QFile &out, zip_uint64_t size)
{
    QByteArray chunk(kChunk, Qt::Uninitialized);
    zip_uint64_t total = 0;
    for (;;) {
        const zip_int64_t read = zip_fread(entry, chunk.data(), kChunk);
        if (read < 0)
            return FailureText::ofZip(zip_file_get_error(entry));
        if (read == 0)
            break;
        if (out.write(chunk.constData(), read) != read)
            return SystemReason::german(out.errorString());
        total += static_cast<zip_uint64_t>(read);
    }
    if (total != size)
        return FailureText::ofZipCode(ZIP_ER_INCONS);
    return {};
}

} // namespace

RestoreStaging::RestoreStaging(const QString &dataFolder)
    : m_dataFolder(dataFolder)
    , m_staging(dataFolder + QStringLiteral(".wiederherstellung-XXXXXX"))
{
}

RestoreStaging::~RestoreStaging() = default;

QString RestoreStaging::setUpFailure() const
{
    if (!QFileInfo(m_dataFolder).isDir())
        return failureOf(m_dataFolder, QStringLiteral("Verzeichnis nicht gefunden"));
    return m_staging.isValid() ? QString() : failureOf(m_dataFolder, SystemReason::german(m_staging.errorString()));
}

QString RestoreStaging::stage(const QString &chosen, const Progress &progress)
{
    if (QFileInfo(chosen).fileName().endsWith(QLatin1String(".zip")))
        return stageArchive(chosen, progress);
    return stageFile(chosen);
}

QString RestoreStaging::stageFile(const QString &chosen)
{
    const QString target = m_dataFolder + QFileInfo(chosen).fileName();
    if (FileCopy::sameFile(chosen, target))
        return {};
    const QString staged = nextStagedPath();
    const QString failure = FileCopy::copy(chosen, staged);
    if (!failure.isEmpty())
        return failureOf(chosen, failure);
    addPlacement(staged, target);
    return {};
}

QString RestoreStaging::stageArchive(const QString &chosen, const Progress &progress)
{
    int errorCode = 0;
    zip_t *archive = zip_open(QFile::encodeName(chosen).constData(), ZIP_RDONLY | ZIP_CHECKCONS, &errorCode);
    if (!archive)
        return failureOf(chosen, FailureText::ofZipOpen(errorCode));
    const zip_int64_t count = zip_get_num_entries(archive, 0);
    for (zip_int64_t i = 0; i < count; ++i) {
        const auto index = static_cast<zip_uint64_t>(i);
        const char *name = zip_get_name(archive, index, ZIP_FL_ENC_GUESS);
        if (!name) {
            zip_discard(archive);
            return failureOf(chosen, FailureText::ofZip(zip_get_error(archive)));
        }
        const QString entryName = QString::fromUtf8(name);
        const std::optional<QString> relative = EntryPath::below(entryName);
        // The chosen archive is only read, also when one of its entries would land on it.
        if (!relative || isLink(archive, index) || passesThroughLink(*relative) ||
            FileCopy::sameFile(chosen, m_dataFolder + *relative))
            continue;
        const QString failure = stageEntry(archive, index, m_dataFolder + *relative);
        if (!failure.isEmpty()) {
            zip_discard(archive);
            return entryFailure(chosen, entryName, failure);
        }
        if (progress)
            progress(double(i + 1) / double(count));
    }
    zip_discard(archive);
    return {};
}

QString RestoreStaging::stageEntry(zip_t *archive, zip_uint64_t index, const QString &target)
{
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat_index(archive, index, 0, &stat) < 0)
        return FailureText::ofZip(zip_get_error(archive));
    zip_file_t *entry = zip_fopen_index(archive, index, 0);
    if (!entry)
        return FailureText::ofZip(zip_get_error(archive));
    const QString staged = nextStagedPath();
    QFile out(staged);
    QString failure = out.open(QIODevice::WriteOnly) ? writeEntry(entry, out, stat.size)
                                                     : SystemReason::german(out.errorString());
    zip_fclose(entry);
    if (failure.isEmpty() && (stat.valid & ZIP_STAT_MTIME))
        out.setFileTime(QDateTime::fromSecsSinceEpoch(stat.mtime), QFileDevice::FileModificationTime);
    out.close();
    if (failure.isEmpty() && out.error() != QFileDevice::NoError)
        failure = SystemReason::german(out.errorString());
    if (failure.isEmpty())
        addPlacement(staged, target);
    return failure;
}

// The data folder is the user's alone, and the settings file in it owner-only; restored files stay so.
void RestoreStaging::addPlacement(const QString &staged, const QString &target)
{
    QFile::setPermissions(staged, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    m_placements.append({staged, target, {}, false});
}

QString RestoreStaging::nextStagedPath()
{
    return m_staging.filePath(QStringLiteral("neu-%1").arg(m_placements.size()));
}

// Nothing is written through a link: a folder of the data folder that is a link could lead anywhere.
bool RestoreStaging::passesThroughLink(const QString &relative) const
{
    QString path = m_dataFolder;
    const QStringList folders = relative.split(QLatin1Char('/')).mid(0, relative.count(QLatin1Char('/')));
    for (const QString &folder : folders) {
        path += folder;
        if (QFileInfo(path).isSymLink())
            return true;
        path += QLatin1Char('/');
    }
    return false;
}

QString RestoreStaging::commit()
{
    QString failure = checkTargets();
    if (failure.isEmpty())
        failure = createFolders();
    for (int i = 0; failure.isEmpty() && i < m_placements.size(); ++i)
        failure = place(m_placements[i], i);
    if (!failure.isEmpty())
        rollBack();
    return failure;
}

// Refusals that can be told beforehand come first, so they change nothing at all.
QString RestoreStaging::checkTargets() const
{
    for (const Placement &placement : m_placements) {
        const QFileInfo target(placement.target);
        if (target.isDir() && !target.isSymLink())
            return failureOf(placement.target, QStringLiteral("Das Ziel ist ein Verzeichnis"));
        if (target.exists() && !target.isWritable())
            return failureOf(placement.target, QStringLiteral("Die Datei ist schreibgeschützt"));
    }
    return {};
}

QString RestoreStaging::createFolders()
{
    for (const Placement &placement : m_placements) {
        const QString relative = placement.target.mid(m_dataFolder.size());
        QString path = m_dataFolder;
        const QStringList parts = relative.split(QLatin1Char('/'));
        for (qsizetype i = 0; i + 1 < parts.size(); ++i) {
            path += parts[i];
            if (!QFileInfo(path).isDir()) {
                if (!QDir().mkdir(path))
                    return failureOf(path, QStringLiteral("Verzeichnis kann nicht angelegt werden"));
                m_createdFolders.append(path);
            }
            path += QLatin1Char('/');
        }
    }
    return {};
}

QString RestoreStaging::place(Placement &placement, int number)
{
    if (exists(placement.target)) {
        const QString replaced = m_staging.filePath(QStringLiteral("alt-%1").arg(number));
        if (const int error = renamePath(placement.target, replaced))
            return failureOf(placement.target, FailureText::ofSystem(error));
        placement.replaced = replaced;
    }
    if (const int error = renamePath(placement.staged, placement.target))
        return failureOf(placement.target, FailureText::ofSystem(error));
    placement.placed = true;
    return {};
}

void RestoreStaging::rollBack()
{
    for (auto placement = m_placements.rbegin(); placement != m_placements.rend(); ++placement) {
        if (placement->placed)
            QFile::remove(placement->target);
        if (!placement->replaced.isEmpty())
            renamePath(placement->replaced, placement->target);
    }
    for (auto folder = m_createdFolders.crbegin(); folder != m_createdFolders.crend(); ++folder)
        QDir().rmdir(*folder);
}
