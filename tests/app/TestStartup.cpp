#include "WindowDoubles.h"
#include "app/AppWindows.h"
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
    WindowDoubles doubles;
    AppWindows windows;
    QVERIFY(windows.start());
    QVERIFY(doubles.dialogs.log.isEmpty());
    QVERIFY(!QFile::exists(doubles.places.dataFolder() + kSettingsFile));
}

void TestStartup::plainSettingsAreEncipheredAtStart()
{
    WindowDoubles doubles;
    doubles.places.putFile(kSettingsFile, plainSettings(""));
    AppWindows windows;
    QVERIFY(windows.start());
    QCOMPARE(doubles.places.fileBytes(kSettingsFile), SettingsCipher::encipher(plainSettings("")));
    QCOMPARE(windows.main().context().Settings.value(SettingsLine::BackupFolder), QStringLiteral("/sicherung"));
}

void TestStartup::mailClientFoundRewritesSettings()
{
    WindowDoubles doubles;
    doubles.places.mailClientPath = QStringLiteral("/usr/bin/thunderbird");
    AppWindows windows;
    QVERIFY(windows.start());
    QCOMPARE(windows.main().context().MailProgramm, QStringLiteral("/usr/bin/thunderbird"));
    QCOMPARE(doubles.places.fileBytes(kSettingsFile), SettingsCipher::encipher(QByteArray("\r\n").repeated(10)));
}

void TestStartup::rightPasswordOpensTheRegister()
{
    WindowDoubles doubles;
    doubles.places.putFile(kSettingsFile, SettingsCipher::encipher(plainSettings("Geheim")));
    doubles.places.putFile(QStringLiteral("2024rech.csv"), kRecord);
    doubles.dialogs.windowHandlers.enqueue(enter({QStringLiteral("geheim"), QStringLiteral("  Geheim ")}));
    AppWindows windows;
    QVERIFY(windows.start());
    QCOMPARE(doubles.dialogs.log[0].kind, QStringLiteral("window"));
    QCOMPARE(doubles.dialogs.log[0].caption, QStringLiteral("Login"));
    QCOMPARE(doubles.dialogs.log[1].text, QStringLiteral("Falsches Passwort! Noch 3 Versuche"));
    QCOMPARE(doubles.dialogs.log.size(), 2);
    QVERIFY(windows.main().isVisible());
    QCOMPARE(windows.main().findChild<QLineEdit *>(QStringLiteral("EditName"))->text(), QStringLiteral("Stadtwerke"));
    QVERIFY(doubles.process.endCodes.isEmpty());
}

void TestStartup::fourWrongPasswordsEndBeforeTheFileIsRead()
{
    WindowDoubles doubles;
    doubles.places.putFile(kSettingsFile, SettingsCipher::encipher(plainSettings("Geheim")));
    doubles.places.putFile(QStringLiteral("2024rech.csv"), kRecord);
    doubles.dialogs.windowHandlers.enqueue(enter(QStringList(4, QStringLiteral("falsch"))));
    AppWindows windows;
    QVERIFY(!windows.start());
    QVERIFY(!doubles.process.endCodes.isEmpty());
    QVERIFY(std::all_of(doubles.process.endCodes.begin(), doubles.process.endCodes.end(),
                        [](int code) { return code == 0; }));
    QCOMPARE(doubles.dialogs.lastText(), QStringLiteral("Drei Fehleingaben. Programm wird in zehn Sekunden beendet!"));
    QVERIFY(!windows.main().isVisible());
    QVERIFY(windows.main().session().lines().isEmpty());
    QCOMPARE(windows.main().findChild<QLineEdit *>(QStringLiteral("EditName"))->text(), QString());
}

void TestStartup::startThatCannotGoOnSafelyEnds_data()
{
    QTest::addColumn<QString>("blocked");
    QTest::addColumn<QString>("notice");
    QTest::newRow("settings file unreadable")
        << "settings" << u"Die Einstellungen \"%1zettmar.ini\" können nicht gelesen werden. Keine reguläre Datei"_qs;
    QTest::newRow("data folder cannot be made")
        << "folder" << u"Der Ordner \"%1\" kann nicht erstellt werden. Datei existiert bereits"_qs;
}

// Without the settings the program password cannot be checked; without the folder nothing can be kept.
void TestStartup::startThatCannotGoOnSafelyEnds()
{
    QFETCH(QString, blocked);
    QFETCH(QString, notice);
    WindowDoubles doubles;
    const QString folder = doubles.places.dataFolder();
    if (blocked == QLatin1String("settings")) {
        QVERIFY(QDir().mkpath(folder + kSettingsFile));
        doubles.places.putFile(QStringLiteral("2024rech.csv"), kRecord);
    } else {
        QVERIFY(QDir().mkpath(doubles.places.root()));
        QFile file(QDir::cleanPath(folder));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    AppWindows windows;
    QVERIFY(!windows.start());
    QCOMPARE(doubles.dialogs.texts(), QStringList{notice.arg(folder)});
    QCOMPARE(doubles.process.endCodes, QList<int>{1});
    QVERIFY(!windows.main().isVisible());
    QVERIFY(windows.main().session().lines().isEmpty());
}

void TestStartup::dataFolderAndSettingsAreTheUsersOnly()
{
    WindowDoubles doubles;
    doubles.places.mailClientPath = QStringLiteral("/usr/bin/thunderbird"); // makes the start write the settings
    AppWindows windows;
    QVERIFY(windows.start());
    const QFileDevice::Permissions groupAndOthers(0x0077);
    QCOMPARE(QFileInfo(doubles.places.dataFolder()).permissions() & groupAndOthers, QFileDevice::Permissions());
    QCOMPARE(QFileInfo(doubles.places.dataFolder() + kSettingsFile).permissions() & groupAndOthers,
             QFileDevice::Permissions());
}

void TestStartup::leftoversOfInterruptedSavesAreRemoved()
{
    WindowDoubles doubles;
    const QStringList ours{"2023rech.csv.caAnEH", "zettmar.ini.A1b2C3"};
    const QStringList others{"2023rech.csv", "notes.txt.caAnEH", "2023rech.csv.abc", "2023rech.csv.caAnEH.bak",
                             "kunde.dat.caAnEH"};
    for (const QString &name : ours + others)
        doubles.places.putFile(name, "x");
    AppWindows windows;
    QVERIFY(windows.start());
    QStringList expected = others;
    expected.sort();
    QCOMPARE(QDir(doubles.places.dataFolder()).entryList(QDir::Files, QDir::Name), expected);
}

QTEST_MAIN(TestStartup)
#include "TestStartup.moc"
