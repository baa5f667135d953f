// The payment code's data: IBAN, BIC and amount checks and the EPC payload.
// Input: BIC, creditor, IBAN, amount, invoice number and customer number separated by "\x", each as UTF-8;
// they pass through the steps of the payment command (stored values, the IBAN in its payment form).
// Properties, against checks written here from the rules themselves:
//  - an IBAN has the form of ISO 13616 in ASCII letters (either case) and digits only, and its check
//    digits pass mod 97, computed here on nine-digit chunks of the number;
//  - an amount is [0-9]*[,[0-9]{0,2}] (thousands dots in groups of three before a comma, one "EUR" or
//    "€" on either side) from 0,01 to 999999999,99 and becomes the EPC form with a point;
//  - problem() is empty exactly when BIC, IBAN, amount, the lengths (70, 140, 70 characters) and the
//    331 bytes of the payload all pass;
//  - an accepted payload holds the fields on their lines, ends every line with LF and holds no other
//    control character: no C0 code, no DEL, no C1 code.
#include "FuzzCheck.h"
#include "FuzzInput.h"
#include "FuzzText.h"
#include "payments/EpcAmount.h"
#include "payments/EpcPayload.h"
#include "payments/Iban.h"
#include "platform/TextTrim.h"

#include <QStringList>
#include <algorithm>

namespace {

bool isAsciiLetter(QChar c)
{
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
}

bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

bool isAsciiAlnum(QChar c)
{
    return isAsciiLetter(c) || isAsciiDigit(c);
}

bool ibanForm(const QString &iban)
{
    return iban.size() >= 5 && iban.size() <= 34 && isAsciiLetter(iban[0]) && isAsciiLetter(iban[1])
        && isAsciiDigit(iban[2]) && isAsciiDigit(iban[3]) && std::all_of(iban.cbegin(), iban.cend(), isAsciiAlnum);
}

// The number of ISO 7064 MOD 97-10: country and check digits to the end, letters as 10 to 35.
bool ibanCheckDigits(const QString &iban)
{
    QString digits;
    for (const QChar c : iban.mid(4) + iban.left(4))
        digits += isAsciiDigit(c) ? QString(c) : QString::number(c.toUpper().unicode() - 'A' + 10);
    long long remainder = 0;
    for (qsizetype at = 0; at < digits.size(); at += 9) {
        const QString chunk = digits.mid(at, 9);
        long long shift = 1;
        for (qsizetype i = 0; i < chunk.size(); ++i)
            shift *= 10;
        remainder = (remainder * shift + chunk.toLongLong()) % 97;
    }
    return remainder == 1;
}

bool bicForm(const QString &bic)
{
    return (bic.size() == 8 || bic.size() == 11) && std::all_of(bic.cbegin(), bic.cend(), isAsciiAlnum);
}

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\u00A0' || c == u'\u202F';
}

QString withoutBlanks(QString text)
{
    while (!text.isEmpty() && isBlank(text.front()))
        text.remove(0, 1);
    while (!text.isEmpty() && isBlank(text.back()))
        text.chop(1);
    return text;
}

// One currency, "EUR" or "€", before or after the amount.
QString withoutCurrency(QString text)
{
    text = withoutBlanks(text);
    for (const QString &currency : {QStringLiteral("EUR"), QStringLiteral("\u20AC")}) {
        if (text.startsWith(currency))
            return withoutBlanks(text.mid(currency.size()));
        if (text.endsWith(currency))
            return withoutBlanks(text.chopped(currency.size()));
    }
    return text;
}

// Thousands dots only in groups of three before a comma: "1.234,5" but neither "1.234" nor "1.23,4".
std::optional<QString> wholeEuros(const QString &whole, bool beforeComma)
{
    if (!whole.contains(u'.'))
        return std::all_of(whole.cbegin(), whole.cend(), isAsciiDigit) ? std::optional<QString>(whole) : std::nullopt;
    const QStringList groups = whole.split(u'.');
    if (!beforeComma || groups[0].isEmpty() || groups[0].size() > 3)
        return std::nullopt;
    for (const QString &group : groups) {
        if (!std::all_of(group.cbegin(), group.cend(), isAsciiDigit) || (&group != &groups[0] && group.size() != 3))
            return std::nullopt;
    }
    return groups.join(QString());
}

// The EPC form of a German amount, or nothing.
std::optional<QString> epcAmount(const QString &typed)
{
    const QString amount = withoutCurrency(typed);
    const qsizetype comma = amount.indexOf(u',');
    const std::optional<QString> euros = wholeEuros(comma < 0 ? amount : amount.left(comma), comma >= 0);
    const QString cents = comma < 0 ? QString() : amount.mid(comma + 1);
    if (!euros || !std::all_of(cents.cbegin(), cents.cend(), isAsciiDigit) || cents.size() > 2)
        return std::nullopt;
    QString whole = *euros;
    while (whole.startsWith(u'0'))
        whole.remove(0, 1);
    if (whole.size() > 9 || (whole.isEmpty() && cents.count(u'0') == cents.size()))
        return std::nullopt;
    return (whole.isEmpty() ? QStringLiteral("0") : whole) + (cents.isEmpty() ? QString() : u'.' + cents);
}

qsizetype characters(const QString &text)
{
    return text.toUcs4().size();
}

QString shownFields(const EpcPayload::Fields &f)
{
    return FuzzCheck::shown(QStringList{f.Bic, f.Firma, f.Iban, f.Betrag, f.RechNr, f.Zusatz});
}

void checkPayload(const EpcPayload::Fields &fields)
{
    QStringList lines = EpcPayload::templateLines();
    EpcPayload::fill(lines, fields);
    const QString payload = EpcPayload::text(lines);
    QStringList expected{QStringLiteral("BCD"),
                         QStringLiteral("001"),
                         QStringLiteral("1"),
                         QStringLiteral("SCT"),
                         fields.Bic,
                         fields.Firma,
                         fields.Iban,
                         QStringLiteral("EUR") + epcAmount(fields.Betrag).value_or(QString()),
                         QString(),
                         QString(),
                         fields.RechNr};
    if (!fields.Zusatz.isEmpty())
        expected.append(fields.Zusatz);
    const bool fits = payload.toUtf8().size() <= 331;
    const bool valid = bicForm(fields.Bic) && characters(fields.Firma) <= 70 && ibanForm(fields.Iban)
        && ibanCheckDigits(fields.Iban) && epcAmount(fields.Betrag) && characters(fields.RechNr) <= 140
        && characters(fields.Zusatz) <= 70 && fits;
    const QString problem = EpcPayload::problem(fields);
    FUZZ_CHECK(problem.isEmpty() == valid, shownFields(fields) + QStringLiteral(" problem: ") + problem);
    if (!valid)
        return;
    FUZZ_CHECK(payload == expected.join(u'\n') + u'\n', FuzzCheck::shown(payload));
    const QString withoutBreaks = QString(payload).remove(u'\n');
    FUZZ_CHECK(std::none_of(withoutBreaks.cbegin(), withoutBreaks.cend(), FuzzText::isControl),
               FuzzCheck::shown(payload));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const FuzzInput input(data, size);
    const auto value = [&input](int index) { return TextTrim::storedValue(TextTrim::trimmed(input.text(index))); };
    const EpcPayload::Fields fields{value(0), value(1), Iban::forPayment(value(2)), value(3), value(4), value(5)};

    FUZZ_CHECK(Iban::hasValidForm(fields.Iban) == ibanForm(fields.Iban), FuzzCheck::shown(fields.Iban));
    if (ibanForm(fields.Iban))
        FUZZ_CHECK(Iban::hasValidCheckDigits(fields.Iban) == ibanCheckDigits(fields.Iban),
                   FuzzCheck::shown(fields.Iban));
    FUZZ_CHECK(EpcAmount::fromGerman(input.text(3)) == epcAmount(input.text(3)), FuzzCheck::shown(input.text(3)));

    const bool complete = !fields.Iban.isEmpty() && !fields.Bic.isEmpty() && !fields.Firma.isEmpty()
        && !fields.RechNr.isEmpty() && !fields.Betrag.isEmpty();
    if (complete)
        checkPayload(fields);
    return 0;
}
