#include "platform/TextFile.h"
#include "tools/PostalCodeSearch.h"
#include "tools/ReleaseNumber.h"

#include <QTest>

namespace {

// Small, but with every trap: a code inside a longer number, a term twice in one line, a tab and several
// blanks as separators, an entry without a town, and a region whose first line follows a short line.
const QString kFixture = QStringLiteral("01067 Dresden\r\n"
                                        "01069 Dresden\r\n"
                                        "10115 Berlin\r\n"
                                        "10117 Berlin\r\n"
                                        "123456 Zahlenreihe\r\n"
                                        "12345 Musterstadt\r\n"
                                        "29303 Bergen, Bergen-Sülze\r\n"
                                        "60180\r\n"
                                        "80111 Kleinort\r\n"
                                        "80331 München\r\n"
                                        "80333 MÜNCHEN\r\n"
                                        "97070 Würzburg\r\n"
                                        "99084\tErfurt\r\n"
                                        "99085    Erfurt-Ost\r\n");

PostalCodeSearch fixtureSearch()
{
    PostalCodeSearch search;
    search.setText(kFixture);
    return search;
}

QString notFound(const QString &term)
{
    return "Plz " + term + " nicht gefunden!";
}

QString suggesting(const QString &term)
{
    return notFound(term) + " Mglw. Postfachadresse in:";
}

} // namespace

class TestTools : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void findsWholeWords_data();
    void findsWholeWords();
    void blankTermSearchesNothing();
    void readsEveryEncodingOfTheFile_data();
    void readsEveryEncodingOfTheFile();
    void takesOverTheClickedEntry_data();
    void takesOverTheClickedEntry();
    void writesReleaseNumbers_data();
    void writesReleaseNumbers();
};

void TestTools::findsWholeWords_data()
{
    QTest::addColumn<QString>("term");
    QTest::addColumn<bool>("found");
    QTest::addColumn<QStringList>("entries");
    QTest::newRow("code") << "10117" << true << QStringList{"10117 Berlin"};
    QTest::newRow("code not inside a longer number") << "12345" << true << QStringList{"12345 Musterstadt"};
    QTest::newRow("code on the first line") << "01067" << true << QStringList{"01067 Dresden"};
    QTest::newRow("town in lower case, many codes")
        << "berlin" << true << QStringList{"10115 Berlin", "10117 Berlin"};
    QTest::newRow("umlauts in any case") << "münchen" << true << QStringList{"80331 München", "80333 MÜNCHEN"};
    QTest::newRow("umlaut in the middle") << "WÜRZBURG" << true << QStringList{"97070 Würzburg"};
    QTest::newRow("term twice in a line, listed once")
        << "Bergen" << true << QStringList{"29303 Bergen, Bergen-Sülze"};
    QTest::newRow("after a tab") << "Erfurt" << true
                                 << QStringList{"99084\tErfurt", "99085    Erfurt-Ost"};
    QTest::newRow("part of a word is no hit") << "Berl" << false << QStringList{notFound("Berl")};
    QTest::newRow("missing code, region suggested") << "10999" << false << QStringList{suggesting("10999"), "Berlin"};
    QTest::newRow("suggestion from the region's first line in file order")
        << "80999" << false << QStringList{suggesting("80999"), "Kleinort"};
    QTest::newRow("missing code, no region") << "30999" << false << QStringList{notFound("30999")};
    QTest::newRow("one character never suggests") << "1" << false << QStringList{notFound("1")};
    QTest::newRow("missing town") << "Atlantis" << false << QStringList{notFound("Atlantis")};
}

void TestTools::findsWholeWords()
{
    QFETCH(QString, term);
    QFETCH(bool, found);
    QFETCH(QStringList, entries);
    const std::optional<PostalCodeSearch::Result> result = fixtureSearch().search(term);
    QVERIFY(result);
    QCOMPARE(result->found, found);
    QCOMPARE(result->entries, entries);
}

void TestTools::blankTermSearchesNothing()
{
    QVERIFY(!fixtureSearch().search(QString()));
    QVERIFY(!fixtureSearch().search(" \t "));
    const std::optional<PostalCodeSearch::Result> nothingLoaded = PostalCodeSearch().search("10115");
    QVERIFY(nothingLoaded && !nothingLoaded->found);
}

void TestTools::readsEveryEncodingOfTheFile_data()
{
    QTest::addColumn<QByteArray>("bytes");
    const QString text = "80331 München\r\n81241 Pasing-Süd\r\n";
    QTest::newRow("Windows-1252") << QByteArray("80331 M\xFCnchen\r\n81241 Pasing-S\xFC" "d\r\n");
    QTest::newRow("UTF-8 with mark") << QByteArray("\xEF\xBB\xBF") + text.toUtf8();
    QTest::newRow("UTF-8 without mark") << text.toUtf8();
    QByteArray le("\xFF\xFE", 2);
    QByteArray be("\xFE\xFF", 2);
    for (const QChar c : text) {
        le += char(c.unicode() & 0xFF);
        le += char(c.unicode() >> 8);
        be += char(c.unicode() >> 8);
        be += char(c.unicode() & 0xFF);
    }
    QTest::newRow("UTF-16 little-endian") << le;
    QTest::newRow("UTF-16 big-endian") << be;
}

void TestTools::readsEveryEncodingOfTheFile()
{
    QFETCH(QByteArray, bytes);
    PostalCodeSearch search;
    search.setText(TextFile::decodeText(bytes));
    QCOMPARE(search.search("MÜNCHEN")->entries, QStringList{"80331 München"});
    QCOMPARE(search.search("süd")->entries, QStringList{"81241 Pasing-Süd"});
}

void TestTools::takesOverTheClickedEntry_data()
{
    QTest::addColumn<QString>("term");
    QTest::addColumn<int>("entry");
    QTest::addColumn<QString>("postalCode"); // "-" leaves the field alone
    QTest::addColumn<QString>("town");
    QTest::newRow("found code") << "80331" << 0 << "80331" << "München";
    QTest::newRow("found town, second line") << "Erfurt" << 1 << "99085" << "Erfurt-Ost";
    QTest::newRow("tab separator") << "Erfurt" << 0 << "99084" << "Erfurt";
    QTest::newRow("entry without town") << "60180" << 0 << "60180" << "";
    QTest::newRow("suggested town alone") << "10999" << 1 << "-" << "Berlin";
    QTest::newRow("message with a suggestion") << "10999" << 0 << "-" << "-";
    QTest::newRow("message without a suggestion") << "30999" << 0 << "-" << "-";
    QTest::newRow("below the last entry") << "80331" << 1 << "-" << "-";
}

void TestTools::takesOverTheClickedEntry()
{
    QFETCH(QString, term);
    QFETCH(int, entry);
    QFETCH(QString, postalCode);
    QFETCH(QString, town);
    const PostalCodeSearch::TakeOver takeOver = PostalCodeSearch::takeOver(*fixtureSearch().search(term), entry);
    QCOMPARE(takeOver.postalCode.value_or("-"), postalCode);
    QCOMPARE(takeOver.town.value_or("-"), town);
}

void TestTools::writesReleaseNumbers_data()
{
    QTest::addColumn<QString>("version");
    QTest::addColumn<QString>("release");
    const QString none = "Nicht verfügbar";
    QTest::newRow("four parts") << "2.1.0.37" << "2.1.0.37";
    QTest::newRow("parts above 9 in full") << "12.10.100.65535" << "12.10.100.65535";
    QTest::newRow("leading zeros dropped") << "02.1.0.037" << "2.1.0.37";
    QTest::newRow("missing parts are 0") << "1.0" << "1.0.0.0";
    QTest::newRow("none") << "" << none;
    QTest::newRow("five parts") << "1.2.3.4.5" << none;
    QTest::newRow("beyond 16 bits") << "70000.0.0.0" << none;
    QTest::newRow("not a number") << "1.0.0-beta" << none;
    QTest::newRow("empty part") << "1..2" << none;
    QTest::newRow("sign") << "+1.0" << none;
}

void TestTools::writesReleaseNumbers()
{
    QFETCH(QString, version);
    QFETCH(QString, release);
    QCOMPARE(ReleaseNumber::of(version), release);
}

QTEST_GUILESS_MAIN(TestTools)
#include "TestTools.moc"
