#include "backup/FileCopy.h"

#include "platform/FileReplace.h"
#include "platform/SystemReason.h"

#include <QFile>
#include <QFileInfo>

namespace {

constexpr qint64 kChunk = 1 << 20;

QString streamInto(QFile &from, QIODevice &to, const FileCopy::Progress &progress)
{
    const qint64 size = from.size();
    QByteArray chunk(kChunk, Qt::Uninitialized);
    qint64 copied = 0;
    for (;;) {
        const qint64 read = from.read(chunk.data(), kChunk);
        if (read < 0)
            return SystemReason::german(from.errorString());
        if (read == 0)
            return {};
        if (to.write(chunk.constData(), read) != read)
            return SystemReason::german(to.errorString());
        copied += read;
        if (progress && size > 0)
            progress(double(copied) / double(size));
    }
}

} // namespace

QString FileCopy::copy(const QString &source, const QString &target, const Progress &progress)
{
    QFile from(source);
    if (!from.open(QIODevice::ReadOnly))
        return SystemReason::german(from.errorString());
    const FileReplace::Options ownerOnly{QFileDevice::ReadOwner | QFileDevice::WriteOwner,
                                         from.fileTime(QFileDevice::FileModificationTime)};
    return FileReplace::replace(
        target, [&](QIODevice &to) { return streamInto(from, to, progress); }, ownerOnly);
}

bool FileCopy::sameFile(const QString &a, const QString &b)
{
    const QString canonicalA = QFileInfo(a).canonicalFilePath();
    return !canonicalA.isEmpty() && canonicalA == QFileInfo(b).canonicalFilePath();
}
