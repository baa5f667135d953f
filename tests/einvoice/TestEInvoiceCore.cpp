#include "einvoice/DocumentScanner.h"
#include "einvoice/EInvoiceChecks.h"
#include "einvoice/EInvoicePage.h"
#include "einvoice/EInvoiceReader.h"
#include "einvoice/EInvoiceRecord.h"
#include "einvoice/EpcTransferReader.h"
#include "einvoice/IncomingDocument.h"
#include "register/InvoiceLine.h"

#include <QFile>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QByteArray fixture(const char *name)
{
    QFile file(QStringLiteral(ZETTMAR_EINVOICE_FIXTURES "/") + QLatin1String(name));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("fixture %s missing", name);
    return file.readAll();
}

// The fixture with one text replaced; the replaced text must be there.
QByteArray changed(const char *name, const QByteArray &from, const QByteArray &to)
{
    QByteArray xml = fixture(name);
    if (!xml.contains(from))
        qFatal("%s not in fixture %s", from.constData(), name);
    return xml.replace(from, to);
}

EInvoice invoiceOf(const QByteArray &xml)
{
    std::variant<EInvoice, QString> read = EInvoiceReader::read(xml);
    if (const QString *reason = std::get_if<QString>(&read))
        qFatal("refused: %s", qPrintable(*reason));
    return std::get<EInvoice>(read);
}

QString refusalOf(const QByteArray &xml)
{
    std::variant<EInvoice, QString> read = EInvoiceReader::read(xml);
    return std::holds_alternative<QString>(read) ? std::get<QString>(read) : QString();
}

// Answers from a script: embedded files and QR codes as if poppler and zbar had found them.
class ScriptedScanner final : public DocumentScanner {
public:
    std::optional<QList<EmbeddedFile>> files = QList<EmbeddedFile>();
    QList<QByteArray> pageCodes;
    QList<QByteArray> pictureCodes;
    mutable int pagesAsked = 0;

    std::optional<QList<EmbeddedFile>> embeddedFiles(const QByteArray &) const override { return files; }
    QList<QByteArray> codesOnPages(const QByteArray &, int pages) const override
    {
        pagesAsked = pages;
        return pageCodes;
    }
    QList<QByteArray> codesInPicture(const QByteArray &) const override { return pictureCodes; }
};

const QByteArray kGiroCode = "BCD\n002\n1\nSCT\n\nStadtwerke Musterstadt\nDE02120300000000202051\nEUR12.3\n\n\nAbschlag Mai";

} // namespace

class TestEInvoiceCore : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void mapsEveryField_data();
    void mapsEveryField();
    void amounts_data();
    void amounts();
    void houseNumbers_data();
    void houseNumbers();
    void articleLists_data();
    void articleLists();
    void missingOptionalTerms();
    void readsTermsForTheView();
    void refusals_data();
    void refusals();
    void readsByNamespaceNotPrefix();
    void checks_data();
    void checks();
    void pageEscapesEveryValue();
    void giroCodes_data();
    void giroCodes();
    void giroCodeFields();
    void refusedGiroCodes_data();
    void refusedGiroCodes();
    void incomingDocuments();
};

void TestEInvoiceCore::mapsEveryField_data()
{
    QTest::addColumn<QByteArray>("xml");
    QTest::addColumn<QStringList>("fields");
    QTest::newRow("UBL invoice") << fixture("ubl-invoice.xml")
                                 << QStringList{u"Strom Grundpreis"_s, u"15.03.2024"_s, u"336,90"_s, u"30"_s, u"14.04.2024"_s,
                                                u"RE-2024-0815"_s, u"Strom Grundpreis, Strom Arbeitspreis, Zählermiete"_s,
                                                u"Stadtwerke Musterstadt GmbH"_s, u"rechnung@stadtwerke.example"_s, u""_s,
                                                u"12345"_s, u"Musterstadt"_s, u"Lindenstraße"_s, u"DE"_s, u"+49 30 1234567"_s, u""_s,
                                                u"DE02 1203 0000 0000 2020 51"_s, u"BYLADEM1001"_s, u"K-4711"_s, u"12a"_s, u"Offen"_s};
    QTest::newRow("UBL credit note") << fixture("ubl-creditnote.xml")
                                     << QStringList{u"Rücksendung Wasserkocher"_s, u"20.03.2024"_s, u"-59,50"_s, u"10"_s,
                                                    u"30.03.2024"_s, u"GS-7"_s, u"Rücksendung Wasserkocher"_s, u"Versand AG"_s,
                                                    u"gutschrift@versand.example"_s, u""_s, u"10623"_s, u"Berlin"_s,
                                                    u"Straße des 17. Juni"_s, u"DE"_s, u""_s, u""_s, u"DE89 3704 0044 0532 0130 00"_s,
                                                    u""_s, u"4000001000005"_s, u"4"_s, u"Offen"_s};
    QTest::newRow("CII") << fixture("cii-invoice.xml")
                         << QStringList{u"Roggenbrot"_s, u"01.03.2024"_s, u"56,18"_s, u"14"_s, u"15.03.2024"_s, u"2024/117"_s,
                                        u"Roggenbrot"_s, u"Bäckerei Korn OHG"_s, u"buchhaltung@korn.example"_s, u""_s, u"50667"_s,
                                        u"Köln"_s, u"Hohe Straße"_s, u"DE"_s, u"0221 998877"_s, u""_s, u"DE75 5121 0800 1245 1261 99"_s,
                                        u"SOGEDEFFXXX"_s, u"KD-0042"_s, u"101"_s, u"Offen"_s};
    QTest::newRow("ZUGFeRD 1.0") << fixture("zugferd1-invoice.xml")
                                 << QStringList{u"Trennblätter A4"_s, u"05.03.2013"_s, u"235,62"_s, u"30"_s, u"04.04.2013"_s, u"471102"_s,
                                                u"Trennblätter A4"_s, u"Lieferant GmbH"_s, u"info@lieferant.example"_s, u""_s,
                                                u"80333"_s, u"München"_s, u"Am Markt"_s, u"DE"_s, u"089 123456"_s, u""_s,
                                                u"DE08 7009 0100 1234 5678 90"_s, u"GENODEF1M04"_s, u"GE2020211"_s, u""_s, u"Offen"_s};
}

void TestEInvoiceCore::mapsEveryField()
{
    QFETCH(QByteArray, xml);
    QFETCH(QStringList, fields);
    const QStringList mapped = EInvoiceRecord::fields(invoiceOf(xml));
    QCOMPARE(mapped.size(), InvoiceLine::kFieldCount);
    for (int i = 0; i < InvoiceLine::kFieldCount; ++i)
        QCOMPARE(mapped[i] + u" ("_s + InvoiceLine::labelOf(InvoiceLine::Field(i)) + u')',
                 fields[i] + u" ("_s + InvoiceLine::labelOf(InvoiceLine::Field(i)) + u')');
}

void TestEInvoiceCore::amounts_data()
{
    QTest::addColumn<QByteArray>("payable");
    QTest::addColumn<QByteArray>("typeCode");
    QTest::addColumn<QString>("field");
    QTest::newRow("one decimal") << QByteArray("336.9") << QByteArray("380") << "336,90";
    QTest::newRow("zero") << QByteArray("0") << QByteArray("380") << "0,00";
    QTest::newRow("no thousands separator") << QByteArray("1234.5") << QByteArray("380") << "1234,50";
    QTest::newRow("half away from zero") << QByteArray("12.345") << QByteArray("380") << "12,35";
    QTest::newRow("negative half away from zero") << QByteArray("-12.345") << QByteArray("380") << "-12,35";
    QTest::newRow("below half") << QByteArray("12.3449999") << QByteArray("380") << "12,34";
    QTest::newRow("beyond a double") << QByteArray("1234567890123456.785") << QByteArray("380") << "1234567890123456,79";
    QTest::newRow("credit note") << QByteArray("59.5") << QByteArray("381") << "-59,50";
    QTest::newRow("negative credit note") << QByteArray("-59.5") << QByteArray("381") << "59,50";
    QTest::newRow("corrected invoice") << QByteArray("59.5") << QByteArray("384") << "59,50";
    QTest::newRow("credit note of zero") << QByteArray("0.00") << QByteArray("381") << "0,00";
}

void TestEInvoiceCore::amounts()
{
    QFETCH(QByteArray, payable);
    QFETCH(QByteArray, typeCode);
    QFETCH(QString, field);
    QByteArray xml = changed("cii-invoice.xml", "<ram:DuePayableAmount>56.18<", "<ram:DuePayableAmount>" + payable + '<');
    xml.replace("<ram:TypeCode>380</ram:TypeCode>", QByteArray("<ram:TypeCode>" + typeCode + "</ram:TypeCode>"));
    QCOMPARE(EInvoiceRecord::fields(invoiceOf(xml))[InvoiceLine::Preis], field);
}

void TestEInvoiceCore::houseNumbers_data()
{
    QTest::addColumn<QString>("street");
    QTest::addColumn<QString>("rest");
    QTest::addColumn<QString>("number");
    QTest::newRow("number with letter") << u"Lindenstraße 12a"_s << u"Lindenstraße"_s << u"12a"_s;
    QTest::newRow("no number") << u"Am Markt"_s << u"Am Markt"_s << u""_s;
    QTest::newRow("digits inside the name") << u"Straße des 17. Juni 4"_s << u"Straße des 17. Juni"_s << u"4"_s;
    QTest::newRow("number range") << u"Hauptstr. 3-5"_s << u"Hauptstr."_s << u"3-5"_s;
    QTest::newRow("number only") << u"12"_s << u"12"_s << u""_s;
    QTest::newRow("name after the digits") << u"Weg 7 Hinterhaus"_s << u"Weg 7 Hinterhaus"_s << u""_s;
}

void TestEInvoiceCore::houseNumbers()
{
    QFETCH(QString, street);
    QFETCH(QString, rest);
    QFETCH(QString, number);
    QByteArray xml = changed("cii-invoice.xml", "<ram:LineOne>Hohe Straße 101</ram:LineOne>",
                             QByteArray("<ram:LineOne>\n  " + street.toUtf8() + "  </ram:LineOne>"));
    const QStringList fields = EInvoiceRecord::fields(invoiceOf(xml));
    QCOMPARE(fields[InvoiceLine::Strasse], rest);
    QCOMPARE(fields[InvoiceLine::HNr], number);
}

void TestEInvoiceCore::articleLists_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QString>("field");
    const QString forty = QString(39, u'a');
    const QString a = u'A' + forty, b = u'B' + forty, c = u'C' + forty, d = u'D' + forty, e = u'E' + forty;
    QTest::newRow("distinct in order") << QStringList{u"Brot"_s, u"Milch"_s, u"Brot"_s, u""_s, u"Käse"_s} << u"Brot, Milch, Käse"_s;
    QTest::newRow("exactly 200") << QStringList{a, b, c, d, QString(32, u'x')}
                                 << a + u", "_s + b + u", "_s + c + u", "_s + d + u", "_s + QString(32, u'x');
    QTest::newRow("exactly 200, then repeated and empty names") << QStringList{a, b, c, d, QString(32, u'x'), a, u""_s, d}
                                                                 << a + u", "_s + b + u", "_s + c + u", "_s + d + u", "_s
                                                                        + QString(32, u'x');
    // Four names and ", …" take 4 * 40 + 3 * 2 + 3 = 169 characters; the fifth would pass 200.
    QTest::newRow("cut at whole names") << QStringList{a, b, c, d, e} << a + u", "_s + b + u", "_s + c + u", "_s + d + u", …"_s;
    QTest::newRow("first name too long") << QStringList{QString(250, u'z'), u"Brot"_s} << QString(199, u'z') + u'…';
    QTest::newRow("first name fits only without the closing") << QStringList{QString(198, u'y'), u"Brot"_s}
                                                               << QString(198, u'y') + u'…';
}

void TestEInvoiceCore::articleLists()
{
    QFETCH(QStringList, names);
    QFETCH(QString, field);
    const QString list = EInvoiceRecord::articleList(names);
    QCOMPARE(list, field);
    QVERIFY(list.size() <= EInvoiceRecord::kMaxArticleLength);
}

// An invoice of the basic profile: no due date, no contact, no payment means, no buyer identifier.
void TestEInvoiceCore::missingOptionalTerms()
{
    const QByteArray xml =
        "<rsm:CrossIndustryInvoice xmlns:rsm=\"urn:un:unece:uncefact:data:standard:CrossIndustryInvoice:100\" "
        "xmlns:ram=\"urn:un:unece:uncefact:data:standard:ReusableAggregateBusinessInformationEntity:100\" "
        "xmlns:udt=\"urn:un:unece:uncefact:data:standard:UnqualifiedDataType:100\">"
        "<rsm:ExchangedDocument><ram:ID>7</ram:ID><ram:TypeCode>380</ram:TypeCode>"
        "<ram:IssueDateTime><udt:DateTimeString format=\"102\">20240105</udt:DateTimeString></ram:IssueDateTime>"
        "</rsm:ExchangedDocument><rsm:SupplyChainTradeTransaction><ram:ApplicableHeaderTradeAgreement>"
        "<ram:SellerTradeParty><ram:Name>Kiosk</ram:Name></ram:SellerTradeParty>"
        "</ram:ApplicableHeaderTradeAgreement><ram:ApplicableHeaderTradeSettlement>"
        "<ram:SpecifiedTradePaymentTerms><ram:Description>Fällig am 31.01.2024</ram:Description>"
        "</ram:SpecifiedTradePaymentTerms>"
        "<ram:InvoiceCurrencyCode>EUR</ram:InvoiceCurrencyCode><ram:SpecifiedTradeSettlementHeaderMonetarySummation>"
        "<ram:DuePayableAmount>9.99</ram:DuePayableAmount></ram:SpecifiedTradeSettlementHeaderMonetarySummation>"
        "</ram:ApplicableHeaderTradeSettlement></rsm:SupplyChainTradeTransaction></rsm:CrossIndustryInvoice>";
    QStringList expected(InvoiceLine::kFieldCount);
    expected[InvoiceLine::ReDatum] = QStringLiteral("05.01.2024");
    expected[InvoiceLine::Preis] = QStringLiteral("9,99");
    expected[InvoiceLine::ReNummer] = QStringLiteral("7");
    expected[InvoiceLine::Name] = QStringLiteral("Kiosk");
    expected[InvoiceLine::Status] = QStringLiteral("Offen");
    // No date is read out of the terms text; the country is the invoice's, here none.
    QCOMPARE(EInvoiceRecord::fields(invoiceOf(xml)), expected);
}

// What the view shows beyond the record: tax numbers, notes, terms, VAT, attachments, lines.
void TestEInvoiceCore::readsTermsForTheView()
{
    const EInvoice ubl = invoiceOf(fixture("ubl-invoice.xml"));
    QCOMPARE(ubl.seller.vatId, QStringLiteral("DE123456789"));
    QCOMPARE(ubl.seller.taxNumber, QStringLiteral("12/345/67890"));
    QCOMPARE(ubl.seller.tradingName, QStringLiteral("Stadtwerke"));
    QCOMPARE(ubl.notes, QStringList{QStringLiteral("Abrechnung Februar")});
    QCOMPARE(ubl.buyerReference, QStringLiteral("04011000-12345-03"));
    QCOMPARE(ubl.remittance, QStringLiteral("RE-2024-0815"));
    QCOMPARE(ubl.lines.size(), 3); // the sub-line of line 2 is no line of its own
    QCOMPARE(ubl.lines[1].quantity->germanNumber(), QStringLiteral("1200"));
    QCOMPARE(ubl.lines[1].unit, QStringLiteral("KWH"));
    QCOMPARE(ubl.lines[1].netPrice->germanNumber(), QStringLiteral("0,25"));
    QCOMPARE(ubl.vat.size(), 1);
    QCOMPARE(ubl.vat[0].taxAmount->germanAmount(), QStringLiteral("78,38"));
    QCOMPARE(ubl.attachments.size(), 1);
    QCOMPARE(ubl.attachments[0].name, QStringLiteral("verbrauch.csv"));
    QCOMPARE(ubl.attachments[0].size, 8);
    const EInvoice cii = invoiceOf(fixture("cii-invoice.xml"));
    QCOMPARE(cii.paymentTerms.size(), 2);
    QCOMPARE(cii.seller.vatId, QStringLiteral("DE987654321"));
    QCOMPARE(cii.lines[1].quantity->germanNumber(), QStringLiteral("2,5"));
    QCOMPARE(cii.lines[0].description, QStringLiteral("1 kg"));
    const EInvoice zugferd = invoiceOf(fixture("zugferd1-invoice.xml"));
    QCOMPARE(zugferd.seller.taxNumber, QStringLiteral("201/113/40209"));
    QCOMPARE(zugferd.lines[0].vatRate->germanNumber(), QStringLiteral("19,00"));
    QCOMPARE(zugferd.lines[0].netAmount->germanAmount(), QStringLiteral("198,00"));
}

void TestEInvoiceCore::refusals_data()
{
    QTest::addColumn<QByteArray>("xml");
    QTest::addColumn<QString>("reason");
    const QString notInvoice = QStringLiteral("Die Datei ist keine E-Rechnung (XRechnung, ZUGFeRD oder Factur-X).");
    QTest::newRow("not XML") << QByteArray("Sehr geehrte Damen und Herren,") << "Die Datei ist kein lesbares XML-Dokument";
    QTest::newRow("empty") << QByteArray() << "Die Datei ist kein lesbares XML-Dokument";
    QTest::newRow("another namespace") << QByteArray("<Invoice xmlns=\"urn:example:invoice\"><ID>1</ID></Invoice>")
                                       << notInvoice;
    QTest::newRow("UBL root in the other UBL namespace")
        << QByteArray("<Invoice xmlns=\"urn:oasis:names:specification:ubl:schema:xsd:CreditNote-2\"/>") << notInvoice;
    QTest::newRow("no namespace") << QByteArray("<CrossIndustryInvoice/>") << notInvoice;
    QTest::newRow("DOCTYPE") << QByteArray("<?xml version=\"1.0\"?><!DOCTYPE r [<!ENTITY a \"aaaaaaaaaa\"><!ENTITY b "
                                           "\"&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;\">]><r>&b;</r>")
                             << u"Die Datei enthält eine Dokumenttyp-Deklaration (DOCTYPE)"_s;
    QTest::newRow("external DOCTYPE") << changed("cii-invoice.xml", "<rsm:CrossIndustryInvoice",
                                                 "<!DOCTYPE x SYSTEM \"file:///etc/passwd\"><rsm:CrossIndustryInvoice")
                                      << u"Die Datei enthält eine Dokumenttyp-Deklaration (DOCTYPE)"_s;
    QTest::newRow("truncated") << fixture("cii-invoice.xml").left(3000) << "Die Datei ist kein lesbares XML-Dokument";
    QByteArray large = fixture("cii-invoice.xml");
    large.insert(large.indexOf("<rsm:ExchangedDocument>"), QByteArray(EInvoiceReader::kMaxBytes, ' '));
    QTest::newRow("over 20 MB") << large << u"Die Datei ist größer als 20 MB"_s;
}

void TestEInvoiceCore::refusals()
{
    QFETCH(QByteArray, xml);
    QFETCH(QString, reason);
    const QString refusal = refusalOf(xml);
    QVERIFY2(refusal.startsWith(reason), qPrintable(refusal));
}

void TestEInvoiceCore::readsByNamespaceNotPrefix()
{
    // Other prefixes than the usual ones, and a default namespace: the same invoice.
    QByteArray xml = fixture("cii-invoice.xml");
    xml.replace("rsm:", "inv:").replace("xmlns:rsm=", "xmlns:inv=").replace("ram:", "").replace("xmlns:ram=", "xmlns=");
    QCOMPARE(EInvoiceRecord::fields(invoiceOf(xml)), EInvoiceRecord::fields(invoiceOf(fixture("cii-invoice.xml"))));
    // The usual prefix bound to another namespace names other elements.
    QByteArray foreign = fixture("cii-invoice.xml");
    foreign.replace("ReusableAggregateBusinessInformationEntity:100", "ReusableAggregateBusinessInformationEntity:999");
    QCOMPARE(invoiceOf(foreign).number, QString());
}

void TestEInvoiceCore::checks_data()
{
    QTest::addColumn<QByteArray>("xml");
    QTest::addColumn<QStringList>("failures");
    QTest::newRow("all pass, UBL") << fixture("ubl-invoice.xml") << QStringList();
    QTest::newRow("all pass, credit note") << fixture("ubl-creditnote.xml") << QStringList();
    QTest::newRow("all pass, CII") << fixture("cii-invoice.xml") << QStringList();
    QTest::newRow("all pass, ZUGFeRD 1.0") << fixture("zugferd1-invoice.xml") << QStringList();
    QTest::newRow("lines") << changed("cii-invoice.xml", "<ram:LineTotalAmount>10.50<", "<ram:LineTotalAmount>10.49<")
                           << QStringList{u"Die Summe der Positionen (52,49) ergibt nicht die Summe der Nettobeträge der "_s
                                          u"Rechnung (52,50)."_s};
    QTest::newRow("VAT") << changed("cii-invoice.xml", "<ram:GrandTotalAmount>56.18<", "<ram:GrandTotalAmount>56.17<")
                         << QStringList{u"Gesamtbetrag ohne Umsatzsteuer (52,50) und Umsatzsteuer (3,68) ergeben nicht "_s
                                        u"den Gesamtbetrag mit Umsatzsteuer (56,17)."_s,
                                        u"Gesamtbetrag mit Umsatzsteuer (56,17) abzüglich gezahlter Beträge (0,00) und "_s
                                        u"zuzüglich Rundung (0,00) ergibt nicht den Zahlbetrag (56,18)."_s};
    QTest::newRow("payable") << changed("ubl-invoice.xml", ">153.98<", ">153.89<")
                             << QStringList{u"Gesamtbetrag mit Umsatzsteuer (490,88) abzüglich gezahlter Beträge (153,89) "_s
                                            u"und zuzüglich Rundung (0,00) ergibt nicht den Zahlbetrag (336,90)."_s};
    QTest::newRow("rounding counts") << changed("ubl-invoice.xml", "<cbc:PayableAmount currencyID=\"EUR\">336.9<",
                                                "<cbc:PayableRoundingAmount currencyID=\"EUR\">0.1</cbc:PayableRoundingAmount>"
                                                "<cbc:PayableAmount currencyID=\"EUR\">337.0<")
                                     << QStringList();
    QTest::newRow("IBAN") << changed("cii-invoice.xml", "DE75512108001245126199", "DE75512108001245126198")
                          << QStringList{u"Die Prüfziffern der IBAN DE75512108001245126198 stimmen nicht."_s};
    QTest::newRow("currency") << changed("cii-invoice.xml", ">EUR</ram:InvoiceCurrencyCode>", ">CHF</ram:InvoiceCurrencyCode>")
                                     .replace("currencyID=\"EUR\"", "currencyID=\"CHF\"")
                              << QStringList{u"Die Rechnung lautet nicht auf Euro (Währung \"CHF\"); ein QR-Code für die "_s
                                             u"Zahlung ist nur in Euro möglich."_s};
}

void TestEInvoiceCore::checks()
{
    QFETCH(QByteArray, xml);
    QFETCH(QStringList, failures);
    QCOMPARE(EInvoiceChecks::failures(invoiceOf(xml)), failures);
}

void TestEInvoiceCore::pageEscapesEveryValue()
{
    const QByteArray xml = changed("cii-invoice.xml", "<ram:Name>Roggenbrot</ram:Name><ram:Description>1 kg",
                                   "<ram:Name>&lt;script&gt;alert(1)&lt;/script&gt;</ram:Name><ram:Description>"
                                   "&lt;img src=&quot;http://example.org/x.png&quot;&gt; &amp; mehr");
    const QString html = EInvoicePage::html(invoiceOf(xml));
    QVERIFY(!html.contains(u"<script"));
    QVERIFY(!html.contains(u"<img"));
    QVERIFY(html.contains(u"&lt;script&gt;alert(1)&lt;/script&gt;"));
    QVERIFY(html.contains(u"&lt;img src=&quot;http://example.org/x.png&quot;&gt; &amp; mehr"));
    QVERIFY(html.contains(u"DE75 5121 0800 1245 1261 99"));
}

void TestEInvoiceCore::giroCodes_data()
{
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<QStringList>("read"); // version, BIC, name, IBAN, amount, purpose, reference, remittance, information
    QTest::newRow("version 001, UTF-8")
        << QByteArray("BCD\n001\n1\nSCT\nBYLADEM1001\nM\xc3\xbcller & S\xc3\xb6hne\nDE02120300000000202051\nEUR12.3\n"
                      "GDDS\nRF18539007547034\n\nDanke")
        << QStringList{u"001"_s, u"BYLADEM1001"_s, u"Müller & Söhne"_s, u"DE02120300000000202051"_s, u"12.3"_s, u"GDDS"_s,
                       u"RF18539007547034"_s, u""_s, u"Danke"_s};
    QTest::newRow("version 002, CR LF, no BIC, no amount")
        << QByteArray("BCD\r\n002\r\n1\r\nSCT\r\n\r\nStadtwerke\r\nDE02120300000000202051\r\n\r\n\r\n\r\nAbschlag Mai\r\n")
        << QStringList{u"002"_s, u""_s, u"Stadtwerke"_s, u"DE02120300000000202051"_s, u""_s, u""_s, u""_s, u"Abschlag Mai"_s, u""_s};
    QTest::newRow("ISO 8859-1") << QByteArray("BCD\n002\n2\nSCT\n\nM\xfcller\nDE02120300000000202051\nEUR1")
                                << QStringList{u"002"_s, u""_s, u"Müller"_s, u"DE02120300000000202051"_s, u"1"_s, u""_s, u""_s, u""_s, u""_s};
    QTest::newRow("ISO 8859-15") << QByteArray("BCD\n002\n8\nSCT\n\nKaffee \xa4 GmbH\nDE02120300000000202051\nEUR0.01")
                                 << QStringList{u"002"_s, u""_s, u"Kaffee € GmbH"_s, u"DE02120300000000202051"_s, u"0.01"_s, u""_s, u""_s, u""_s, u""_s};
    QTest::newRow("ISO 8859-2") << QByteArray("BCD\n002\n3\nSCT\n\n\xa3\xf3" "d\xbc\nDE02120300000000202051")
                                << QStringList{u"002"_s, u""_s, u"Łódź"_s, u"DE02120300000000202051"_s, u""_s, u""_s, u""_s, u""_s, u""_s};
}

void TestEInvoiceCore::giroCodes()
{
    QFETCH(QByteArray, payload);
    QFETCH(QStringList, read);
    std::variant<EpcTransfer, QString> result = EpcTransferReader::read(payload);
    if (const QString *reason = std::get_if<QString>(&result))
        QFAIL(qPrintable(*reason));
    const EpcTransfer &t = std::get<EpcTransfer>(result);
    QCOMPARE((QStringList{t.version, t.bic, t.name, t.iban, t.amount ? t.amount->plain() : QString(), t.purpose,
                          t.reference, t.remittance, t.information}),
             read);
}

void TestEInvoiceCore::giroCodeFields()
{
    const EpcTransfer transfer = std::get<EpcTransfer>(EpcTransferReader::read(kGiroCode));
    QStringList expected(InvoiceLine::kFieldCount);
    expected[InvoiceLine::Preis] = QStringLiteral("12,30");
    expected[InvoiceLine::Artikel] = QStringLiteral("Abschlag Mai");
    expected[InvoiceLine::Name] = QStringLiteral("Stadtwerke Musterstadt");
    expected[InvoiceLine::Land] = QStringLiteral("DE");
    expected[InvoiceLine::Iban] = QStringLiteral("DE02 1203 0000 0000 2020 51");
    expected[InvoiceLine::Status] = QStringLiteral("Offen");
    QCOMPARE(EInvoiceRecord::fields(transfer), expected);
}

void TestEInvoiceCore::refusedGiroCodes_data()
{
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<QString>("reason");
    QTest::newRow("not a GiroCode") << QByteArray("https://example.org/") << "Kennung \"BCD\" und \"SCT\" fehlen.";
    QTest::newRow("version 003") << QByteArray("BCD\n003\n1\nSCT\n\nA\nDE02120300000000202051")
                                 << u"Die Version \"003\" ist unbekannt."_s;
    QTest::newRow("character set 9") << QByteArray("BCD\n002\n9\nSCT\n\nA\nDE02120300000000202051")
                                     << u"Der Zeichensatz \"9\" ist unbekannt."_s;
    QTest::newRow("invalid UTF-8") << QByteArray("BCD\n002\n1\nSCT\n\nM\xfcller\nDE02120300000000202051")
                                   << u"Der Text passt nicht zum angegebenen Zeichensatz."_s;
    QTest::newRow("version 001 without BIC") << QByteArray("BCD\n001\n1\nSCT\n\nA\nDE02120300000000202051")
                                             << u"Die BIC fehlt."_s;
    QTest::newRow("no name") << QByteArray("BCD\n002\n1\nSCT\n\n\nDE02120300000000202051") << "Der Name des Empfängers fehlt.";
    QTest::newRow("IBAN check digits") << QByteArray("BCD\n002\n1\nSCT\n\nA\nDE03120300000000202051")
                                       << u"Die IBAN \"DE03120300000000202051\" ist ungültig."_s;
    QTest::newRow("three decimals") << QByteArray("BCD\n002\n1\nSCT\n\nA\nDE02120300000000202051\nEUR1.234")
                                    << u"Der Betrag \"EUR1.234\" ist kein Euro-Betrag."_s;
    QTest::newRow("another currency") << QByteArray("BCD\n002\n1\nSCT\n\nA\nDE02120300000000202051\nCHF12")
                                      << u"Der Betrag \"CHF12\" ist kein Euro-Betrag."_s;
    QTest::newRow("zero") << QByteArray("BCD\n002\n1\nSCT\n\nA\nDE02120300000000202051\nEUR0")
                          << u"Der Betrag \"EUR0\" ist kein Euro-Betrag."_s;
    QTest::newRow("reference and remittance")
        << QByteArray("BCD\n002\n1\nSCT\n\nA\nDE02120300000000202051\nEUR1\n\nRF18539007547034\nText")
        << u"Er enthält Referenz und Verwendungszweck zugleich."_s;
    QTest::newRow("name too long") << "BCD\n002\n1\nSCT\n\n" + QByteArray(71, 'n') + "\nDE02120300000000202051"
                                   << u"Name ist länger als 70 Zeichen."_s;
    QTest::newRow("thirteen lines") << QByteArray("BCD\n002\n1\nSCT\n\nA\nDE02120300000000202051\n\n\n\n\n\nx")
                                    << u"Er hat mehr als zwölf Zeilen."_s;
    QTest::newRow("over 331 bytes") << kGiroCode + '\n' + QByteArray(300, 'x') << "Er ist länger als 331 Bytes.";
}

void TestEInvoiceCore::refusedGiroCodes()
{
    QFETCH(QByteArray, payload);
    QFETCH(QString, reason);
    std::variant<EpcTransfer, QString> result = EpcTransferReader::read(payload);
    QVERIFY(std::holds_alternative<QString>(result));
    QCOMPARE(std::get<QString>(result), u"Der QR-Code ist kein gültiger GiroCode: "_s + reason);
}

// The order in which a PDF's parts are tried: preferred names first, a refused one falls through,
// then any XML, then the codes on its pages; a picture is searched for codes only.
void TestEInvoiceCore::incomingDocuments()
{
    const QString path = QStringLiteral("/tmp/eingang.pdf");
    ScriptedScanner scanner;
    scanner.files = QList<DocumentScanner::EmbeddedFile>{
        {QStringLiteral("anlage.xml"), fixture("zugferd1-invoice.xml")},
        {QStringLiteral("factur-x.xml"), QByteArray("<kaputt")},
        {QStringLiteral("xrechnung.xml"), fixture("cii-invoice.xml")},
    };
    scanner.pageCodes = {QByteArray("https://example.org"), kGiroCode};
    auto read = IncomingDocument::fromBytes(path, "%PDF-1.7\n", scanner);
    QCOMPARE(std::get<EInvoice>(read).number, QStringLiteral("2024/117"));
    QCOMPARE(scanner.pagesAsked, 0);

    scanner.files->removeLast();
    read = IncomingDocument::fromBytes(path, "%PDF-1.7\n", scanner);
    QCOMPARE(std::get<EInvoice>(read).number, QStringLiteral("471102"));

    scanner.files->removeFirst();
    read = IncomingDocument::fromBytes(path, "%PDF-1.7\n", scanner);
    QCOMPARE(std::get<EpcTransfer>(read).name, QStringLiteral("Stadtwerke Musterstadt"));
    QCOMPARE(scanner.pagesAsked, 3);

    const QString neither = QStringLiteral("Die Datei \"/tmp/eingang.pdf\" enthält keine lesbare E-Rechnung und keinen GiroCode.");
    scanner.pageCodes.removeLast();
    read = IncomingDocument::fromBytes(path, "%PDF-1.7\n", scanner);
    QCOMPARE(std::get<IncomingDocument::Unreadable>(read).reason, neither);

    scanner.pictureCodes = {kGiroCode};
    read = IncomingDocument::fromBytes(path, "\x89PNG\r\n\x1a\n....", scanner);
    QCOMPARE(std::get<EpcTransfer>(read).iban, QStringLiteral("DE02120300000000202051"));

    read = IncomingDocument::fromBytes(path, "<Rechnung/>", scanner);
    QCOMPARE(std::get<IncomingDocument::Unreadable>(read).reason,
             neither + u"\nDie Datei ist keine E-Rechnung (XRechnung, ZUGFeRD oder Factur-X)."_s);
}

QTEST_GUILESS_MAIN(TestEInvoiceCore)
#include "TestEInvoiceCore.moc"
