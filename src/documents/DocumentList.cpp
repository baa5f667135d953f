#include "documents/DocumentList.h"

#include "documents/DocumentKey.h"
#include "platform/TextTrim.h"

#include <QFileInfo>

namespace {

QString cannotCreate(const QString &path, const QString &reason)
{
    return QStringLiteral("Datei \"%1\" kann nicht erstellt werden.\n%2").arg(path, reason);
}

} // namespace

QString DocumentList::open(const QString &dataFolder, const QString &key)
{
    m_path = DocumentKey::listFilePath(dataFolder, key);
    m_lines.clear();
    m_encoding = TextEncoding::Windows1252;
    m_keyStaysInFolder = DocumentKey::staysInFolder(key);
    m_fileIsLink = false;
    m_fileUnread = false;
    if (!m_keyStaysInFolder)
        return {};
    const QFileInfo file(m_path);
    if (file.isSymLink()) {
        m_fileIsLink = true;
        return QStringLiteral("Die Dokumentliste \"%1\" ist eine symbolische Verknüpfung und wird weder gelesen "
                              "noch geschrieben.")
            .arg(m_path);
    }
    return file.isFile() ? read() : QString();
}

QString DocumentList::read()
{
    QString error;
    const std::optional<TextLines> read = TextFile::readLines(m_path, &error);
    if (!read) {
        m_fileUnread = true;
        return QStringLiteral("Die Dokumentliste \"%1\" kann nicht gelesen werden.\n%2").arg(m_path, error);
    }
    m_lines = read->lines;
    m_encoding = read->encoding;
    return {};
}

QString DocumentList::add(const QString &documentPath)
{
    // A control character would split the line or become a blank; either way the link would be lost.
    if (TextTrim::hasControl(documentPath))
        return QStringLiteral("Der Pfad \"%1\" enthält einen Zeilenumbruch oder ein Steuerzeichen und kann nicht "
                              "in die Dokumentliste aufgenommen werden.")
            .arg(documentPath);
    return write(m_lines + QStringList{documentPath});
}

QString DocumentList::remove(qsizetype line)
{
    QStringList lines = m_lines;
    lines.removeAt(line);
    return write(lines);
}

QString DocumentList::save()
{
    return write(m_lines);
}

QString DocumentList::write(const QStringList &lines)
{
    QString error = refusal();
    if (error.isEmpty()) {
        // A list that would not read back in its encoding (a path the code page cannot hold, or a first
        // path that begins like a byte-order mark) is kept in UTF-8 with its mark from then on.
        EncodedLines encoded = TextFile::encodeReadable(lines, m_encoding);
        error = TextFile::writeBytes(m_path, encoded.bytes);
        if (error.isEmpty()) {
            m_lines = lines;
            m_encoding = encoded.encoding;
            return {};
        }
    }
    return cannotCreate(m_path, error);
}

QString DocumentList::refusal() const
{
    if (!m_keyStaysInFolder)
        return QStringLiteral("Gläubiger und Rechnungsnummer ergeben keinen zulässigen Namen für die Dokumentliste "
                              "(\"..\" allein oder ein Pfad). Bitte ändern Sie die Rechnungsnummer.");
    if (m_fileIsLink)
        return QStringLiteral("Die Datei ist eine symbolische Verknüpfung.");
    if (m_fileUnread)
        return QStringLiteral("Die vorhandene Datei konnte nicht gelesen werden und bleibt, wie sie ist.");
    return {};
}
