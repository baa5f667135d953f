#include "settings/SettingsEntryCheck.h"

#include "platform/TextTrim.h"
#include "platform/Windows1252.h"

namespace {

// One character as the user sees it: a surrogate pair stays whole.
QStringView characterAt(QStringView text, qsizetype i)
{
    const bool pair = text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
    return text.sliced(i, pair ? 2 : 1);
}

} // namespace

QString SettingsEntryCheck::problem(const QString &fieldCaption, QStringView value)
{
    const QString trimmed = TextTrim::trimmed(value);
    if (TextTrim::hasControl(trimmed))
        return QStringLiteral("Das Feld \"%1\" enthält einen Zeilenumbruch oder ein anderes Steuerzeichen. "
                              "Bitte entfernen Sie es; die Einstellungen wurden nicht gespeichert.")
            .arg(fieldCaption);
    const qsizetype unencodable = Windows1252::firstUnencodable(trimmed);
    if (unencodable >= 0)
        return QStringLiteral("Das Zeichen \"%1\" im Feld \"%2\" kann in der Einstellungsdatei nicht "
                              "gespeichert werden. Bitte ersetzen Sie es; die Einstellungen wurden nicht "
                              "gespeichert.")
            .arg(characterAt(trimmed, unencodable).toString(), fieldCaption);
    return {};
}
