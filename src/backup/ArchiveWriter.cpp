#include "backup/ArchiveWriter.h"

#include "backup/FailureText.h"
#include "platform/SystemReason.h"

#include <QFile>
#include <zip.h>

namespace {

void reportProgress(zip_t *, double done, void *state)
{
    (*static_cast<const ArchiveWriter::Progress *>(state))(done);
}

QString failureOf(zip_t *archive)
{
    const QString reason = FailureText::ofZip(zip_get_error(archive));
    zip_discard(archive);
    return reason;
}

QString fileFailure(const ArchiveEntry &entry, const QString &reason)
{
    return QStringLiteral("%1: %2").arg(entry.path, reason);
}

// libzip reads the files only while closing; a file that cannot be opened is named here instead of
// failing the whole close with a reason that names no file.
QString addEntry(zip_t *archive, const ArchiveEntry &entry)
{
    QFile probe(entry.path);
    if (!probe.open(QIODevice::ReadOnly))
        return fileFailure(entry, SystemReason::german(probe.errorString()));
    probe.close();
    zip_source_t *source = zip_source_file(archive, QFile::encodeName(entry.path).constData(), 0, -1);
    if (!source)
        return fileFailure(entry, FailureText::ofZip(zip_get_error(archive)));
    const zip_int64_t index =
        zip_file_add(archive, entry.name.toUtf8().constData(), source, ZIP_FL_ENC_UTF_8 | ZIP_FL_OVERWRITE);
    if (index < 0) {
        zip_source_free(source);
        return fileFailure(entry, FailureText::ofZip(zip_get_error(archive)));
    }
    if (zip_set_file_compression(archive, static_cast<zip_uint64_t>(index), ZIP_CM_DEFLATE, ArchiveWriter::kLevel) < 0)
        return fileFailure(entry, FailureText::ofZip(zip_get_error(archive)));
    return {};
}

} // namespace

QString ArchiveWriter::write(const QString &archivePath, const QList<ArchiveEntry> &entries, const Progress &progress)
{
    int errorCode = 0;
    zip_t *archive = zip_open(QFile::encodeName(archivePath).constData(), ZIP_CREATE | ZIP_TRUNCATE, &errorCode);
    if (!archive)
        return FailureText::ofZipOpen(errorCode);
    for (const ArchiveEntry &entry : entries) {
        const QString failure = addEntry(archive, entry);
        if (!failure.isEmpty()) {
            zip_discard(archive);
            return failure;
        }
    }
    if (progress)
        zip_register_progress_callback_with_state(archive, 0.001, reportProgress, nullptr,
                                                  const_cast<Progress *>(&progress));
    if (zip_close(archive) < 0)
        return failureOf(archive);
    return {};
}
