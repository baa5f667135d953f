#include "payments/EpcAmount.h"
#include "payments/EpcPayload.h"
#include "payments/Iban.h"
#include "platform/WebAddress.h"

#include <QTest>

Q_DECLARE_METATYPE(EpcPayload::Fields)

namespace {

EpcPayload::Fields bakery()
{
    return {QStringLiteral("BYLADEM1001"), u"Bäckerei Müller"_qs, QStringLiteral("DE02120300000000202051"),
            QStringLiteral("49,90"), QStringLiteral("RE 2024 17"), QStringLiteral("K-77")};
}

QByteArray payloadBytes(const EpcPayload::Fields &fields, QStringList lines = EpcPayload::templateLines())
{
    EpcPayload::fill(lines, fields);
    return EpcPayload::text(lines).toUtf8();
}

// Name, invoice number and customer number of ASCII letters that make a payload of exactly this many
// bytes with the other fields of bakery().
EpcPayload::Fields filledTo(int bytes)
{
    EpcPayload::Fields fields = bakery();
    fields.Firma = QString(70, u'F');
    fields.RechNr = QString(140, u'R');
    fields.Zusatz = QString(bytes - 273, u'Z');
    return fields;
}

} // namespace

class TestPaymentData : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void groupsIbanAtTheTriggerLengths_data();
    void groupsIbanAtTheTriggerLengths();
    void checksIban_data();
    void checksIban();
    void convertsAmount_data();
    void convertsAmount();
    void payloadBytesAreExact();
    void payloadDropsLine12OfAnEarlierRecord();
    void refusesWhatTheGuidelinesForbid_data();
    void refusesWhatTheGuidelinesForbid();
    void opensWebSiteWithScheme_data();
    void opensWebSiteWithScheme();
};

void TestPaymentData::groupsIbanAtTheTriggerLengths_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("grouped");
    QTest::newRow("first block") << "DE02" << "DE02 ";
    QTest::newRow("second block") << "DE02 1203" << "DE02 1203 ";
    QTest::newRow("fifth block") << "DE02 1203 0000 0000 2020" << "DE02 1203 0000 0000 2020 ";
    QTest::newRow("between blocks") << "DE02 12" << "DE02 12";
    QTest::newRow("pasted without blanks, 22") << "DE02120300000000202051" << "DE02120300000000202051";
    QTest::newRow("pasted without blanks, 24") << "AT611904300234573201XXXX" << "AT611904300234573201XXXX ";
    QTest::newRow("no block after the fifth") << "DE02 1203 0000 0000 2020 5112" << "DE02 1203 0000 0000 2020 5112";
    QTest::newRow("empty") << "" << "";
}

void TestPaymentData::groupsIbanAtTheTriggerLengths()
{
    QFETCH(QString, text);
    QFETCH(QString, grouped);
    QCOMPARE(Iban::grouped(text), grouped);
}

void TestPaymentData::checksIban_data()
{
    QTest::addColumn<QString>("iban");
    QTest::addColumn<bool>("form");
    QTest::addColumn<bool>("checkDigits");
    QTest::newRow("German") << "DE02120300000000202051" << true << true;
    QTest::newRow("British, letters inside") << "GB82WEST12345698765432" << true << true;
    QTest::newRow("small letters") << "de89370400440532013000" << true << true;
    QTest::newRow("one digit wrong") << "DE89370400440532013001" << true << false;
    QTest::newRow("two digits swapped") << "DE89370400440532010300" << true << false;
    QTest::newRow("digit for country") << "D189370400440532013000" << false << false;
    QTest::newRow("letter for check digit") << "DE8X370400440532013000" << false << false;
    QTest::newRow("nothing after check digits") << "DE89" << false << false;
    QTest::newRow("35 characters") << "DE89" + QString(31, u'1') << false << false;
    QTest::newRow("hyphen") << "DE89-370400440532013000" << false << false;
    QTest::newRow("umlaut") << u"DE89Ä70400440532013000"_qs << false << false;
    QTest::newRow("dotless i, capital I in full case") << u"ıT60X0542811101000000123456"_qs << false << false;
    QTest::newRow("long s, capital S in full case") << u"GB82WEſT12345698765432"_qs << false << false;
    QTest::newRow("sharp s, SS in full case") << u"DE89ß70400440532013000"_qs << false << false;
}

void TestPaymentData::checksIban()
{
    QFETCH(QString, iban);
    QFETCH(bool, form);
    QFETCH(bool, checkDigits);
    QCOMPARE(Iban::hasValidForm(iban), form);
    if (form)
        QCOMPARE(Iban::hasValidCheckDigits(iban), checkDigits);
}

void TestPaymentData::convertsAmount_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("line8"); // empty: refused
    QTest::newRow("two decimals") << "49,90" << "49.90";
    QTest::newRow("one decimal") << "1234,5" << "1234.5";
    QTest::newRow("whole euros") << "12" << "12";
    QTest::newRow("comma last") << "12," << "12";
    QTest::newRow("comma first") << ",5" << "0.5";
    QTest::newRow("leading zeros") << "007,50" << "7.50";
    QTest::newRow("smallest") << "0,01" << "0.01";
    QTest::newRow("largest") << "999999999,99" << "999999999.99";
    QTest::newRow("zero") << "0,00" << "";
    QTest::newRow("too large") << "1000000000" << "";
    QTest::newRow("three decimals") << "1,234" << "";
    QTest::newRow("thousands point") << "1.234,50" << "1234.50";
    QTest::newRow("thousands points") << "12.345.678,9" << "12345678.9";
    QTest::newRow("largest with points") << "999.999.999,99" << "999999999.99";
    QTest::newRow("too large with points") << "1.000.000.000,00" << "";
    QTest::newRow("thousands point, no comma") << "1.234" << "";
    QTest::newRow("groups not of three") << "1.23,45" << "";
    QTest::newRow("group of four") << "1.2345,00" << "";
    QTest::newRow("decimal point") << "49.90" << "";
    QTest::newRow("decimal point, four digits before") << "1234.56" << "";
    QTest::newRow("negative") << "-5" << "";
    QTest::newRow("euro sign after") << u"49,90 €"_qs << "49.90";
    QTest::newRow("EUR after") << "49,90 EUR" << "49.90";
    QTest::newRow("EUR before") << "EUR 49,90" << "49.90";
    QTest::newRow("euro sign before, no blank") << u"€1.234,56"_qs << "1234.56";
    QTest::newRow("no-break space before the sign") << u"1.234,56\u00A0€"_qs << "1234.56";
    QTest::newRow("blanks around") << "  49,90  " << "49.90";
    QTest::newRow("whole euros with sign") << u"12 €"_qs << "12";
    QTest::newRow("currency on both sides") << u"EUR 49,90 €"_qs << "";
    QTest::newRow("currency twice") << "49,90 EUR EUR" << "";
    QTest::newRow("currency alone") << "EUR" << "";
    QTest::newRow("other currency") << "49,90 USD" << "";
    QTest::newRow("comma alone") << "," << "";
    QTest::newRow("full-width digits") << u"１２"_qs << "";
}

void TestPaymentData::convertsAmount()
{
    QFETCH(QString, typed);
    QFETCH(QString, line8);
    QCOMPARE(EpcAmount::fromGerman(typed).value_or(QString()), line8);
}

void TestPaymentData::payloadBytesAreExact()
{
    QCOMPARE(payloadBytes(bakery()), QByteArray("BCD\n001\n1\nSCT\nBYLADEM1001\nB\xC3\xA4"
                                                "ckerei M\xC3\xBC"
                                                "ller\nDE02120300000000202051\nEUR49.90\n\n\nRE 2024 17\nK-77\n"));
    EpcPayload::Fields withoutCustomerNumber = bakery();
    withoutCustomerNumber.Zusatz.clear();
    QCOMPARE(payloadBytes(withoutCustomerNumber), QByteArray("BCD\n001\n1\nSCT\nBYLADEM1001\nB\xC3\xA4"
                                                             "ckerei M\xC3\xBC"
                                                             "ller\nDE02120300000000202051\nEUR49.90\n\n\nRE 2024 17\n"));
}

void TestPaymentData::payloadDropsLine12OfAnEarlierRecord()
{
    QStringList kept = EpcPayload::templateLines();
    EpcPayload::fill(kept, bakery());
    EpcPayload::Fields next = bakery();
    next.Zusatz.clear();
    next.Betrag = QStringLiteral("12,");
    QCOMPARE(payloadBytes(next, kept), payloadBytes(next));
    QVERIFY(payloadBytes(next, kept).endsWith("\nEUR12\n\n\nRE 2024 17\n"));
}

void TestPaymentData::refusesWhatTheGuidelinesForbid_data()
{
    QTest::addColumn<EpcPayload::Fields>("fields");
    QTest::addColumn<QString>("named"); // what the notice names; empty: accepted
    const auto with = [](auto change) {
        EpcPayload::Fields fields = bakery();
        change(fields);
        return fields;
    };
    QTest::newRow("valid") << bakery() << "";
    QTest::newRow("331 bytes") << filledTo(331) << "";
    QTest::newRow("332 bytes") << filledTo(332) << "332 Bytes";
    QTest::newRow("name of 70 umlauts")
        << with([](auto &f) { f.Firma = QString(70, u'ä'); }) << "";
    QTest::newRow("name of 71") << with([](auto &f) { f.Firma = QString(71, u'F'); }) << "Der Gläubiger";
    QTest::newRow("invoice number of 141")
        << with([](auto &f) { f.RechNr = QString(141, u'R'); }) << "Die Rechnungsnummer";
    QTest::newRow("customer number of 71")
        << with([](auto &f) { f.Zusatz = QString(71, u'K'); }) << "Die Kundennummer";
    QTest::newRow("amount") << with([](auto &f) { f.Betrag = QStringLiteral("49.90"); }) << "Der Rechnungsbetrag \"49.90\"";
    QTest::newRow("IBAN form") << with([](auto &f) { f.Iban = QStringLiteral("DE0212-03"); }) << "Die IBAN \"DE0212-03\"";
    QTest::newRow("IBAN check digits")
        << with([](auto &f) { f.Iban = QStringLiteral("DE03120300000000202051"); }) << "Prüfziffern";
    QTest::newRow("BIC of 9") << with([](auto &f) { f.Bic = QStringLiteral("BYLADEM10"); }) << "Die BIC \"BYLADEM10\"";
    QTest::newRow("BIC of 8") << with([](auto &f) { f.Bic = QStringLiteral("BYLADEM1"); }) << "";
    QTest::newRow("BIC with blank") << with([](auto &f) { f.Bic = QStringLiteral("BYLA DEM1"); }) << "Die BIC";
}

void TestPaymentData::refusesWhatTheGuidelinesForbid()
{
    QFETCH(EpcPayload::Fields, fields);
    QFETCH(QString, named);
    const QString problem = EpcPayload::problem(fields);
    if (named.isEmpty()) {
        QCOMPARE(problem, QString());
        QVERIFY(payloadBytes(fields).size() <= EpcPayload::kMaxBytes);
        return;
    }
    QVERIFY2(problem.contains(named), qPrintable(problem));
    QVERIFY(problem.endsWith(QStringLiteral("QR-Code kann nicht erstellt werden.")));
}

void TestPaymentData::opensWebSiteWithScheme_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("opened");
    QTest::newRow("no scheme") << "www.stadtwerke.de" << "https://www.stadtwerke.de";
    QTest::newRow("capital Http scheme") << "Http://Shop.de/A" << "Http://Shop.de/A";
    QTest::newRow("https in capitals") << "HTTPS://shop.de" << "HTTPS://shop.de";
    QTest::newRow("http inside the name") << "www.http-shop.de" << "https://www.http-shop.de";
    QTest::newRow("http without slashes") << "httpshop.de" << "https://httpshop.de";
    QTest::newRow("blanks around") << "  shop.de \t" << "https://shop.de";
    QTest::newRow("empty") << "" << "https://";
}

void TestPaymentData::opensWebSiteWithScheme()
{
    QFETCH(QString, field);
    QFETCH(QString, opened);
    QCOMPARE(WebAddress::forOpening(field), opened);
}

QTEST_GUILESS_MAIN(TestPaymentData)
#include "TestPaymentData.moc"
