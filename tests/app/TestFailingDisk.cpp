#include "DiskFull.h"
#include "FailDevice.h"
#include "MainWindowDriver.h"
#include "backup/ArchiveWriter.h"
#include "register/InvoiceLine.h"
#include "register/RecordEditor.h"
#include "register/RecordSession.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsLine.h"

#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <QTreeView>

namespace {

enum class Fault { Write, Flush, Commit, DiskFull };

// What the user reads for each failing step: the system's reason, in German.
QString reasonOf(Fault fault)
{
    switch (fault) {
    case Fault::Write:
    case Fault::Flush: return QStringLiteral("Kein Speicherplatz mehr auf dem Gerät");
    case Fault::Commit: return QStringLiteral("Ein-/Ausgabefehler");
    case Fault::DiskFull: return QStringLiteral("Datei zu groß");
    }
    return {};
}

// The fault in force while it lives: for the files named onlyName (all when empty), or a full disk that
// lets no file grow beyond largestFile bytes.
class FaultScope {
public:
    FaultScope(Fault fault, qint64 largestFile, const QString &onlyName = {})
    {
        using Step = FailDevice::Injection::Step;
        switch (fault) {
        case Fault::Write: m_injection.emplace(Step::Write, 4, onlyName); break;
        case Fault::Flush: m_injection.emplace(Step::Flush, 0, onlyName); break;
        case Fault::Commit: m_injection.emplace(Step::Commit, 0, onlyName); break;
        case Fault::DiskFull: m_full.emplace(largestFile); break;
        }
    }

private:
    std::optional<FailDevice::Injection> m_injection;
    std::optional<DiskFull> m_full;
};

QString record(const QString &name)
{
    return RecordLine::of({{InvoiceLine::Name, name},
                           {InvoiceLine::ReNummer, QStringLiteral("RE 1")},
                           {InvoiceLine::Email, QStringLiteral("info@example.org")}});
}

QStringList entriesOf(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

template <typename Widget = QToolButton>
void click(QWidget &window, const char *name)
{
    Widget *button = window.findChild<Widget *>(QLatin1String(name));
    QVERIFY2(button, name);
    button->click();
}

} // namespace

// Every file the program writes, with every step of the write failing in turn: the old file stays
// byte for byte, the user reads the box with the reason, what the program holds in memory stays as it
// was, and nothing is left beside the file.
class TestFailingDisk : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void storeAndDelete_data();
    void storeAndDelete();
    void settingsRewriteAtStart_data();
    void settingsRewriteAtStart();
    void settingsWindowAndBackupButton_data();
    void settingsWindowAndBackupButton();
    void documentListAndItsPrintout_data();
    void documentListAndItsPrintout();
    void backupCopyHistoryAndRestore_data();
    void backupCopyHistoryAndRestore();

private:
    static void faults(const QStringList &writers);
    QString data(const QString &name) const { return m_app->doubles.places.dataFolder() + name; }
    void verifyUnchanged(const QString &path, const QStringList &folderBefore) const;
    QString lastBox() const { return m_app->doubles.dialogs.lastText(); }
    void openSettings(const ScriptedDialogs::WindowHandler &handler);

    std::unique_ptr<MainWindowDriver> m_app;
    QByteArray m_before; // the file under test as it was
};

void TestFailingDisk::init()
{
    m_app = std::make_unique<MainWindowDriver>();
    m_app->putYearFile(RecordLine::fileOf({record(QStringLiteral("Alpha")), record(QStringLiteral("Beta"))},
                                          RecordLine::Encoding::Latin1));
}

void TestFailingDisk::cleanup()
{
    m_app.reset();
}

void TestFailingDisk::faults(const QStringList &writers)
{
    QTest::addColumn<QString>("writer");
    QTest::addColumn<Fault>("fault");
    const std::pair<const char *, Fault> kFaults[] = {
        {"write", Fault::Write}, {"flush", Fault::Flush}, {"commit", Fault::Commit}, {"disk full", Fault::DiskFull}};
    for (const QString &writer : writers) {
        for (const auto &[name, fault] : kFaults)
            QTest::addRow("%s, %s fails", qPrintable(writer), name) << writer << fault;
    }
}

void TestFailingDisk::verifyUnchanged(const QString &path, const QStringList &folderBefore) const
{
    QFile file(path);
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path));
    QCOMPARE(file.readAll(), m_before);
    QCOMPARE(entriesOf(QFileInfo(path).path()), folderBefore);
}

void TestFailingDisk::openSettings(const ScriptedDialogs::WindowHandler &handler)
{
    m_app->doubles.dialogs.windowHandlers.enqueue(handler);
    m_app->choose("Einstellungen1");
}

void TestFailingDisk::storeAndDelete_data()
{
    faults({QStringLiteral("store"), QStringLiteral("delete")});
}

// On today's main the year file of a full disk was left empty while the status bar showed success.
void TestFailingDisk::storeAndDelete()
{
    QFETCH(QString, writer);
    QFETCH(Fault, fault);
    QVERIFY(m_app->launch());
    m_before = m_app->yearFileBytes();
    const QStringList folder = entriesOf(m_app->doubles.places.dataFolder());
    RecordEditor &editor = m_app->main().editor();
    QLineEdit &name = editor.field(InvoiceLine::Name);
    if (writer == u"store") {
        name.setFocus();
        QTest::keyClicks(&name, QStringLiteral("X"));
    } else {
        m_app->doubles.dialogs.answers.enqueue(true);
    }
    const QString typed = name.text();
    {
        FaultScope scope(fault, 0);
        m_app->click(writer == u"store" ? "ButtonSave" : "ToolButtonDel");
    }
    verifyUnchanged(m_app->yearFilePath(), folder);
    QCOMPARE(lastBox(),
             QStringLiteral("Datei \"%1\" kann nicht erstellt werden. %2").arg(m_app->yearFilePath(), reasonOf(fault)));
    QCOMPARE(m_app->doubles.dialogs.log.last().kind, QStringLiteral("error"));
    QCOMPARE(editor.session().count(), 2);
    QCOMPARE(name.text(), typed);
    QCOMPARE(editor.session().isModified(), writer == u"store");
}

void TestFailingDisk::settingsRewriteAtStart_data()
{
    faults({QStringLiteral("start with a mail client")});
}

// The rewrite must never leave a file without the program password.
void TestFailingDisk::settingsRewriteAtStart()
{
    QFETCH(Fault, fault);
    QStringList lines(settingsLineCount);
    lines[indexOf(SettingsLine::AccountHolder)] = QStringLiteral("Firma Beispiel");
    QCOMPARE(SettingsFile(data(QStringLiteral("zettmar.ini"))).saveForMainWindow(lines), QString());
    m_before = m_app->doubles.places.fileBytes(QStringLiteral("zettmar.ini"));
    const QStringList folder = entriesOf(m_app->doubles.places.dataFolder());
    m_app->doubles.places.mailClientPath = QStringLiteral("/usr/bin/thunderbird");
    {
        FaultScope scope(fault, 8);
        QVERIFY(m_app->launch());
    }
    QCOMPARE(lastBox(), QStringLiteral("Fehler INI Datei speeichern!"));
    verifyUnchanged(data(QStringLiteral("zettmar.ini")), folder);
    QCOMPARE(m_app->main().context().Settings.value(SettingsLine::AccountHolder), QStringLiteral("Firma Beispiel"));
}

void TestFailingDisk::settingsWindowAndBackupButton_data()
{
    faults({QStringLiteral("settings window"), QStringLiteral("backup button")});
}

void TestFailingDisk::settingsWindowAndBackupButton()
{
    QFETCH(QString, writer);
    QFETCH(Fault, fault);
    QVERIFY(m_app->launch());
    QCOMPARE(SettingsFile(data(QStringLiteral("zettmar.ini"))).saveForMainWindow(QStringList(settingsLineCount)),
             QString());
    m_before = m_app->doubles.places.fileBytes(QStringLiteral("zettmar.ini"));
    const QStringList folder = entriesOf(m_app->doubles.places.dataFolder());
    QString firmAfter;
    std::optional<FaultScope> scope;
    openSettings([&](QDialog &settings) {
        auto *firm = settings.findChild<QLineEdit *>(QStringLiteral("EditFirma"));
        firm->setText(QStringLiteral("Neue Firma"));
        if (writer == u"settings window") {
            scope.emplace(fault, 8);
            click<QPushButton>(settings, "ButtonSave");
        } else {
            // The save comes once the backup window is closed.
            m_app->doubles.dialogs.windowHandlers.enqueue([&](QDialog &) { scope.emplace(fault, 8); });
            click<QAbstractButton>(settings, "ButtonBak");
        }
        scope.reset();
        firmAfter = firm->text();
    });
    QCOMPARE(lastBox(), QStringLiteral("Fehler INI speichern!"));
    verifyUnchanged(data(QStringLiteral("zettmar.ini")), folder);
    QCOMPARE(firmAfter, QStringLiteral("Neue Firma"));
}

void TestFailingDisk::documentListAndItsPrintout_data()
{
    faults({QStringLiteral("document add"), QStringLiteral("document delete"), QStringLiteral("list printout")});
}

void TestFailingDisk::documentListAndItsPrintout()
{
    QFETCH(QString, writer);
    QFETCH(Fault, fault);
    const QString document = m_app->doubles.places.root() + QStringLiteral("/Beleg.pdf");
    QFile(document).open(QIODevice::WriteOnly);
    const QString list = data(QStringLiteral("alphaRE1.dat"));
    // Two lines, so that what a delete leaves is more than a full disk takes.
    m_app->doubles.places.putFile(QStringLiteral("alphaRE1.dat"),
                                  (document + QStringLiteral("\r\n") + document + QStringLiteral("\r\n")).toLatin1());
    m_app->doubles.places.putFile(QStringLiteral("listedocs.pdf"), "%PDF alt");
    const QString target = writer == u"list printout" ? data(QStringLiteral("listedocs.pdf")) : list;
    QVERIFY(m_app->launch());
    m_before = QFileInfo(target).fileName() == u"listedocs.pdf"
        ? QByteArray("%PDF alt")
        : m_app->doubles.places.fileBytes(QStringLiteral("alphaRE1.dat"));
    const QStringList folder = entriesOf(m_app->doubles.places.dataFolder());
    int rowsAfter = -1;
    m_app->doubles.dialogs.windowHandlers.enqueue([&](QDialog &docs) {
        auto *view = docs.findChild<QTreeView *>(QStringLiteral("ListDocs"));
        FaultScope scope(fault, 8);
        if (writer == u"document add") {
            m_app->doubles.dialogs.inputs.enqueue(document);
            click(docs, "ButtonOpen");
        } else if (writer == u"document delete") {
            view->setCurrentIndex(view->model()->index(0, 2));
            click(docs, "ToolButtonDel");
        } else {
            m_app->doubles.dialogs.answers.enqueue(true); // as PDF
            click(docs, "ButtonPrint");
        }
        rowsAfter = view->model()->rowCount();
    });
    m_app->choose("Dokumente1");
    const QString cannot = writer == u"list printout"
        ? QStringLiteral("Die Datei \"%1\" kann nicht erstellt werden. %2")
        : QStringLiteral("Datei \"%1\" kann nicht erstellt werden.\n%2");
    // The PDF writer does not say why it lost the end of its file; the check of the file does.
    const QString reason = writer == u"list printout" && fault == Fault::DiskFull
        ? QStringLiteral("Die Datei wurde nicht vollständig geschrieben.")
        : reasonOf(fault);
    QCOMPARE(lastBox(), cannot.arg(target, reason));
    verifyUnchanged(target, folder);
    QCOMPARE(rowsAfter, 2);
    QVERIFY(m_app->doubles.shell.calls.isEmpty());
}

void TestFailingDisk::backupCopyHistoryAndRestore_data()
{
    faults({QStringLiteral("plain backup copy"), QStringLiteral("backup history line"), QStringLiteral("restore")});
}

// Through the backup window of the settings window. The history is larger than the full disk lets a
// file grow, the year file is not, so there the year file's copy goes through and the history line
// fails (its own copy too).
void TestFailingDisk::backupCopyHistoryAndRestore()
{
    QFETCH(QString, writer);
    QFETCH(Fault, fault);
    const QString destination = m_app->doubles.places.root() + QStringLiteral("/sicherung/");
    QDir().mkpath(destination);
    const QString history = data(QStringLiteral("backhist.dat"));
    if (writer == u"backup history line")
        m_app->doubles.places.putFile(QStringLiteral("backhist.dat"),
                                      QByteArray("01.03.2024 10:00:00 | /alt\r\n").repeated(100));
    const QString archive = destination + QStringLiteral("b.zip");
    QCOMPARE(ArchiveWriter::write(archive, {{m_app->yearFilePath(), QStringLiteral("2024rech.csv")}}, {}), QString());
    QFile old(destination + QStringLiteral("2024rech.csv"));
    QVERIFY(old.open(QIODevice::WriteOnly) && old.write("alte Kopie") == 10);
    old.close();
    QCOMPARE(SettingsFile(data(QStringLiteral("zettmar.ini"))).saveForMainWindow(QStringList(settingsLineCount)),
             QString());
    QVERIFY(m_app->launch());
    const QString target = writer == u"plain backup copy" ? old.fileName()
                         : writer == u"restore"           ? m_app->yearFilePath()
                                                          : history;
    QFile watched(target);
    QVERIFY(watched.open(QIODevice::ReadOnly));
    m_before = watched.readAll();
    const QStringList folder = entriesOf(QFileInfo(target).path());
    openSettings([&](QDialog &settings) {
        m_app->doubles.dialogs.windowHandlers.enqueue([&](QDialog &backup) {
            backup.findChild<QLineEdit *>(QStringLiteral("EditZielDir"))->setText(destination);
            const bool historyOnly = writer == u"backup history line";
            FaultScope scope(fault, historyOnly ? 1000 : 8, historyOnly ? QStringLiteral("backhist.dat") : QString());
            if (writer == u"restore") {
                m_app->doubles.dialogs.answers.enqueue(true);
                m_app->doubles.dialogs.fileLists.enqueue({archive});
                click(backup, "ButtonRestore");
                return;
            }
            backup.findChild<QCheckBox *>(QStringLiteral("CheckBox1"))->setChecked(false);
            m_app->doubles.dialogs.answers.enqueue(true);
            click(backup, "ToolButton6");
        });
        click<QAbstractButton>(settings, "ButtonBak");
        click<QPushButton>(settings, "ButtonClose");
    });
    const QString reason = reasonOf(fault);
    if (writer == u"plain backup copy") {
        // Nothing copied: no history line, no folder opened.
        QCOMPARE(m_app->doubles.dialogs.texts().filter(QStringLiteral("gesichert werden")).constFirst(),
                 QStringLiteral("Die Datei %1 konnte nicht nach %2 gesichert werden.\n%3")
                     .arg(m_app->yearFilePath(), old.fileName(), reason));
        QVERIFY(!QFileInfo::exists(history));
        QVERIFY(m_app->doubles.shell.calls.filter(QStringLiteral("folder")).isEmpty());
    } else if (writer == u"restore") {
        QCOMPARE(m_app->doubles.dialogs.texts().filter(QStringLiteral("wiederhergestellt")).constFirst(),
                 QStringLiteral("Die Daten wurden nicht wiederhergestellt; das Datenverzeichnis ist unverändert.\n"
                                "%1 (Eintrag 2024rech.csv): %2")
                     .arg(archive, reason));
    } else {
        QCOMPARE(m_app->doubles.dialogs.texts().filter(QStringLiteral("Historie")).constFirst(),
                 QStringLiteral("Die Backup-Historie %1 konnte nicht geschrieben werden.\n%2").arg(history, reason));
    }
    verifyUnchanged(target, folder);
}

QTEST_MAIN(TestFailingDisk)
#include "TestFailingDisk.moc"
