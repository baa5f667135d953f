#include "DiskFull.h"
#include "FailDevice.h"
#include "WindowDoubles.h"
#include "app/AppWindows.h"
#include "backup/ArchiveWriter.h"
#include "register/InvoiceLine.h"
#include "register/RecordEditor.h"
#include "register/RecordSession.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsLine.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <QTreeView>

using namespace Qt::Literals::StringLiterals;

namespace {

enum class Fault { Write, Flush, Commit, DiskFull };

// What the user reads for each failing step: the system's reason, in German.
QString reasonOf(Fault fault)
{
    switch (fault) {
    case Fault::Write:
    case Fault::Flush: return u"Kein Speicherplatz mehr auf dem Gerät"_s;
    case Fault::Commit: return u"Ein-/Ausgabefehler"_s;
    case Fault::DiskFull: return u"Datei zu groß"_s;
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
    QStringList fields(InvoiceLine::kFieldCount);
    fields[InvoiceLine::Name] = name;
    fields[InvoiceLine::ReNummer] = u"RE 1"_s;
    fields[InvoiceLine::Email] = u"info@example.org"_s;
    fields[InvoiceLine::Land] = u"DE"_s;
    fields[InvoiceLine::Status] = InvoiceLine::kStatusOpen;
    return InvoiceLine::join(fields);
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
    void startProgram();
    QString data(const QString &name) const { return m_doubles->places.dataFolder() + name; }
    void verifyUnchanged(const QString &path, const QStringList &folderBefore) const;
    QString lastBox() const { return m_doubles->dialogs.lastText(); }
    void openSettings(const ScriptedDialogs::WindowHandler &handler);

    std::unique_ptr<WindowDoubles> m_doubles;
    std::unique_ptr<AppWindows> m_windows;
    QByteArray m_before; // the file under test as it was
};

void TestFailingDisk::init()
{
    m_doubles = std::make_unique<WindowDoubles>();
    m_doubles->places.putFile(u"2024rech.csv"_s, (record(u"Alpha"_s) + u"\r\n"_s + record(u"Beta"_s) + u"\r\n"_s).toLatin1());
}

void TestFailingDisk::cleanup()
{
    m_windows.reset();
    m_doubles.reset();
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

void TestFailingDisk::startProgram()
{
    m_windows = std::make_unique<AppWindows>();
    QVERIFY(m_windows->start());
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
    m_doubles->dialogs.windowHandlers.enqueue(handler);
    m_windows->main().popupMenu().findChild<QAction *>(u"Einstellungen1"_s)->trigger();
}

void TestFailingDisk::storeAndDelete_data()
{
    faults({u"store"_s, u"delete"_s});
}

// On today's main the year file of a full disk was left empty while the status bar showed success.
void TestFailingDisk::storeAndDelete()
{
    QFETCH(QString, writer);
    QFETCH(Fault, fault);
    startProgram();
    m_before = m_doubles->places.fileBytes(u"2024rech.csv"_s);
    const QStringList folder = entriesOf(m_doubles->places.dataFolder());
    RecordEditor &editor = m_windows->main().editor();
    QLineEdit &name = editor.field(InvoiceLine::Name);
    if (writer == u"store") {
        name.setFocus();
        QTest::keyClicks(&name, u"X"_s);
    } else {
        m_doubles->dialogs.answers.enqueue(true);
    }
    const QString typed = name.text();
    {
        FaultScope scope(fault, 0);
        click(m_windows->main(), writer == u"store" ? "ButtonSave" : "ToolButtonDel");
    }
    verifyUnchanged(data(u"2024rech.csv"_s), folder);
    QCOMPARE(lastBox(), u"Datei \"%1\" kann nicht erstellt werden. %2"_s.arg(data(u"2024rech.csv"_s), reasonOf(fault)));
    QCOMPARE(m_doubles->dialogs.log.last().kind, u"error"_s);
    QCOMPARE(editor.session().count(), 2);
    QCOMPARE(name.text(), typed);
    QCOMPARE(editor.session().isModified(), writer == u"store");
}

void TestFailingDisk::settingsRewriteAtStart_data()
{
    faults({u"start with a mail client"_s});
}

// The rewrite must never leave a file without the program password.
void TestFailingDisk::settingsRewriteAtStart()
{
    QFETCH(Fault, fault);
    QStringList lines(settingsLineCount);
    lines[indexOf(SettingsLine::AccountHolder)] = u"Firma Beispiel"_s;
    QCOMPARE(SettingsFile(data(u"zettmar.ini"_s)).saveForMainWindow(lines), QString());
    m_before = m_doubles->places.fileBytes(u"zettmar.ini"_s);
    const QStringList folder = entriesOf(m_doubles->places.dataFolder());
    m_doubles->places.mailClientPath = u"/usr/bin/thunderbird"_s;
    {
        FaultScope scope(fault, 8);
        startProgram();
    }
    QCOMPARE(lastBox(), u"Fehler INI Datei speeichern!"_s);
    verifyUnchanged(data(u"zettmar.ini"_s), folder);
    QCOMPARE(m_windows->main().context().Settings.value(SettingsLine::AccountHolder), u"Firma Beispiel"_s);
}

void TestFailingDisk::settingsWindowAndBackupButton_data()
{
    faults({u"settings window"_s, u"backup button"_s});
}

void TestFailingDisk::settingsWindowAndBackupButton()
{
    QFETCH(QString, writer);
    QFETCH(Fault, fault);
    startProgram();
    QCOMPARE(SettingsFile(data(u"zettmar.ini"_s)).saveForMainWindow(QStringList(settingsLineCount)), QString());
    m_before = m_doubles->places.fileBytes(u"zettmar.ini"_s);
    const QStringList folder = entriesOf(m_doubles->places.dataFolder());
    QString firmAfter;
    std::optional<FaultScope> scope;
    openSettings([&](QDialog &settings) {
        auto *firm = settings.findChild<QLineEdit *>(u"EditFirma"_s);
        firm->setText(u"Neue Firma"_s);
        if (writer == u"settings window") {
            scope.emplace(fault, 8);
            click<QPushButton>(settings, "ButtonSave");
        } else {
            // The save comes once the backup window is closed.
            m_doubles->dialogs.windowHandlers.enqueue([&](QDialog &) { scope.emplace(fault, 8); });
            click<QAbstractButton>(settings, "ButtonBak");
        }
        scope.reset();
        firmAfter = firm->text();
    });
    QCOMPARE(lastBox(), u"Fehler INI speichern!"_s);
    verifyUnchanged(data(u"zettmar.ini"_s), folder);
    QCOMPARE(firmAfter, u"Neue Firma"_s);
}

void TestFailingDisk::documentListAndItsPrintout_data()
{
    faults({u"document add"_s, u"document delete"_s, u"list printout"_s});
}

void TestFailingDisk::documentListAndItsPrintout()
{
    QFETCH(QString, writer);
    QFETCH(Fault, fault);
    const QString document = m_doubles->places.root() + u"/Beleg.pdf"_s;
    QFile(document).open(QIODevice::WriteOnly);
    const QString list = data(u"alphaRE1.dat"_s);
    // Two lines, so that what a delete leaves is more than a full disk takes.
    m_doubles->places.putFile(u"alphaRE1.dat"_s, (document + u"\r\n"_s + document + u"\r\n"_s).toLatin1());
    m_doubles->places.putFile(u"listedocs.pdf"_s, "%PDF alt");
    const QString target = writer == u"list printout" ? data(u"listedocs.pdf"_s) : list;
    startProgram();
    m_before = QFileInfo(target).fileName() == u"listedocs.pdf" ? QByteArray("%PDF alt")
                                                                 : m_doubles->places.fileBytes(u"alphaRE1.dat"_s);
    const QStringList folder = entriesOf(m_doubles->places.dataFolder());
    int rowsAfter = -1;
    m_doubles->dialogs.windowHandlers.enqueue([&](QDialog &docs) {
        auto *view = docs.findChild<QTreeView *>(u"ListDocs"_s);
        FaultScope scope(fault, 8);
        if (writer == u"document add") {
            m_doubles->dialogs.inputs.enqueue(document);
            click(docs, "ButtonOpen");
        } else if (writer == u"document delete") {
            view->setCurrentIndex(view->model()->index(0, 2));
            click(docs, "ToolButtonDel");
        } else {
            m_doubles->dialogs.answers.enqueue(true); // as PDF
            click(docs, "ButtonPrint");
        }
        rowsAfter = view->model()->rowCount();
    });
    m_windows->main().popupMenu().findChild<QAction *>(u"Dokumente1"_s)->trigger();
    const QString cannot = writer == u"list printout" ? u"Die Datei \"%1\" kann nicht erstellt werden. %2"_s
                                                      : u"Datei \"%1\" kann nicht erstellt werden.\n%2"_s;
    // The PDF writer does not say why it lost the end of its file; the check of the file does.
    const QString reason = writer == u"list printout" && fault == Fault::DiskFull
                               ? u"Die Datei wurde nicht vollständig geschrieben."_s : reasonOf(fault);
    QCOMPARE(lastBox(), cannot.arg(target, reason));
    verifyUnchanged(target, folder);
    QCOMPARE(rowsAfter, 2);
    QVERIFY(m_doubles->shell.calls.isEmpty());
}

void TestFailingDisk::backupCopyHistoryAndRestore_data()
{
    faults({u"plain backup copy"_s, u"backup history line"_s, u"restore"_s});
}

// Through the backup window of the settings window. The history is larger than the full disk lets a
// file grow, the year file is not, so there the year file's copy goes through and the history line
// fails (its own copy too).
void TestFailingDisk::backupCopyHistoryAndRestore()
{
    QFETCH(QString, writer);
    QFETCH(Fault, fault);
    const QString destination = m_doubles->places.root() + u"/sicherung/"_s;
    QDir().mkpath(destination);
    const QString history = data(u"backhist.dat"_s);
    if (writer == u"backup history line")
        m_doubles->places.putFile(u"backhist.dat"_s, QByteArray("01.03.2024 10:00:00 | /alt\r\n").repeated(100));
    const QString archive = destination + u"b.zip"_s;
    QCOMPARE(ArchiveWriter::write(archive, {{data(u"2024rech.csv"_s), u"2024rech.csv"_s}}, {}), QString());
    QFile old(destination + u"2024rech.csv"_s);
    QVERIFY(old.open(QIODevice::WriteOnly) && old.write("alte Kopie") == 10);
    old.close();
    QCOMPARE(SettingsFile(data(u"zettmar.ini"_s)).saveForMainWindow(QStringList(settingsLineCount)), QString());
    startProgram();
    const QString target = writer == u"plain backup copy" ? old.fileName()
                         : writer == u"restore"           ? data(u"2024rech.csv"_s)
                                                          : history;
    QFile watched(target);
    QVERIFY(watched.open(QIODevice::ReadOnly));
    m_before = watched.readAll();
    const QStringList folder = entriesOf(QFileInfo(target).path());
    openSettings([&](QDialog &settings) {
        m_doubles->dialogs.windowHandlers.enqueue([&](QDialog &backup) {
            backup.findChild<QLineEdit *>(u"EditZielDir"_s)->setText(destination);
            const bool historyOnly = writer == u"backup history line";
            FaultScope scope(fault, historyOnly ? 1000 : 8, historyOnly ? u"backhist.dat"_s : QString());
            if (writer == u"restore") {
                m_doubles->dialogs.answers.enqueue(true);
                m_doubles->dialogs.fileLists.enqueue({archive});
                click(backup, "ButtonRestore");
                return;
            }
            backup.findChild<QCheckBox *>(u"CheckBox1"_s)->setChecked(false);
            m_doubles->dialogs.answers.enqueue(true);
            click(backup, "ToolButton6");
        });
        click<QAbstractButton>(settings, "ButtonBak");
        click<QPushButton>(settings, "ButtonClose");
    });
    const QString reason = reasonOf(fault);
    if (writer == u"plain backup copy") {
        // Nothing copied: no history line, no folder opened.
        QCOMPARE(m_doubles->dialogs.texts().filter(u"gesichert werden"_s).constFirst(),
                 u"Die Datei %1 konnte nicht nach %2 gesichert werden.\n%3"_s.arg(data(u"2024rech.csv"_s),
                                                                                  old.fileName(), reason));
        QVERIFY(!QFileInfo::exists(history));
        QVERIFY(m_doubles->shell.calls.filter(u"folder"_s).isEmpty());
    } else if (writer == u"restore") {
        QCOMPARE(m_doubles->dialogs.texts().filter(u"wiederhergestellt"_s).constFirst(),
                 u"Die Daten wurden nicht wiederhergestellt; das Datenverzeichnis ist unverändert.\n"
                 u"%1 (Eintrag 2024rech.csv): %2"_s.arg(archive, reason));
    } else {
        QCOMPARE(m_doubles->dialogs.texts().filter(u"Historie"_s).constFirst(),
                 u"Die Backup-Historie %1 konnte nicht geschrieben werden.\n%2"_s.arg(history, reason));
    }
    verifyUnchanged(target, folder);
}

QTEST_MAIN(TestFailingDisk)
#include "TestFailingDisk.moc"
