// The total of an invoice list.
// Input: amounts separated by "\x", each as UTF-8.
// Properties:
//  - add() takes exactly the texts of the form [+-]digits[,digits] (at least one digit, characters up to
//    code 32 around it ignored) with at most 20 integer digits after leading zeros;
//  - text() is the exact sum of the amounts taken, over every digit given, rounded once to the cent half
//    away from zero, "-" only before a total that is not zero; checked against a sum of digit strings.
#include "FuzzCheck.h"
#include "FuzzInput.h"
#include "FuzzText.h"
#include "register/ListTotal.h"

#include <QStringList>
#include <algorithm>

namespace {

struct Amount {
    bool negative = false;
    QString integer; // without leading zeros
    QString fraction;
};

bool allDigits(const QString &text)
{
    return std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

std::optional<Amount> parsed(const QString &entered)
{
    QString text = FuzzText::trimmed(entered);
    Amount amount;
    if (text.startsWith(u'-') || text.startsWith(u'+')) {
        amount.negative = text.startsWith(u'-');
        text.remove(0, 1);
    }
    const qsizetype comma = text.indexOf(u',');
    QString integer = comma < 0 ? text : text.left(comma);
    amount.fraction = comma < 0 ? QString() : text.mid(comma + 1);
    if (!allDigits(integer) || !allDigits(amount.fraction) || integer.size() + amount.fraction.size() == 0)
        return std::nullopt;
    while (integer.startsWith(u'0'))
        integer.remove(0, 1);
    if (integer.size() > 20)
        return std::nullopt;
    amount.integer = integer;
    return amount;
}

// Non-negative whole numbers as decimal digit strings without leading zeros ("" is zero).
QString stripped(QString digits)
{
    while (digits.startsWith(u'0'))
        digits.remove(0, 1);
    return digits;
}

int compared(const QString &a, const QString &b)
{
    if (a.size() != b.size())
        return a.size() < b.size() ? -1 : 1;
    return a.compare(b);
}

QString sum(const QString &a, const QString &b)
{
    QString result;
    int carry = 0;
    for (qsizetype i = 0; i < std::max(a.size(), b.size()) || carry; ++i) {
        const int da = i < a.size() ? a[a.size() - 1 - i].unicode() - '0' : 0;
        const int db = i < b.size() ? b[b.size() - 1 - i].unicode() - '0' : 0;
        const int d = da + db + carry;
        result.prepend(QChar(u'0' + d % 10));
        carry = d / 10;
    }
    return stripped(result);
}

// a - b for a >= b.
QString difference(const QString &a, const QString &b)
{
    QString result;
    int borrow = 0;
    for (qsizetype i = 0; i < a.size(); ++i) {
        const int da = a[a.size() - 1 - i].unicode() - '0';
        const int db = i < b.size() ? b[b.size() - 1 - i].unicode() - '0' : 0;
        int d = da - db - borrow;
        borrow = d < 0 ? 1 : 0;
        result.prepend(QChar(u'0' + (d + 10) % 10));
    }
    return stripped(result);
}

QString expectedTotal(const QList<Amount> &amounts)
{
    qsizetype scale = 2;
    for (const Amount &amount : amounts)
        scale = std::max(scale, amount.fraction.size());
    QString positive;
    QString negative;
    for (const Amount &amount : amounts) {
        const QString scaled = stripped(amount.integer + amount.fraction.leftJustified(scale, u'0'));
        (amount.negative ? negative : positive) = sum(amount.negative ? negative : positive, scaled);
    }
    const bool below = compared(positive, negative) < 0;
    const QString magnitude = below ? difference(negative, positive) : difference(positive, negative);
    const QString padded = magnitude.rightJustified(scale + 1, u'0');
    QString cents = stripped(padded.left(padded.size() - (scale - 2)));
    const QString rest = padded.right(scale - 2);
    if (!rest.isEmpty() && rest[0] >= u'5')
        cents = sum(cents, QStringLiteral("1"));
    const QString shown = cents.rightJustified(3, u'0');
    const QString text = shown.left(shown.size() - 2) + u',' + shown.right(2);
    return (below && !cents.isEmpty() ? QStringLiteral("-") : QString()) + text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const FuzzInput input(data, size);
    ListTotal total;
    QList<Amount> taken;
    for (qsizetype i = 0; i < input.fieldCount(); ++i) {
        const QString text = input.text(i);
        const std::optional<Amount> amount = parsed(text);
        FUZZ_CHECK(total.add(text) == amount.has_value(), FuzzCheck::shown(text));
        if (amount)
            taken.append(*amount);
    }
    const QString expected = expectedTotal(taken);
    FUZZ_CHECK(total.text() == expected, QStringLiteral("total %1, exact %2").arg(total.text(), expected));
    return 0;
}
