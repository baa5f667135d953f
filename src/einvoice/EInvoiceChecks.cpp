#include "einvoice/EInvoiceChecks.h"

#include "payments/Iban.h"

namespace {

using Amount = std::optional<Decimal>;

Amount sum(const QList<Amount> &terms)
{
    Decimal total;
    for (const Amount &term : terms) {
        const Amount next = total.plus(term.value_or(Decimal()));
        if (!next)
            return std::nullopt;
        total = *next;
    }
    return total;
}

QString shown(const Amount &amount)
{
    return amount ? amount->germanAmount() : QStringLiteral("fehlt");
}

void checkLines(const EInvoice &invoice, QStringList &failures)
{
    QList<Amount> amounts;
    for (const EInvoice::Line &line : invoice.lines)
        amounts.append(line.netAmount);
    const Amount lines = sum(amounts);
    if (!lines || !invoice.totals.lineNet || !(*lines == *invoice.totals.lineNet))
        failures.append(QStringLiteral("Die Summe der Positionen (%1) ergibt nicht die Summe der Nettobeträge "
                                       "der Rechnung (%2).")
                            .arg(shown(lines), shown(invoice.totals.lineNet)));
}

void checkTotals(const EInvoice::Totals &totals, QStringList &failures)
{
    const Amount withVat = sum({totals.withoutVat, totals.vat});
    if (!withVat || !totals.withVat || !(*withVat == *totals.withVat))
        failures.append(QStringLiteral("Gesamtbetrag ohne Umsatzsteuer (%1) und Umsatzsteuer (%2) ergeben nicht "
                                       "den Gesamtbetrag mit Umsatzsteuer (%3).")
                            .arg(shown(totals.withoutVat), shown(totals.vat), shown(totals.withVat)));
    const Amount payable
        = sum({totals.withVat, totals.paid ? Amount(totals.paid->negated()) : Amount(), totals.rounding});
    if (!payable || !totals.payable || !(*payable == *totals.payable))
        failures.append(QStringLiteral("Gesamtbetrag mit Umsatzsteuer (%1) abzüglich gezahlter Beträge (%2) und "
                                       "zuzüglich Rundung (%3) ergibt nicht den Zahlbetrag (%4).")
                            .arg(shown(totals.withVat), shown(totals.paid.value_or(Decimal())),
                                 shown(totals.rounding.value_or(Decimal())), shown(totals.payable)));
}

void checkIbans(const EInvoice &invoice, QStringList &failures)
{
    for (const EInvoice::PaymentMeans &means : invoice.payments) {
        const QString iban = Iban::compact(means.iban.simplified());
        if (!iban.isEmpty() && !(Iban::hasValidForm(iban) && Iban::hasValidCheckDigits(iban)))
            failures.append(QStringLiteral("Die Prüfziffern der IBAN %1 stimmen nicht.").arg(iban));
    }
}

} // namespace

QStringList EInvoiceChecks::failures(const EInvoice &invoice)
{
    QStringList failures;
    checkLines(invoice, failures);
    checkTotals(invoice.totals, failures);
    checkIbans(invoice, failures);
    if (invoice.currency.trimmed() != u"EUR")
        failures.append(QStringLiteral("Die Rechnung lautet nicht auf Euro (Währung \"%1\"); ein QR-Code für die "
                                       "Zahlung ist nur in Euro möglich.")
                            .arg(invoice.currency.trimmed()));
    return failures;
}
