#include "einvoice/CiiInvoiceReader.h"

#include "einvoice/XmlValues.h"

namespace {

const CiiInvoiceReader::Names kD16B{
    u"urn:un:unece:uncefact:data:standard:ReusableAggregateBusinessInformationEntity:100",
    u"urn:un:unece:uncefact:data:standard:UnqualifiedDataType:100",
    u"ExchangedDocument",
    u"SupplyChainTradeTransaction",
    u"ApplicableHeaderTradeAgreement",
    u"ApplicableHeaderTradeSettlement",
    u"SpecifiedTradeSettlementHeaderMonetarySummation",
    u"SpecifiedLineTradeAgreement",
    u"SpecifiedLineTradeDelivery",
    u"SpecifiedLineTradeSettlement",
    u"RateApplicablePercent",
};

const CiiInvoiceReader::Names kZugferd1{
    u"urn:un:unece:uncefact:data:standard:ReusableAggregateBusinessInformationEntity:12",
    u"urn:un:unece:uncefact:data:standard:UnqualifiedDataType:15",
    u"HeaderExchangedDocument",
    u"SpecifiedSupplyChainTradeTransaction",
    u"ApplicableSupplyChainTradeAgreement",
    u"ApplicableSupplyChainTradeSettlement",
    u"SpecifiedTradeSettlementMonetarySummation",
    u"SpecifiedSupplyChainTradeAgreement",
    u"SpecifiedSupplyChainTradeDelivery",
    u"SpecifiedSupplyChainTradeSettlement",
    u"ApplicablePercent",
};

bool isZugferd1(const XmlTree &tree)
{
    return tree.root().name == u"CrossIndustryDocument";
}

} // namespace

CiiInvoiceReader::CiiInvoiceReader(const XmlTree &tree)
    : m_tree(tree)
    , m_names(isZugferd1(tree) ? kZugferd1 : kD16B)
    , m_ram(tree.namespaceIndex(m_names.ram))
    , m_udt(tree.namespaceIndex(m_names.udt))
    , m_rsm(tree.root().ns)
{
}

QString CiiInvoiceReader::text(const Element *parent, QStringView name) const
{
    return parent ? parent->textOf(m_ram, name) : QString();
}

const XmlTree::Element *CiiInvoiceReader::branch(const Element *parent, QStringView name) const
{
    return parent ? parent->child(m_ram, name) : nullptr;
}

std::optional<Decimal> CiiInvoiceReader::amount(const Element *parent, QStringView name) const
{
    return XmlValues::decimal(text(parent, name));
}

QDate CiiInvoiceReader::date(const Element *parent, QStringView name) const
{
    const Element *dateTime = branch(parent, name);
    return dateTime ? XmlValues::compactDate(dateTime->textOf(m_udt, u"DateTimeString")) : QDate();
}

EInvoice CiiInvoiceReader::read() const
{
    const Element &root = m_tree.root();
    EInvoice invoice;
    invoice.syntax = isZugferd1(m_tree) ? EInvoice::Syntax::Zugferd1 : EInvoice::Syntax::Cii;
    const Element *document = root.child(m_rsm, m_names.document);
    invoice.number = text(document, u"ID");
    invoice.typeCode = text(document, u"TypeCode");
    invoice.issueDate = date(document, u"IssueDateTime");
    if (document) {
        for (const Element *note : document->all(m_ram, u"IncludedNote"))
            invoice.notes.append(text(note, u"Content"));
    }
    const Element *transaction = root.child(m_rsm, m_names.transaction);
    const Element *agreement = branch(transaction, m_names.agreement);
    invoice.buyerReference = text(agreement, u"BuyerReference");
    invoice.seller = party(branch(agreement, u"SellerTradeParty"));
    invoice.buyer = party(branch(agreement, u"BuyerTradeParty"));
    readAttachments(agreement, invoice);
    if (transaction) {
        for (const Element *item : transaction->all(m_ram, u"IncludedSupplyChainTradeLineItem"))
            invoice.lines.append(line(*item));
    }
    readSettlement(branch(transaction, m_names.settlement), invoice);
    return invoice;
}

EInvoice::Party CiiInvoiceReader::party(const Element *party) const
{
    EInvoice::Party result;
    if (!party)
        return result;
    result.name = text(party, u"Name");
    result.tradingName = text(branch(party, u"SpecifiedLegalOrganization"), u"TradingBusinessName");
    for (const Element *id : party->all(m_ram, u"ID"))
        result.ids.append({id->text, id->attribute(u"schemeID")});
    for (const Element *id : party->all(m_ram, u"GlobalID"))
        result.ids.append({id->text, id->attribute(u"schemeID")});
    for (const Element *registration : party->all(m_ram, u"SpecifiedTaxRegistration")) {
        const Element *id = branch(registration, u"ID");
        if (!id)
            continue;
        (id->attribute(u"schemeID").trimmed() == u"VA" ? result.vatId : result.taxNumber) = id->text;
    }
    if (const Element *uri = branch(branch(party, u"URIUniversalCommunication"), u"URIID"))
        result.endpoint = {uri->text, uri->attribute(u"schemeID")};
    const Element *address = branch(party, u"PostalTradeAddress");
    result.address = {text(address, u"LineOne"),
                      text(address, u"LineTwo"),
                      text(address, u"CityName"),
                      text(address, u"PostcodeCode"),
                      text(address, u"CountrySubDivisionName"),
                      text(address, u"CountryID")};
    const Element *contact = branch(party, u"DefinedTradeContact");
    result.contactName = text(contact, u"PersonName");
    result.contactPhone = text(branch(contact, u"TelephoneUniversalCommunication"), u"CompleteNumber");
    result.contactEmail = text(branch(contact, u"EmailURIUniversalCommunication"), u"URIID");
    return result;
}

EInvoice::Line CiiInvoiceReader::line(const Element &item) const
{
    EInvoice::Line line;
    line.id = text(branch(&item, u"AssociatedDocumentLineDocument"), u"LineID");
    const Element *product = branch(&item, u"SpecifiedTradeProduct");
    line.name = text(product, u"Name");
    line.description = text(product, u"Description");
    line.netPrice = amount(branch(branch(&item, m_names.lineAgreement), u"NetPriceProductTradePrice"), u"ChargeAmount");
    if (const Element *quantity = branch(branch(&item, m_names.lineDelivery), u"BilledQuantity")) {
        line.quantity = XmlValues::decimal(quantity->text);
        line.unit = quantity->attribute(u"unitCode");
    }
    const Element *settlement = branch(&item, m_names.lineSettlement);
    const Element *tax = branch(settlement, u"ApplicableTradeTax");
    line.vatCategory = text(tax, u"CategoryCode");
    line.vatRate = amount(tax, m_names.rate);
    line.netAmount = amount(branch(settlement, u"SpecifiedTradeSettlementLineMonetarySummation"), u"LineTotalAmount");
    if (!line.netAmount) // the older version names the line's sum like the document's
        line.netAmount = amount(branch(settlement, u"SpecifiedTradeSettlementMonetarySummation"), u"LineTotalAmount");
    return line;
}

void CiiInvoiceReader::readSettlement(const Element *settlement, EInvoice &invoice) const
{
    if (!settlement)
        return;
    invoice.remittance = text(settlement, u"PaymentReference");
    invoice.currency = text(settlement, u"InvoiceCurrencyCode");
    invoice.payeeName = text(branch(settlement, u"PayeeTradeParty"), u"Name");
    for (const Element *means : settlement->all(m_ram, u"SpecifiedTradeSettlementPaymentMeans")) {
        const Element *account = branch(means, u"PayeePartyCreditorFinancialAccount");
        QString iban = text(account, u"IBANID");
        if (iban.isEmpty())
            iban = text(account, u"ProprietaryID");
        invoice.payments.append({text(means, u"TypeCode"), iban,
                                 text(branch(means, u"PayeeSpecifiedCreditorFinancialInstitution"), u"BICID")});
    }
    for (const Element *tax : settlement->all(m_ram, u"ApplicableTradeTax"))
        invoice.vat.append({amount(tax, u"BasisAmount"), amount(tax, u"CalculatedAmount"), text(tax, u"CategoryCode"),
                            amount(tax, m_names.rate), text(tax, u"ExemptionReason")});
    for (const Element *terms : settlement->all(m_ram, u"SpecifiedTradePaymentTerms")) {
        if (const QString description = text(terms, u"Description"); !description.isEmpty())
            invoice.paymentTerms.append(description);
        if (!invoice.dueDate.isValid())
            invoice.dueDate = date(terms, u"DueDateDateTime");
    }
    readTotals(branch(settlement, m_names.summation), invoice);
}

// A second VAT total may state the VAT in the tax currency; the one in the invoice currency counts.
void CiiInvoiceReader::readTotals(const Element *summation, EInvoice &invoice) const
{
    EInvoice::Totals &totals = invoice.totals;
    totals.lineNet = amount(summation, u"LineTotalAmount");
    totals.charges = amount(summation, u"ChargeTotalAmount");
    totals.allowances = amount(summation, u"AllowanceTotalAmount");
    totals.withoutVat = amount(summation, u"TaxBasisTotalAmount");
    totals.rounding = amount(summation, u"RoundingAmount");
    totals.withVat = amount(summation, u"GrandTotalAmount");
    totals.paid = amount(summation, u"TotalPrepaidAmount");
    totals.payable = amount(summation, u"DuePayableAmount");
    if (!summation)
        return;
    for (const Element *vat : summation->all(m_ram, u"TaxTotalAmount")) {
        const QString currency = vat->attribute(u"currencyID");
        if (currency.isEmpty() || currency == invoice.currency) {
            totals.vat = XmlValues::decimal(vat->text);
            return;
        }
    }
}

void CiiInvoiceReader::readAttachments(const Element *agreement, EInvoice &invoice) const
{
    if (!agreement)
        return;
    for (const Element *reference : agreement->all(m_ram, u"AdditionalReferencedDocument")) {
        const Element *object = branch(reference, u"AttachmentBinaryObject");
        if (!object && text(reference, u"TypeCode").trimmed() != u"916")
            continue;
        EInvoice::Attachment attachment;
        attachment.name = object ? object->attribute(u"filename") : QString();
        if (attachment.name.isEmpty())
            attachment.name = text(reference, u"IssuerAssignedID");
        attachment.description = text(reference, u"Name");
        attachment.size = object ? XmlValues::base64Size(object->text) : -1;
        invoice.attachments.append(attachment);
    }
}
