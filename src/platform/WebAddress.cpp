#include "platform/WebAddress.h"

#include "platform/Platform.h"
#include "platform/Shell.h"
#include "platform/TextTrim.h"

QString WebAddress::forOpening(const QString &text)
{
    const QString address = TextTrim::trimmed(text);
    for (const QLatin1StringView scheme : {QLatin1StringView("http://"), QLatin1StringView("https://")}) {
        if (address.startsWith(scheme, Qt::CaseInsensitive))
            return address;
    }
    return QStringLiteral("https://") + address;
}

QString WebAddress::open(const QString &text)
{
    const QString address = forOpening(text);
    if (Platform::shell().open(address))
        return {};
    return QStringLiteral("Die Adresse \"%1\" kann nicht geöffnet werden. Bitte prüfen Sie, ob ein Webbrowser "
                          "eingerichtet ist.")
        .arg(address);
}
