#include "WindowDoubles.h"
#include "settings/SettingsCipher.h"
#include "settings/SettingsLine.h"
#include "settings/TFormIni.h"

#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QToolButton>

namespace {

QByteArray tenLinesOf(const QList<QByteArray> &lines)
{
    QByteArray bytes;
    for (int i = 0; i < settingsLineCount; ++i)
        bytes += lines.value(i) + "\r\n";
    return bytes;
}

// Too long a name for the temporary file written beside it: readable, never rewritten.
QString unwritableName()
{
    return QString(250, u'x');
}

const QList<QByteArray> kStored = {" r1 ", "r2", "", "Konto", "bank.example/login", "kunde7", "pw-bank",
                                   "/media/backup/", "r9", "geheim"};

} // namespace

class TestSettingsWindow : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void showsTheFileAndSavesTrimmedValues();
    void savedFileReadsBackWithUmlauts();
    void refusesValuesTheFileCannotHold_data();
    void refusesValuesTheFileCannotHold();
    void missingFileKeepsTheFieldsAndWritesNothing();
    void reportsAFileThatCannotBeRewritten();
    void abbruchTellsHowTheWindowWasLeft_data();
    void abbruchTellsHowTheWindowWasLeft();
    void passwordMaskButtonNamesTheNextState();
    void backupButtonWithoutDataFolderDoesNothing();
    void backupButtonStoresTheDestinationLeftWith();
    void opensTheLoginAddress_data();
    void opensTheLoginAddress();
    void isPlacedBelowTheMainWindowWithinTheScreen();
    void pastesAtTheNextPress_data();
    void pastesAtTheNextPress();
    void pasteCanBeArmedAgain();
    void closingDisarmsThePaste();
    void onlyCopiesWhereNothingCanBeSynthesised();

private:
    // Shows the window as the program does and runs handler on it while it is open.
    void show(const std::function<void()> &handler = {});
    QLineEdit &field(const char *name) const;
    void click(const char *name) const;
    QByteArray plainFile() const;
    void armWithScript(const QList<bool> &states);
    void tickWhileArmed(int ticks);
    QTimer &timerMaus() const;

    std::unique_ptr<WindowDoubles> m_doubles;
    std::unique_ptr<QWidget> m_main;
    std::unique_ptr<TFormIni> m_window;
};

void TestSettingsWindow::init()
{
    m_doubles = std::make_unique<WindowDoubles>();
    QDir().mkpath(m_doubles->places.dataFolder());
    m_main = std::make_unique<QWidget>();
    m_main->setGeometry(150, 100, 500, 400);
    m_window = std::make_unique<TFormIni>(*m_main);
    m_window->IniDatei = m_doubles->places.dataFolder() + "zettmar.ini";
    m_window->EndDate = "r9";
}

void TestSettingsWindow::cleanup()
{
    m_window.reset();
    m_main.reset();
    m_doubles.reset();
}

void TestSettingsWindow::show(const std::function<void()> &handler)
{
    m_doubles->dialogs.windowHandlers.enqueue([handler](QDialog &) {
        if (handler)
            handler();
    });
    m_doubles->dialogs.exec(*m_window);
}

QLineEdit &TestSettingsWindow::field(const char *name) const
{
    return *m_window->findChild<QLineEdit *>(QLatin1String(name));
}

void TestSettingsWindow::click(const char *name) const
{
    m_window->findChild<QAbstractButton *>(QLatin1String(name))->click();
}

QByteArray TestSettingsWindow::plainFile() const
{
    return SettingsCipher::decipher(m_doubles->places.fileBytes("zettmar.ini"));
}

void TestSettingsWindow::showsTheFileAndSavesTrimmedValues()
{
    m_doubles->places.putFile("zettmar.ini", SettingsCipher::encipher(tenLinesOf(kStored)));
    m_window->EndDate = " 31.12.2024 ";
    show([&] {
        QCOMPARE(field("EditData").text(), m_doubles->places.dataFolder());
        QCOMPARE(field("EditFirma").text(), QString("Konto"));
        QCOMPARE(field("EditLogin").text(), QString("bank.example/login"));
        QCOMPARE(field("EditUser").text(), QString("kunde7"));
        QCOMPARE(field("EditPass").text(), QString("pw-bank"));
        QCOMPARE(field("EditProgPass").text(), QString("geheim"));
        QCOMPARE(m_window->LastRestore, QString("/media/backup/"));
        field("EditFirma").setText("  Neue Firma ");
        field("EditPass").setText("\tneu pw  ");
        field("EditProgPass").clear();
        click("ButtonSave");
        QVERIFY(m_window->isVisible());
    });
    QCOMPARE(plainFile(), tenLinesOf({"r1", "r2", "", "Neue Firma", "bank.example/login", "kunde7", "neu pw",
                                      "/media/backup/", " 31.12.2024 ", ""}));
    QVERIFY(!m_doubles->places.fileBytes("zettmar.ini").contains("Neue Firma"));
    QCOMPARE(m_doubles->dialogs.log.size(), 1); // the window itself, no box
}

void TestSettingsWindow::savedFileReadsBackWithUmlauts()
{
    show([&] {
        field("EditFirma").setText("Müller & Söhne");
        field("EditPass").setText("Paß€");
        click("ButtonSave");
        field("EditFirma").clear();
    });
    QCOMPARE(m_doubles->dialogs.log.size(), 1);
    QVERIFY(plainFile().contains("M\xFCller & S\xF6hne\r\n\r\n\r\nPa\xDF\x80\r\n"));
    show([&] {
        QCOMPARE(field("EditFirma").text(), QString("Müller & Söhne"));
        QCOMPARE(field("EditPass").text(), QString("Paß€"));
    });
}

void TestSettingsWindow::refusesValuesTheFileCannotHold_data()
{
    QTest::addColumn<QString>("fieldName");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("notice");
    QTest::newRow("letter beyond the code page") << "EditProgPass" << "Łódź"
        << "Das Zeichen \"Ł\" im Feld \"Programmpasswort\" kann in der Einstellungsdatei nicht gespeichert "
           "werden. Bitte ersetzen Sie es; die Einstellungen wurden nicht gespeichert.";
    QTest::newRow("character outside the basic plane") << "EditFirma" << "Konto 🙂"
        << "Das Zeichen \"🙂\" im Feld \"Kontoinhaber\" kann in der Einstellungsdatei nicht gespeichert "
           "werden. Bitte ersetzen Sie es; die Einstellungen wurden nicht gespeichert.";
    QTest::newRow("pasted line break") << "EditPass" << "abc\r\ndef"
        << "Das Feld \"Passwort\" enthält einen Zeilenumbruch oder ein anderes Steuerzeichen. Bitte entfernen "
           "Sie es; die Einstellungen wurden nicht gespeichert.";
    QTest::newRow("line break inside the user") << "EditUser" << "kunde\n7"
        << "Das Feld \"User\" enthält einen Zeilenumbruch oder ein anderes Steuerzeichen. Bitte entfernen "
           "Sie es; die Einstellungen wurden nicht gespeichert.";
}

void TestSettingsWindow::refusesValuesTheFileCannotHold()
{
    QFETCH(QString, fieldName);
    QFETCH(QString, value);
    QFETCH(QString, notice);
    const QByteArray before = SettingsCipher::encipher(tenLinesOf(kStored));
    m_doubles->places.putFile("zettmar.ini", before);
    show([&] {
        field(qPrintable(fieldName)).setText(value);
        click("ButtonSave");
        QCOMPARE(field(qPrintable(fieldName)).text(), value);
    });
    QCOMPARE(m_doubles->places.fileBytes("zettmar.ini"), before);
    QCOMPARE(m_doubles->dialogs.log.last().kind, QString("error"));
    QCOMPARE(m_doubles->dialogs.lastText(), notice);
}

void TestSettingsWindow::missingFileKeepsTheFieldsAndWritesNothing()
{
    show([&] { field("EditUser").setText("ungespeichert"); });
    show([&] { QCOMPARE(field("EditUser").text(), QString("ungespeichert")); });
    QVERIFY(!QFile::exists(m_window->IniDatei));
}

// Found plain, it cannot be enciphered after the load; a save cannot replace it. The values stay shown.
void TestSettingsWindow::reportsAFileThatCannotBeRewritten()
{
    const QByteArray plain = tenLinesOf(kStored);
    m_window->IniDatei = m_doubles->places.putFile(unwritableName(), plain);
    show([&] {
        QCOMPARE(field("EditUser").text(), QString("kunde7"));
        field("EditUser").setText("kunde8");
        click("ButtonSave");
        QCOMPARE(field("EditUser").text(), QString("kunde8"));
    });
    QCOMPARE(m_doubles->places.fileBytes(unwritableName()), plain);
    QCOMPARE(m_doubles->dialogs.texts().mid(1), (QStringList{"Fehler INI Datei speeichern!", "Fehler INI speichern!"}));
    QCOMPARE(m_doubles->dialogs.log.last().kind, QString("plain"));
}

void TestSettingsWindow::abbruchTellsHowTheWindowWasLeft_data()
{
    QTest::addColumn<QString>("way");
    QTest::addColumn<bool>("abbruch");
    QTest::newRow("Schliessen") << "ButtonClose" << true;
    QTest::newRow("close box") << "close" << false;
    QTest::newRow("Esc") << "Esc" << false;
}

void TestSettingsWindow::abbruchTellsHowTheWindowWasLeft()
{
    QFETCH(QString, way);
    QFETCH(bool, abbruch);
    m_window->Abbruch = true;
    show([&] {
        QVERIFY(!m_window->Abbruch);
        if (way == "close")
            m_window->close();
        else if (way == "Esc")
            QTest::keyClick(&field("EditFirma"), Qt::Key_Escape);
        else
            click(qPrintable(way));
        QVERIFY(!m_window->isVisible());
    });
    QCOMPARE(m_window->Abbruch, abbruch);
}

void TestSettingsWindow::passwordMaskButtonNamesTheNextState()
{
    auto *button = m_window->findChild<QPushButton *>("ButtonPass");
    show([&] {
        QCOMPARE(field("EditProgPass").echoMode(), QLineEdit::Password);
        QCOMPARE(button->text(), QString("Abc"));
        button->click();
        QCOMPARE(field("EditProgPass").echoMode(), QLineEdit::Normal);
        QCOMPARE(button->text(), QString("***"));
    });
    show([&] {
        QCOMPARE(field("EditProgPass").echoMode(), QLineEdit::Normal);
        button->click();
        QCOMPARE(field("EditProgPass").echoMode(), QLineEdit::Password);
        QCOMPARE(button->text(), QString("Abc"));
    });
}

void TestSettingsWindow::backupButtonWithoutDataFolderDoesNothing()
{
    m_window->IniDatei = "zettmar.ini";
    show([&] {
        QCOMPARE(field("EditData").text(), QString());
        click("ButtonBak");
    });
    QCOMPARE(m_doubles->dialogs.log.size(), 1);
    QVERIFY(!QFile::exists("zettmar.ini"));
}

void TestSettingsWindow::backupButtonStoresTheDestinationLeftWith()
{
    m_doubles->places.putFile("zettmar.ini", SettingsCipher::encipher(tenLinesOf(kStored)));
    QStringList handed;
    m_window->openBackup = [&](const QString &dataFolder, const QString &destination) {
        handed = {dataFolder, destination};
        return QString("/media/neu/");
    };
    show([&] { click("ButtonBak"); });
    QCOMPARE(handed, (QStringList{m_doubles->places.dataFolder(), "/media/backup/"}));
    QCOMPARE(m_window->LastRestore, QString("/media/neu/"));
    QCOMPARE(plainFile(), tenLinesOf({"r1", "r2", "", "Konto", "bank.example/login", "kunde7", "pw-bank",
                                      "/media/neu/", "r9", "geheim"}));
}

void TestSettingsWindow::opensTheLoginAddress_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("calls");
    QTest::newRow("bare host, trimmed, over https") << "  banking.example  " << QStringList{"open https://banking.example"};
    QTest::newRow("plain http as typed") << "http://bank.example" << QStringList{"open http://bank.example"};
    QTest::newRow("full address") << "https://bank.example/login?x=1"
                                  << QStringList{"open https://bank.example/login?x=1"};
    QTest::newRow("blanks only") << "   " << QStringList{};
}

void TestSettingsWindow::opensTheLoginAddress()
{
    QFETCH(QString, typed);
    QFETCH(QStringList, calls);
    show([&] {
        field("EditLogin").setText(typed);
        click("ButtonUrl");
    });
    QCOMPARE(m_doubles->shell.calls, calls);
    QCOMPARE(m_doubles->dialogs.log.size(), 1);
}

void TestSettingsWindow::isPlacedBelowTheMainWindowWithinTheScreen()
{
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const auto frame = [&] { return m_window->frameGeometry().size(); };
    m_window->FLeft = 200;
    m_window->FTop = 50;
    show([&] {
        QCOMPARE(m_window->pos(), QPoint(150 + (500 - frame().width()) / 2, 100 + (400 - frame().height()) / 2));
    });
    show([&] { QCOMPARE(m_window->pos(), QPoint(155, 150)); });
    m_window->FLeft = screen.left() - 300;
    m_window->FTop = screen.bottom();
    show([&] { QCOMPARE(m_window->pos(), QPoint(screen.left(), screen.bottom() + 1 - frame().height())); });
}

void TestSettingsWindow::armWithScript(const QList<bool> &states)
{
    for (const bool down : states)
        m_doubles->pointer.buttonStates.enqueue(down);
}

// The timer's ticks, taken one by one so the test decides what the button does in between.
void TestSettingsWindow::tickWhileArmed(int ticks)
{
    for (int i = 0; i < ticks && timerMaus().isActive(); ++i)
        QVERIFY(QMetaObject::invokeMethod(&timerMaus(), "timeout"));
}

QTimer &TestSettingsWindow::timerMaus() const
{
    return *m_window->findChild<QTimer *>(QStringLiteral("TimerMaus"));
}

void TestSettingsWindow::pastesAtTheNextPress_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QList<bool>>("buttonStates");
    QTest::addColumn<QStringList>("events");
    QTest::addColumn<bool>("stillArmed");
    const QStringList paste = {"move 120,340", "press", "release", "Ctrl down", "V down", "Ctrl up", "V up"};
    QTest::newRow("user, press at the third tick")
        << "ButonUser" << QList<bool>{false, false, true} << paste << false;
    QTest::newRow("password, press at the first tick") << "SpeedButton1" << QList<bool>{true} << paste << false;
    QTest::newRow("button up at every tick, or pressed and released between two")
        << "SpeedButton1" << QList<bool>{false, false, false, false} << QStringList{} << true;
}

void TestSettingsWindow::pastesAtTheNextPress()
{
    QFETCH(QString, button);
    QFETCH(QList<bool>, buttonStates);
    QFETCH(QStringList, events);
    QFETCH(bool, stillArmed);
    show([&] {
        field("EditUser").setText(" kunde7");
        field("EditPass").setText("pw-bank ");
        click(qPrintable(button));
        QVERIFY(timerMaus().isActive());
        QCOMPARE(timerMaus().interval(), 100);
        armWithScript(buttonStates);
        tickWhileArmed(10);
        QCOMPARE(m_doubles->pointer.events, events);
        QCOMPARE(timerMaus().isActive(), stillArmed);
    });
    QCOMPARE(m_doubles->clipboard.content, button == "ButonUser" ? QString(" kunde7") : QString("pw-bank "));
}

void TestSettingsWindow::pasteCanBeArmedAgain()
{
    show([&] {
        click("ButonUser");
        click("ButonUser");
        armWithScript({false, true, true});
        tickWhileArmed(10);
        QCOMPARE(m_doubles->pointer.events.size(), 7);
        click("SpeedButton1");
        tickWhileArmed(1);
        QCOMPARE(m_doubles->pointer.events.size(), 14);
        QVERIFY(!timerMaus().isActive());
    });
}

void TestSettingsWindow::closingDisarmsThePaste()
{
    show([&] {
        click("SpeedButton1");
        click("ButtonClose");
    });
    QVERIFY(!timerMaus().isActive());
    QVERIFY(m_doubles->pointer.events.isEmpty());
}

void TestSettingsWindow::onlyCopiesWhereNothingCanBeSynthesised()
{
    m_doubles->pointer.synthesizes = false;
    show([&] {
        field("EditPass").setText("pw-bank");
        click("SpeedButton1");
        QVERIFY(!timerMaus().isActive());
    });
    QCOMPARE(m_doubles->clipboard.content, QString("pw-bank"));
}

QTEST_MAIN(TestSettingsWindow)
#include "TestSettingsWindow.moc"
