#include "documents/DocumentKeyChange.h"

#include "documents/DocumentKey.h"
#include "platform/FileReplace.h"
#include "register/InvoiceLine.h"

#include <QFileInfo>

namespace {

// A link counts as a list too: it is moved as it is, and never overwritten.
bool isThere(const QString &path)
{
    const QFileInfo file(path);
    return file.exists() || file.isSymLink();
}

// From the fields as the main window shows them.
QString keyOfLine(const QString &line)
{
    const QStringList fields = InvoiceLine::split(QStringView(line).left(InvoiceLine::kMaxUsedLength));
    return DocumentKey::of(fields.value(InvoiceLine::Name), fields.value(InvoiceLine::ReNummer));
}

} // namespace

Notice DocumentKeyChange::follow(const QString &dataFolder, const QString &previousLine, const QString &storedLine)
{
    const QString oldKey = keyOfLine(previousLine);
    const QString newKey = keyOfLine(storedLine);
    if (oldKey == newKey || !DocumentKey::staysInFolder(oldKey) || !DocumentKey::staysInFolder(newKey))
        return {};
    const QString oldList = DocumentKey::listFilePath(dataFolder, oldKey);
    const QString newList = DocumentKey::listFilePath(dataFolder, newKey);
    if (!isThere(oldList))
        return {};
    if (isThere(newList)) {
        return {Dialogs::NoticeKind::Warning,
                QStringLiteral("Für die geänderte Rechnung gibt es schon die Dokumentliste \"%1\"; sie gilt jetzt "
                               "für diese Rechnung. Die bisherige Dokumentliste \"%2\" wurde nicht verschoben und "
                               "liegt unverändert im Datenordner.")
                    .arg(newList, oldList)};
    }
    if (const QString reason = FileReplace::moveToNewName(oldList, newList); !reason.isEmpty()) {
        return {Dialogs::NoticeKind::Error,
                QStringLiteral("Die Dokumentliste \"%1\" kann nicht in \"%2\" umbenannt werden.\n%3\nSie liegt "
                               "unverändert im Datenordner.")
                    .arg(oldList, newList, reason)};
    }
    return {};
}
