#include "payments/EpcPayload.h"

#include "payments/EpcAmount.h"
#include "payments/Iban.h"

#include <QRegularExpression>

namespace {

// Positions in the line list (line number - 1).
enum Line { kBic = 4, kName = 5, kIban = 6, kAmount = 7, kRemittance = 10, kInformation = 11 };

constexpr qsizetype kMaxName = 70;
constexpr qsizetype kMaxRemittance = 140;
constexpr qsizetype kMaxInformation = 70;

// The guidelines count characters, not UTF-16 units: "𝄞" is one.
qsizetype characters(const QString &text)
{
    return text.toUcs4().size();
}

QString refused(const QString &reason)
{
    return reason + QStringLiteral(" QR-Code kann nicht erstellt werden.");
}

QString tooLong(const QString &what, const QString &text, qsizetype limit)
{
    if (characters(text) <= limit)
        return {};
    return refused(QStringLiteral("%1 ist für den QR-Code zu lang: %2 Zeichen, erlaubt sind höchstens %3.")
                       .arg(what)
                       .arg(characters(text))
                       .arg(limit));
}

QString bicProblem(const QString &bic)
{
    static const QRegularExpression form(QStringLiteral("^[A-Za-z0-9]{8}([A-Za-z0-9]{3})?$"));
    if (form.match(bic).hasMatch())
        return {};
    return refused(
        QStringLiteral("Die BIC \"%1\" ist ungültig: Eine BIC hat 8 oder 11 Buchstaben oder Ziffern.").arg(bic));
}

QString ibanProblem(const QString &iban)
{
    if (!Iban::hasValidForm(iban))
        return refused(QStringLiteral("Die IBAN \"%1\" ist ungültig: Sie beginnt mit zwei Buchstaben und zwei "
                                      "Ziffern, danach folgen bis zu 30 Buchstaben oder Ziffern.")
                           .arg(iban));
    if (!Iban::hasValidCheckDigits(iban))
        return refused(QStringLiteral("Die IBAN \"%1\" ist ungültig: Die Prüfziffern stimmen nicht. Bitte "
                                      "überprüfen Sie die Angabe.")
                           .arg(iban));
    return {};
}

QString amountProblem(const QString &amount)
{
    if (EpcAmount::fromGerman(amount))
        return {};
    return refused(QStringLiteral("Der Rechnungsbetrag \"%1\" ist kein gültiger Euro-Betrag. Erlaubt sind 0,01 bis "
                                  "999999999,99 mit Dezimalkomma und höchstens zwei Nachkommastellen, zum "
                                  "Beispiel 49,90 oder 1.234,56 €.")
                       .arg(amount));
}

} // namespace

QString EpcPayload::problem(const Fields &fields)
{
    for (const QString &problem : {
             bicProblem(fields.Bic),
             tooLong(QStringLiteral("Der Gläubiger"), fields.Firma, kMaxName),
             ibanProblem(fields.Iban),
             amountProblem(fields.Betrag),
             tooLong(QStringLiteral("Die Rechnungsnummer"), fields.RechNr, kMaxRemittance),
             tooLong(QStringLiteral("Die Kundennummer"), fields.Zusatz, kMaxInformation),
         }) {
        if (!problem.isEmpty())
            return problem;
    }
    QStringList lines = templateLines();
    fill(lines, fields);
    const qsizetype bytes = text(lines).toUtf8().size();
    if (bytes > kMaxBytes)
        return refused(QStringLiteral("Die Zahlungsdaten sind für den QR-Code zu lang: %1 Bytes, erlaubt sind "
                                      "höchstens %2. Kürzen Sie Gläubiger, Rechnungsnummer oder Kundennummer.")
                           .arg(bytes)
                           .arg(kMaxBytes));
    return {};
}

QStringList EpcPayload::templateLines()
{
    return {
        QStringLiteral("BCD"),
        QStringLiteral("001"),
        QStringLiteral("1"),
        QStringLiteral("SCT"),
        QStringLiteral("BANKDEFFXXX"),
        QStringLiteral("Firma"),
        QStringLiteral("DE00000000000000000000"),
        QStringLiteral("EUR"),
        QString(),
        QString(),
        QStringLiteral("Rechnungsnummer "),
    };
}

void EpcPayload::fill(QStringList &lines, const Fields &fields)
{
    lines[kBic] = fields.Bic;
    lines[kName] = fields.Firma;
    lines[kIban] = fields.Iban;
    lines[kAmount] = QStringLiteral("EUR") + EpcAmount::fromGerman(fields.Betrag).value_or(QString());
    lines[kRemittance] = fields.RechNr;
    lines.resize(kRemittance + 1);
    if (!fields.Zusatz.isEmpty())
        lines.append(fields.Zusatz);
}

QString EpcPayload::text(const QStringList &lines)
{
    QString result;
    for (const QString &line : lines)
        result += line + QLatin1Char('\n');
    return result;
}
