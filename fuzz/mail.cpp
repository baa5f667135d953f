// The hand-off of a prepared mail.
// Input: address, invoice number and mail program separated by "\x", each as UTF-8.
// Properties:
//  - the client is the program whose file name is thunderbird or thunderbird.exe in any case;
//  - the compose argument is "to=<address>,subject=Rechnung <number>" with both values trimmed and
//    every control character (C0, DEL, C1) a blank, then trimmed; where a value holds ",", "'" or a double quote it is
//    the mailto: link of these values instead;
//  - a mailto: link is printable ASCII without blanks, and decoding its percent escapes here gives the
//    cleaned address and "Rechnung " with the number (controls as blanks, the number not trimmed).
#include "FuzzCheck.h"
#include "FuzzInput.h"
#include "FuzzText.h"
#include "mail/MailHandOff.h"

#include <QStringList>
#include <algorithm>

namespace {

QString cleaned(const QString &text)
{
    return FuzzText::trimmed(FuzzText::blanked(text));
}

bool isClient(const QString &program)
{
    const QString name = program.mid(program.lastIndexOf(u'/') + 1);
    return name.compare(QLatin1String("thunderbird"), Qt::CaseInsensitive) == 0
        || name.compare(QLatin1String("thunderbird.exe"), Qt::CaseInsensitive) == 0;
}

int hexValue(QChar c)
{
    const QString digits = QStringLiteral("0123456789ABCDEF");
    return int(digits.indexOf(c.toUpper()));
}

std::optional<QString> percentDecoded(const QString &text)
{
    QByteArray bytes;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'%') {
            bytes.append(char(text[i].unicode()));
            continue;
        }
        if (i + 2 >= text.size() || hexValue(text[i + 1]) < 0 || hexValue(text[i + 2]) < 0)
            return std::nullopt;
        bytes.append(char(hexValue(text[i + 1]) * 16 + hexValue(text[i + 2])));
        i += 2;
    }
    return QString::fromUtf8(bytes);
}

// A mailto: link is printable ASCII without blanks whose percent escapes decode to the address and subject.
void checkLink(const QString &link, const QString &address, const QString &subject)
{
    FUZZ_CHECK(std::all_of(link.cbegin(), link.cend(), [](QChar c) { return c.unicode() > 32 && c.unicode() < 127; }),
               FuzzCheck::shown(link));
    const QString prefix = QStringLiteral("mailto:");
    const qsizetype query = link.indexOf(QStringLiteral("?subject="));
    FUZZ_CHECK(link.startsWith(prefix) && query > 0, FuzzCheck::shown(link));
    FUZZ_CHECK(percentDecoded(link.mid(prefix.size(), query - prefix.size())) == address, FuzzCheck::shown(link));
    FUZZ_CHECK(percentDecoded(link.mid(query + 9)) == subject, FuzzCheck::shown(link));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const FuzzInput input(data, size);
    const QString address = input.text(0);
    const QString number = input.text(1);
    const QString program = input.text(2);
    const QString shownInput = FuzzCheck::shown(QStringList{address, number, program});

    FUZZ_CHECK(MailHandOff::isClient(program) == isClient(program), shownInput);

    const QString compose = MailHandOff::composeText(address, number);
    const QString bothValues = cleaned(address) + cleaned(number);
    const bool fits = !bothValues.contains(u',') && !bothValues.contains(u'\'') && !bothValues.contains(u'"');
    if (fits)
        FUZZ_CHECK(compose
                       == QStringLiteral("to=") + cleaned(address) + QStringLiteral(",subject=Rechnung ")
                           + cleaned(number),
                   shownInput + QStringLiteral(" gave ") + FuzzCheck::shown(compose));
    else
        checkLink(compose, cleaned(address), QStringLiteral("Rechnung ") + cleaned(number));

    checkLink(MailHandOff::mailtoLink(address, number), cleaned(address),
              QStringLiteral("Rechnung ") + FuzzText::blanked(number));
    return 0;
}
