#include "platform/SystemReason.h"

#include <QHash>
#include <cerrno>
#include <cstring>

namespace {

struct Translation {
    int error;
    const char *german;
};

constexpr Translation kTranslations[] = {
    {ENOENT, "Datei oder Verzeichnis nicht gefunden"},
    {EACCES, "Zugriff verweigert"},
    {EPERM, "Vorgang nicht zulässig"},
    {ENOSPC, "Kein Speicherplatz mehr auf dem Gerät"},
    {EROFS, "Dateisystem ist schreibgeschützt"},
    {EISDIR, "Ist ein Verzeichnis"},
    {EBUSY, "Gerät oder Ressource belegt"},
    {ENAMETOOLONG, "Dateiname zu lang"},
    {EEXIST, "Datei existiert bereits"},
    {ENOTDIR, "Ist kein Verzeichnis"},
    {ELOOP, "Zu viele Ebenen symbolischer Verknüpfungen"},
    {EMFILE, "Zu viele offene Dateien"},
    {EIO, "Ein-/Ausgabefehler"},
    {EFBIG, "Datei zu groß"},
    {EDQUOT, "Speicherplatzkontingent überschritten"},
};

// Keyed by the system's own text, as the file classes hand it on; built from strerror so that the keys
// are exactly what the C library says.
QHash<QString, QString> buildTable()
{
    QHash<QString, QString> table;
    for (const Translation &translation : kTranslations)
        table.insert(QString::fromLocal8Bit(std::strerror(translation.error)), QString::fromUtf8(translation.german));
    // Qt's own text when a folder is opened as a file.
    table.insert(QStringLiteral("file to open is a directory"),
                 QStringLiteral("Die zu öffnende Datei ist ein Verzeichnis"));
    return table;
}

} // namespace

QString SystemReason::german(const QString &reason)
{
    static const QHash<QString, QString> kTable = buildTable();
    return kTable.value(reason, reason);
}
