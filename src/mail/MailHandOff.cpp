#include "mail/MailHandOff.h"

#include "platform/Platform.h"
#include "platform/Shell.h"
#include "platform/TextTrim.h"

#include <QUrl>

#include <algorithm>

namespace {

const QString kSubject = QStringLiteral("Rechnung ");

// The client splits its argument at commas into options and reads quotes around option values; a
// value holding either would be cut short or add an option of its own, an attachment for one.
bool fitsOptionList(const QString &value)
{
    return std::none_of(value.cbegin(), value.cend(), [](QChar c) { return c == u',' || c == u'\'' || c == u'"'; });
}

QString percentEncodedLink(const QString &address, const QString &subject)
{
    const QByteArray to = QUrl::toPercentEncoding(address, "@");
    const QByteArray encodedSubject = QUrl::toPercentEncoding(subject);
    return QStringLiteral("mailto:") + QString::fromLatin1(to) + QStringLiteral("?subject=")
        + QString::fromLatin1(encodedSubject);
}

} // namespace

bool MailHandOff::isClient(const QString &mailProgram)
{
    const QString fileName = mailProgram.section(QLatin1Char('/'), -1).toLower();
    return fileName == QLatin1String("thunderbird") || fileName == QLatin1String("thunderbird.exe");
}

// The option list as the client has always been given it; where a value would break it, the link form
// the client's compose argument accepts as well, whose percent-encoding leaves nothing to misread.
// The values as stored: a line break must not reach the mail program as a second header or argument.
QString MailHandOff::composeText(const QString &address, const QString &invoiceNumber)
{
    const QString to = TextTrim::storedValue(address);
    const QString number = TextTrim::storedValue(invoiceNumber);
    if (!fitsOptionList(to) || !fitsOptionList(number))
        return percentEncodedLink(to, kSubject + number);
    return QStringLiteral("to=") + to + QStringLiteral(",subject=") + kSubject + number;
}

QString MailHandOff::mailtoLink(const QString &address, const QString &invoiceNumber)
{
    return percentEncodedLink(TextTrim::storedValue(address), kSubject + TextTrim::blankControls(invoiceNumber));
}

QString MailHandOff::send(const QString &mailProgram, const QString &addressField, const QString &invoiceNumberField)
{
    bool handedOver = false;
    if (isClient(mailProgram)) {
        handedOver = Platform::shell().start(
            mailProgram, {QStringLiteral("-compose"), composeText(addressField, invoiceNumberField)});
    } else {
        handedOver = Platform::shell().open(mailtoLink(addressField, invoiceNumberField));
    }
    return handedOver ? QString() : QStringLiteral("Errot open mail");
}

bool MailHandOff::isPlausibleAddress(const QString &addressField)
{
    const QString address = TextTrim::trimmed(addressField);
    return address.isEmpty() || address.contains(QLatin1Char('@'));
}
