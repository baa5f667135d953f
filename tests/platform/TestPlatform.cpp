#include "DiskFull.h"
#include "FailDevice.h"
#include "PlatformDoubles.h"
#include "platform/BrowserHelp.h"
#include "platform/FileReplace.h"
#include "platform/Regional.h"
#include "platform/SystemReason.h"
#include "platform/TextFile.h"
#include "platform/TextTrim.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>
#include <cerrno>
#include <cstring>

class TestPlatform : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void splitsLinesAtEveryBreak_data();
    void splitsLinesAtEveryBreak();
    void readsEncoding_data();
    void readsEncoding();
    void writesWhatReadsBack_data();
    void writesWhatReadsBack();
    void blanksControlCharacters_data();
    void blanksControlCharacters();
    void writesEncodingWithMark_data();
    void writesEncodingWithMark();
    void everyCodePageByteSurvivesReadAndWrite();
    void unrepresentableCharactersBecomeQuestionMarks();
    void failedWriteReportsReasonAndLeavesNoTrace();
    void replacesWholeOrNotAtAll_data();
    void replacesWholeOrNotAtAll();
    void replacementKeepsModeAndTakesTheTimeAsked();
    void readsGermanDates_data();
    void readsGermanDates();
    void formatsGermanDates();
    void helpOpensThePagesWhereverTheyLie_data();
    void helpOpensThePagesWhereverTheyLie();
    void leadingZeroWidthNoBreakSpaceSurvives_data();
    void leadingZeroWidthNoBreakSpaceSurvives();
    void folderIsNoFileToRead();
    void systemReasonsInGerman_data();
    void systemReasonsInGerman();
    void writesWithOwnerOnlyPermissions();
    void helpWithoutBrowserSaysSo();
};

void TestPlatform::splitsLinesAtEveryBreak_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("empty file") << QByteArray() << QStringList();
    QTest::newRow("CR LF") << QByteArray("a\r\nb\r\n") << QStringList{"a", "b"};
    QTest::newRow("lone CR") << QByteArray("a\rb") << QStringList{"a", "b"};
    QTest::newRow("lone LF") << QByteArray("a\nb\n") << QStringList{"a", "b"};
    QTest::newRow("mixed") << QByteArray("a\r\nb\rc\nd") << QStringList{"a", "b", "c", "d"};
    QTest::newRow("LF CR is two breaks") << QByteArray("a\n\rb") << QStringList{"a", "", "b"};
    QTest::newRow("empty line between") << QByteArray("a\r\n\r\nb\r\n") << QStringList{"a", "", "b"};
    QTest::newRow("only a break") << QByteArray("\r\n") << QStringList{""};
    QTest::newRow("UTF-8 with mark") << QByteArray("\xEF\xBB\xBFx\r\ny") << QStringList{"x", "y"};
}

void TestPlatform::splitsLinesAtEveryBreak()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);
    QCOMPARE(TextFile::decodeLines(bytes).lines, lines);
}

void TestPlatform::readsEncoding_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("encoding");
    QTest::addColumn<QString>("text");
    QTest::newRow("code page") << QByteArray("M\xE4rz \x80") << int(TextEncoding::Windows1252) << u"März €"_qs;
    QTest::newRow("UTF-8") << QByteArray("\xEF\xBB\xBFM\xC3\xA4rz") << int(TextEncoding::Utf8) << u"März"_qs;
    QTest::newRow("UTF-16 LE") << QByteArray("\xFF\xFEM\0\xE4\0", 6) << int(TextEncoding::Utf16LE) << u"Mä"_qs;
    QTest::newRow("UTF-16 BE") << QByteArray("\xFE\xFF\0M\0\xE4", 6) << int(TextEncoding::Utf16BE) << u"Mä"_qs;
    QTest::newRow("UTF-8 without mark") << QByteArray("M\xC3\xBCnchen \xE2\x82\xAC \xF0\x9D\x84\x9E")
                                        << int(TextEncoding::Utf8WithoutMark) << u"München € 𝄞"_qs;
    QTest::newRow("ASCII only") << QByteArray("Muenchen") << int(TextEncoding::Windows1252) << u"Muenchen"_qs;
    QTest::newRow("UTF-8 and a code page byte") << QByteArray("M\xC3\xBCnchen \xE4") << int(TextEncoding::Windows1252)
                                                << u"MÃ¼nchen ä"_qs;
    QTest::newRow("cut UTF-8 sequence") << QByteArray("M\xC3") << int(TextEncoding::Windows1252) << u"MÃ"_qs;
    QTest::newRow("overlong form") << QByteArray("\xC1\xBF") << int(TextEncoding::Windows1252) << u"Á¿"_qs;
    QTest::newRow("surrogate") << QByteArray("\xED\xA0\x80") << int(TextEncoding::Windows1252) << u"í\u00A0€"_qs;
}

void TestPlatform::readsEncoding()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, encoding);
    QFETCH(QString, text);
    const TextLines read = TextFile::decodeLines(bytes);
    QCOMPARE(int(read.encoding), encoding);
    QCOMPARE(read.lines, QStringList{text});
    QCOMPARE(TextFile::decodeText(bytes), text);
}

// Whatever is written must read back as the same lines; where the wanted encoding cannot promise it,
// UTF-8 with its mark does.
void TestPlatform::writesWhatReadsBack_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("wanted");
    QTest::addColumn<QByteArray>("bytes");
    const int codePage = int(TextEncoding::Windows1252);
    const int unmarked = int(TextEncoding::Utf8WithoutMark);
    const QByteArray mark("\xEF\xBB\xBF");
    QTest::newRow("code page") << QStringList{u"März"_qs, u"ÿþ"_qs} << codePage << QByteArray("M\xE4rz\r\n\xFF\xFE\r\n");
    QTest::newRow("code page, begins like UTF-16 LE mark")
        << QStringList{u"ÿþStadtwerke"_qs} << codePage << mark + "\xC3\xBF\xC3\xBEStadtwerke\r\n";
    QTest::newRow("code page, begins like UTF-16 BE mark") << QStringList{u"þÿ"_qs} << codePage
                                                           << mark + "\xC3\xBE\xC3\xBF\r\n";
    QTest::newRow("code page, begins like UTF-8 mark") << QStringList{u"ï»¿x"_qs} << codePage
                                                       << mark + "\xC3\xAF\xC2\xBB\xC2\xBFx\r\n";
    QTest::newRow("code page, would read as UTF-8") << QStringList{u"a"_qs, u"MÃ¤rz"_qs} << codePage
                                                    << mark + "a\r\nM\xC3\x83\xC2\xA4rz\r\n";
    QTest::newRow("code page lacks a character") << QStringList{u"Ω"_qs} << codePage << mark + "\xCE\xA9\r\n";
    QTest::newRow("unmarked UTF-8") << QStringList{u"München"_qs} << unmarked << QByteArray("M\xC3\xBCnchen\r\n");
    QTest::newRow("unmarked UTF-8, only ASCII left") << QStringList{u"Bonn"_qs} << unmarked << QByteArray("Bonn\r\n");
    QTest::newRow("unmarked UTF-8, begins with U+FEFF") << QStringList{u"\uFEFFx"_qs} << unmarked
                                                        << mark + "\xEF\xBB\xBFx\r\n";
}

void TestPlatform::writesWhatReadsBack()
{
    QFETCH(QStringList, lines);
    QFETCH(int, wanted);
    QFETCH(QByteArray, bytes);
    const EncodedLines encoded = TextFile::encodeReadable(lines, TextEncoding(wanted));
    QCOMPARE(encoded.bytes, bytes);
    QCOMPARE(TextFile::decodeLines(encoded.bytes).lines, lines);
    if (encoded.encoding != TextEncoding(wanted))
        QCOMPARE(encoded.encoding, TextEncoding::Utf8);
}

void TestPlatform::blanksControlCharacters_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("stored");
    QTest::newRow("below 32") << u"a\r\nb\tc\0d"_qs << u"a  b c d"_qs;
    QTest::newRow("DEL and C1") << u"a\u007Fb\u0080c\u0085d\u009Fe"_qs << u"a b c d e"_qs;
    QTest::newRow("trimmed after blanking") << u"\u0081 Strom \u007F"_qs << u"Strom"_qs;
    QTest::newRow("text around C1 stays") << u"\u00A0€\u00A0ÿ"_qs << u"\u00A0€\u00A0ÿ"_qs;
}

void TestPlatform::blanksControlCharacters()
{
    QFETCH(QString, text);
    QFETCH(QString, stored);
    QCOMPARE(TextTrim::storedValue(text), stored);
    QVERIFY(!TextTrim::hasControl(TextTrim::blankControls(text)));
}

void TestPlatform::writesEncodingWithMark_data()
{
    QTest::addColumn<int>("encoding");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("code page") << int(TextEncoding::Windows1252) << QByteArray("\xE4\r\n\x80\r\n");
    QTest::newRow("UTF-8") << int(TextEncoding::Utf8) << QByteArray("\xEF\xBB\xBF\xC3\xA4\r\n\xE2\x82\xAC\r\n");
    QTest::newRow("UTF-16 LE") << int(TextEncoding::Utf16LE)
                               << QByteArray("\xFF\xFE\xE4\0\r\0\n\0\xAC\x20\r\0\n\0", 14);
    QTest::newRow("UTF-16 BE") << int(TextEncoding::Utf16BE)
                               << QByteArray("\xFE\xFF\0\xE4\0\r\0\n\x20\xAC\0\r\0\n", 14);
}

void TestPlatform::writesEncodingWithMark()
{
    QFETCH(int, encoding);
    QFETCH(QByteArray, bytes);
    const QByteArray written = TextFile::encodeLines({u"ä"_qs, u"€"_qs}, TextEncoding(encoding));
    QCOMPARE(written, bytes);
    QCOMPARE(TextFile::decodeLines(written).lines, (QStringList{u"ä"_qs, u"€"_qs}));
}

void TestPlatform::everyCodePageByteSurvivesReadAndWrite()
{
    QByteArray all;
    for (int byte = 0; byte < 256; ++byte) {
        if (byte != '\r' && byte != '\n')
            all.append(char(byte));
    }
    const TextLines read = TextFile::decodeLines(all);
    QCOMPARE(read.lines.size(), 1);
    QCOMPARE(TextFile::encodeLines(read.lines, read.encoding), all + "\r\n");
}

void TestPlatform::unrepresentableCharactersBecomeQuestionMarks()
{
    QCOMPARE(TextFile::encodeLines({u"a\u0100\u20ACb"_qs}, TextEncoding::Windows1252), QByteArray("a?\x80" "b\r\n"));
}

void TestPlatform::failedWriteReportsReasonAndLeavesNoTrace()
{
    PlatformDoubles doubles;
    // A folder where the file should go makes the final rename fail, even for root.
    const QString blocked = doubles.places.dataFolder() + QStringLiteral("blocked.txt");
    QVERIFY(QDir().mkpath(blocked));
    QVERIFY(!TextFile::writeLines(blocked, {QStringLiteral("new")}, TextEncoding::Windows1252).isEmpty());
    QVERIFY(QFileInfo(blocked).isDir());
    QCOMPARE(QDir(doubles.places.dataFolder()).entryList(QDir::Files), QStringList());
}

void TestPlatform::replacesWholeOrNotAtAll_data()
{
    using Step = FailDevice::Injection::Step;
    QTest::addColumn<int>("step"); // a FailDevice step, or -1 for a real full disk
    QTest::addColumn<qint64>("bytesTaken");
    QTest::addColumn<QString>("reason");
    const QString full = u"Kein Speicherplatz mehr auf dem Gerät"_qs;
    QTest::newRow("first write fails") << int(Step::Write) << qint64(0) << full;
    QTest::newRow("write fails within the content") << int(Step::Write) << qint64(7) << full;
    QTest::newRow("flush fails") << int(Step::Flush) << qint64(0) << full;
    QTest::newRow("commit fails") << int(Step::Commit) << qint64(0) << u"Ein-/Ausgabefehler"_qs;
    // Larger than Qt's write buffer and smaller: the small one fails only when flushed.
    QTest::newRow("disk full, small file") << -1 << qint64(4) << u"Datei zu groß"_qs;
    QTest::newRow("disk full, large file") << -1 << qint64(40000) << u"Datei zu groß"_qs;
}

// Whatever step fails, the old file is there byte for byte, nothing is left beside it, and the reason
// of that step comes back.
void TestPlatform::replacesWholeOrNotAtAll()
{
    QFETCH(int, step);
    QFETCH(qint64, bytesTaken);
    QFETCH(QString, reason);
    PlatformDoubles doubles;
    const QByteArray old("alter Inhalt\r\n");
    const QString path = doubles.places.putFile(u"2024rech.csv"_qs, old);
    const QByteArray content = QByteArray("neuer Inhalt;").repeated(step < 0 ? int(bytesTaken) : 100);
    QString failure;
    if (step < 0) {
        const DiskFull full(bytesTaken);
        failure = FileReplace::replace(path, content);
    } else {
        const FailDevice::Injection injection(FailDevice::Injection::Step(step), bytesTaken);
        failure = FileReplace::replace(path, content);
    }
    QCOMPARE(failure, reason);
    QCOMPARE(doubles.places.fileBytes(u"2024rech.csv"_qs), old);
    QCOMPARE(QDir(doubles.places.dataFolder()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList{u"2024rech.csv"_qs});
    QCOMPARE(FileReplace::replace(path, content), QString());
    QCOMPARE(doubles.places.fileBytes(u"2024rech.csv"_qs), content);
}

// The time is set once everything is written, so it stays, small files too.
void TestPlatform::replacementKeepsModeAndTakesTheTimeAsked()
{
    PlatformDoubles doubles;
    const QString path = doubles.places.putFile(u"liste.dat"_qs, "alt");
    QVERIFY(QFile::setPermissions(path, QFileDevice::Permissions(0x6640)));
    const QDateTime saved(QDate(2023, 1, 2), QTime(3, 4, 5));
    QCOMPARE(FileReplace::replace(path, QByteArray(3000, 'x'), {std::nullopt, saved}), QString());
    QCOMPARE(QFileInfo(path).lastModified(), saved);
    QCOMPARE(QFileInfo(path).permissions() & QFileDevice::Permissions(0x0777), QFileDevice::Permissions(0x0640));
    const QString fresh = doubles.places.dataFolder() + u"neu.dat"_qs;
    QCOMPARE(FileReplace::replace(fresh, QByteArray("neu")), QString());
    QCOMPARE(QFileInfo(fresh).permissions() & QFileDevice::Permissions(0x0777), QFileDevice::Permissions(0x0600));
}

void TestPlatform::readsGermanDates_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDate>("date");
    QTest::newRow("full") << "05.03.2024" << QDate(2024, 3, 5);
    QTest::newRow("one digit day and month") << "5.3.2024" << QDate(2024, 3, 5);
    QTest::newRow("blanks around") << " 05.03.2024 " << QDate(2024, 3, 5);
    QTest::newRow("two-digit year, near") << "01.01.24" << QDate(2024, 1, 1);
    QTest::newRow("two-digit year, last century") << "01.01.80" << QDate(1980, 1, 1);
    QTest::newRow("two-digit year, 50 ahead") << "01.01.74" << QDate(2074, 1, 1);
    QTest::newRow("no such day") << "31.02.2024" << QDate();
    QTest::newRow("three-digit year") << "01.01.202" << QDate();
    QTest::newRow("ISO form") << "2024-03-05" << QDate();
    QTest::newRow("text") << "morgen" << QDate();
    QTest::newRow("empty") << "" << QDate();
    QTest::newRow("sign in day") << "+5.03.2024" << QDate();
}

void TestPlatform::readsGermanDates()
{
    QFETCH(QString, text);
    QFETCH(QDate, date);
    QCOMPARE(Regional::readDate(text, QDate(2024, 3, 15)), date);
}

void TestPlatform::formatsGermanDates()
{
    QCOMPARE(Regional::formatDate(QDate(2024, 3, 5)), QStringLiteral("05.03.2024"));
}

// The program folder is <root>/program/: the build tree keeps the pages beside the program, an install
// below share/ of the same prefix.
void TestPlatform::helpOpensThePagesWhereverTheyLie_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QStringList>("calls");
    QTest::addColumn<QString>("failure");
    QTest::newRow("build tree") << "program/help/zettmar.html"
                                << QStringList{"open file://%1/program/help/zettmar.html#context-60"} << QString();
    QTest::newRow("installed") << "share/zettmar/help/zettmar.html"
                               << QStringList{"open file://%1/share/zettmar/help/zettmar.html#context-60"} << QString();
    QTest::newRow("missing") << "" << QStringList() << "Die Hilfeseiten von zettmar sind nicht installiert.";
}

void TestPlatform::helpOpensThePagesWhereverTheyLie()
{
    QFETCH(QString, page);
    QFETCH(QStringList, calls);
    QFETCH(QString, failure);
    PlatformDoubles doubles;
    const QString root = doubles.places.root();
    if (!page.isEmpty()) {
        QVERIFY(QDir(root).mkpath(QFileInfo(page).path()));
        QFile file(root + u'/' + page);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    QCOMPARE(BrowserHelp().show(60), failure);
    for (QString &call : calls)
        call = call.arg(root);
    QCOMPARE(doubles.shell.calls, calls);
}

void TestPlatform::leadingZeroWidthNoBreakSpaceSurvives_data()
{
    QTest::addColumn<int>("encoding");
    QTest::newRow("UTF-8") << int(TextEncoding::Utf8);
    QTest::newRow("UTF-16 LE") << int(TextEncoding::Utf16LE);
    QTest::newRow("UTF-16 BE") << int(TextEncoding::Utf16BE);
}

// The mark is read once; a U+FEFF right after it belongs to the text.
void TestPlatform::leadingZeroWidthNoBreakSpaceSurvives()
{
    QFETCH(int, encoding);
    const QStringList lines{u"\uFEFFText;mit Marke"_qs, u"\uFEFF"_qs};
    const QByteArray bytes = TextFile::encodeLines(lines, TextEncoding(encoding));
    const TextLines read = TextFile::decodeLines(bytes);
    QCOMPARE(read.lines, lines);
    QCOMPARE(TextFile::encodeLines(read.lines, read.encoding), bytes);
}

void TestPlatform::folderIsNoFileToRead()
{
    PlatformDoubles doubles;
    QVERIFY(QDir().mkpath(doubles.places.dataFolder() + QStringLiteral("2024rech.csv")));
    QString error;
    QVERIFY(!TextFile::readLines(doubles.places.dataFolder() + QStringLiteral("2024rech.csv"), &error));
    QCOMPARE(error, QStringLiteral("Keine reguläre Datei"));
}

void TestPlatform::systemReasonsInGerman_data()
{
    QTest::addColumn<int>("error");
    QTest::addColumn<QString>("german");
    QTest::newRow("not found") << ENOENT << "Datei oder Verzeichnis nicht gefunden";
    QTest::newRow("access denied") << EACCES << "Zugriff verweigert";
    QTest::newRow("not permitted") << EPERM << u"Vorgang nicht zulässig"_qs;
    QTest::newRow("disk full") << ENOSPC << u"Kein Speicherplatz mehr auf dem Gerät"_qs;
    QTest::newRow("read-only") << EROFS << u"Dateisystem ist schreibgeschützt"_qs;
    QTest::newRow("is a folder") << EISDIR << "Ist ein Verzeichnis";
    QTest::newRow("busy") << EBUSY << u"Gerät oder Ressource belegt"_qs;
    QTest::newRow("too long") << ENAMETOOLONG << "Dateiname zu lang";
    QTest::newRow("exists") << EEXIST << "Datei existiert bereits";
    QTest::newRow("not a folder") << ENOTDIR << "Ist kein Verzeichnis";
    QTest::newRow("link loop") << ELOOP << u"Zu viele Ebenen symbolischer Verknüpfungen"_qs;
    QTest::newRow("too many open") << EMFILE << "Zu viele offene Dateien";
    QTest::newRow("input/output") << EIO << "Ein-/Ausgabefehler";
    QTest::newRow("too large") << EFBIG << u"Datei zu groß"_qs;
    QTest::newRow("quota") << EDQUOT << u"Speicherplatzkontingent überschritten"_qs;
}

void TestPlatform::systemReasonsInGerman()
{
    QFETCH(int, error);
    QFETCH(QString, german);
    QCOMPARE(SystemReason::german(QString::fromLocal8Bit(std::strerror(error))), german);
    QCOMPARE(SystemReason::german(QStringLiteral("Unbekannter Fehler 4711")), QStringLiteral("Unbekannter Fehler 4711"));
}

// Replacing a file that others could read must not leave the new one readable for them either.
void TestPlatform::writesWithOwnerOnlyPermissions()
{
    PlatformDoubles doubles;
    const QString path = doubles.places.putFile(QStringLiteral("geheim.ini"), "alt");
    QVERIFY(QFile::setPermissions(path, QFileDevice::Permissions(0x6644)));
    const QFileDevice::Permissions ownerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
    QVERIFY(TextFile::writeBytes(path, "neu", ownerOnly).isEmpty());
    const QFileDevice::Permissions groupAndOthers(0x0077);
    QCOMPARE(QFileInfo(path).permissions() & groupAndOthers, QFileDevice::Permissions());
    QCOMPARE(QFileInfo(path).permissions() & ownerOnly, ownerOnly);
    QCOMPARE(doubles.places.fileBytes(QStringLiteral("geheim.ini")), QByteArray("neu"));
}

void TestPlatform::helpWithoutBrowserSaysSo()
{
    PlatformDoubles doubles;
    QVERIFY(QDir().mkpath(doubles.places.programFolder() + QStringLiteral("help")));
    QFile page(doubles.places.programFolder() + QStringLiteral("help/zettmar.html"));
    QVERIFY(page.open(QIODevice::WriteOnly));
    doubles.shell.succeeds = false;
    QCOMPARE(BrowserHelp().show(60), QStringLiteral("Die Hilfe kann nicht angezeigt werden: Es wurde kein "
                                                    "Programm zum Anzeigen von Webseiten gefunden."));
    QCOMPARE(doubles.shell.calls.size(), 1);
    QVERIFY(doubles.shell.calls[0].endsWith(QStringLiteral("help/zettmar.html#context-60")));
}

QTEST_GUILESS_MAIN(TestPlatform)
#include "TestPlatform.moc"
