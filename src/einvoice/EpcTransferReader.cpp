#include "einvoice/EpcTransferReader.h"

#include "payments/Iban.h"

#include <QStringDecoder>
#include <QStringList>

namespace {

// The character sets by their number in line 3.
constexpr const char *kCharacterSets[]
    = {"UTF-8", "ISO-8859-1", "ISO-8859-2", "ISO-8859-4", "ISO-8859-5", "ISO-8859-7", "ISO-8859-10", "ISO-8859-15"};

struct Limit {
    int line;
    qsizetype length;
    const char *what;
};
constexpr Limit kLimits[] = {{4, 11, "BIC"},     {5, 70, "Name"},     {6, 34, "IBAN"},
                             {8, 4, "Zweck"},    {9, 35, "Referenz"}, {10, 140, "Verwendungszweck"},
                             {11, 70, "Hinweis"}};

QString refused(const QString &why)
{
    return QStringLiteral("Der QR-Code ist kein gültiger GiroCode: %1").arg(why);
}

std::optional<QString> decoded(const QByteArray &bytes, int characterSet)
{
    QStringDecoder decoder(kCharacterSets[characterSet - 1]);
    if (!decoder.isValid())
        return std::nullopt;
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

// "EUR12.3": euros with a point and at most two decimals, from 0.01 to 999999999.99.
std::optional<Decimal> amountOf(const QString &line)
{
    if (!line.startsWith(u"EUR"))
        return std::nullopt;
    const QStringView number = QStringView(line).mid(3);
    const qsizetype point = number.indexOf(u'.');
    if (number.isEmpty() || (point >= 0 && number.size() - point - 1 > 2) || (point < 0 ? number.size() : point) > 9)
        return std::nullopt;
    const std::optional<Decimal> amount = Decimal::read(number);
    if (!amount || amount->isNegative() || amount->isZero() || number.startsWith(u'+') || number.startsWith(u'-'))
        return std::nullopt;
    return amount;
}

QString problemOf(const QStringList &lines, int version)
{
    if (lines.size() > 12)
        return QStringLiteral("Er hat mehr als zwölf Zeilen.");
    for (const Limit &limit : kLimits) {
        if (lines.value(limit.line).size() > limit.length)
            return QStringLiteral("%1 ist länger als %2 Zeichen.").arg(QLatin1String(limit.what)).arg(limit.length);
    }
    if (version == 1 && lines.value(4).isEmpty())
        return QStringLiteral("Die BIC fehlt.");
    if (lines.value(5).isEmpty())
        return QStringLiteral("Der Name des Empfängers fehlt.");
    const QString iban = lines.value(6);
    if (!Iban::hasValidForm(iban) || !Iban::hasValidCheckDigits(iban))
        return QStringLiteral("Die IBAN \"%1\" ist ungültig.").arg(iban);
    if (!lines.value(7).isEmpty() && !amountOf(lines.value(7)))
        return QStringLiteral("Der Betrag \"%1\" ist kein Euro-Betrag.").arg(lines.value(7));
    if (!lines.value(9).isEmpty() && !lines.value(10).isEmpty())
        return QStringLiteral("Er enthält Referenz und Verwendungszweck zugleich.");
    return {};
}

} // namespace

std::variant<EpcTransfer, QString> EpcTransferReader::read(const QByteArray &payload)
{
    if (payload.size() > kMaxBytes)
        return refused(QStringLiteral("Er ist länger als %1 Bytes.").arg(kMaxBytes));
    QList<QByteArray> raw = payload.split('\n');
    for (QByteArray &line : raw) {
        if (line.endsWith('\r'))
            line.chop(1);
    }
    while (raw.size() > 1 && raw.last().isEmpty())
        raw.removeLast();
    if (raw.size() < 7 || raw[0] != "BCD" || raw[3] != "SCT")
        return refused(QStringLiteral("Kennung \"BCD\" und \"SCT\" fehlen."));
    const int version = raw[1] == "001" ? 1 : raw[1] == "002" ? 2 : 0;
    if (version == 0)
        return refused(QStringLiteral("Die Version \"%1\" ist unbekannt.").arg(QString::fromLatin1(raw[1])));
    const int characterSet = raw[2].size() == 1 ? raw[2][0] - '0' : 0;
    if (characterSet < 1 || characterSet > 8)
        return refused(QStringLiteral("Der Zeichensatz \"%1\" ist unbekannt.").arg(QString::fromLatin1(raw[2])));
    QStringList lines;
    for (const QByteArray &line : raw) {
        const std::optional<QString> text = decoded(line, characterSet);
        if (!text)
            return refused(QStringLiteral("Der Text passt nicht zum angegebenen Zeichensatz."));
        lines.append(*text);
    }
    if (const QString problem = problemOf(lines, version); !problem.isEmpty())
        return refused(problem);
    return EpcTransfer{QString::fromLatin1(raw[1]),
                       lines.value(4),
                       lines.value(5),
                       lines.value(6),
                       amountOf(lines.value(7)),
                       lines.value(8),
                       lines.value(9),
                       lines.value(10),
                       lines.value(11)};
}
