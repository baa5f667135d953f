#include "mail/MailHandOff.h"

#include "platform/Dialogs.h"
#include "platform/Platform.h"
#include "platform/Shell.h"
#include "platform/TextTrim.h"

#include <QUrl>

namespace {

const QString kSubject = QStringLiteral("Rechnung ");

// A line break must not reach the mail program as a second header or a second argument.
QString cleaned(const QString &text)
{
    return TextTrim::blankControls(TextTrim::trimmed(text));
}

// The client splits its argument at commas into options and reads quotes as option values; a field
// holding either could add an option of its own, an attachment for one.
bool fitsComposeArgument(const QString &value)
{
    return !value.contains(QLatin1Char('\'')) && !value.contains(QLatin1Char(','));
}

} // namespace

bool MailHandOff::isClient(const QString &mailProgram)
{
    const QString fileName = mailProgram.section(QLatin1Char('/'), -1).toLower();
    return fileName == QLatin1String("thunderbird") || fileName == QLatin1String("thunderbird.exe");
}

QString MailHandOff::composeText(const QString &address, const QString &invoiceNumber)
{
    return QStringLiteral("to=") + cleaned(address) + QStringLiteral(",subject=") + kSubject + cleaned(invoiceNumber);
}

QString MailHandOff::composeProblem(const QString &address, const QString &invoiceNumber)
{
    const auto problem = [](const QString &what, const QString &value) {
        return QStringLiteral("%1 \"%2\" enthält ein Komma oder einen Apostroph; das Mailprogramm läse dort "
                              "weitere Angaben. Bitte entfernen Sie das Zeichen, um die Mail zu erstellen.")
            .arg(what, value);
    };
    if (!fitsComposeArgument(cleaned(address)))
        return problem(QStringLiteral("Die E-Mail-Adresse"), cleaned(address));
    if (!fitsComposeArgument(cleaned(invoiceNumber)))
        return problem(QStringLiteral("Die Rechnungsnummer"), cleaned(invoiceNumber));
    return {};
}

QString MailHandOff::mailtoLink(const QString &address, const QString &invoiceNumber)
{
    const QByteArray to = QUrl::toPercentEncoding(cleaned(address), "@");
    const QByteArray subject = QUrl::toPercentEncoding(kSubject + TextTrim::blankControls(invoiceNumber));
    return QStringLiteral("mailto:") + QString::fromLatin1(to) + QStringLiteral("?subject=") + QString::fromLatin1(subject);
}

void MailHandOff::send(const QString &mailProgram, const QString &addressField, const QString &invoiceNumberField)
{
    bool handedOver = false;
    if (isClient(mailProgram)) {
        if (const QString problem = composeProblem(addressField, invoiceNumberField); !problem.isEmpty()) {
            Platform::dialogs().notice(Dialogs::NoticeKind::Error, problem);
            return;
        }
        handedOver = Platform::shell().start(
            mailProgram, {QStringLiteral("-compose"), composeText(addressField, invoiceNumberField)});
    } else {
        handedOver = Platform::shell().open(mailtoLink(addressField, invoiceNumberField));
    }
    if (!handedOver)
        Platform::dialogs().notice(Dialogs::NoticeKind::Error, QStringLiteral("Errot open mail"));
}

bool MailHandOff::isPlausibleAddress(const QString &addressField)
{
    const QString address = TextTrim::trimmed(addressField);
    return address.isEmpty() || address.contains(QLatin1Char('@'));
}
