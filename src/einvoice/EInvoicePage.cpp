#include "einvoice/EInvoicePage.h"

#include "einvoice/EInvoiceRecord.h"
#include "platform/Regional.h"

namespace {

QString escaped(const QString &text)
{
    return EInvoiceRecord::cleaned(text).toHtmlEscaped();
}

QString amount(const std::optional<Decimal> &value)
{
    return value ? value->germanAmount() : QString();
}

QString number(const std::optional<Decimal> &value)
{
    return value ? value->germanNumber() : QString();
}

QString date(const QDate &value)
{
    return value.isValid() ? Regional::formatDate(value) : QString();
}

QString ibanText(const QString &iban)
{
    return EInvoiceRecord::groupedIban(EInvoiceRecord::cleaned(iban));
}

// One row of a label and a value; nothing for an empty value.
QString row(const QString &label, const QString &value)
{
    if (EInvoiceRecord::cleaned(value).isEmpty())
        return {};
    return QStringLiteral("<tr><td class=\"l\">%1</td><td>%2</td></tr>").arg(label, escaped(value));
}

QString table(const QString &rows)
{
    return rows.isEmpty() ? QString()
                          : QStringLiteral("<table cellspacing=\"0\" cellpadding=\"2\">%1</table>").arg(rows);
}

QString heading(const QString &text)
{
    return QStringLiteral("<h3>%1</h3>").arg(text);
}

QString partyHtml(const QString &title, const EInvoice::Party &party)
{
    const EInvoice::Address &address = party.address;
    QString ids;
    for (const EInvoice::Identifier &id : party.ids)
        ids += (ids.isEmpty() ? QString() : QStringLiteral(", ")) + id.id;
    const QString town = address.postCode + QLatin1Char(' ') + address.city;
    return heading(title)
        + table(row(QStringLiteral("Name"), party.name) + row(QStringLiteral("Handelsname"), party.tradingName)
                + row(QStringLiteral("Straße"), address.street) + row(QString(), address.additional)
                + row(QStringLiteral("Ort"), town) + row(QStringLiteral("Region"), address.subdivision)
                + row(QStringLiteral("Land"), address.country) + row(QStringLiteral("Kennung"), ids)
                + row(QStringLiteral("USt-IdNr."), party.vatId) + row(QStringLiteral("Steuernummer"), party.taxNumber)
                + row(QStringLiteral("Kontakt"), party.contactName) + row(QStringLiteral("Telefon"), party.contactPhone)
                + row(QStringLiteral("E-Mail"), party.contactEmail)
                + row(QStringLiteral("Elektronische Adresse"), party.endpoint.id));
}

QString typeName(const EInvoice &invoice)
{
    static const QList<std::pair<QString, QString>> kNames = {
        {QStringLiteral("380"), QStringLiteral("Rechnung")},
        {QStringLiteral("381"), QStringLiteral("Gutschrift")},
        {QStringLiteral("384"), QStringLiteral("Korrekturrechnung")},
        {QStringLiteral("326"), QStringLiteral("Teilrechnung")},
        {QStringLiteral("389"), QStringLiteral("Selbst ausgestellte Rechnung")},
    };
    const QString code = EInvoiceRecord::cleaned(invoice.typeCode);
    for (const auto &[known, name] : kNames) {
        if (code == known)
            return QStringLiteral("%1 (%2)").arg(name, code);
    }
    return invoice.creditNoteRoot ? QStringLiteral("Gutschrift") : code;
}

QString documentHtml(const EInvoice &invoice)
{
    QString rows = row(QStringLiteral("Rechnungsnummer"), invoice.number)
        + row(QStringLiteral("Rechnungsdatum"), date(invoice.issueDate)) + row(QStringLiteral("Art"), typeName(invoice))
        + row(QStringLiteral("Fällig am"), date(invoice.dueDate)) + row(QStringLiteral("Währung"), invoice.currency)
        + row(QStringLiteral("Käuferreferenz"), invoice.buyerReference);
    for (const QString &terms : invoice.paymentTerms)
        rows += row(QStringLiteral("Zahlungsbedingungen"), terms);
    for (const QString &note : invoice.notes)
        rows += row(QStringLiteral("Bemerkung"), note);
    return heading(QStringLiteral("Rechnung")) + table(rows);
}

QString linesHtml(const EInvoice &invoice)
{
    QString rows = QStringLiteral("<tr><th>Pos.</th><th align=\"left\">Bezeichnung</th><th align=\"right\">Menge</th>"
                                  "<th align=\"right\">Einzelpreis</th><th align=\"right\">Nettobetrag</th>"
                                  "<th align=\"right\">USt.</th></tr>");
    for (const EInvoice::Line &line : invoice.lines) {
        QString name = QStringLiteral("<b>%1</b>").arg(escaped(line.name));
        if (!EInvoiceRecord::cleaned(line.description).isEmpty())
            name += QStringLiteral("<br>%1").arg(escaped(line.description));
        const QString rate = line.vatRate ? line.vatRate->germanNumber() + QStringLiteral(" %") : QString();
        rows += QStringLiteral("<tr><td>%1</td><td>%2</td><td align=\"right\">%3</td><td align=\"right\">%4</td>"
                               "<td align=\"right\">%5</td><td align=\"right\">%6</td></tr>")
                    .arg(escaped(line.id), name, escaped(number(line.quantity) + QLatin1Char(' ') + line.unit),
                         escaped(number(line.netPrice)), escaped(amount(line.netAmount)), escaped(rate));
    }
    return heading(QStringLiteral("Positionen"))
        + QStringLiteral("<table class=\"g\" width=\"100%\" cellspacing=\"0\" cellpadding=\"3\">%1</table>").arg(rows);
}

QString vatHtml(const EInvoice &invoice)
{
    QString rows;
    for (const EInvoice::VatBreakdown &vat : invoice.vat) {
        const QString label
            = QStringLiteral("Kategorie %1, %2 % auf %3")
                  .arg(EInvoiceRecord::cleaned(vat.category), number(vat.rate), amount(vat.taxableAmount));
        rows += row(label.toHtmlEscaped(), amount(vat.taxAmount) + QLatin1Char(' ') + vat.exemptionReason);
    }
    return rows.isEmpty() ? QString() : heading(QStringLiteral("Umsatzsteuer")) + table(rows);
}

QString totalsHtml(const EInvoice &invoice)
{
    const EInvoice::Totals &totals = invoice.totals;
    return heading(QStringLiteral("Summen"))
        + table(row(QStringLiteral("Summe der Positionen"), amount(totals.lineNet))
                + row(QStringLiteral("Nachlässe"), amount(totals.allowances))
                + row(QStringLiteral("Zuschläge"), amount(totals.charges))
                + row(QStringLiteral("Gesamt ohne USt."), amount(totals.withoutVat))
                + row(QStringLiteral("Umsatzsteuer"), amount(totals.vat))
                + row(QStringLiteral("Gesamt mit USt."), amount(totals.withVat))
                + row(QStringLiteral("Bereits gezahlt"), amount(totals.paid))
                + row(QStringLiteral("Rundung"), amount(totals.rounding))
                + row(QStringLiteral("Zahlbetrag"), amount(totals.payable) + QLatin1Char(' ') + invoice.currency));
}

QString paymentHtml(const EInvoice &invoice)
{
    QString rows = row(QStringLiteral("Zahlungsempfänger"), invoice.payeeName)
        + row(QStringLiteral("Verwendungszweck"), invoice.remittance);
    for (const EInvoice::PaymentMeans &means : invoice.payments)
        rows += row(QStringLiteral("Zahlungsart"), means.code) + row(QStringLiteral("IBAN"), ibanText(means.iban))
            + row(QStringLiteral("BIC"), means.bic);
    return rows.isEmpty() ? QString() : heading(QStringLiteral("Zahlung")) + table(rows);
}

QString attachmentsHtml(const EInvoice &invoice)
{
    QString rows;
    for (const EInvoice::Attachment &attachment : invoice.attachments) {
        const QString size = attachment.size >= 0 ? QStringLiteral(" (%1 Bytes)").arg(attachment.size) : QString();
        rows += row(QStringLiteral("Datei"), attachment.name + size + QLatin1Char(' ') + attachment.description);
    }
    return rows.isEmpty() ? QString() : heading(QStringLiteral("Anhänge")) + table(rows);
}

QString page(const QString &body)
{
    return QStringLiteral("<html><head><style>h3 { margin-top: 12px; margin-bottom: 4px; } td.l { color: #555555; "
                          "padding-right: 12px; } table.g th { background-color: #e8e8e8; } table.g td { "
                          "border-bottom: 1px solid #dddddd; }</style></head><body>%1</body></html>")
        .arg(body);
}

} // namespace

QString EInvoicePage::html(const EInvoice &invoice)
{
    // Seller and buyer side by side, as on a paper invoice.
    const QString parties
        = QStringLiteral("<table width=\"100%\" cellspacing=\"0\"><tr><td width=\"50%\" valign=\"top\">%1</td>"
                         "<td width=\"50%\" valign=\"top\">%2</td></tr></table>")
              .arg(partyHtml(QStringLiteral("Verkäufer"), invoice.seller),
                   partyHtml(QStringLiteral("Käufer"), invoice.buyer));
    return page(documentHtml(invoice) + parties + linesHtml(invoice) + vatHtml(invoice) + totalsHtml(invoice)
                + paymentHtml(invoice) + attachmentsHtml(invoice));
}

QString EInvoicePage::html(const EpcTransfer &transfer)
{
    const QString amountText = transfer.amount ? transfer.amount->germanAmount() + QStringLiteral(" EUR") : QString();
    return page(
        heading(QStringLiteral("GiroCode (Überweisung)"))
        + table(row(QStringLiteral("Empfänger"), transfer.name) + row(QStringLiteral("IBAN"), ibanText(transfer.iban))
                + row(QStringLiteral("BIC"), transfer.bic) + row(QStringLiteral("Betrag"), amountText)
                + row(QStringLiteral("Zweck"), transfer.purpose) + row(QStringLiteral("Referenz"), transfer.reference)
                + row(QStringLiteral("Verwendungszweck"), transfer.remittance)
                + row(QStringLiteral("Hinweis"), transfer.information)));
}

QString EInvoicePage::checksHtml(const QStringList &failures)
{
    if (failures.isEmpty())
        return QStringLiteral("<p style=\"color: #006400;\">Alle Prüfungen bestanden: Summen, IBAN und Währung "
                              "stimmen.</p>");
    QString items;
    for (const QString &failure : failures)
        items += QStringLiteral("<li>%1</li>").arg(failure.toHtmlEscaped());
    return QStringLiteral("<p style=\"color: #8b0000;\"><b>Prüfung fehlgeschlagen:</b></p><ul style=\"color: "
                          "#8b0000;\">%1</ul>")
        .arg(items);
}
