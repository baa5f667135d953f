#include "payments/WebAddress.h"

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
