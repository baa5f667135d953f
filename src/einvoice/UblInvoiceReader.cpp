#include "einvoice/UblInvoiceReader.h"

#include "einvoice/XmlValues.h"

UblInvoiceReader::UblInvoiceReader(const XmlTree &tree)
    : m_tree(tree)
    , m_cbc(tree.namespaceIndex(u"urn:oasis:names:specification:ubl:schema:xsd:CommonBasicComponents-2"))
    , m_cac(tree.namespaceIndex(u"urn:oasis:names:specification:ubl:schema:xsd:CommonAggregateComponents-2"))
{
}

QString UblInvoiceReader::text(const Element *parent, QStringView name) const
{
    return parent ? parent->textOf(m_cbc, name) : QString();
}

const XmlTree::Element *UblInvoiceReader::aggregate(const Element *parent, QStringView name) const
{
    return parent ? parent->child(m_cac, name) : nullptr;
}

std::optional<Decimal> UblInvoiceReader::amount(const Element *parent, QStringView name) const
{
    return XmlValues::decimal(text(parent, name));
}

EInvoice UblInvoiceReader::read() const
{
    const Element &root = m_tree.root();
    const bool creditNote = root.name == u"CreditNote";
    EInvoice invoice;
    invoice.syntax = EInvoice::Syntax::Ubl;
    invoice.creditNoteRoot = creditNote;
    invoice.number = text(&root, u"ID");
    invoice.issueDate = XmlValues::isoDate(text(&root, u"IssueDate"));
    invoice.typeCode = text(&root, creditNote ? u"CreditNoteTypeCode" : u"InvoiceTypeCode");
    invoice.currency = text(&root, u"DocumentCurrencyCode");
    invoice.buyerReference = text(&root, u"BuyerReference");
    for (const Element *note : root.all(m_cbc, u"Note"))
        invoice.notes.append(note->text);
    for (const Element *terms : root.all(m_cac, u"PaymentTerms"))
        invoice.paymentTerms.append(text(terms, u"Note"));
    invoice.dueDate = XmlValues::isoDate(text(&root, u"DueDate"));
    invoice.seller = party(aggregate(&root, u"AccountingSupplierParty"));
    invoice.buyer = party(aggregate(&root, u"AccountingCustomerParty"));
    invoice.payeeName = text(aggregate(aggregate(&root, u"PayeeParty"), u"PartyName"), u"Name");
    for (const Element *line : root.all(m_cac, creditNote ? u"CreditNoteLine" : u"InvoiceLine"))
        invoice.lines.append(this->line(*line, creditNote));
    readVat(root, invoice);
    readTotals(root, invoice);
    readPayment(root, invoice);
    readAttachments(root, invoice);
    return invoice;
}

EInvoice::Party UblInvoiceReader::party(const Element *role) const
{
    const Element *party = aggregate(role, u"Party");
    EInvoice::Party result;
    if (!party)
        return result;
    result.name = text(aggregate(party, u"PartyLegalEntity"), u"RegistrationName");
    result.tradingName = text(aggregate(party, u"PartyName"), u"Name");
    if (result.name.isEmpty())
        result.name = result.tradingName;
    for (const Element *identification : party->all(m_cac, u"PartyIdentification")) {
        if (const Element *id = identification->child(m_cbc, u"ID"))
            result.ids.append({id->text, id->attribute(u"schemeID")});
    }
    std::stable_sort(result.ids.begin(), result.ids.end(),
                     [](const auto &a, const auto &b) { return a.scheme.isEmpty() && !b.scheme.isEmpty(); });
    for (const Element *scheme : party->all(m_cac, u"PartyTaxScheme")) {
        const bool vat = text(aggregate(scheme, u"TaxScheme"), u"ID").trimmed() == u"VAT";
        (vat ? result.vatId : result.taxNumber) = text(scheme, u"CompanyID");
    }
    if (const Element *endpoint = party->child(m_cbc, u"EndpointID"))
        result.endpoint = {endpoint->text, endpoint->attribute(u"schemeID")};
    result.address = address(aggregate(party, u"PostalAddress"));
    const Element *contact = aggregate(party, u"Contact");
    result.contactName = text(contact, u"Name");
    result.contactPhone = text(contact, u"Telephone");
    result.contactEmail = text(contact, u"ElectronicMail");
    return result;
}

EInvoice::Address UblInvoiceReader::address(const Element *postal) const
{
    return {text(postal, u"StreetName"),       text(postal, u"AdditionalStreetName"),
            text(postal, u"CityName"),         text(postal, u"PostalZone"),
            text(postal, u"CountrySubentity"), text(aggregate(postal, u"Country"), u"IdentificationCode")};
}

EInvoice::Line UblInvoiceReader::line(const Element &element, bool creditNote) const
{
    EInvoice::Line line;
    line.id = text(&element, u"ID");
    if (const Element *quantity = element.child(m_cbc, creditNote ? u"CreditedQuantity" : u"InvoicedQuantity")) {
        line.quantity = XmlValues::decimal(quantity->text);
        line.unit = quantity->attribute(u"unitCode");
    }
    line.netAmount = amount(&element, u"LineExtensionAmount");
    line.netPrice = amount(aggregate(&element, u"Price"), u"PriceAmount");
    const Element *item = aggregate(&element, u"Item");
    const Element *category = aggregate(item, u"ClassifiedTaxCategory");
    line.vatCategory = text(category, u"ID");
    line.vatRate = amount(category, u"Percent");
    line.name = text(item, u"Name");
    line.description = text(item, u"Description");
    return line;
}

// The tax total that has subtotals is in the document currency; a second one may give the VAT in
// the tax currency.
void UblInvoiceReader::readVat(const Element &root, EInvoice &invoice) const
{
    for (const Element *total : root.all(m_cac, u"TaxTotal")) {
        const Element *amount = total->child(m_cbc, u"TaxAmount");
        if (amount
            && (invoice.currency.isEmpty() || amount->attribute(u"currencyID") == invoice.currency
                || amount->attribute(u"currencyID").isEmpty())
            && !invoice.totals.vat)
            invoice.totals.vat = XmlValues::decimal(amount->text);
        for (const Element *subtotal : total->all(m_cac, u"TaxSubtotal")) {
            const Element *category = aggregate(subtotal, u"TaxCategory");
            invoice.vat.append({this->amount(subtotal, u"TaxableAmount"), this->amount(subtotal, u"TaxAmount"),
                                text(category, u"ID"), this->amount(category, u"Percent"),
                                text(category, u"TaxExemptionReason")});
        }
    }
}

void UblInvoiceReader::readTotals(const Element &root, EInvoice &invoice) const
{
    const Element *sums = aggregate(&root, u"LegalMonetaryTotal");
    EInvoice::Totals &totals = invoice.totals;
    totals.lineNet = amount(sums, u"LineExtensionAmount");
    totals.allowances = amount(sums, u"AllowanceTotalAmount");
    totals.charges = amount(sums, u"ChargeTotalAmount");
    totals.withoutVat = amount(sums, u"TaxExclusiveAmount");
    totals.withVat = amount(sums, u"TaxInclusiveAmount");
    totals.paid = amount(sums, u"PrepaidAmount");
    totals.rounding = amount(sums, u"PayableRoundingAmount");
    totals.payable = amount(sums, u"PayableAmount");
}

// A credit note states its due date with the payment means.
void UblInvoiceReader::readPayment(const Element &root, EInvoice &invoice) const
{
    for (const Element *means : root.all(m_cac, u"PaymentMeans")) {
        const Element *account = aggregate(means, u"PayeeFinancialAccount");
        invoice.payments.append({text(means, u"PaymentMeansCode"), text(account, u"ID"),
                                 text(aggregate(account, u"FinancialInstitutionBranch"), u"ID")});
        if (invoice.remittance.isEmpty())
            invoice.remittance = text(means, u"PaymentID");
        if (!invoice.dueDate.isValid())
            invoice.dueDate = XmlValues::isoDate(text(means, u"PaymentDueDate"));
    }
}

void UblInvoiceReader::readAttachments(const Element &root, EInvoice &invoice) const
{
    for (const Element *reference : root.all(m_cac, u"AdditionalDocumentReference")) {
        const Element *attachment = aggregate(reference, u"Attachment");
        const Element *embedded = attachment ? attachment->child(m_cbc, u"EmbeddedDocumentBinaryObject") : nullptr;
        if (!attachment)
            continue;
        EInvoice::Attachment result;
        result.name = embedded ? embedded->attribute(u"filename") : QString();
        if (result.name.isEmpty())
            result.name = text(reference, u"ID");
        result.description = text(reference, u"DocumentDescription");
        result.size = embedded ? XmlValues::base64Size(embedded->text) : -1;
        invoice.attachments.append(result);
    }
}
