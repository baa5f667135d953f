#include "backup/ZipWriter.h"

#include "backup/FailureText.h"

#include <QFile>
#include <zip.h>

namespace {

void reportProgress(zip_t *, double done, void *state)
{
    (*static_cast<const ZipWriter::Progress *>(state))(done);
}

} // namespace

ZipWriter::ZipWriter(const QString &path)
{
    int errorCode = 0;
    m_archive = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &errorCode);
    if (!m_archive)
        m_failure = FailureText::ofZipOpen(errorCode);
}

ZipWriter::~ZipWriter()
{
    if (m_archive)
        zip_discard(m_archive);
}

QString ZipWriter::reason() const
{
    return FailureText::ofZip(zip_get_error(m_archive));
}

QString ZipWriter::addFile(const QString &path, const QString &name, int level)
{
    zip_source_t *source = zip_source_file(m_archive, QFile::encodeName(path).constData(), 0, -1);
    if (!source)
        return reason();
    const zip_int64_t index
        = zip_file_add(m_archive, name.toUtf8().constData(), source, ZIP_FL_ENC_UTF_8 | ZIP_FL_OVERWRITE);
    if (index < 0) {
        const QString failure = reason();
        zip_source_free(source);
        return failure;
    }
    if (zip_set_file_compression(m_archive, static_cast<zip_uint64_t>(index), ZIP_CM_DEFLATE,
                                 static_cast<zip_uint32_t>(level))
        < 0)
        return reason();
    return {};
}

QString ZipWriter::close(const Progress &progress)
{
    if (progress
        && zip_register_progress_callback_with_state(m_archive, 0.001, reportProgress, nullptr,
                                                     const_cast<Progress *>(&progress))
            < 0)
        return reason();
    if (zip_close(m_archive) < 0)
        return reason();
    m_archive = nullptr;
    return {};
}
