#include "MainWindowDriver.h"
#include "register/RecordEditor.h"
#include "settings/SettingsCipher.h"

#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

QByteArray plainSettings(const QByteArray &programPassword)
{
    return "\r\n\r\n\r\nKontoinhaber\r\n\r\n\r\n\r\n/sicherung\r\n\r\n " + programPassword + " \r\n";
}

// Types an entry into the login window and presses "OK".
ScriptedDialogs::WindowHandler enter(const QStringList &entries)
{
    return [entries](QDialog &login) {
        for (const QString &entry : entries) {
            if (!login.isVisible())
                return;
            QLineEdit *field = login.findChild<QLineEdit *>(QStringLiteral("Edit1"));
            field->setText(entry);
            login.findChild<QPushButton *>(QStringLiteral("BitBtn1"))->click();
        }
    };
}

const QString kSettingsFile = QStringLiteral("zettmar.ini");
const QByteArray kRecord = "Strom;;;;;;;Stadtwerke;info;;;;;DE;;;;;;;Offen\r\n";

} // namespace

class TestStartup : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void noSettingsFileAsksNothingAndCreatesNothing();
    void plainSettingsAreEncipheredAtStart();
    void mailClientFoundRewritesSettings();
    void rightPasswordOpensTheRegister();
    void fourWrongPasswordsEndBeforeTheFileIsRead();
    void startThatCannotGoOnSafelyEnds_data();
    void startThatCannotGoOnSafelyEnds();
    void dataFolderAndSettingsAreTheUsersOnly();
    void leftoversOfInterruptedSavesAreRemoved();
};

void TestStartup::noSettingsFileAsksNothingAndCreatesNothing()
{
    MainWindowDriver app;
    QVERIFY(app.launch());
    QVERIFY(app.doubles.dialogs.log.isEmpty());
    QVERIFY(!QFile::exists(app.doubles.places.dataFolder() + kSettingsFile));
}

void TestStartup::plainSettingsAreEncipheredAtStart()
{
    MainWindowDriver app;
    app.doubles.places.putFile(kSettingsFile, plainSettings(""));
    QVERIFY(app.launch());
    QCOMPARE(app.doubles.places.fileBytes(kSettingsFile), SettingsCipher::encipher(plainSettings("")));
    QCOMPARE(app.main().context().Settings.value(SettingsLine::BackupFolder), QStringLiteral("/sicherung"));
}

void TestStartup::mailClientFoundRewritesSettings()
{
    MainWindowDriver app;
    app.doubles.places.mailClientPath = QStringLiteral("/usr/bin/thunderbird");
    QVERIFY(app.launch());
    QCOMPARE(app.main().context().MailProgramm, QStringLiteral("/usr/bin/thunderbird"));
    QCOMPARE(app.doubles.places.fileBytes(kSettingsFile), SettingsCipher::encipher(QByteArray("\r\n").repeated(10)));
}

void TestStartup::rightPasswordOpensTheRegister()
{
    MainWindowDriver app;
    app.doubles.places.putFile(kSettingsFile, SettingsCipher::encipher(plainSettings("Geheim")));
    app.putYearFile(kRecord);
    app.doubles.dialogs.windowHandlers.enqueue(enter({QStringLiteral("geheim"), QStringLiteral("  Geheim ")}));
    QVERIFY(app.launch());
    QCOMPARE(app.doubles.dialogs.log[0].kind, QStringLiteral("window"));
    QCOMPARE(app.doubles.dialogs.log[0].caption, QStringLiteral("Login"));
    QCOMPARE(app.doubles.dialogs.log[1].text, QStringLiteral("Falsches Passwort! Noch 3 Versuche"));
    QCOMPARE(app.doubles.dialogs.log.size(), 2);
    QVERIFY(app.main().isVisible());
    QCOMPARE(app.main().findChild<QLineEdit *>(QStringLiteral("EditName"))->text(), QStringLiteral("Stadtwerke"));
    QVERIFY(app.doubles.process.endCodes.isEmpty());
}

void TestStartup::fourWrongPasswordsEndBeforeTheFileIsRead()
{
    MainWindowDriver app;
    app.doubles.places.putFile(kSettingsFile, SettingsCipher::encipher(plainSettings("Geheim")));
    app.putYearFile(kRecord);
    app.doubles.dialogs.windowHandlers.enqueue(enter(QStringList(4, QStringLiteral("falsch"))));
    QVERIFY(!app.launch());
    QVERIFY(!app.doubles.process.endCodes.isEmpty());
    QVERIFY(std::all_of(app.doubles.process.endCodes.begin(), app.doubles.process.endCodes.end(),
                        [](int code) { return code == 0; }));
    QCOMPARE(app.doubles.dialogs.lastText(),
             QStringLiteral("Drei Fehleingaben. Programm wird in zehn Sekunden beendet!"));
    QVERIFY(!app.main().isVisible());
    QVERIFY(app.main().session().lines().isEmpty());
    QCOMPARE(app.main().findChild<QLineEdit *>(QStringLiteral("EditName"))->text(), QString());
}

void TestStartup::startThatCannotGoOnSafelyEnds_data()
{
    QTest::addColumn<QString>("blocked");
    QTest::addColumn<QString>("notice");
    QTest::newRow("settings file unreadable")
        << "settings"
        << QStringLiteral("Die Einstellungen \"%1zettmar.ini\" können nicht gelesen werden. Keine reguläre Datei");
    QTest::newRow("data folder cannot be made")
        << "folder" << QStringLiteral("Der Ordner \"%1\" kann nicht erstellt werden. Datei existiert bereits");
}

// Without the settings the program password cannot be checked; without the folder nothing can be kept.
void TestStartup::startThatCannotGoOnSafelyEnds()
{
    QFETCH(QString, blocked);
    QFETCH(QString, notice);
    MainWindowDriver app;
    const QString folder = app.doubles.places.dataFolder();
    if (blocked == QLatin1String("settings")) {
        QVERIFY(QDir().mkpath(folder + kSettingsFile));
        app.putYearFile(kRecord);
    } else {
        QVERIFY(QDir().mkpath(app.doubles.places.root()));
        QFile file(QDir::cleanPath(folder));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    QVERIFY(!app.launch());
    QCOMPARE(app.doubles.dialogs.texts(), QStringList{notice.arg(folder)});
    QCOMPARE(app.doubles.process.endCodes, QList<int>{1});
    QVERIFY(!app.main().isVisible());
    QVERIFY(app.main().session().lines().isEmpty());
}

void TestStartup::dataFolderAndSettingsAreTheUsersOnly()
{
    MainWindowDriver app;
    app.doubles.places.mailClientPath = QStringLiteral("/usr/bin/thunderbird"); // makes the start write the settings
    QVERIFY(app.launch());
    const QFileDevice::Permissions groupAndOthers(0x0077);
    QCOMPARE(QFileInfo(app.doubles.places.dataFolder()).permissions() & groupAndOthers, QFileDevice::Permissions());
    QCOMPARE(QFileInfo(app.doubles.places.dataFolder() + kSettingsFile).permissions() & groupAndOthers,
             QFileDevice::Permissions());
}

void TestStartup::leftoversOfInterruptedSavesAreRemoved()
{
    MainWindowDriver app;
    const QStringList ours{"2023rech.csv.caAnEH", "zettmar.ini.A1b2C3"};
    const QStringList others{"2023rech.csv", "notes.txt.caAnEH", "2023rech.csv.abc", "2023rech.csv.caAnEH.bak",
                             "kunde.dat.caAnEH"};
    for (const QString &name : ours + others)
        app.doubles.places.putFile(name, "x");
    QVERIFY(app.launch());
    QStringList expected = others;
    expected.sort();
    QCOMPARE(QDir(app.doubles.places.dataFolder()).entryList(QDir::Files, QDir::Name), expected);
}

QTEST_MAIN(TestStartup)
#include "TestStartup.moc"
