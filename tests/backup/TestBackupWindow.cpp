#include "BackupFixture.h"
#include "WindowDoubles.h"
#include "backup/ArchiveWriter.h"
#include "backup/TFormBackup.h"
#include "backup/TFormHistory.h"
#include "backup/TFormRestInf.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <QToolButton>

using namespace BackupFixture;

namespace {

const QString kNotSaved = QStringLiteral(" Sicherung abgebrochen oder Dateifehler!");
const QString kArchive = QStringLiteral("rechbackup20240315.zip");

template <typename T = QWidget>
T &control(QWidget &window, const char *name)
{
    T *found = window.findChild<T *>(QLatin1String(name));
    if (!found)
        qFatal("no control %s", name);
    return *found;
}

QString text(QWidget &window, const char *name)
{
    if (auto *label = window.findChild<QLabel *>(QLatin1String(name)))
        return label->text();
    return control<QLineEdit>(window, name).text();
}

void click(QWidget &window, const char *name)
{
    control<QAbstractButton>(window, name).click();
}

QStringList rows(QWidget &window)
{
    QStringList texts;
    auto &list = control<QListWidget>(window, "ListBox1");
    for (int row = 0; row < list.count(); ++row)
        texts.append(list.item(row)->text());
    return texts;
}

} // namespace

class TestBackupWindow : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void backsUpAndRestoresWithRestart();
    void damagedArchiveRestoresNothing();
    void restoreNamesSkippedEntriesAndShowsItsState();
    void unwritableDestinationKeepsEarlierArchive();
    void missingFileAnsweredNein();
    void zippedRunClearsRowsAsItPacks_data();
    void zippedRunClearsRowsAsItPacks();
    void stopsPlainRunAndClosesAfterIt();
    void refusesRun_data();
    void refusesRun();
    void choosesDestinationFolder_data();
    void choosesDestinationFolder();
    void keysAndClosing();
    void showsAndSearchesHistory();
    void savesHistoryAsItStands_data();
    void savesHistoryAsItStands();
    void reportsFailedRestartBeforeTheEnd();

private:
    // Opens the backup window as the settings window does and runs act on it.
    void openBackup(const std::function<void(QDialog &)> &act);
    void putData(const QString &relative, const QByteArray &bytes);

    std::unique_ptr<WindowDoubles> m_doubles;
    std::unique_ptr<QWidget> m_main;
    std::unique_ptr<TFormHistory> m_history;
    std::unique_ptr<TFormRestInf> m_restInf;
    std::unique_ptr<TFormBackup> m_backup;
    std::unique_ptr<QTemporaryDir> m_destinationRoot;
    QString m_data;        // ends in "/"
    QString m_destination; // as stored in the settings, without "/"
};

void TestBackupWindow::init()
{
    m_doubles = std::make_unique<WindowDoubles>();
    m_main = std::make_unique<QWidget>();
    m_history = std::make_unique<TFormHistory>();
    m_restInf = std::make_unique<TFormRestInf>(*m_main);
    m_backup = std::make_unique<TFormBackup>(*m_history, *m_restInf);
    m_destinationRoot = std::make_unique<QTemporaryDir>();
    m_data = m_doubles->places.dataFolder();
    m_destination = m_destinationRoot->filePath(QStringLiteral("Sicherung"));
    QDir().mkpath(m_data);
    QDir().mkpath(m_destination);
}

void TestBackupWindow::cleanup()
{
    m_doubles->dialogs.verifyScriptUsed();
    m_backup.reset();
    m_restInf.reset();
    m_history.reset();
    m_main.reset();
    m_doubles.reset();
}

void TestBackupWindow::openBackup(const std::function<void(QDialog &)> &act)
{
    m_backup->MyLanguage = 0;
    m_backup->IniPath = m_data;
    m_backup->DataPfad = m_data;
    m_backup->BackupDir = m_destination;
    m_doubles->dialogs.windowHandlers.enqueue(act);
    Platform::dialogs().exec(*m_backup);
}

void TestBackupWindow::putData(const QString &relative, const QByteArray &bytes)
{
    putFile(m_data, relative, bytes);
}

void TestBackupWindow::backsUpAndRestoresWithRestart()
{
    putData(QStringLiteral("2024rech.csv"), "Strom;05.01.2024;123,45\r\n");
    putData(QStringLiteral("zettmar.ini"), QByteArray("\x10\x80\xff", 3));
    putData(QStringLiteral("docs/scan.pdf"), QByteArray(50000, 's'));
    putData(QStringLiteral("docs/Müller.pdf"), "M");
    putData(QStringLiteral(".versteckt"), "nicht gesichert");
    const QMap<QString, QByteArray> originals = snapshot(m_data);
    const QString target = m_destination + QLatin1Char('/') + kArchive;
    auto &dialogs = m_doubles->dialogs;

    openBackup([&](QDialog &window) {
        QCOMPARE(text(window, "EditDir"), m_data);
        QCOMPARE(text(window, "LabelCount"), QStringLiteral("4 Elemente"));
        QCOMPARE(text(window, "LabelDatum"), QStringLiteral("15.03.2024"));
        dialogs.inputs.enqueue(kArchive);
        click(window, "ToolButton6");
        QCOMPARE(text(window, "Label4"), QStringLiteral("4 Datei(en) gesichert"));
        QCOMPARE(text(window, "LabelCount"), QStringLiteral("0 Elemente"));
        QCOMPARE(text(window, "StatusTarget"), target);
        QCOMPARE(m_doubles->shell.calls, QStringList{QStringLiteral("folder ") + m_destination + QLatin1Char('/')});
        QCOMPARE(zipContents(target), QStringList({"defN 2024rech.csv", "defN zettmar.ini", "defN docs/Müller.pdf",
                                                   "defN docs/scan.pdf"}));
        QCOMPARE(runTool(QStringLiteral("unzip"), {QStringLiteral("-tq"), target}).exitCode, 0);
        const QByteArray archiveBytes = fileBytes(target);

        putData(QStringLiteral("2024rech.csv"), "geändert");
        QFile::remove(m_data + QStringLiteral("docs/scan.pdf"));
        putData(QStringLiteral("2025rech.csv"), "neu seit dem Backup");
        putData(QStringLiteral("tmp.acc"), "weg damit");
        dialogs.answers.enqueue(true);
        dialogs.fileLists.enqueue({target});
        dialogs.windowHandlers.enqueue([](QDialog &notice) {
            QCOMPARE(notice.windowTitle(), QStringLiteral("Restore"));
            QCOMPARE(text(notice, "Label2"), QStringLiteral("Das Programm wird neu gestartet!"));
            QTest::keyClick(&notice, Qt::Key_Escape);
            QVERIFY(notice.isVisible());
            click(notice, "SpeedButton1");
        });
        click(window, "ButtonRestore");
        QCOMPARE(text(window, "Label4"), QStringLiteral("Daten wiederhergestellt"));
        QCOMPARE(fileBytes(target), archiveBytes);
        click(window, "ButtonClose");
    });

    QCOMPARE(dialogs.log[1].text, QStringLiteral("Dateiname"));
    QCOMPARE(dialogs.log[2].caption, QStringLiteral("Velquarin"));
    QCOMPARE(dialogs.log[2].text, QStringLiteral("Vorhandene Daten werden beim Zurücksichern überschrieben. "
                                                 "Wollen Sie den Vorgang fortsetzen?"));
    QCOMPARE(dialogs.log[3].text, QStringLiteral("Alle (*)|") + m_destination + QLatin1Char('/'));
    QCOMPARE(m_doubles->shell.calls.last(), QStringLiteral("restart"));
    QCOMPARE(m_doubles->process.endCodes, QList<int>{0});
    QMap<QString, QByteArray> expected = originals;
    expected.insert(QStringLiteral("2025rech.csv"), "neu seit dem Backup");
    expected.insert(QStringLiteral("backhist.dat"), "15.03.2024 10:30:00 | " + target.toUtf8() + "\r\n");
    QCOMPARE(snapshot(m_data), expected);
    QCOMPARE(m_backup->BackupDir, m_destination + QLatin1Char('/'));
}

void TestBackupWindow::damagedArchiveRestoresNothing()
{
    putData(QStringLiteral("2024rech.csv"), "aktuell");
    const QString archive = m_destination + QLatin1Char('/') + kArchive;
    const QString source = m_destinationRoot->filePath(QStringLiteral("alt.csv"));
    putFile(m_destinationRoot->path(), QStringLiteral("alt.csv"), QByteArray("alt;").repeated(5000));
    QCOMPARE(ArchiveWriter::write(archive, {{source, QStringLiteral("2024rech.csv")}}, {}), QString());
    QByteArray damaged = fileBytes(archive);
    damaged[60] = char(damaged[60] ^ 0x20);
    putFile(m_destination, kArchive, damaged);
    QMap<QString, QByteArray> before;

    // A backup first, whose counter and full bar must not stay as if they told of the restore.
    openBackup([&](QDialog &window) {
        m_doubles->dialogs.inputs.enqueue(QStringLiteral("vorher.zip"));
        click(window, "ToolButton6");
        QCOMPARE(text(window, "Label4"), QStringLiteral("1 Datei(en) gesichert"));
        before = snapshot(m_data);
        m_doubles->shell.calls.clear();
        m_doubles->dialogs.answers.enqueue(true);
        m_doubles->dialogs.fileLists.enqueue({archive});
        click(window, "ButtonRestore");
        QCOMPARE(text(window, "Label4"), QString());
        QCOMPARE(control(window, "Balken").width(), 0);
        QCOMPARE(rows(window), QStringList());
        QCOMPARE(text(window, "LabelCount"), QStringLiteral("0 Elemente"));
        QVERIFY(control<QAbstractButton>(window, "ToolButton11").isEnabled());
    });
    const ScriptedDialogs::Box notice = m_doubles->dialogs.log.last();
    QCOMPARE(notice.kind, QStringLiteral("error"));
    QVERIFY2(notice.text.startsWith(QStringLiteral("Die Daten wurden nicht wiederhergestellt")) &&
                 notice.text.contains(kArchive),
             qPrintable(notice.text));
    QCOMPARE(snapshot(m_data), before);
    QCOMPARE(fileBytes(archive), damaged);
    QVERIFY(m_doubles->shell.calls.isEmpty());
    QVERIFY(m_doubles->process.endCodes.isEmpty());
}

// Before the restart the user learns what was left out for safety; while the restore runs, the counter
// matches the emptied list and the stop button, which cannot stop a restore, is off.
void TestBackupWindow::restoreNamesSkippedEntriesAndShowsItsState()
{
    putData(QStringLiteral("2024rech.csv"), "aktuell");
    const QString archive = m_destination + QLatin1Char('/') + kArchive;
    const QString source = m_destinationRoot->filePath(QStringLiteral("alt.csv"));
    putFile(m_destinationRoot->path(), QStringLiteral("alt.csv"), "alt");
    QCOMPARE(ArchiveWriter::write(archive,
                                  {{source, QStringLiteral("2024rech.csv")},
                                   {source, QStringLiteral("../boese.txt")},
                                   {source, QStringLiteral("/etc/boese")}},
                                  {}),
             QString());
    std::optional<bool> stopEnabled;
    QString countWhileRunning;
    openBackup([&](QDialog &window) {
        QCOMPARE(text(window, "LabelCount"), QStringLiteral("1 Elemente"));
        QTimer whileRunning;
        QObject::connect(&whileRunning, &QTimer::timeout, [&] {
            whileRunning.stop();
            stopEnabled = control<QAbstractButton>(window, "ToolButton11").isEnabled();
            countWhileRunning = text(window, "LabelCount");
        });
        whileRunning.start(0);
        m_doubles->dialogs.answers.enqueue(true);
        m_doubles->dialogs.fileLists.enqueue({archive});
        m_doubles->dialogs.windowHandlers.enqueue([](QDialog &notice) { click(notice, "SpeedButton1"); });
        click(window, "ButtonRestore");
        QVERIFY(control<QAbstractButton>(window, "ToolButton11").isEnabled());
    });
    QCOMPARE(stopEnabled, std::optional<bool>(false));
    QCOMPARE(countWhileRunning, QStringLiteral("0 Elemente"));
    QCOMPARE(fileBytes(m_data + QStringLiteral("2024rech.csv")), QByteArray("alt"));
    const ScriptedDialogs::Box skipped = m_doubles->dialogs.log[m_doubles->dialogs.log.size() - 2];
    QCOMPARE(skipped.kind, QStringLiteral("warning"));
    QCOMPARE(skipped.text, QStringLiteral("2 Einträge wurden aus Sicherheitsgründen übersprungen: ../boese.txt, /etc/boese"));
    QCOMPARE(m_doubles->dialogs.log.last().kind, QStringLiteral("window"));
}

void TestBackupWindow::unwritableDestinationKeepsEarlierArchive()
{
    putData(QStringLiteral("2024rech.csv"), "Jahr");
    putData(QStringLiteral("docs/a.pdf"), "A");
    const QString archive = m_destination + QLatin1Char('/') + kArchive;
    const QString source = m_destinationRoot->filePath(QStringLiteral("alt.csv"));
    putFile(m_destinationRoot->path(), QStringLiteral("alt.csv"), "alt");
    QCOMPARE(ArchiveWriter::write(archive, {{source, QStringLiteral("alt.csv")}}, {}), QString());
    const QByteArray earlier = fileBytes(archive);
    const QMap<QString, QByteArray> before = snapshot(m_data);
    if (!protect(m_destination))
        QSKIP("cannot make a folder unwritable here");

    openBackup([&](QDialog &window) {
        m_doubles->dialogs.inputs.enqueue(kArchive);
        click(window, "ToolButton6");
        QCOMPARE(text(window, "Label4"), QString());
        QCOMPARE(text(window, "StatusTarget"), QString());
        QCOMPARE(rows(window), QStringList({m_data + "2024rech.csv", m_data + "docs/a.pdf"}));
    });
    unprotect(m_destination);
    const ScriptedDialogs::Box notice = m_doubles->dialogs.log.last();
    QCOMPARE(notice.kind, QStringLiteral("error"));
    QVERIFY2(notice.text.startsWith(QStringLiteral("Das Backup ") + QDir::toNativeSeparators(archive)),
             qPrintable(notice.text));
    QCOMPARE(fileBytes(archive), earlier);
    QCOMPARE(QDir(m_destination).entryList(QDir::Files | QDir::Hidden), QStringList{kArchive});
    QCOMPARE(snapshot(m_data), before);
    QVERIFY(m_doubles->shell.calls.isEmpty());
}

void TestBackupWindow::missingFileAnsweredNein()
{
    putData(QStringLiteral("a.csv"), "A");
    putData(QStringLiteral("b.csv"), "B");
    putData(QStringLiteral("c.csv"), "C");
    const QString missing = m_data + QStringLiteral("b.csv");
    openBackup([&](QDialog &window) {
        QFile::remove(missing);
        m_doubles->dialogs.inputs.enqueue(kArchive);
        m_doubles->dialogs.answers.enqueue(false);
        click(window, "ToolButton6");
        QCOMPARE(text(window, "Label4"), QStringLiteral("2 Datei(en) gesichert"));
        QCOMPARE(rows(window), QStringList{missing});
        QCOMPARE(text(window, "LabelCount"), QStringLiteral("1 Elemente"));
    });
    const QStringList texts = m_doubles->dialogs.texts();
    QCOMPARE(texts[2], missing + QLatin1Char(' ') + kNotSaved);
    QCOMPARE(texts[3], QStringLiteral("1") + kNotSaved);
    QCOMPARE(zipContents(m_destination + QLatin1Char('/') + kArchive), QStringList({"defN a.csv", "defN c.csv"}));
}

void TestBackupWindow::zippedRunClearsRowsAsItPacks_data()
{
    QTest::addColumn<bool>("fileGoesMissing");
    QTest::newRow("complete") << false;
    QTest::newRow("the last file goes missing while the first is packed") << true;
}

// Each row clears once its file is in the archive, as in a plain run; a failed archive saved nothing,
// so its rows come back. "Backup abbrechen" stays off: a zipped run does not look at it.
void TestBackupWindow::zippedRunClearsRowsAsItPacks()
{
    QFETCH(bool, fileGoesMissing);
    const QStringList names{QStringLiteral("a.csv"), QStringLiteral("b.csv"), QStringLiteral("docs/c.pdf")};
    QStringList paths;
    for (const QString &name : names) {
        putData(name, QByteArray(1 << 20, 'r'));
        paths.append(m_data + name);
    }
    QStringList rowsWhilePacking;
    bool stopEnabled = true;
    openBackup([&](QDialog &window) {
        QTimer whileRunning;
        QObject::connect(&whileRunning, &QTimer::timeout, [&] {
            if (rows(window).value(0) != QLatin1String("  "))
                return;
            whileRunning.stop();
            rowsWhilePacking = rows(window);
            stopEnabled = control<QAbstractButton>(window, "ToolButton11").isEnabled();
            if (fileGoesMissing)
                QFile::remove(paths[2]);
        });
        whileRunning.start(0);
        m_doubles->dialogs.inputs.enqueue(kArchive);
        click(window, "ToolButton6");
        QCOMPARE(rows(window), fileGoesMissing ? paths : QStringList());
        QCOMPARE(text(window, "LabelCount"), fileGoesMissing ? QStringLiteral("3 Elemente") : QStringLiteral("0 Elemente"));
        QCOMPARE(text(window, "Label4"), fileGoesMissing ? QString() : QStringLiteral("3 Datei(en) gesichert"));
        QVERIFY(control<QAbstractButton>(window, "ToolButton11").isEnabled());
    });
    QCOMPARE(rowsWhilePacking, (QStringList{QStringLiteral("  "), paths[1], paths[2]}));
    QVERIFY(!stopEnabled);
    QCOMPARE(m_doubles->dialogs.lastText().startsWith(QStringLiteral("Das Backup ")), fileGoesMissing);
}

// The stop acts before the next copy; other buttons do nothing during the run and closing waits for its end.
void TestBackupWindow::stopsPlainRunAndClosesAfterIt()
{
    for (const char *name : {"a.csv", "b.csv", "docs/c.pdf"})
        putData(QString::fromUtf8(name), name);
    openBackup([&](QDialog &window) {
        control<QCheckBox>(window, "CheckBox1").setChecked(false);
        m_doubles->dialogs.answers.enqueue(true);
        QTimer whileRunning;
        QObject::connect(&whileRunning, &QTimer::timeout, [&] {
            if (rows(window).value(0) != QLatin1String("  "))
                return;
            whileRunning.stop();
            click(window, "ToolButton11");
            click(window, "ToolButton1");
            window.close();
            QVERIFY(window.isVisible());
        });
        whileRunning.start(0);
        click(window, "ToolButton6");
        QVERIFY(!window.isVisible());
        QCOMPARE(rows(window), QStringList({m_data + "b.csv", m_data + "docs/c.pdf"}));
        QCOMPARE(text(window, "Label4"), QStringLiteral("1 Datei(en) gesichert"));
    });
    QCOMPARE(snapshot(m_destination), (QMap<QString, QByteArray>{{"a.csv", "a.csv"}}));
    QCOMPARE(m_doubles->dialogs.lastText(), QStringLiteral("2") + kNotSaved);
    QCOMPARE(fileBytes(m_data + QStringLiteral("backhist.dat")),
             "15.03.2024 10:30:00 | " + m_destination.toUtf8() + "/\r\n");
    QCOMPARE(m_doubles->shell.calls, QStringList{QStringLiteral("folder ") + m_destination + QLatin1Char('/')});
    QCOMPARE(m_backup->BackupDir, m_destination + QLatin1Char('/'));
}

void TestBackupWindow::refusesRun_data()
{
    QTest::addColumn<bool>("zipped");
    QTest::addColumn<QString>("destination"); // "data" for the data folder itself
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("notice");

    QTest::newRow("zipped, destination gone") << true << "fehlt" << kArchive << "Verzeichnis nicht gefunden";
    QTest::newRow("plain, destination gone") << false << "fehlt" << "" << "Verzeichnis nicht gefunden";
    QTest::newRow("name with folder") << true << "" << "../x.zip"
                                      << "Der Dateiname \"../x.zip\" darf kein \"/\" und kein \"\\\" enthalten.";
    QTest::newRow("would replace the year file") << true << "data" << "2024rech.csv" << "würde überschrieben";
}

void TestBackupWindow::refusesRun()
{
    QFETCH(bool, zipped);
    QFETCH(QString, destination);
    QFETCH(QString, name);
    QFETCH(QString, notice);
    putData(QStringLiteral("2024rech.csv"), "Jahr");
    const QMap<QString, QByteArray> before = snapshot(m_data);
    openBackup([&](QDialog &window) {
        control<QCheckBox>(window, "CheckBox1").setChecked(zipped);
        const QString folder = destination == QLatin1String("data") ? m_data : m_destination + QLatin1Char('/') + destination;
        control<QLineEdit>(window, "EditZielDir").setText(folder);
        if (zipped)
            m_doubles->dialogs.inputs.enqueue(name);
        else
            m_doubles->dialogs.answers.enqueue(true);
        click(window, "ToolButton6");
    });
    QCOMPARE(m_doubles->dialogs.log.last().kind, QStringLiteral("error"));
    QVERIFY2(m_doubles->dialogs.lastText().contains(notice), qPrintable(m_doubles->dialogs.lastText()));
    QCOMPARE(snapshot(m_data), before);
    QVERIFY(QDir(m_destination).isEmpty());
}

void TestBackupWindow::choosesDestinationFolder_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("field");

    QTest::newRow("folder with a dot") << "Sicherung.2024" << "Sicherung.2024";
    QTest::newRow("file") << "Sicherung.2024/liste.txt" << "Sicherung.2024/";
}

void TestBackupWindow::choosesDestinationFolder()
{
    QFETCH(QString, chosen);
    QFETCH(QString, field);
    const QString root = m_destinationRoot->path() + QLatin1Char('/');
    putFile(root, QStringLiteral("Sicherung.2024/liste.txt"), "x");
    openBackup([&](QDialog &window) {
        m_doubles->dialogs.inputs.enqueue(root + chosen);
        click(window, "ButtonZiel");
        QCOMPARE(text(window, "EditZielDir"), root + field);
    });
    QCOMPARE(m_doubles->dialogs.log[1].text, m_destination);
    QCOMPARE(m_backup->BackupDir, root + field);
}

void TestBackupWindow::keysAndClosing()
{
    openBackup([&](QDialog &window) {
        QTest::keyClick(&control(window, "ListBox1"), Qt::Key_F1);
        QTest::keyClick(&window, Qt::Key_Escape);
        QVERIFY(window.isVisible());
        control<QLineEdit>(window, "EditZielDir").setText(QStringLiteral("  /neu/ziel "));
        window.close();
    });
    QCOMPARE(m_doubles->help.contexts, QList<int>{20});
    QCOMPARE(m_backup->BackupDir, QStringLiteral("/neu/ziel"));
}

void TestBackupWindow::showsAndSearchesHistory()
{
    QAction *history = m_backup->popupMenu().findChild<QAction *>(QStringLiteral("History1"));
    QVERIFY(history);
    openBackup([&](QDialog &) { history->trigger(); });
    QCOMPARE(m_doubles->dialogs.log.last().kind, QStringLiteral("warning"));
    QCOMPARE(m_doubles->dialogs.lastText(), QStringLiteral("Backup-Historie nicht gefunden"));

    putData(QStringLiteral("backhist.dat"), "05.03.2024 14:07:31 | /s/Rech.zip\r\n06.03.2024 09:00:00 | /s/rech2.zip\r\n");
    auto &dialogs = m_doubles->dialogs;
    const auto searchAndEmpty = [&](QDialog &viewer) {
        auto &memo = control<QPlainTextEdit>(viewer, "Memo1");
        QCOMPARE(memo.toPlainText(), QStringLiteral("05.03.2024 14:07:31 | /s/Rech.zip\n06.03.2024 09:00:00 | /s/rech2.zip"));
        QCOMPARE(viewer.findChild<QStatusBar *>()->findChild<QLabel *>()->text(), QStringLiteral("15.03.2024"));
        dialogs.inputs.enqueue(QStringLiteral("RECH"));
        click(viewer, "ButtonFind");
        QCOMPARE(memo.textCursor().selectedText(), QStringLiteral("Rech"));
        QTest::keyClick(&memo, Qt::Key_F3);
        QCOMPARE(memo.textCursor().selectedText(), QStringLiteral("rech"));
        QCOMPARE(memo.textCursor().selectionStart(), 59);
        QTest::keyClick(&memo, Qt::Key_F3);
        QCOMPARE(dialogs.lastText(), QStringLiteral("rech nicht gefunden"));
        click(viewer, "ButtonClear");
        click(viewer, "ButtonSave");
        click(viewer, "ButtonQuit");
    };
    openBackup([&](QDialog &) {
        dialogs.windowHandlers.enqueue(searchAndEmpty);
        history->trigger();
    });
    QCOMPARE(fileBytes(m_data + QStringLiteral("backhist.dat")), QByteArray());
    QCOMPARE(control<QPlainTextEdit>(*m_history, "Memo1").toPlainText(), QString());
}

void TestBackupWindow::savesHistoryAsItStands_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("appended"); // typed as a new last line; none: saved unedited
    QTest::addColumn<QByteArray>("saved");
    const QByteArray separators("\xEF\xBB\xBF" "01.03.2024 10:00:00 | /s/A\xC2\xA0" "B.zip\r\n"
                                "02.03.2024 10:00:00 | /s/C\xE2\x80\xA8" "D\xE2\x80\xA9" "E.zip\r\n");
    QTest::newRow("no-break space and separators unedited") << separators << QString() << separators;
    const QByteArray bareLineFeeds("01.03.2024 10:00:00 | /s/A\xA0" "B.zip\n02.03.2024 | x");
    QTest::newRow("code page, bare line feeds, no last break unedited") << bareLineFeeds << QString() << bareLineFeeds;
    QTest::newRow("edited: the other lines keep their characters")
        << QByteArray("\xEF\xBB\xBF" "01.03.2024 10:00:00 | /s/A\xC2\xA0" "B\xE2\x80\xA8" "C.zip\n")
        << QStringLiteral("neu")
        << QByteArray("\xEF\xBB\xBF" "01.03.2024 10:00:00 | /s/A\xC2\xA0" "B\xE2\x80\xA8" "C.zip\r\nneu\r\n");
}

void TestBackupWindow::savesHistoryAsItStands()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, appended);
    QFETCH(QByteArray, saved);
    putData(QStringLiteral("backhist.dat"), file);
    m_history->HistDatei = m_data + QStringLiteral("backhist.dat");
    m_doubles->dialogs.windowHandlers.enqueue([&](QDialog &viewer) {
        if (!appended.isEmpty())
            control<QPlainTextEdit>(viewer, "Memo1").appendPlainText(appended);
        click(viewer, "ButtonSave");
        click(viewer, "ButtonQuit");
    });
    Platform::dialogs().exec(*m_history);
    QCOMPARE(fileBytes(m_data + QStringLiteral("backhist.dat")), saved);
}

void TestBackupWindow::reportsFailedRestartBeforeTheEnd()
{
    m_doubles->shell.succeeds = false;
    m_doubles->dialogs.windowHandlers.enqueue([&](QDialog &notice) {
        click(notice, "SpeedButton1");
        QCOMPARE(m_doubles->process.endCodes, QList<int>{0});
    });
    Platform::dialogs().exec(*m_restInf);
    QCOMPARE(m_doubles->shell.calls, QStringList{QStringLiteral("restart")});
    QCOMPARE(m_doubles->dialogs.log.last().kind, QStringLiteral("error"));
    QCOMPARE(m_doubles->dialogs.lastText(), QStringLiteral("Das Programm konnte nicht neu gestartet werden. "
                                                          "Bitte starten Sie zettmar von Hand."));
}

QTEST_MAIN(TestBackupWindow)
#include "TestBackupWindow.moc"
