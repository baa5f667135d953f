#include "backup/BackupHistory.h"

#include "platform/Regional.h"
#include "platform/Windows1252.h"

#include <QFileInfo>

namespace {

bool fitsCodePage(const QStringList &lines)
{
    for (const QString &line : lines) {
        QByteArray bytes;
        Windows1252::appendEncoded(line, bytes);
        if (Windows1252::decode(bytes.constData(), bytes.size()) != line)
            return false;
    }
    return true;
}

// A line-based file must never get a line break or other control character from inside a value.
QString withoutControls(QString text)
{
    for (QChar &character : text) {
        if (character.unicode() < 32)
            character = QLatin1Char(' ');
    }
    return text;
}

} // namespace

QString BackupHistory::line(const QDateTime &when, const QString &target)
{
    return Regional::formatDateTime(when) + QStringLiteral(" | ") + withoutControls(target);
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
    const bool widen = current == TextEncoding::Windows1252 && !fitsCodePage(lines);
    return TextFile::writeLines(path, lines, widen ? TextEncoding::Utf8 : current);
}
