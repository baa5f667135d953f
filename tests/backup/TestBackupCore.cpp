#include "BackupFixture.h"
#include "PlatformDoubles.h"
#include "backup/ArchiveName.h"
#include "backup/ArchiveWriter.h"
#include "backup/BackupHistory.h"
#include "backup/BackupList.h"
#include "backup/EntryPath.h"
#include "backup/FileCopy.h"
#include "backup/HistorySearch.h"
#include "backup/RestoreJournal.h"
#include "backup/RestoreStaging.h"
#include "platform/AsciiCase.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>
#include <zip.h>

using namespace BackupFixture;

namespace {

QStringList entryNames(const QString &dataFolder)
{
    QStringList names;
    for (const QString &path : BackupList::build(dataFolder))
        names.append(BackupList::entryName(dataFolder, path));
    return names;
}

// An archive made by libzip with exactly these entry names, each holding its own name.
void makeArchive(const QString &path, const QStringList &names)
{
    int error = 0;
    zip_t *archive = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    QVERIFY(archive);
    for (const QString &name : names) {
        const QByteArray bytes = name.toUtf8();
        char *copy = static_cast<char *>(malloc(size_t(bytes.size())));
        memcpy(copy, bytes.constData(), size_t(bytes.size()));
        zip_source_t *source = zip_source_buffer(archive, copy, zip_uint64_t(bytes.size()), 1);
        QVERIFY(zip_file_add(archive, bytes.constData(), source, ZIP_FL_ENC_UTF_8) >= 0);
    }
    QCOMPARE(zip_close(archive), 0);
}

// An archive whose entry names are these bytes as they are, each entry holding its own name; with
// utf8Flag every entry claims a UTF-8 name, as bit 11 of its general purpose flags says.
bool makeRawArchive(const QString &path, const QByteArrayList &names, bool utf8Flag)
{
    int error = 0;
    zip_t *archive = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (!archive)
        return false;
    for (const QByteArray &name : names) {
        zip_source_t *source = zip_source_buffer(archive, name.constData(), zip_uint64_t(name.size()), 0);
        if (zip_file_add(archive, name.constData(), source, ZIP_FL_ENC_RAW) < 0)
            return false;
    }
    if (zip_close(archive) != 0)
        return false;
    QByteArray bytes = fileBytes(path);
    const std::pair<QByteArray, int> headers[] = {{"PK\x03\x04", 6}, {"PK\x01\x02", 8}};
    for (const auto &[signature, flagsAt] : headers) {
        for (qsizetype at = bytes.indexOf(signature); utf8Flag && at >= 0; at = bytes.indexOf(signature, at + 1))
            bytes[at + flagsAt + 1] = char(bytes[at + flagsAt + 1] | 0x08);
    }
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QString restore(const QString &dataFolder, const QStringList &chosen, QStringList *skipped = nullptr)
{
    RestoreStaging staging(dataFolder);
    QString failure = staging.setUpFailure();
    for (const QString &file : chosen) {
        if (failure.isEmpty())
            failure = staging.stage(file, {});
    }
    if (skipped)
        *skipped = staging.skipped();
    return failure.isEmpty() ? staging.commit() : failure;
}

QStringList stagingFolders(const QString &dataFolder)
{
    return QDir(dataFolder).entryList({QStringLiteral(".wiederherstellung-*")}, QDir::Dirs | QDir::Hidden);
}

mode_t modeOf(const QString &path)
{
    struct stat status {};
    return ::stat(QFile::encodeName(path).constData(), &status) == 0 ? status.st_mode & 07777 : 0;
}

} // namespace

class TestBackupCore : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void listsWhatABackupSaves_data();
    void listsWhatABackupSaves();
    void listsInCaseInsensitiveOrder();
    void refusesArchiveNames_data();
    void refusesArchiveNames();
    void writesArchivesInfoZipAccepts();
    void keepsEarlierArchiveWhenWritingFails();
    void restoresArchiveOfInfoZip();
    void restoresFilesByNameAndLeavesChosenFilesAlone();
    void placesEntriesBelowTheDataFolderOnly_data();
    void placesEntriesBelowTheDataFolderOnly();
    void refusesANameAsFileAndFolder_data();
    void refusesANameAsFileAndFolder();
    void restoresEveryNameOrNothing_data();
    void restoresEveryNameOrNothing();
    void keepsTimesAndGivesBackupsToTheOwnerOnly();
    void recoversAnInterruptedRestore_data();
    void recoversAnInterruptedRestore();
    void removesWhatKilledRunsLeft();
    void neverWritesThroughLinks();
    void damagedArchiveChangesNothing();
    void writeProtectedTargetChangesNothing();
    void appendsHistoryLines();
    void searchesHistory_data();
    void searchesHistory();

private:
    std::unique_ptr<QTemporaryDir> m_root;
    QString m_data;  // ends in "/"
    QString m_other; // ends in "/"
};

void TestBackupCore::init()
{
    m_root = std::make_unique<QTemporaryDir>();
    m_data = m_root->filePath(QStringLiteral("daten/"));
    m_other = m_root->filePath(QStringLiteral("sicherung/"));
    QDir().mkpath(m_data);
    QDir().mkpath(m_other);
}

void TestBackupCore::listsWhatABackupSaves_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("listedAs"); // empty: not listed

    QTest::newRow("file") << "file" << "2024rech.csv" << "2024rech.csv";
    QTest::newRow("subfolder") << "file" << "docs/scan.pdf" << "docs/scan.pdf";
    QTest::newRow("two levels down") << "file" << "docs/2023/alt.pdf" << "";
    QTest::newRow("hidden") << "file" << ".versteckt" << "";
    QTest::newRow("in hidden folder") << "file" << ".cache/x.dat" << "";
    QTest::newRow("document list of empty key") << "file" << ".dat" << ".dat";
    QTest::newRow("umlaut") << "file" << "docs/Rechnung Müller.pdf" << "docs/Rechnung Müller.pdf";
    QTest::newRow("link to a file") << "link" << "verweis.csv" << "";
    QTest::newRow("link to a folder") << "folderlink" << "ablage" << "";
    QTest::newRow("pipe") << "pipe" << "rohr" << "";
}

void TestBackupCore::listsWhatABackupSaves()
{
    QFETCH(QString, kind);
    QFETCH(QString, path);
    QFETCH(QString, listedAs);
    putFile(m_data, QStringLiteral("zettmar.ini"), "x");
    putFile(m_other, QStringLiteral("draussen/fremd.txt"), "fremd");
    const QString full = m_data + path;
    if (kind == QLatin1String("file"))
        putFile(m_data, path, "inhalt");
    else if (kind == QLatin1String("link"))
        QVERIFY(QFile::link(m_data + QStringLiteral("zettmar.ini"), full));
    else if (kind == QLatin1String("folderlink"))
        QVERIFY(QFile::link(m_other + QStringLiteral("draussen"), full));
    else
        QCOMPARE(mkfifo(QFile::encodeName(full).constData(), 0600), 0);

    QStringList expected{QStringLiteral("zettmar.ini")};
    if (!listedAs.isEmpty())
        expected.append(listedAs);
    QStringList listed = entryNames(m_data);
    listed.sort();
    expected.sort();
    QCOMPARE(listed, expected);
}

void TestBackupCore::listsInCaseInsensitiveOrder()
{
    for (const char *name : {"b.csv", "A.csv", "a2.csv", "Zoo/x", "alt/y", "alt/B"})
        putFile(m_data, QString::fromUtf8(name), "x");
    QCOMPARE(BackupList::build(m_data.chopped(1)),
             QStringList({m_data + "A.csv", m_data + "a2.csv", m_data + "b.csv", m_data + "alt/B", m_data + "alt/y",
                          m_data + "Zoo/x"}));
    QVERIFY(BackupList::build(m_root->filePath(QStringLiteral("fehlt"))).isEmpty());
}

void TestBackupCore::refusesArchiveNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("intoDataFolder");
    QTest::addColumn<bool>("refused");

    QTest::newRow("preset") << "rechbackup20240315.zip" << false << false;
    QTest::newRow("slash") << "../rechbackup.zip" << false << true;
    QTest::newRow("backslash") << "sub\\rechbackup.zip" << false << true;
    QTest::newRow("dot dot") << ".." << false << true;
    QTest::newRow("year file in data folder") << "2024rech.csv" << true << true;
    QTest::newRow("settings in data folder") << "zettmar.ini" << true << true;
    QTest::newRow("earlier archive in data folder") << "alt.zip" << true << false;
    QTest::newRow("new name in data folder") << "neu.zip" << true << false;
    QTest::newRow("same name elsewhere") << "2024rech.csv" << false << false;
}

void TestBackupCore::refusesArchiveNames()
{
    QFETCH(QString, name);
    QFETCH(bool, intoDataFolder);
    QFETCH(bool, refused);
    putFile(m_data, QStringLiteral("2024rech.csv"), "a;b\r\n");
    putFile(m_data, QStringLiteral("zettmar.ini"), "x");
    putFile(m_other, QStringLiteral("2024rech.csv"), "alte Kopie");
    makeArchive(m_data + QStringLiteral("alt.zip"), {QStringLiteral("a")});
    const QString refusal = ArchiveName::refusal(name, intoDataFolder ? m_data : m_other, m_data);
    QCOMPARE(!refusal.isEmpty(), refused);
    QCOMPARE(ArchiveName::preset(QDate(2024, 3, 5)), QStringLiteral("rechbackup20240305.zip"));
}

void TestBackupCore::writesArchivesInfoZipAccepts()
{
    putFile(m_data, QStringLiteral("2024rech.csv"), QByteArray("Strom;05.01.2024;123,45\r\n").repeated(500));
    putFile(m_data, QStringLiteral("leer.txt"), "");
    QByteArray scan(2 << 20, Qt::Uninitialized);
    QRandomGenerator(7).fillRange(reinterpret_cast<quint32 *>(scan.data()), scan.size() / 4);
    putFile(m_data, QStringLiteral("docs/Rechnung Müller.pdf"), scan);
    QList<ArchiveEntry> entries;
    for (const QString &path : BackupList::build(m_data))
        entries.append({path, BackupList::entryName(m_data, path)});
    QList<double> progress;
    const QString archive = m_other + QStringLiteral("b.zip");
    QCOMPARE(ArchiveWriter::write(archive, entries, [&progress](double done) { progress.append(done); }), QString());

    const ToolRun test = runTool(QStringLiteral("unzip"), {QStringLiteral("-t"), archive});
    QCOMPARE(test.exitCode, 0);
    QVERIFY2(test.output.contains(QLatin1String("No errors detected")), qPrintable(test.output));
    QCOMPARE(zipContents(archive), QStringList({"defN 2024rech.csv", "defN leer.txt", "defN docs/Rechnung Müller.pdf"}));
    QVERIFY(std::is_sorted(progress.cbegin(), progress.cend()));
    QCOMPARE(progress.last(), 1.0);
    // Within the large last entry the bar moves on, not only from file to file.
    QVERIFY(std::any_of(progress.cbegin(), progress.cend(), [](double p) { return p > 0.7 && p < 0.95; }));
}

void TestBackupCore::keepsEarlierArchiveWhenWritingFails()
{
    putFile(m_data, QStringLiteral("2024rech.csv"), "neu");
    const QString archive = m_other + QStringLiteral("b.zip");
    makeArchive(archive, {QStringLiteral("alt")});
    const QByteArray earlier = fileBytes(archive);
    if (!protect(m_other))
        QSKIP("cannot make a folder unwritable here");
    const QString failure =
        ArchiveWriter::write(archive, {{m_data + QStringLiteral("2024rech.csv"), QStringLiteral("2024rech.csv")}}, {});
    unprotect(m_other);
    QVERIFY(!failure.isEmpty());
    QCOMPARE(fileBytes(archive), earlier);
    QCOMPARE(QDir(m_other).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("b.zip")});

    const QString missing =
        ArchiveWriter::write(archive, {{m_data + QStringLiteral("fehlt.csv"), QStringLiteral("fehlt.csv")}}, {});
    QVERIFY2(missing.contains(QLatin1String("fehlt.csv")), qPrintable(missing));
    QCOMPARE(fileBytes(archive), earlier);
}

// Info-ZIP writes folder entries, and the UTF-8 name of the umlaut file.
void TestBackupCore::restoresArchiveOfInfoZip()
{
    const QString source = m_root->filePath(QStringLiteral("quelle"));
    putFile(source, QStringLiteral("2024rech.csv"), "Strom;05.01.2024\r\n");
    putFile(source, QStringLiteral("zettmar.ini"), QByteArray("\x01\x02\xff", 3));
    putFile(source, QStringLiteral("docs/Rechnung Ä.pdf"), QByteArray(70000, '\x7f'));
    const QString archive = m_other + QStringLiteral("info.zip");
    QCOMPARE(runTool(QStringLiteral("zip"), {"-r", "-q", archive, "."}, source).exitCode, 0);
    QVERIFY(zipContents(archive).contains(QStringLiteral("stor docs/")));
    const QByteArray archiveBytes = fileBytes(archive);
    putFile(m_data, QStringLiteral("2024rech.csv"), "geändert");
    putFile(m_data, QStringLiteral("2025rech.csv"), "bleibt");

    QCOMPARE(restore(m_data, {archive}), QString());
    QMap<QString, QByteArray> expected = snapshot(source);
    expected.insert(QStringLiteral("2025rech.csv"), "bleibt");
    QCOMPARE(snapshot(m_data), expected);
    QCOMPARE(fileBytes(archive), archiveBytes);
    const QFileDevice::Permissions others = QFileDevice::ReadGroup | QFileDevice::WriteGroup |
                                            QFileDevice::ReadOther | QFileDevice::WriteOther;
    QCOMPARE(QFile::permissions(m_data + QStringLiteral("zettmar.ini")) & others, QFileDevice::Permissions());
}

void TestBackupCore::restoresFilesByNameAndLeavesChosenFilesAlone()
{
    putFile(m_other, QStringLiteral("docs/scan.pdf"), "aus Unterordner");
    putFile(m_other, QStringLiteral("ALT.ZIP"), "kein Entpacken");
    putFile(m_data, QStringLiteral("liegt.csv"), "schon da");
    QCOMPARE(restore(m_data, {m_other + QStringLiteral("docs/scan.pdf"), m_other + QStringLiteral("ALT.ZIP"),
                              m_data + QStringLiteral("liegt.csv")}),
             QString());
    QCOMPARE(snapshot(m_data), (QMap<QString, QByteArray>{{"scan.pdf", "aus Unterordner"},
                                                          {"ALT.ZIP", "kein Entpacken"},
                                                          {"liegt.csv", "schon da"}}));
    QCOMPARE(snapshot(m_other).size(), 2);
}

void TestBackupCore::placesEntriesBelowTheDataFolderOnly_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("below"); // empty: skipped

    QTest::newRow("file") << "2024rech.csv" << "2024rech.csv";
    QTest::newRow("subfolder") << "docs/scan.pdf" << "docs/scan.pdf";
    QTest::newRow("dot part") << "./docs/scan.pdf" << "docs/scan.pdf";
    QTest::newRow("folder entry") << "docs/" << "";
    QTest::newRow("absolute") << "/etc/passwd" << "";
    QTest::newRow("empty part") << "docs//x.csv" << "";
    QTest::newRow("dot dot first") << "../x.csv" << "";
    QTest::newRow("dot dot inside") << "docs/../../x.csv" << "";
    QTest::newRow("dot dot alone") << ".." << "";
    QTest::newRow("name with dots") << "..x.csv" << "..x.csv";
    // "\\" and ":" are characters of a name here, as in the document lists our backups hold.
    QTest::newRow("backslash in a name") << "docs\\scan.pdf" << "docs\\scan.pdf";
    QTest::newRow("leading backslash") << "\\x.csv" << "\\x.csv";
    QTest::newRow("dot dot between backslashes") << "docs\\..\\..\\x.csv" << "docs\\..\\..\\x.csv";
    QTest::newRow("colon after a letter") << "q:ene4711.dat" << "q:ene4711.dat";
    QTest::newRow("colon folder") << "c:/x.csv" << "c:/x.csv";
}

void TestBackupCore::placesEntriesBelowTheDataFolderOnly()
{
    QFETCH(QString, entry);
    QFETCH(QString, below);
    QCOMPARE(EntryPath::below(entry).value_or(QString()), below);

    // Restored from an archive, only the safe name lands, and nothing outside the data folder changes.
    const QString archive = m_other + QStringLiteral("x.zip");
    makeArchive(archive, {entry, QStringLiteral("sicher.txt")});
    QStringList skipped;
    QCOMPARE(restore(m_data, {archive}, &skipped), QString());
    QMap<QString, QByteArray> expected{{QStringLiteral("sicher.txt"), "sicher.txt"}};
    if (!below.isEmpty())
        expected.insert(below, entry.toUtf8());
    QCOMPARE(snapshot(m_data), expected);
    QCOMPARE(snapshot(m_root->path()).size(), expected.size() + 1);
    // A folder entry is no loss; every other entry left out is named.
    QCOMPARE(skipped, below.isEmpty() && !entry.endsWith(QLatin1Char('/')) ? QStringList{entry} : QStringList());
}

void TestBackupCore::refusesANameAsFileAndFolder_data()
{
    QTest::addColumn<QByteArray>("archive");
    // Made by Python's zipfile: "x/y", then "x".
    QTest::newRow("folder first") << QByteArray::fromHex(
        "504b030414000000000058658b5d746e478d070000000700000003000000782f79756e7465722078504b03041400000000005865"
        "8b5d4a07cbad0700000007000000010000007864617465692078504b0102140314000000000058658b5d746e478d070000000700"
        "0000030000000000000000000000800100000000782f79504b0102140314000000000058658b5d4a07cbad070000000700000001"
        "000000000000000000000080012800000078504b05060000000002000200600000004e0000000000");
    QTest::newRow("file first") << QByteArray();
}

// All or nothing: an archive that holds one name as a file and as a folder cannot be restored whole.
void TestBackupCore::refusesANameAsFileAndFolder()
{
    QFETCH(QByteArray, archive);
    const QString path = m_other + QStringLiteral("x.zip");
    if (archive.isEmpty())
        makeArchive(path, {QStringLiteral("x"), QStringLiteral("x/y")});
    else
        putFile(m_other, QStringLiteral("x.zip"), archive);
    putFile(m_data, QStringLiteral("2024rech.csv"), "alt");
    const QMap<QString, QByteArray> before = snapshot(m_data);
    const QString failure = restore(m_data, {path});
    QCOMPARE(failure, m_data + QStringLiteral("x: Die Sicherung enthält diesen Namen als Datei und als Verzeichnis"));
    QCOMPARE(snapshot(m_data), before);
    QCOMPARE(QDir(m_data).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList{QStringLiteral("2024rech.csv")});
}

void TestBackupCore::restoresEveryNameOrNothing_data()
{
    QTest::addColumn<QByteArrayList>("names");
    QTest::addColumn<bool>("utf8Flag");
    QTest::addColumn<QStringList>("restored");
    QTest::addColumn<QString>("failure"); // after the archive's path
    const QByteArrayList codePage{"a\xFF.txt", "a\xFE.txt", "b\x84.txt"};
    // Without the flag a name is in code page 437 (ZIP's rule), where every byte is a character of its
    // own: two names that differ in a byte stay two files.
    QTest::newRow("code page 437") << codePage << false
                                   << QStringList{u"a\u00A0.txt"_qs, u"a\u25A0.txt"_qs, u"b\u00E4.txt"_qs} << QString();
    QTest::newRow("UTF-8 flag on bytes that are not UTF-8") << codePage << true << QStringList()
                                                            << u"Das Archiv ist beschädigt"_qs;
    // libzip passes overlong sequences as UTF-8; as text both names would be "a\uFFFD\uFFFD.txt".
    QTest::newRow("overlong UTF-8") << QByteArrayList{"a\xC0\x80.txt", "a\xC0\x81.txt"} << false << QStringList()
                                    << u"Der Name des Eintrags a\uFFFD\uFFFD.txt ist kein gültiger UTF-8-Text"_qs;
}

// All or nothing: each entry lands under its own name, or the archive is refused and nothing changes.
void TestBackupCore::restoresEveryNameOrNothing()
{
    QFETCH(QByteArrayList, names);
    QFETCH(bool, utf8Flag);
    QFETCH(QStringList, restored);
    QFETCH(QString, failure);
    const QString archive = m_other + QStringLiteral("x.zip");
    QVERIFY(makeRawArchive(archive, names, utf8Flag));
    putFile(m_data, QStringLiteral("2024rech.csv"), "alt");
    QMap<QString, QByteArray> expected = snapshot(m_data);
    QCOMPARE(restore(m_data, {archive}), failure.isEmpty() ? failure : archive + QStringLiteral(": ") + failure);
    for (qsizetype i = 0; i < restored.size(); ++i)
        expected.insert(restored[i], names[i]);
    QCOMPARE(snapshot(m_data), expected);
}

// A restore gives every file the time it was saved with, small ones too; the archive and the plain
// copies hold the enciphered settings, so only the owner may read them; the staging folder too.
void TestBackupCore::keepsTimesAndGivesBackupsToTheOwnerOnly()
{
    const QDateTime saved(QDate(2023, 11, 4), QTime(9, 15, 30));
    putFile(m_root->path(), QStringLiteral("q/zettmar.ini"), QByteArray(3000, 'x'));
    QFile source(m_root->filePath(QStringLiteral("q/zettmar.ini")));
    QVERIFY(source.open(QIODevice::ReadWrite));
    QVERIFY(source.setFileTime(saved, QFileDevice::FileModificationTime));
    source.close();
    QVERIFY(source.setPermissions(QFileDevice::Permissions(0x6644)));
    const QString archive = m_other + QStringLiteral("b.zip");
    QCOMPARE(ArchiveWriter::write(archive, {{source.fileName(), QStringLiteral("zettmar.ini")}}, {}), QString());
    QCOMPARE(modeOf(archive), mode_t(0600));
    const QString copy = m_other + QStringLiteral("zettmar.ini");
    QCOMPARE(FileCopy::copy(source.fileName(), copy), QString());
    QCOMPARE(modeOf(copy), mode_t(0600));
    QCOMPARE(QFileInfo(copy).lastModified(), saved);

    RestoreStaging::stopPlacingAfter(0);
    QVERIFY(!restore(m_data, {archive}).isEmpty());
    RestoreStaging::stopPlacingAfter(std::nullopt);
    QCOMPARE(stagingFolders(m_data).size(), 1);
    QCOMPARE(modeOf(m_data + stagingFolders(m_data).constFirst()), mode_t(0700));
    QCOMPARE(RestoreJournal::recover(m_data), QString());
    QCOMPARE(QFileInfo(m_data + QStringLiteral("zettmar.ini")).lastModified(), saved);
    QCOMPARE(modeOf(m_data + QStringLiteral("zettmar.ini")), mode_t(0600));
}

void TestBackupCore::recoversAnInterruptedRestore_data()
{
    QTest::addColumn<int>("moves");      // done before the kill
    QTest::addColumn<bool>("journalWhole");
    for (int moves = 0; moves < 3; ++moves) {
        QTest::addRow("after %d moves, whole journal: finished", moves) << moves << true;
        QTest::addRow("after %d moves, journal cut short: undone", moves) << moves << false;
    }
}

// A kill while files are moved into place leaves the data folder exactly old or exactly new once the
// next start has looked at the journal; repeating the recovery changes nothing more.
void TestBackupCore::recoversAnInterruptedRestore()
{
    QFETCH(int, moves);
    QFETCH(bool, journalWhole);
    putFile(m_data, QStringLiteral("a.csv"), "alt A");
    putFile(m_data, QStringLiteral("b.csv"), "alt B");
    const QMap<QString, QByteArray> old = snapshot(m_data);
    putFile(m_root->path(), QStringLiteral("q/a.csv"), "neu A");
    putFile(m_root->path(), QStringLiteral("q/sub/c.csv"), "neu C");
    putFile(m_root->path(), QStringLiteral("q/b.csv"), "neu B");
    const QString archive = m_other + QStringLiteral("b.zip");
    const QStringList zipArguments{QStringLiteral("-q"), QStringLiteral("-r"), archive, QStringLiteral("a.csv"),
                                   QStringLiteral("sub/c.csv"), QStringLiteral("b.csv")};
    QCOMPARE(runTool(QStringLiteral("zip"), zipArguments, m_root->filePath(QStringLiteral("q"))).exitCode, 0);
    QMap<QString, QByteArray> restored = snapshot(m_root->filePath(QStringLiteral("q")));

    RestoreStaging::stopPlacingAfter(moves);
    QVERIFY(!restore(m_data, {archive}).isEmpty());
    RestoreStaging::stopPlacingAfter(std::nullopt);
    QCOMPARE(stagingFolders(m_data).size(), 1);
    if (!journalWhole) {
        const QString journal = m_data + stagingFolders(m_data).constFirst() + QStringLiteral("/journal");
        QByteArray bytes = fileBytes(journal);
        bytes.chop(QByteArray("ende\r\n").size());
        putFile(m_data + stagingFolders(m_data).constFirst(), QStringLiteral("journal"), bytes);
    }
    QCOMPARE(RestoreJournal::recover(m_data), QString());
    QCOMPARE(snapshot(m_data), journalWhole ? restored : old);
    QCOMPARE(QDir(m_data).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).size(),
             journalWhole ? 3 : 2);
    QCOMPARE(RestoreJournal::recover(m_data), QString());
    QCOMPARE(snapshot(m_data), journalWhole ? restored : old);
}

void TestBackupCore::removesWhatKilledRunsLeft()
{
    putFile(m_data, QStringLiteral(".wiederherstellung-Ab12Cd/neu-0"), "gestaged");
    putFile(m_data, QStringLiteral("2024rech.csv"), "bleibt");
    QCOMPARE(RestoreJournal::recover(m_data), QString());
    QCOMPARE(QDir(m_data).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList{QStringLiteral("2024rech.csv")});

    for (const char *name : {"rechbackup20240301.zip.Ab12Cd", "eigen.zip.Xy34Zw", "eigen.zip.Xy34Zw.Qr56St",
                             "rechbackup20240301.zip", "rechbackup.zip.txt", "andere.zip.Ab12Cd"})
        putFile(m_other, QLatin1String(name), "x");
    ArchiveWriter::removeLeftovers(m_other, QStringLiteral("eigen.zip"));
    QCOMPARE(QDir(m_other).entryList(QDir::Files | QDir::Hidden),
             QStringList({QStringLiteral("andere.zip.Ab12Cd"), QStringLiteral("rechbackup.zip.txt"),
                          QStringLiteral("rechbackup20240301.zip")}));
}

void TestBackupCore::neverWritesThroughLinks()
{
    // An archive with a link entry (zip -y) and a file below the link's name.
    const QString outside = m_root->filePath(QStringLiteral("draussen"));
    QDir().mkpath(outside);
    const QString source = m_root->filePath(QStringLiteral("quelle"));
    QDir().mkpath(source);
    QVERIFY(QFile::link(outside, source + QStringLiteral("/verweis")));
    const QString archive = m_other + QStringLiteral("link.zip");
    QCOMPARE(runTool(QStringLiteral("zip"), {"-y", "-q", archive, "verweis"}, source).exitCode, 0);
    QVERIFY(zipContents(archive).contains(QStringLiteral("stor verweis")));
    const QString second = m_root->filePath(QStringLiteral("zweite"));
    putFile(second, QStringLiteral("ablage/boese.txt"), "boese");
    QCOMPARE(runTool(QStringLiteral("zip"), {"-q", archive, "ablage/boese.txt"}, second).exitCode, 0);
    // A folder of the data folder that is a link itself.
    QVERIFY(QFile::link(outside, m_data + QStringLiteral("ablage")));

    QCOMPARE(restore(m_data, {archive}), QString());
    QVERIFY(QDir(outside).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
    QVERIFY(!QFileInfo::exists(m_data + QStringLiteral("verweis")));
}

void TestBackupCore::damagedArchiveChangesNothing()
{
    putFile(m_data, QStringLiteral("a.csv"), "Original A");
    putFile(m_data, QStringLiteral("b.csv"), QByteArray("Original B ").repeated(2000));
    const QString archive = m_other + QStringLiteral("b.zip");
    putFile(m_root->path(), QStringLiteral("q/a.csv"), "gesichert A");
    putFile(m_root->path(), QStringLiteral("q/b.csv"), QByteArray("gesichert B ").repeated(2000));
    QCOMPARE(ArchiveWriter::write(archive,
                                  {{m_root->filePath(QStringLiteral("q/a.csv")), QStringLiteral("a.csv")},
                                   {m_root->filePath(QStringLiteral("q/b.csv")), QStringLiteral("b.csv")}},
                                  {}),
             QString());
    QByteArray damaged = fileBytes(archive);
    const qsizetype second = damaged.indexOf("b.csv") + 5 + 10; // inside the second entry's data
    damaged[second] = char(damaged[second] ^ 0x01);
    putFile(m_other, QStringLiteral("b.zip"), damaged);
    const QMap<QString, QByteArray> before = snapshot(m_data);

    const QString failure = restore(m_data, {archive});
    QVERIFY2(failure.contains(QLatin1String("b.zip")), qPrintable(failure));
    QCOMPARE(snapshot(m_data), before);
    QCOMPARE(fileBytes(archive), damaged);
    QCOMPARE(QDir(m_data).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).size(), 2);
}

void TestBackupCore::writeProtectedTargetChangesNothing()
{
    putFile(m_data, QStringLiteral("a.csv"), "alt A");
    putFile(m_data, QStringLiteral("b.csv"), "alt B");
    putFile(m_other, QStringLiteral("a.csv"), "neu A");
    putFile(m_other, QStringLiteral("b.csv"), "neu B");
    putFile(m_other, QStringLiteral("docs/c.pdf"), "neu C");
    if (!protect(m_data + QStringLiteral("b.csv")))
        QSKIP("cannot write-protect a file here");
    const QMap<QString, QByteArray> before = snapshot(m_data);
    const QString failure =
        restore(m_data, {m_other + QStringLiteral("a.csv"), m_other + QStringLiteral("docs/c.pdf"),
                         m_other + QStringLiteral("b.csv")});
    unprotect(m_data + QStringLiteral("b.csv"));
    QVERIFY2(failure.contains(QLatin1String("b.csv")) && failure.contains(QStringLiteral("schreibgeschützt")),
             qPrintable(failure));
    QCOMPARE(snapshot(m_data), before);
}

void TestBackupCore::appendsHistoryLines()
{
    const QDateTime when(QDate(2024, 3, 5), QTime(14, 7, 31));
    const QString path = m_data + QStringLiteral("backhist.dat");
    QCOMPARE(BackupHistory::append(path, BackupHistory::line(when, QStringLiteral("/s/rechbackup20240305.zip"))),
             QString());
    QCOMPARE(BackupHistory::append(path, BackupHistory::line(when, QStringLiteral("/s/Möbel\nneu"))), QString());
    QCOMPARE(fileBytes(path), QByteArray("05.03.2024 14:07:31 | /s/rechbackup20240305.zip\r\n"
                                         "05.03.2024 14:07:31 | /s/M\xf6" "bel neu\r\n"));
    // A target the Windows code page cannot hold turns the whole file into UTF-8 with its mark.
    QCOMPARE(BackupHistory::append(path, BackupHistory::line(when, QStringLiteral("/s/Łódź"))), QString());
    QCOMPARE(fileBytes(path), QByteArray("\xef\xbb\xbf" "05.03.2024 14:07:31 | /s/rechbackup20240305.zip\r\n"
                                         "05.03.2024 14:07:31 | /s/M\xc3\xb6" "bel neu\r\n"
                                         "05.03.2024 14:07:31 | /s/\xc5\x81\xc3\xb3" "d\xc5\xba\r\n"));
    QCOMPARE(BackupHistory::line(when, u"/s/a\u0085b\u007Fc"_qs), QStringLiteral("05.03.2024 14:07:31 | /s/a b c"));
    // Edited in the viewer: a first line the code page would write as a UTF-8 mark reads back only from UTF-8.
    QCOMPARE(BackupHistory::write(path, {u"ï»¿ notiert"_qs}, TextEncoding::Windows1252), QString());
    QCOMPARE(fileBytes(path), QByteArray("\xef\xbb\xbf\xc3\xaf\xc2\xbb\xc2\xbf notiert\r\n"));
}

void TestBackupCore::searchesHistory_data()
{
    QTest::addColumn<QString>("entered");
    QTest::addColumn<int>("searches"); // the first, then F3
    QTest::addColumn<int>("lastStart"); // -1: not found

    QTest::newRow("capitals") << "RECH" << 1 << 16;
    QTest::newRow("F3 finds the next") << "rech" << 2 << 41;
    QTest::newRow("F3 after the last hit") << "rech" << 3 << -1;
    QTest::newRow("leading blank kept") << " /s/r" << 1 << 12;
    QTest::newRow("leading blank misses") << " rech" << 1 << -1;
    QTest::newRow("across the line break") << "zip\n06" << 1 << 21;
}

void TestBackupCore::searchesHistory()
{
    QFETCH(QString, entered);
    QFETCH(int, searches);
    QFETCH(int, lastStart);
    const QString text = QStringLiteral("05.03.2024 | /s/Rech.zip\n06.03.2024 | /s/rech2.zip");
    HistorySearch search;
    QVERIFY(!search.setTerm(QStringLiteral(" \t")));
    QVERIFY(search.setTerm(entered));
    QCOMPARE(search.term(), AsciiCase::lowered(entered));
    std::optional<HistorySearch::Hit> hit = search.findFirst(text);
    for (int i = 1; i < searches; ++i)
        hit = search.findNext(text);
    QCOMPARE(hit ? int(hit->start) : -1, lastStart);
    if (hit)
        QCOMPARE(text.mid(hit->start, hit->length).toLower(), entered.toLower());
    QVERIFY(!search.findNext(text) || lastStart >= 0);
}

QTEST_GUILESS_MAIN(TestBackupCore)
#include "TestBackupCore.moc"
