#include "documents/DocumentList.h"

#include "documents/DocumentKey.h"
#include "platform/Windows1252.h"

#include <QFileInfo>

#include <algorithm>

namespace {

bool windows1252Holds(const QString &text)
{
    return Windows1252::firstUnencodable(text) < 0;
}

// A control character would split the line or vanish from it; either way the link would be lost.
bool holdsControlCharacter(const QString &text)
{
    return std::any_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() < 32; });
}

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
                              "noch geschrieben.").arg(m_path);
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
    if (holdsControlCharacter(documentPath))
        return QStringLiteral("Der Pfad \"%1\" enthält einen Zeilenumbruch oder ein Steuerzeichen und kann nicht "
                              "in die Dokumentliste aufgenommen werden.").arg(documentPath);
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
        const TextEncoding encoding = encodingFor(lines);
        error = TextFile::writeLines(m_path, lines, encoding);
        if (error.isEmpty()) {
            m_lines = lines;
            m_encoding = encoding;
            return {};
        }
    }
    return cannotCreate(m_path, error);
}

QString DocumentList::refusal() const
{
    if (!m_keyStaysInFolder)
        return QStringLiteral("Gläubiger und Rechnungsnummer dürfen für die Dokumentliste kein \"/\" und kein "
                              "\"\\\" enthalten.");
    if (m_fileIsLink)
        return QStringLiteral("Die Datei ist eine symbolische Verknüpfung.");
    if (m_fileUnread)
        return QStringLiteral("Die vorhandene Datei konnte nicht gelesen werden und bleibt, wie sie ist.");
    return {};
}

// A path the code page cannot hold would be stored as "?" and its link lost, so such a list is kept in
// UTF-8 with its mark from then on.
TextEncoding DocumentList::encodingFor(const QStringList &lines) const
{
    if (m_encoding != TextEncoding::Windows1252)
        return m_encoding;
    const bool allHeld = std::all_of(lines.cbegin(), lines.cend(), windows1252Holds);
    return allHeld ? TextEncoding::Windows1252 : TextEncoding::Utf8;
}
