#include "settings/SettingsEntryCheck.h"

#include "platform/TextTrim.h"
#include "platform/Windows1252.h"

namespace {

bool isControl(QChar c)
{
    return c.unicode() < 32;
}

bool fitsCodePage(QStringView character)
{
    QByteArray encoded;
    Windows1252::appendEncoded(character, encoded);
    return Windows1252::decode(encoded.constData(), encoded.size()) == character;
}

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
    for (qsizetype i = 0; i < trimmed.size();) {
        const QStringView character = characterAt(trimmed, i);
        if (isControl(character.front()))
            return QStringLiteral("Das Feld \"%1\" enthält einen Zeilenumbruch oder ein anderes Steuerzeichen. "
                                  "Bitte entfernen Sie es; die Einstellungen wurden nicht gespeichert.")
                .arg(fieldCaption);
        if (!fitsCodePage(character))
            return QStringLiteral("Das Zeichen \"%1\" im Feld \"%2\" kann in der Einstellungsdatei nicht "
                                  "gespeichert werden. Bitte ersetzen Sie es; die Einstellungen wurden nicht "
                                  "gespeichert.")
                .arg(character.toString(), fieldCaption);
        i += character.size();
    }
    return {};
}
