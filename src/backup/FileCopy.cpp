#include "backup/FileCopy.h"

#include "platform/SystemReason.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

constexpr qint64 kChunk = 1 << 20;

QString streamInto(QFile &from, QSaveFile &to, const FileCopy::Progress &progress)
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
    QSaveFile to(target);
    to.setDirectWriteFallback(false);
    if (!to.open(QIODevice::WriteOnly))
        return SystemReason::german(to.errorString());
    const QString failure = streamInto(from, to, progress);
    if (!failure.isEmpty()) {
        to.cancelWriting();
        return failure;
    }
    if (!to.commit())
        return SystemReason::german(to.errorString());
    QFile copied(target);
    if (copied.open(QIODevice::ReadWrite | QIODevice::ExistingOnly))
        copied.setFileTime(from.fileTime(QFileDevice::FileModificationTime), QFileDevice::FileModificationTime);
    return {};
}

bool FileCopy::sameFile(const QString &a, const QString &b)
{
    const QString canonicalA = QFileInfo(a).canonicalFilePath();
    return !canonicalA.isEmpty() && canonicalA == QFileInfo(b).canonicalFilePath();
}
