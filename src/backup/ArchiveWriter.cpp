#include "backup/ArchiveWriter.h"

#include "backup/ZipReader.h"
#include "backup/ZipWriter.h"
#include "platform/FileReplace.h"
#include "platform/SystemReason.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryFile>

namespace {

QString fileFailure(const ArchiveEntry &entry, const QString &reason)
{
    return QStringLiteral("%1: %2").arg(entry.path, reason);
}

// libzip reads the files only while closing; a file that cannot be opened is named here instead of
// failing the whole close with a reason that names no file.
QString addEntry(ZipWriter &writer, const ArchiveEntry &entry)
{
    QFile probe(entry.path);
    if (!probe.open(QIODevice::ReadOnly))
        return fileFailure(entry, SystemReason::german(probe.errorString()));
    probe.close();
    const QString failure = writer.addFile(entry.path, entry.name, ArchiveWriter::kLevel);
    return failure.isEmpty() ? failure : fileFailure(entry, failure);
}

QString pack(const QString &path, const QList<ArchiveEntry> &entries, const ArchiveWriter::Progress &progress)
{
    ZipWriter writer(path);
    if (!writer.failure().isEmpty())
        return writer.failure();
    for (const ArchiveEntry &entry : entries) {
        const QString failure = addEntry(writer, entry);
        if (!failure.isEmpty())
            return failure;
    }
    return writer.close(progress);
}

// A close that went through may still have lost the end of the file on a full disk.
QString checkComplete(const QString &path, qsizetype entries)
{
    const ZipReader reader(path);
    if (!reader.failure().isEmpty())
        return reader.failure();
    if (reader.count() != std::uint64_t(entries))
        return QStringLiteral("Das Archiv ist unvollständig");
    return {};
}

} // namespace

QString ArchiveWriter::write(const QString &archivePath, const QList<ArchiveEntry> &entries, const Progress &progress)
{
    // Our own temporary, owner-only from the start; libzip writes its own beside it and renames it here.
    QTemporaryFile part(archivePath + QStringLiteral(".XXXXXX"));
    if (!part.open())
        return SystemReason::german(part.errorString());
    part.close();
    QString failure = pack(part.fileName(), entries, progress);
    if (failure.isEmpty())
        failure = checkComplete(part.fileName(), entries.size());
    if (failure.isEmpty())
        failure = FileReplace::moveInto(part.fileName(), archivePath,
                                        {QFileDevice::ReadOwner | QFileDevice::WriteOwner, std::nullopt});
    if (failure.isEmpty())
        part.setAutoRemove(false);
    return failure;
}

// Ours are the temporaries of this name and of the preset names: "name.XXXXXX", libzip's
// "name.XXXXXX.XXXXXX" inside it.
void ArchiveWriter::removeLeftovers(const QString &folder, const QString &archiveName)
{
    const QRegularExpression leftover(QStringLiteral("^(rechbackup\\d{8}\\.zip|%1)(\\.[A-Za-z0-9]{6}){1,2}$")
                                          .arg(QRegularExpression::escape(archiveName)));
    QDir dir(folder);
    for (const QString &name : dir.entryList(QDir::Files | QDir::Hidden)) {
        if (leftover.match(name).hasMatch())
            dir.remove(name);
    }
}
