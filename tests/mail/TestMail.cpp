#include "PlatformDoubles.h"
#include "mail/MailHandOff.h"

#include <QTest>

namespace {

const QString kClient = QStringLiteral("/usr/bin/thunderbird");

} // namespace

class TestMail : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void tellsClientModeFromFileName_data();
    void tellsClientModeFromFileName();
    void handsOverExactTexts_data();
    void handsOverExactTexts();
    void refusesComposeSeparators_data();
    void refusesComposeSeparators();
    void reportsFailedHandOff_data();
    void reportsFailedHandOff();
    void checksAddress_data();
    void checksAddress();
};

void TestMail::tellsClientModeFromFileName_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<bool>("client");
    QTest::newRow("on PATH") << "/usr/bin/thunderbird" << true;
    QTest::newRow("capitals and .exe") << "/opt/Mozilla Thunderbird/THUNDERBIRD.EXE" << true;
    QTest::newRow("none found") << "" << false;
    QTest::newRow("folder named so") << "/opt/thunderbird/evolution" << false;
    QTest::newRow("longer name") << "/usr/bin/thunderbird-wrapper" << false;
}

void TestMail::tellsClientModeFromFileName()
{
    QFETCH(QString, program);
    QFETCH(bool, client);
    QCOMPARE(MailHandOff::isClient(program), client);
}

void TestMail::handsOverExactTexts_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("call");
    QTest::newRow("client, blanks around and inside")
        << kClient << " info@stadtwerke.de " << "  RE 2024 17 "
        << "start /usr/bin/thunderbird [-compose] [to=info@stadtwerke.de,subject=Rechnung RE 2024 17]";
    QTest::newRow("client, empty address")
        << kClient << "" << "17" << "start /usr/bin/thunderbird [-compose] [to=,subject=Rechnung 17]";
    QTest::newRow("client, line break inside")
        << kClient << "a@b.de" << "RE\n17" << "start /usr/bin/thunderbird [-compose] [to=a@b.de,subject=Rechnung RE 17]";
    QTest::newRow("link, number kept with its blanks")
        << "" << " info@stadtwerke.de " << "  RE 2024 17 "
        << "open mailto:info@stadtwerke.de?subject=Rechnung%20%20%20RE%202024%2017%20";
    QTest::newRow("link, empty address") << "" << "" << "17" << "open mailto:?subject=Rechnung%2017";
    QTest::newRow("link, separators and UTF-8")
        << "" << "a&b@x.de" << u"1&cc=x#2?%ä"_qs
        << "open mailto:a%26b@x.de?subject=Rechnung%201%26cc%3Dx%232%3F%25%C3%A4";
    QTest::newRow("link, line break") << "" << "a@b.de" << "1\r\nBcc: x@y" << "open mailto:a@b.de?subject=Rechnung%201%20%20Bcc%3A%20x%40y";
}

void TestMail::handsOverExactTexts()
{
    QFETCH(QString, program);
    QFETCH(QString, address);
    QFETCH(QString, number);
    QFETCH(QString, call);
    PlatformDoubles doubles;
    MailHandOff::send(program, address, number);
    QCOMPARE(doubles.shell.calls, QStringList{call});
    QVERIFY(doubles.dialogs.log.isEmpty());
}

void TestMail::refusesComposeSeparators_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("named");
    QTest::newRow("quote in number") << "a@b.de" << "1',attachment='/etc/passwd" << "Die Rechnungsnummer";
    QTest::newRow("comma in number") << "a@b.de" << "1,attachment=file:///etc/passwd" << "Die Rechnungsnummer";
    QTest::newRow("comma in address") << "a@b.de,c@d.de" << "1" << "Die E-Mail-Adresse";
}

void TestMail::refusesComposeSeparators()
{
    QFETCH(QString, address);
    QFETCH(QString, number);
    QFETCH(QString, named);
    PlatformDoubles doubles;
    MailHandOff::send(kClient, address, number);
    QVERIFY(doubles.shell.calls.isEmpty());
    QCOMPARE(doubles.dialogs.log.size(), 1);
    QCOMPARE(doubles.dialogs.log[0].kind, QStringLiteral("error"));
    QVERIFY2(doubles.dialogs.log[0].text.startsWith(named), qPrintable(doubles.dialogs.log[0].text));

    // The link carries them percent-encoded, so there they pass.
    MailHandOff::send(QString(), address, number);
    QCOMPARE(doubles.shell.calls.size(), 1);
}

void TestMail::reportsFailedHandOff_data()
{
    QTest::addColumn<QString>("program");
    QTest::newRow("client") << kClient;
    QTest::newRow("link") << "";
}

void TestMail::reportsFailedHandOff()
{
    QFETCH(QString, program);
    PlatformDoubles doubles;
    doubles.shell.succeeds = false;
    MailHandOff::send(program, QStringLiteral("a@b.de"), QStringLiteral("17"));
    QCOMPARE(doubles.shell.calls.size(), 1);
    QCOMPARE(doubles.dialogs.texts(), QStringList{QStringLiteral("Errot open mail")});
    QCOMPARE(doubles.dialogs.log[0].kind, QStringLiteral("error"));
}

void TestMail::checksAddress_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<bool>("plausible");
    QTest::newRow("three letters") << "abc" << false;
    QTest::newRow("letter and @") << "a@" << true;
    QTest::newRow("blanks only") << "   " << true;
    QTest::newRow("empty") << "" << true;
    QTest::newRow("address") << " info@stadtwerke.de " << true;
}

void TestMail::checksAddress()
{
    QFETCH(QString, field);
    QFETCH(bool, plausible);
    QCOMPARE(MailHandOff::isPlausibleAddress(field), plausible);
}

QTEST_GUILESS_MAIN(TestMail)
#include "TestMail.moc"
