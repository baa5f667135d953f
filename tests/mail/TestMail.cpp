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
    QTest::newRow("client, DEL and C1 controls")
        << kClient << "a@b.de" << u"\u0085RE\u007F17"_qs
        << "start /usr/bin/thunderbird [-compose] [to=a@b.de,subject=Rechnung RE 17]";
    // The option list would split at the comma or end the value at the quote; the link cannot be misread.
    QTest::newRow("client, comma in number")
        << kClient << "a@b.de" << "RE 5,1"
        << "start /usr/bin/thunderbird [-compose] [mailto:a@b.de?subject=Rechnung%20RE%205%2C1]";
    QTest::newRow("client, apostrophe in address")
        << kClient << " O'Brien@kanzlei.ie " << " 17 "
        << "start /usr/bin/thunderbird [-compose] [mailto:O%27Brien@kanzlei.ie?subject=Rechnung%2017]";
    QTest::newRow("client, option smuggled into number")
        << kClient << "a@b.de" << "1',attachment='/etc/passwd"
        << "start /usr/bin/thunderbird [-compose] "
           "[mailto:a@b.de?subject=Rechnung%201%27%2Cattachment%3D%27%2Fetc%2Fpasswd]";
    QTest::newRow("client, two addresses")
        << kClient << "a@b.de,c@d.de" << "1"
        << "start /usr/bin/thunderbird [-compose] [mailto:a@b.de%2Cc@d.de?subject=Rechnung%201]";
    QTest::newRow("client, double quote in number")
        << kClient << "a@b.de" << "\"17\"" << "start /usr/bin/thunderbird [-compose] [mailto:a@b.de?subject=Rechnung%20%2217%22]";
    QTest::newRow("link, number kept with its blanks")
        << "" << " info@stadtwerke.de " << "  RE 2024 17 "
        << "open mailto:info@stadtwerke.de?subject=Rechnung%20%20%20RE%202024%2017%20";
    QTest::newRow("link, empty address") << "" << "" << "17" << "open mailto:?subject=Rechnung%2017";
    QTest::newRow("link, separators and UTF-8")
        << "" << "a&b@x.de" << u"1&cc=x#2?%ä"_qs
        << "open mailto:a%26b@x.de?subject=Rechnung%201%26cc%3Dx%232%3F%25%C3%A4";
    QTest::newRow("link, line break") << "" << "a@b.de" << "1\r\nBcc: x@y" << "open mailto:a@b.de?subject=Rechnung%201%20%20Bcc%3A%20x%40y";
    QTest::newRow("link, C1 control") << "" << "a@b.de" << u"1\u00852"_qs << "open mailto:a@b.de?subject=Rechnung%201%202";
    QTest::newRow("link, comma and apostrophe") << "" << "O'Brien@kanzlei.ie" << "RE 5,1"
                                                << "open mailto:O%27Brien@kanzlei.ie?subject=Rechnung%20RE%205%2C1";
}

void TestMail::handsOverExactTexts()
{
    QFETCH(QString, program);
    QFETCH(QString, address);
    QFETCH(QString, number);
    QFETCH(QString, call);
    PlatformDoubles doubles;
    QCOMPARE(MailHandOff::send(program, address, number), QString());
    QCOMPARE(doubles.shell.calls, QStringList{call});
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
    QCOMPARE(MailHandOff::send(program, QStringLiteral("a@b.de"), QStringLiteral("17")),
             QStringLiteral("Errot open mail"));
    QCOMPARE(doubles.shell.calls.size(), 1);
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
