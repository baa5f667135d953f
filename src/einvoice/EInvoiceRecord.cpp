#include "einvoice/EInvoiceRecord.h"

#include "payments/Iban.h"
#include "platform/Regional.h"
#include "register/InvoiceLine.h"

#include <QSet>

namespace {

const QString kEllipsis = QStringLiteral("…");
const QString kSeparator = QStringLiteral(", ");

QStringList newRecord()
{
    QStringList fields(InvoiceLine::kFieldCount);
    fields[InvoiceLine::Land] = QStringLiteral("DE");
    fields[InvoiceLine::Status] = InvoiceLine::kStatusOpen;
    return fields;
}

QString dateText(const QDate &date)
{
    return date.isValid() ? Regional::formatDate(date) : QString();
}

QString amountText(const EInvoice &invoice)
{
    if (!invoice.totals.payable)
        return {};
    return (invoice.isCreditNote() ? invoice.totals.payable->negated() : *invoice.totals.payable).germanAmount();
}

QString firstLineName(const EInvoice &invoice)
{
    for (const EInvoice::Line &line : invoice.lines) {
        if (const QString name = EInvoiceRecord::cleaned(line.name); !name.isEmpty())
            return name;
    }
    return {};
}

QStringList lineNames(const EInvoice &invoice)
{
    QStringList names;
    for (const EInvoice::Line &line : invoice.lines)
        names.append(EInvoiceRecord::cleaned(line.name));
    return names;
}

QString emailOf(const EInvoice::Party &seller)
{
    if (!seller.contactEmail.trimmed().isEmpty())
        return seller.contactEmail;
    return seller.endpoint.scheme.trimmed() == u"EM" ? seller.endpoint.id : QString();
}

const EInvoice::PaymentMeans *payeeAccount(const EInvoice &invoice)
{
    for (const EInvoice::PaymentMeans &means : invoice.payments) {
        if (!Iban::compact(EInvoiceRecord::cleaned(means.iban)).isEmpty())
            return &means;
    }
    return nullptr;
}

QString buyerIdentifier(const EInvoice::Party &buyer)
{
    return buyer.ids.isEmpty() ? QString() : buyer.ids.first().id;
}

} // namespace

QString EInvoiceRecord::cleaned(const QString &text)
{
    QString result;
    result.reserve(text.size());
    bool blank = false;
    for (const QChar c : text) {
        if (c.isSpace()) {
            blank = !result.isEmpty();
            continue;
        }
        if (c.category() == QChar::Other_Control)
            continue;
        if (blank)
            result.append(u' ');
        blank = false;
        result.append(c);
    }
    return result;
}

// Names beyond the limit never show, so the search for distinct ones ends there: an invoice of
// thousands of lines is not compared name by name with all before it.
QString EInvoiceRecord::articleList(const QStringList &names)
{
    QStringList distinct;
    QSet<QString> seen;
    qsizetype length = -kSeparator.size();
    for (const QString &name : names) {
        if (length > kMaxArticleLength)
            break;
        if (name.isEmpty() || seen.contains(name))
            continue;
        seen.insert(name);
        distinct.append(name);
        length += kSeparator.size() + name.size();
    }
    const QString all = distinct.join(kSeparator);
    if (all.size() <= kMaxArticleLength)
        return all;
    QString fitting;
    for (const QString &name : distinct) {
        const QString longer = fitting.isEmpty() ? name : fitting + kSeparator + name;
        if (longer.size() + kSeparator.size() + kEllipsis.size() > kMaxArticleLength)
            break;
        fitting = longer;
    }
    if (fitting.isEmpty())
        return distinct.first().left(kMaxArticleLength - 1) + kEllipsis;
    return fitting + kSeparator + kEllipsis;
}

std::pair<QString, QString> EInvoiceRecord::streetAndNumber(const QString &street)
{
    const qsizetype blank = street.lastIndexOf(u' ');
    if (blank <= 0 || blank + 1 >= street.size() || !street[blank + 1].isDigit())
        return {street, QString()};
    return {street.left(blank), street.mid(blank + 1)};
}

QString EInvoiceRecord::groupedIban(const QString &iban)
{
    QString typed;
    for (const QChar c : Iban::compact(iban))
        typed = Iban::grouped(typed + c);
    return typed.trimmed();
}

QStringList EInvoiceRecord::fields(const EInvoice &invoice)
{
    const EInvoice::Party &seller = invoice.seller;
    QStringList fields = newRecord();
    fields[InvoiceLine::Title] = firstLineName(invoice);
    fields[InvoiceLine::ReDatum] = dateText(invoice.issueDate);
    fields[InvoiceLine::Preis] = amountText(invoice);
    if (invoice.issueDate.isValid() && invoice.dueDate.isValid())
        fields[InvoiceLine::Frist] = QString::number(invoice.issueDate.daysTo(invoice.dueDate));
    fields[InvoiceLine::Ende] = dateText(invoice.dueDate);
    fields[InvoiceLine::ReNummer] = cleaned(invoice.number);
    fields[InvoiceLine::Artikel] = articleList(lineNames(invoice));
    fields[InvoiceLine::Name] = cleaned(seller.name);
    fields[InvoiceLine::Email] = cleaned(emailOf(seller));
    fields[InvoiceLine::Plz] = cleaned(seller.address.postCode);
    fields[InvoiceLine::City] = cleaned(seller.address.city);
    const auto [street, number] = streetAndNumber(cleaned(seller.address.street));
    fields[InvoiceLine::Strasse] = street;
    fields[InvoiceLine::HNr] = number;
    fields[InvoiceLine::Land] = cleaned(seller.address.country);
    fields[InvoiceLine::Tel] = cleaned(seller.contactPhone);
    if (const EInvoice::PaymentMeans *means = payeeAccount(invoice)) {
        fields[InvoiceLine::Iban] = groupedIban(cleaned(means->iban));
        fields[InvoiceLine::Bic] = cleaned(means->bic);
    }
    fields[InvoiceLine::KNum] = cleaned(buyerIdentifier(invoice.buyer));
    return fields;
}

QStringList EInvoiceRecord::fields(const EpcTransfer &transfer)
{
    QStringList fields = newRecord();
    fields[InvoiceLine::Name] = cleaned(transfer.name);
    fields[InvoiceLine::Iban] = groupedIban(cleaned(transfer.iban));
    fields[InvoiceLine::Bic] = cleaned(transfer.bic);
    fields[InvoiceLine::Preis] = transfer.amount ? transfer.amount->germanAmount() : QString();
    fields[InvoiceLine::ReNummer] = cleaned(transfer.reference);
    fields[InvoiceLine::Artikel] = cleaned(transfer.remittance);
    return fields;
}
