#include "GeneratedCii.h"

namespace {

QByteArray cents(qint64 amount)
{
    return QByteArray::number(amount / 100) + '.' + QByteArray::number(amount % 100).rightJustified(2, '0');
}

QByteArray lineItem(int index, qint64 price, int quantity)
{
    const QByteArray id = QByteArray::number(index + 1);
    return "    <ram:IncludedSupplyChainTradeLineItem>\n"
           "      <ram:AssociatedDocumentLineDocument><ram:LineID>"
        + id
        + "</ram:LineID></ram:AssociatedDocumentLineDocument>\n"
          "      <ram:SpecifiedTradeProduct><ram:Name>Artikel "
        + id + "</ram:Name><ram:Description>Packung zu " + QByteArray::number(index % 12 + 1)
        + " St\xC3\xBC"
          "ck</ram:Description></ram:SpecifiedTradeProduct>\n"
          "      <ram:SpecifiedLineTradeAgreement>\n"
          "        <ram:NetPriceProductTradePrice><ram:ChargeAmount>"
        + cents(price)
        + "</ram:ChargeAmount></ram:NetPriceProductTradePrice>\n"
          "      </ram:SpecifiedLineTradeAgreement>\n"
          "      <ram:SpecifiedLineTradeDelivery><ram:BilledQuantity unitCode=\"H87\">"
        + QByteArray::number(quantity)
        + "</ram:BilledQuantity></ram:SpecifiedLineTradeDelivery>\n"
          "      <ram:SpecifiedLineTradeSettlement>\n"
          "        <ram:ApplicableTradeTax><ram:TypeCode>VAT</ram:TypeCode><ram:CategoryCode>S</ram:CategoryCode>"
          "<ram:RateApplicablePercent>19</ram:RateApplicablePercent></ram:ApplicableTradeTax>\n"
          "        <ram:SpecifiedTradeSettlementLineMonetarySummation><ram:LineTotalAmount>"
        + cents(price * quantity)
        + "</ram:LineTotalAmount></ram:SpecifiedTradeSettlementLineMonetarySummation>\n"
          "      </ram:SpecifiedLineTradeSettlement>\n"
          "    </ram:IncludedSupplyChainTradeLineItem>\n";
}

QByteArray agreement()
{
    return "    <ram:ApplicableHeaderTradeAgreement>\n"
           "      <ram:BuyerReference>04011000-12345-34</ram:BuyerReference>\n"
           "      <ram:SellerTradeParty>\n"
           "        <ram:Name>Gro\xC3\x9Fhandel Nord GmbH</ram:Name>\n"
           "        <ram:DefinedTradeContact><ram:PersonName>Frau Lange</ram:PersonName>"
           "<ram:EmailURIUniversalCommunication><ram:URIID>rechnung@grosshandel.example</ram:URIID>"
           "</ram:EmailURIUniversalCommunication></ram:DefinedTradeContact>\n"
           "        <ram:PostalTradeAddress><ram:PostcodeCode>20095</ram:PostcodeCode><ram:LineOne>Speicherstra\xC3\x9F"
           "e 12"
           "</ram:LineOne><ram:CityName>Hamburg</ram:CityName><ram:CountryID>DE</ram:CountryID></"
           "ram:PostalTradeAddress>\n"
           "        <ram:SpecifiedTaxRegistration><ram:ID "
           "schemeID=\"VA\">DE123456789</ram:ID></ram:SpecifiedTaxRegistration>\n"
           "      </ram:SellerTradeParty>\n"
           "      <ram:BuyerTradeParty><ram:Name>Kantine S\xC3\xBC"
           "d</ram:Name></ram:BuyerTradeParty>\n"
           "    </ram:ApplicableHeaderTradeAgreement>\n"
           "    <ram:ApplicableHeaderTradeDelivery/>\n";
}

QByteArray settlement(qint64 net)
{
    const qint64 vat = (net * 19 + 50) / 100;
    return "    <ram:ApplicableHeaderTradeSettlement>\n"
           "      <ram:PaymentReference>RE-2024-5000</ram:PaymentReference>\n"
           "      <ram:InvoiceCurrencyCode>EUR</ram:InvoiceCurrencyCode>\n"
           "      <ram:SpecifiedTradeSettlementPaymentMeans><ram:TypeCode>58</ram:TypeCode>"
           "<ram:PayeePartyCreditorFinancialAccount><ram:IBANID>DE02120300000000202051</ram:IBANID>"
           "</ram:PayeePartyCreditorFinancialAccount></ram:SpecifiedTradeSettlementPaymentMeans>\n"
           "      <ram:ApplicableTradeTax><ram:CalculatedAmount>"
        + cents(vat)
        + "</ram:CalculatedAmount>"
          "<ram:TypeCode>VAT</ram:TypeCode><ram:BasisAmount>"
        + cents(net)
        + "</ram:BasisAmount>"
          "<ram:CategoryCode>S</ram:CategoryCode><ram:RateApplicablePercent>19</ram:RateApplicablePercent></"
          "ram:ApplicableTradeTax>\n"
          "      <ram:SpecifiedTradePaymentTerms><ram:Description>Zahlbar binnen 30 Tagen</ram:Description>"
          "<ram:DueDateDateTime><udt:DateTimeString format=\"102\">20240415</udt:DateTimeString></ram:DueDateDateTime>"
          "</ram:SpecifiedTradePaymentTerms>\n"
          "      <ram:SpecifiedTradeSettlementHeaderMonetarySummation>\n"
          "        <ram:LineTotalAmount>"
        + cents(net)
        + "</ram:LineTotalAmount>\n"
          "        <ram:TaxBasisTotalAmount>"
        + cents(net)
        + "</ram:TaxBasisTotalAmount>\n"
          "        <ram:TaxTotalAmount currencyID=\"EUR\">"
        + cents(vat)
        + "</ram:TaxTotalAmount>\n"
          "        <ram:GrandTotalAmount>"
        + cents(net + vat)
        + "</ram:GrandTotalAmount>\n"
          "        <ram:DuePayableAmount>"
        + cents(net + vat)
        + "</ram:DuePayableAmount>\n"
          "      </ram:SpecifiedTradeSettlementHeaderMonetarySummation>\n"
          "    </ram:ApplicableHeaderTradeSettlement>\n";
}

} // namespace

QByteArray generatedCiiInvoice(int lines)
{
    QByteArray xml
        = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
          "<rsm:CrossIndustryInvoice xmlns:rsm=\"urn:un:unece:uncefact:data:standard:CrossIndustryInvoice:100\"\n"
          "    xmlns:ram=\"urn:un:unece:uncefact:data:standard:ReusableAggregateBusinessInformationEntity:100\"\n"
          "    xmlns:udt=\"urn:un:unece:uncefact:data:standard:UnqualifiedDataType:100\">\n"
          "  <rsm:ExchangedDocumentContext><ram:GuidelineSpecifiedDocumentContextParameter>"
          "<ram:ID>urn:cen.eu:en16931:2017#compliant#urn:xeinkauf.de:kosit:xrechnung_3.0</ram:ID>"
          "</ram:GuidelineSpecifiedDocumentContextParameter></rsm:ExchangedDocumentContext>\n"
          "  <rsm:ExchangedDocument><ram:ID>RE-2024-5000</ram:ID><ram:TypeCode>380</ram:TypeCode>"
          "<ram:IssueDateTime><udt:DateTimeString format=\"102\">20240315</udt:DateTimeString></ram:IssueDateTime>"
          "</rsm:ExchangedDocument>\n"
          "  <rsm:SupplyChainTradeTransaction>\n";
    xml.reserve(qsizetype(lines) * 1100 + 4000);
    qint64 net = 0;
    for (int i = 0; i < lines; ++i) {
        const qint64 price = 100 + qint64(i) * 7919 % 40000;
        const int quantity = i % 9 + 1;
        xml += lineItem(i, price, quantity);
        net += price * quantity;
    }
    xml += agreement() + settlement(net) + "  </rsm:SupplyChainTradeTransaction>\n</rsm:CrossIndustryInvoice>\n";
    return xml;
}
