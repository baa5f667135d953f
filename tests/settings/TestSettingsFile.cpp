#include "PlatformDoubles.h"
#include "platform/Windows1252.h"
#include "settings/EnciphermentTest.h"
#include "settings/MainSettings.h"
#include "settings/SettingsCipher.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsReport.h"

#include <QDir>
#include <QTest>

namespace {

QByteArray tenLinesOf(const QList<QByteArray> &lines)
{
    QByteArray bytes;
    for (int i = 0; i < settingsLineCount; ++i)
        bytes += lines.value(i) + "\r\n";
    return bytes;
}

QStringList valuesOf(const MainSettings &settings)
{
    QStringList values;
    for (int line = 1; line <= settingsLineCount; ++line)
        values.append(settings.value(static_cast<SettingsLine>(line)));
    return values;
}

QStringList tenValues(const QStringList &first)
{
    QStringList values = first;
    values.resize(settingsLineCount);
    return values;
}

// A name so long that the temporary file written beside it would need a name past the file system's limit:
// the file can be read but not rewritten, whoever runs the test.
QString unwritableName()
{
    return QString(250, u'x');
}

} // namespace

class TestSettingsFile : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cipherUsesKeyFromFirstByte_data();
    void cipherUsesKeyFromFirstByte();
    void cipherRoundTripsEveryByte_data();
    void cipherRoundTripsEveryByte();
    void encipheringTwiceIsNotUndoneByOneDecipher();
    void judgesEncipheredText_data();
    void judgesEncipheredText();
    void ownFilesReadBackAsWritten_data();
    void ownFilesReadBackAsWritten();
    void lineBreaksInValuesAreStoredAsBlanks();
    void mainWindowTrimsOnlyLastThreeLines();
    void shortFileReadsAsTenLines();
    void plainFileWithoutLastBreakKeepsItsPassword();
    void plainFileWithManyUmlautsReadsAsPlain();
    void noPlainSettingsReachTheDisk();
    void missingFileKeepsValuesAndCreatesNothing();
    void unreadableFileIsReportedAndValuesStay();
    void unwritableFileIsReportedAndValuesStay();
    void settingsWindowTrimsEveryLineAndKeepsLine9();
};

void TestSettingsFile::cipherUsesKeyFromFirstByte_data()
{
    QTest::addColumn<QByteArray>("plain");
    QTest::addColumn<QByteArray>("enciphered");
    QTest::newRow("zeros show the key, repeating after 11")
        << QByteArray(13, '\0') << QByteArray("qavemirTHokqa");
    QTest::newRow("line end") << QByteArray("\r\n") << QByteArray("~k");
    QTest::newRow("wraps past 255") << QByteArray("\xff\xff") << QByteArray("p`");
    QTest::newRow("empty") << QByteArray() << QByteArray();
}

void TestSettingsFile::cipherUsesKeyFromFirstByte()
{
    QFETCH(QByteArray, plain);
    QFETCH(QByteArray, enciphered);
    QCOMPARE(SettingsCipher::encipher(plain), enciphered);
    QCOMPARE(SettingsCipher::decipher(enciphered), plain);
}

void TestSettingsFile::cipherRoundTripsEveryByte_data()
{
    QTest::addColumn<int>("length");
    for (const int length : {1, 10, 12, 255, 256, 257, 1000})
        QTest::addRow("%d bytes", length) << length;
}

void TestSettingsFile::cipherRoundTripsEveryByte()
{
    QFETCH(int, length);
    QByteArray plain(length, '\0');
    for (int i = 0; i < length; ++i)
        plain[i] = static_cast<char>(255 - i % 256);
    const QByteArray enciphered = SettingsCipher::encipher(plain);
    QCOMPARE(enciphered.size(), plain.size());
    QVERIFY(enciphered != plain);
    QCOMPARE(SettingsCipher::decipher(enciphered), plain);
}

void TestSettingsFile::encipheringTwiceIsNotUndoneByOneDecipher()
{
    const QByteArray plain = tenLinesOf({"", "", "", "Konto", "", "", "", "/backup", "", "geheim"});
    const QByteArray twice = SettingsCipher::encipher(SettingsCipher::encipher(plain));
    QCOMPARE(SettingsCipher::decipher(twice), SettingsCipher::encipher(plain));
    QVERIFY(SettingsCipher::decipher(twice) != plain);
}

void TestSettingsFile::judgesEncipheredText_data()
{
    const QByteArray enciphered = SettingsCipher::encipher(
        tenLinesOf({"", "", "", "Konto", "https://bank.example", "user", "pw", "/backup", "", "geheim"}));
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("verdict");
    QTest::newRow("printable ASCII lines") << "Konto\r\nhttps://bank.example\r\n" << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("blanks, tabs, line ends") << " \t\r\n \r\n" << false;
    QTest::newRow("enciphered settings")
        << Windows1252::decode(enciphered.constData(), enciphered.size()) << true;
    QTest::newRow("only non-printable") << "\u00e9" << true;
    QTest::newRow("tilde is printable") << "~~~\u00e9" << false;
    QTest::newRow("DEL is not printable") << "~~\x7f\x7f" << true;
    // Five characters: 5 / 1.4 = 3.57 rounds to 4, so three printable ones are too few.
    QTest::newRow("5 left, 3 printable") << "abc\u00e9\u00e9" << true;
    QTest::newRow("5 left, 4 printable") << "abcd\u00e9" << false;
    QTest::newRow("10 left, 7 printable") << "abcdefg\u00e9\u00e9\u00e9" << false;
    QTest::newRow("10 left, 6 printable") << "abcdef\u00e9\u00e9\u00e9\u00e9" << true;
    // "kqo" goes after tabs and line ends but before blanks.
    QTest::newRow("k, blank, qo stays") << "k qo\u00e9" << false;
    QTest::newRow("k, tab, qo goes") << "k\tqo\u00e9" << true;
    QTest::newRow("k, line end, qo goes") << "k\r\nqo\u00e9" << true;
    QTest::newRow("kqo in any case goes") << "KqO\u00e9" << true;
    QTest::newRow("kqo goes once, not again") << "kkqoqo\u00e9" << false;
}

void TestSettingsFile::judgesEncipheredText()
{
    QFETCH(QString, text);
    QFETCH(bool, verdict);
    QCOMPARE(EnciphermentTest::saysEnciphered(text), verdict);
}

void TestSettingsFile::ownFilesReadBackAsWritten_data()
{
    QTest::addColumn<QStringList>("values");
    QTest::addColumn<QByteArray>("plain");
    // The character test alone takes the first two for plain text once enciphered.
    QTest::newRow("all empty") << tenValues({}) << tenLinesOf({});
    QTest::newRow("short password alone")
        << tenValues({"", "", "", "", "", "", "", "", "", "ab"}) << tenLinesOf({"", "", "", "", "", "", "", "", "", "ab"});
    QTest::newRow("umlauts and euro")
        << tenValues({"", "", "", "Jörg Müller", "", "", "Paß€", "/home/jörg/Sicherung", "", "Grüße"})
        << tenLinesOf({"", "", "", "J\xf6rg M\xfcller", "", "", "Pa\xdf\x80", "/home/j\xf6rg/Sicherung", "",
                       "Gr\xfc\xdf" "e"});
}

void TestSettingsFile::ownFilesReadBackAsWritten()
{
    QFETCH(QStringList, values);
    QFETCH(QByteArray, plain);
    PlatformDoubles platform;
    QDir().mkpath(platform.places.dataFolder());
    const SettingsFile file(platform.places.dataFolder() + "zettmar.ini");

    QCOMPARE(file.saveForMainWindow(values), QString());
    const QByteArray written = platform.places.fileBytes("zettmar.ini");
    QCOMPARE(written, SettingsCipher::encipher(plain));

    const SettingsFile::Loaded loaded = file.loadForMainWindow();
    QCOMPARE(loaded.lines, values);
    QCOMPARE(platform.places.fileBytes("zettmar.ini"), written);
}

// A pasted line break would shift every later line of the file.
void TestSettingsFile::lineBreaksInValuesAreStoredAsBlanks()
{
    PlatformDoubles platform;
    QDir().mkpath(platform.places.dataFolder());
    const SettingsFile file(platform.places.dataFolder() + "zettmar.ini");
    QCOMPARE(file.saveForMainWindow(tenValues({"", "", "", "Firma\r\nGmbH", "a\tb"})), QString());
    QCOMPARE(platform.places.fileBytes("zettmar.ini"), SettingsCipher::encipher(tenLinesOf({"", "", "", "Firma  GmbH", "a b"})));
}

void TestSettingsFile::mainWindowTrimsOnlyLastThreeLines()
{
    PlatformDoubles platform;
    const QString path = platform.places.putFile(
        "zettmar.ini", tenLinesOf({" r1 ", " r2", "r3 ", "  Konto  ", " url ", " user ", " pw ", "\t/backup  ",
                                   " r9 ", "  geheim\t"}));
    MainSettings settings;
    SettingsReport::load(settings, path);
    QCOMPARE(valuesOf(settings), (QStringList{" r1 ", " r2", "r3 ", "  Konto  ", " url ", " user ", " pw ",
                                              "/backup", "r9", "geheim"}));
    QVERIFY(platform.dialogs.log.isEmpty());
}

void TestSettingsFile::shortFileReadsAsTenLines()
{
    PlatformDoubles platform;
    const QString path = platform.places.putFile("zettmar.ini", "a\nb\rc");
    MainSettings settings;
    SettingsReport::load(settings, path);
    QCOMPARE(valuesOf(settings), tenValues({"a", "b", "c"}));
    // Enciphered in the written layout, so the next load knows it for enciphered.
    QCOMPARE(platform.places.fileBytes("zettmar.ini"), SettingsCipher::encipher(tenLinesOf({"a", "b", "c"})));
    MainSettings again;
    SettingsReport::load(again, path);
    QCOMPARE(valuesOf(again), tenValues({"a", "b", "c"}));

    SettingsReport::save(settings, path);
    QCOMPARE(SettingsCipher::decipher(platform.places.fileBytes("zettmar.ini")), tenLinesOf({"a", "b", "c"}));
}

// A program password on the last line without its line break survives every later start.
void TestSettingsFile::plainFileWithoutLastBreakKeepsItsPassword()
{
    PlatformDoubles platform;
    const QString path = platform.places.putFile("zettmar.ini", QByteArray("\r\n").repeated(9) + "pw");
    for (int start = 0; start < 3; ++start) {
        MainSettings settings;
        SettingsReport::load(settings, path);
        QCOMPARE(settings.value(SettingsLine::ProgramPassword), QString("pw"));
    }
}

void TestSettingsFile::plainFileWithManyUmlautsReadsAsPlain()
{
    PlatformDoubles platform;
    const QByteArray plain = tenLinesOf({"", "", "", "\xc4\xd6\xdc \xe4\xf6\xfc\xdf"});
    QVERIFY(EnciphermentTest::saysEnciphered(Windows1252::decode(plain.constData(), plain.size())));
    const QString path = platform.places.putFile("zettmar.ini", plain);
    MainSettings settings;
    SettingsReport::load(settings, path);
    QCOMPARE(settings.value(SettingsLine::AccountHolder), QString("ÄÖÜ äöüß"));
    QCOMPARE(platform.places.fileBytes("zettmar.ini"), SettingsCipher::encipher(plain));
}

// Every step leaves exactly the enciphered form on disk and no other file beside it, and a rewrite that
// fails leaves the enciphered file as it was rather than a plain one.
void TestSettingsFile::noPlainSettingsReachTheDisk()
{
    PlatformDoubles platform;
    const QByteArray handWritten = tenLinesOf({"", "", "", "Konto Meier", "https://bank.example", "meier",
                                               "Bankgeheim", "/backup", "", "Programmgeheim"});
    const QByteArray enciphered = SettingsCipher::encipher(handWritten);
    const QString path = platform.places.putFile("zettmar.ini", handWritten);
    const auto expectOnlyEnciphered = [&](const char *step) {
        QVERIFY2(platform.places.fileBytes("zettmar.ini") == enciphered, step);
        QVERIFY2(QDir(platform.places.dataFolder()).entryList(QDir::Files | QDir::Hidden)
                     == QStringList{"zettmar.ini"}, step);
    };

    MainSettings settings;
    SettingsReport::load(settings, path);
    expectOnlyEnciphered("first load of a hand-written file");
    SettingsReport::load(settings, path);
    expectOnlyEnciphered("second load");
    SettingsReport::save(settings, path);
    expectOnlyEnciphered("save");
    QCOMPARE(settings.value(SettingsLine::ProgramPassword), QString("Programmgeheim"));
    QVERIFY(platform.dialogs.log.isEmpty());

    const QString unwritable = platform.places.putFile(unwritableName(), enciphered);
    SettingsReport::load(settings, unwritable);
    SettingsReport::save(settings, unwritable);
    QCOMPARE(platform.places.fileBytes(unwritableName()), enciphered);
    QCOMPARE(platform.dialogs.texts(), QStringList{"Fehler INI Datei speeichern!"});
}

void TestSettingsFile::missingFileKeepsValuesAndCreatesNothing()
{
    PlatformDoubles platform;
    MainSettings settings;
    SettingsReport::load(settings, platform.places.dataFolder() + "zettmar.ini");
    QCOMPARE(valuesOf(settings), tenValues({}));
    QVERIFY(!QDir(platform.places.dataFolder()).exists());

    const QString path = platform.places.putFile("zettmar.ini", tenLinesOf({"", "", "", "Konto"}));
    SettingsReport::load(settings, path);
    QFile::remove(path);
    SettingsReport::load(settings, path);
    QCOMPARE(settings.value(SettingsLine::AccountHolder), QString("Konto"));
    QVERIFY(!QFile::exists(path));
    QVERIFY(platform.dialogs.log.isEmpty());
}

void TestSettingsFile::unreadableFileIsReportedAndValuesStay()
{
    PlatformDoubles platform;
    const QString path = platform.places.putFile("zettmar.ini", tenLinesOf({"", "", "", "Konto"}));
    MainSettings settings;
    SettingsReport::load(settings, path);
    QFile::remove(path);
    QDir().mkpath(path);

    QVERIFY(!SettingsReport::load(settings, path));
    QCOMPARE(settings.value(SettingsLine::AccountHolder), QString("Konto"));
    QCOMPARE(platform.dialogs.log.size(), 1);
    QCOMPARE(platform.dialogs.log[0].kind, QString("error"));
    QVERIFY(!platform.dialogs.log[0].text.isEmpty());
}

void TestSettingsFile::unwritableFileIsReportedAndValuesStay()
{
    PlatformDoubles platform;
    const QByteArray plain = tenLinesOf({"", "", "", "Konto", "", "", "", "", "", "geheim"});
    const QString path = platform.places.putFile(unwritableName(), plain);
    MainSettings settings;
    SettingsReport::load(settings, path);
    QCOMPARE(settings.value(SettingsLine::ProgramPassword), QString("geheim"));
    QCOMPARE(platform.places.fileBytes(unwritableName()), plain);

    SettingsReport::save(settings, path);
    QCOMPARE(settings.value(SettingsLine::ProgramPassword), QString("geheim"));
    QCOMPARE(platform.places.fileBytes(unwritableName()), plain);

    QCOMPARE(platform.dialogs.texts(),
             (QStringList{"Fehler beim Laden der INI Datei!", "Fehler INI Datei speeichern!"}));
    for (const ScriptedDialogs::Box &box : platform.dialogs.log) {
        QCOMPARE(box.kind, QString("plain"));
        QCOMPARE(box.caption, QString("zettmar"));
    }
}

void TestSettingsFile::settingsWindowTrimsEveryLineAndKeepsLine9()
{
    PlatformDoubles platform;
    const QString path = platform.places.putFile(
        "zettmar.ini", tenLinesOf({" r1 ", "", "", "  Konto  ", " url ", "", "", "", " r9 ", " pw "}));
    const SettingsFile file(path);
    QStringList lines = file.loadForSettingsWindow().lines;
    QCOMPARE(lines, tenValues({"r1", "", "", "Konto", "url", "", "", "", "r9", "pw"}));

    lines[3] = " Neu ";
    QCOMPARE(file.saveForSettingsWindow(lines, " 31.12.2024 "), QString());
    QCOMPARE(SettingsCipher::decipher(platform.places.fileBytes("zettmar.ini")),
             tenLinesOf({"r1", "", "", "Neu", "url", "", "", "", " 31.12.2024 ", "pw"}));
}

QTEST_GUILESS_MAIN(TestSettingsFile)
#include "TestSettingsFile.moc"
