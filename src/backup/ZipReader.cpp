#include "backup/ZipReader.h"

#include "backup/FailureText.h"
#include "platform/SystemReason.h"

#include <QFile>
#include <QIODevice>
#include <sys/stat.h>
#include <zip.h>

namespace {

constexpr zip_uint64_t kChunk = 1 << 20;

// Entries made on Unix carry the file type in the upper half of their external attributes.
bool isLink(zip_t *archive, zip_uint64_t index)
{
    zip_uint8_t system = 0;
    zip_uint32_t attributes = 0;
    if (zip_file_get_external_attributes(archive, index, 0, &system, &attributes) < 0)
        return false;
    return system == ZIP_OPSYS_UNIX && ((attributes >> 16) & S_IFMT) == S_IFLNK;
}

QString copyOut(zip_file_t *entry, QIODevice &out, zip_uint64_t size)
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
    return total == size ? QString() : FailureText::ofZipCode(ZIP_ER_INCONS);
}

} // namespace

ZipReader::ZipReader(const QString &path)
{
    int errorCode = 0;
    m_archive = zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY | ZIP_CHECKCONS, &errorCode);
    if (!m_archive)
        m_failure = FailureText::ofZipOpen(errorCode);
}

ZipReader::~ZipReader()
{
    if (m_archive)
        zip_discard(m_archive);
}

std::uint64_t ZipReader::count() const
{
    const zip_int64_t entries = m_archive ? zip_get_num_entries(m_archive, 0) : 0;
    return entries > 0 ? static_cast<std::uint64_t>(entries) : 0;
}

std::optional<ZipReader::Entry> ZipReader::entry(std::uint64_t index, QString &failure) const
{
    const char *name = zip_get_name(m_archive, index, ZIP_FL_ENC_GUESS);
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (!name || zip_stat_index(m_archive, index, 0, &stat) < 0) {
        failure = FailureText::ofZip(zip_get_error(m_archive));
        return std::nullopt;
    }
    // libzip takes overlong and surrogate sequences for UTF-8; read as text they become U+FFFD, and two
    // names that differ there would land on one file.
    const QByteArray bytes(name);
    const QString text = QString::fromUtf8(bytes);
    if (text.toUtf8() != bytes) {
        failure = QStringLiteral("Der Name des Eintrags %1 ist kein gültiger UTF-8-Text").arg(text);
        return std::nullopt;
    }
    Entry found{text, isLink(m_archive, index), std::nullopt};
    if (stat.valid & ZIP_STAT_MTIME)
        found.modified = QDateTime::fromSecsSinceEpoch(stat.mtime);
    return found;
}

QString ZipReader::extract(std::uint64_t index, QIODevice &out) const
{
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat_index(m_archive, index, 0, &stat) < 0)
        return FailureText::ofZip(zip_get_error(m_archive));
    zip_file_t *entry = zip_fopen_index(m_archive, index, 0);
    if (!entry)
        return FailureText::ofZip(zip_get_error(m_archive));
    const QString failure = copyOut(entry, out, stat.size);
    zip_fclose(entry);
    return failure;
}
