#include "register/InvoiceFile.h"

#include "register/InvoiceLine.h"

#include <QFileInfo>

QString InvoiceFile::pathFor(const QString &dataFolder, const QString &year)
{
    return dataFolder + year + QStringLiteral("rech.csv");
}

void InvoiceFile::setPath(const QString &path)
{
    m_path = path;
    m_lines.clear();
    // A file not read in this run is written in the single-byte code page without a mark.
    m_encoding = TextEncoding::Windows1252;
}

bool InvoiceFile::exists() const
{
    return QFileInfo::exists(m_path);
}

QString InvoiceFile::load()
{
    m_lines.clear();
    if (!exists())
        return {};
    QString reason;
    std::optional<TextLines> read = TextFile::readLines(m_path, &reason);
    if (!read)
        return unreadableMessage(reason);
    m_lines = std::move(read->lines);
    m_encoding = read->encoding;
    return {};
}

// The user has to act outside the program, so the message says where and what.
QString InvoiceFile::unreadableMessage(const QString &reason) const
{
    return QStringLiteral("Die Rechnungsdatei \"%1\" kann nicht gelesen werden (%2).\n\n"
                          "Ihre Rechnungen dieses Jahres werden daher nicht angezeigt, und die Datei bleibt "
                          "unverändert. Bitte prüfen Sie, ob unter diesem Namen eine gewöhnliche Datei liegt, die "
                          "Sie lesen dürfen, oder stellen Sie sie aus einer Datensicherung wieder her. Laden Sie das "
                          "Jahr danach neu "
                          "(Menü \"Jahr laden\") oder starten Sie das Programm neu.")
        .arg(m_path, reason);
}

QString InvoiceFile::write()
{
    EncodedLines encoded = TextFile::encodeReadable(m_lines, m_encoding);
    const QString reason = TextFile::writeBytes(m_path, encoded.bytes);
    if (reason.isEmpty()) {
        m_encoding = encoded.encoding;
        return {};
    }
    return QStringLiteral("Datei \"%1\" kann nicht erstellt werden. %2").arg(m_path, reason);
}

QString InvoiceFile::lineForUse(qsizetype index) const
{
    if (index < 0 || index >= m_lines.size())
        return {};
    return m_lines[index].left(InvoiceLine::kMaxUsedLength);
}
