#include "backup/BackupHistory.h"

#include "platform/Regional.h"
#include "platform/TextTrim.h"

#include <QFileInfo>

QString BackupHistory::line(const QDateTime &when, const QString &target)
{
    return Regional::formatDateTime(when) + QStringLiteral(" | ") + TextTrim::blankControls(target);
}

QString BackupHistory::append(const QString &path, const QString &line)
{
    TextLines file;
    if (QFileInfo::exists(path)) {
        QString failure;
        const std::optional<TextLines> read = TextFile::readLines(path, &failure);
        if (!read)
            return failure;
        file = *read;
    }
    file.lines.append(line);
    return write(path, file.lines, file.encoding);
}

QString BackupHistory::write(const QString &path, const QStringList &lines, TextEncoding current)
{
    return TextFile::writeBytes(path, TextFile::encodeReadable(lines, current).bytes);
}
