#include "MainWindowDriver.h"
#include "backup/TFormBackup.h"
#include "register/RecordEditor.h"
#include "settings/SettingsCipher.h"
#include "settings/TFormIni.h"
#include "tools/ReleaseNumber.h"
#include "tools/TAboutBox.h"
#include "tools/TFormPlz.h"

#include <QAbstractTextDocumentLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>
#include <QToolButton>

namespace {

const QByteArray kPostalCodes = "01067 Dresden\r\n"
                                "10115 Berlin\r\n"
                                "80331 M\xFCnchen\r\n"
                                "80333 M\xFCnchen\r\n"
                                "83727 Schliersee, Neuhaus am Schliersee, Fischhausen am Schliersee, Spitzingsee "
                                "am Fu\xDF des Brecherspitz im Landkreis Miesbach\r\n";

const QString kSearching = QStringLiteral("Plz-Such läuft. Bitte warten...");
const QString kFound = QStringLiteral("Doppelklick, um Eintrag zu übernehmen.");
const QString kNothingFound = QStringLiteral("Suche abgeschlossen.");

} // namespace

class TestToolWindows : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void settingsAreReloadedUnlessLeftBySchliessen_data();
    void settingsAreReloadedUnlessLeftBySchliessen();
    void onlineBankingShowsWhileTheMainWindowIsMinimised();
    void backupWindowGetsTheDataFolderAndItsDestinationIsStored();
    void aboutShowsTheBuildsReleaseAndOpensTheLink();
    void failedOpeningsAreReported_data();
    void failedOpeningsAreReported();
    void lookupTakeOverIsAChange();
    void lookupSearchesTheTermOfTheOpening_data();
    void lookupSearchesTheTermOfTheOpening();
    void lookupKeepsEarlierDataWhenTheFileIsGone();
    void lookupTakesTheWholeWrappedEntry();
    void lookupTakesOnlyTheSuggestedTown_data();
    void lookupTakesOnlyTheSuggestedTown();

private:
    QLineEdit &field(QWidget &window, const char *name) const;
    // Opens the lookup, runs handler once the search is done and returns the list and status it showed.
    QStringList openLookup(const std::function<void(TFormPlz &)> &handler = {});
    void doubleClick(TFormPlz &window, int entry, int displayLine = 0) const;

    std::unique_ptr<MainWindowDriver> m_app;
};

void TestToolWindows::init()
{
    m_app = std::make_unique<MainWindowDriver>();
}

void TestToolWindows::cleanup()
{
    m_app.reset();
}

QLineEdit &TestToolWindows::field(QWidget &window, const char *name) const
{
    return *window.findChild<QLineEdit *>(QLatin1String(name));
}

void TestToolWindows::settingsAreReloadedUnlessLeftBySchliessen_data()
{
    QTest::addColumn<QString>("leaveBy");
    QTest::addColumn<bool>("reloaded");
    QTest::newRow("Schliessen") << "ButtonClose" << false;
    QTest::newRow("close box") << "" << true;
}

void TestToolWindows::settingsAreReloadedUnlessLeftBySchliessen()
{
    QFETCH(QString, leaveBy);
    QFETCH(bool, reloaded);
    m_app->doubles.places.putFile("zettmar.ini", "\r\n\r\n\r\nAlt\r\n\r\n\r\n\r\n/sicherung\r\n31.12.2023\r\n\r\n");
    QVERIFY(m_app->launch());
    m_app->main().move(300, 120);
    m_app->doubles.dialogs.windowHandlers.enqueue([&](QDialog &window) {
        auto &ini = static_cast<TFormIni &>(window);
        QCOMPARE(ini.IniDatei, m_app->doubles.places.dataFolder() + "zettmar.ini");
        QCOMPARE(ini.LastRestore, QStringLiteral("/sicherung"));
        QCOMPARE(ini.EndDate, QStringLiteral("31.12.2023"));
        QCOMPARE(QPoint(ini.FLeft, ini.FTop), m_app->main().pos());
        field(window, "EditFirma").setText("Neu");
        field(window, "EditProgPass").setText("geheim");
        window.findChild<QPushButton *>("ButtonSave")->click();
        if (leaveBy.isEmpty())
            window.close();
        else
            window.findChild<QPushButton *>(leaveBy)->click();
    });
    m_app->choose("Einstellungen1");
    const MainSettings &settings = m_app->main().context().Settings;
    QCOMPARE(settings.value(SettingsLine::AccountHolder), reloaded ? QStringLiteral("Neu") : QStringLiteral("Alt"));
    QCOMPARE(settings.value(SettingsLine::ProgramPassword), reloaded ? QStringLiteral("geheim") : QString());
    QCOMPARE(SettingsCipher::decipher(m_app->doubles.places.fileBytes("zettmar.ini")),
             QByteArray("\r\n\r\n\r\nNeu\r\n\r\n\r\n\r\n/sicherung\r\n31.12.2023\r\ngeheim\r\n"));
}

void TestToolWindows::onlineBankingShowsWhileTheMainWindowIsMinimised()
{
    QVERIFY(m_app->launch());
    m_app->doubles.dialogs.windowHandlers.enqueue([&](QDialog &window) {
        QVERIFY(m_app->main().isMinimized());
        QVERIFY(window.isVisible());
        QCOMPARE(window.windowTitle(), QStringLiteral("Einstellungen"));
        field(window, "EditFirma").setText("Neu");
        window.findChild<QPushButton *>("ButtonSave")->click();
        window.close();
    });
    m_app->choose("Onlinebanking1");
    QVERIFY(!m_app->main().isMinimized());
    QCOMPARE(m_app->main().context().Settings.value(SettingsLine::AccountHolder), QString());
}

void TestToolWindows::backupWindowGetsTheDataFolderAndItsDestinationIsStored()
{
    m_app->doubles.places.putFile("zettmar.ini", "\r\n\r\n\r\nKonto\r\n\r\n\r\n\r\n/sicherung\r\n31.12.2023\r\n\r\n");
    QVERIFY(m_app->launch());
    const QString dataFolder = m_app->doubles.places.dataFolder();
    m_app->doubles.dialogs.windowHandlers.enqueue([&](QDialog &window) {
        field(window, "EditFirma").setText("Konto neu");
        window.findChild<QToolButton *>("ButtonBak")->click();
        QCOMPARE(SettingsCipher::decipher(m_app->doubles.places.fileBytes("zettmar.ini")),
                 QByteArray("\r\n\r\n\r\nKonto neu\r\n\r\n\r\n\r\n/media/neu\r\n31.12.2023\r\n\r\n"));
        window.findChild<QPushButton *>("ButtonClose")->click();
    });
    m_app->doubles.dialogs.windowHandlers.enqueue([&](QDialog &window) {
        auto &backup = static_cast<TFormBackup &>(window);
        QCOMPARE(backup.IniPath, dataFolder);
        QCOMPARE(backup.DataPfad, dataFolder);
        QCOMPARE(backup.BackupDir, QStringLiteral("/sicherung"));
        field(window, "EditZielDir").setText(" /media/neu ");
        window.close();
    });
    m_app->choose("Einstellungen1");
    QCOMPARE(m_app->main().context().Settings.value(SettingsLine::BackupFolder), QStringLiteral("/sicherung"));
}

void TestToolWindows::aboutShowsTheBuildsReleaseAndOpensTheLink()
{
    QVERIFY(m_app->launch());
    QString link;
    m_app->doubles.dialogs.windowHandlers.enqueue([&](QDialog &window) {
        QCOMPARE(window.windowTitle(), QStringLiteral("Über..."));
        QCOMPARE(window.findChild<QLabel *>("LabelVersion")->text(), ReleaseNumber::of(QStringLiteral(ZETTMAR_TEST_VERSION)));
        QVERIFY(window.findChild<QLabel *>("LabelVersion")->text() != "Nicht verfügbar");
        auto *label5 = window.findChild<QLabel *>("Label5");
        link = label5->text();
        QTest::mouseClick(label5, Qt::LeftButton);
        QVERIFY(!window.isVisible());
    });
    m_app->choose("Info1");
    QCOMPARE(m_app->doubles.shell.calls, QStringList{"open https://" + link});
}

QStringList TestToolWindows::openLookup(const std::function<void(TFormPlz &)> &handler)
{
    QStringList shown;
    m_app->doubles.dialogs.windowHandlers.enqueue([&](QDialog &window) {
        QTest::qWait(0);
        auto *memo = window.findChild<QPlainTextEdit *>("Memo1");
        const QString status = window.findChild<QStatusBar *>("StatusBar1")->findChild<QLabel *>()->text();
        shown = memo->toPlainText().split(u'\n') << status;
        if (handler)
            handler(static_cast<TFormPlz &>(window));
    });
    m_app->click("ButtonPlz");
    return shown;
}

// A double-click on a displayed line of an entry of the list.
void TestToolWindows::doubleClick(TFormPlz &window, int entry, int displayLine) const
{
    auto *memo = window.findChild<QPlainTextEdit *>("Memo1");
    const QTextBlock block = memo->document()->findBlockByNumber(entry);
    QTextCursor cursor(block);
    cursor.setPosition(block.position() + block.layout()->lineAt(displayLine).textStart() + 1);
    QTest::mouseDClick(memo->viewport(), Qt::LeftButton, {}, memo->cursorRect(cursor).center());
}

void TestToolWindows::failedOpeningsAreReported_data()
{
    QTest::addColumn<QString>("way");
    QTest::addColumn<QString>("address");
    QTest::newRow("banking address without a scheme") << "banking" << "https://bank.example/login";
    QTest::newRow("publisher link") << "about" << "https://zettmar.example.org";
    QTest::newRow("creditor web site") << "web site" << "https://www.stadtwerke.example";
}

// The desktop refuses every address: the user hears of it.
void TestToolWindows::failedOpeningsAreReported()
{
    QFETCH(QString, way);
    QFETCH(QString, address);
    QVERIFY(m_app->launch());
    m_app->doubles.shell.succeeds = false;
    if (way == QLatin1String("banking")) {
        m_app->doubles.dialogs.windowHandlers.enqueue([&](QDialog &window) {
            field(window, "EditLogin").setText(" bank.example/login ");
            window.findChild<QToolButton *>("ButtonUrl")->click();
            window.close();
        });
        m_app->choose("Onlinebanking1");
    } else if (way == QLatin1String("about")) {
        m_app->doubles.dialogs.windowHandlers.enqueue(
            [](QDialog &window) { QTest::mouseClick(window.findChild<QLabel *>("Label5"), Qt::LeftButton); });
        m_app->choose("Info1");
    } else {
        m_app->field(InvoiceLine::Web).setText("www.stadtwerke.example");
        m_app->click("SpeedButton1");
    }
    QCOMPARE(m_app->doubles.shell.calls, QStringList{"open " + address});
    QCOMPARE(m_app->doubles.dialogs.log.last().kind, QStringLiteral("error"));
    QCOMPARE(m_app->doubles.dialogs.lastText(),
             QStringLiteral("Die Adresse \"%1\" kann nicht geöffnet werden. Bitte prüfen Sie, ob ein Webbrowser "
                            "eingerichtet ist.")
                 .arg(address));
}

// Taken over like typed: leaving the record asks to save it.
void TestToolWindows::lookupTakeOverIsAChange()
{
    m_app->doubles.places.putFile("plz.dat", kPostalCodes);
    QVERIFY(m_app->launch());
    m_app->field(InvoiceLine::Plz).setText("80333");
    m_app->field(InvoiceLine::City).setText("Muenchen");
    const QStringList shown = openLookup([&](TFormPlz &window) {
        doubleClick(window, 0);
        QVERIFY(!window.isVisible());
    });
    QCOMPARE(shown, (QStringList{"80333 München", kFound}));
    QCOMPARE(m_app->field(InvoiceLine::Plz).text(), QStringLiteral("80333"));
    QCOMPARE(m_app->field(InvoiceLine::City).text(), QStringLiteral("München"));
    QVERIFY(m_app->main().session().isModified());
    QCOMPARE(m_app->doubles.dialogs.log.size(), 1); // the window itself, no box
    m_app->doubles.dialogs.answers.enqueue(false);
    m_app->choose("Beenden1");
    QCOMPARE(m_app->doubles.dialogs.lastText(), QStringLiteral("Änderungen speichern?"));
}

void TestToolWindows::lookupSearchesTheTermOfTheOpening_data()
{
    QTest::addColumn<QString>("postalCode");
    QTest::addColumn<QString>("town");
    QTest::addColumn<bool>("searchedBefore");
    QTest::addColumn<QStringList>("shown");
    QTest::newRow("code before town") << " 10115 " << "Dresden" << false << QStringList{"10115 Berlin", kFound};
    QTest::newRow("town when no code") << "" << "dresden" << false << QStringList{"01067 Dresden", kFound};
    QTest::newRow("nothing at the first opening") << "" << " " << false << QStringList{"", kSearching};
    QTest::newRow("the last term again") << "" << "" << true << QStringList{"80331 München", "80333 München", kFound};
    QTest::newRow("missing code") << "99999" << "" << false << QStringList{"Plz 99999 nicht gefunden!", kNothingFound};
}

void TestToolWindows::lookupSearchesTheTermOfTheOpening()
{
    QFETCH(QString, postalCode);
    QFETCH(QString, town);
    QFETCH(bool, searchedBefore);
    QFETCH(QStringList, shown);
    m_app->doubles.places.putFile("plz.dat", kPostalCodes);
    QVERIFY(m_app->launch());
    if (searchedBefore) {
        m_app->field(InvoiceLine::City).setText("München");
        openLookup();
    }
    m_app->field(InvoiceLine::Plz).setText(postalCode);
    m_app->field(InvoiceLine::City).setText(town);
    QCOMPARE(openLookup(), shown);
}

void TestToolWindows::lookupKeepsEarlierDataWhenTheFileIsGone()
{
    QVERIFY(m_app->launch());
    m_app->field(InvoiceLine::Plz).setText("10115");
    QCOMPARE(openLookup(), (QStringList{"Plz 10115 nicht gefunden!", kNothingFound}));
    m_app->doubles.places.putFile("plz.dat", kPostalCodes);
    QCOMPARE(openLookup(), (QStringList{"10115 Berlin", kFound}));
    QFile::remove(m_app->doubles.places.dataFolder() + "plz.dat");
    QCOMPARE(openLookup(), (QStringList{"10115 Berlin", kFound}));
    QCOMPARE(m_app->doubles.dialogs.log[1].kind, QStringLiteral("plain"));
    QCOMPARE(m_app->doubles.dialogs.texts().filter("Plzdaten"),
             (QStringList{"Plzdaten nicht gefunden!", "Plzdaten nicht gefunden!"}));
}

void TestToolWindows::lookupTakesTheWholeWrappedEntry()
{
    m_app->doubles.places.putFile("plz.dat", kPostalCodes);
    QVERIFY(m_app->launch());
    m_app->field(InvoiceLine::Plz).setText("83727");
    openLookup([&](TFormPlz &window) {
        QVERIFY(window.findChild<QPlainTextEdit *>("Memo1")->document()->firstBlock().layout()->lineCount() > 2);
        doubleClick(window, 0, 2);
    });
    QCOMPARE(m_app->field(InvoiceLine::Plz).text(), QStringLiteral("83727"));
    QVERIFY(m_app->field(InvoiceLine::City).text().startsWith("Schliersee, Neuhaus"));
    QVERIFY(m_app->field(InvoiceLine::City).text().endsWith("im Landkreis Miesbach"));
}

void TestToolWindows::lookupTakesOnlyTheSuggestedTown_data()
{
    QTest::addColumn<QString>("postalCode");
    QTest::addColumn<int>("entry");
    QTest::addColumn<QString>("town");
    QTest::addColumn<QStringList>("boxes");
    QTest::newRow("the town") << "80999" << 1 << "München" << QStringList{};
    QTest::newRow("the message") << "80999" << 0 << "Alt" << QStringList{"Bitte Ortsnamen anklicken!"};
    QTest::newRow("no suggestion") << "55555" << 0 << "Alt" << QStringList{"Bitte Ortsnamen anklicken!"};
}

void TestToolWindows::lookupTakesOnlyTheSuggestedTown()
{
    QFETCH(QString, postalCode);
    QFETCH(int, entry);
    QFETCH(QString, town);
    QFETCH(QStringList, boxes);
    m_app->doubles.places.putFile("plz.dat", kPostalCodes);
    QVERIFY(m_app->launch());
    m_app->field(InvoiceLine::Plz).setText(postalCode);
    m_app->field(InvoiceLine::City).setText("Alt");
    openLookup([&](TFormPlz &window) {
        doubleClick(window, entry);
        QVERIFY(!window.isVisible());
    });
    QCOMPARE(m_app->field(InvoiceLine::Plz).text(), postalCode);
    QCOMPARE(m_app->field(InvoiceLine::City).text(), town);
    QCOMPARE(m_app->doubles.dialogs.texts().mid(1), boxes);
}

QTEST_MAIN(TestToolWindows)
#include "TestToolWindows.moc"
