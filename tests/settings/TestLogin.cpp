#include "WindowDoubles.h"
#include "settings/LoginGate.h"
#include "settings/TFormLogin.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

const QString kPassword = "Geheim1";

QLineEdit &entry(QDialog &window) { return *window.findChild<QLineEdit *>("Edit1"); }
QPushButton &button(QDialog &window, const char *name) { return *window.findChild<QPushButton *>(name); }

void enter(QDialog &window, const QString &text)
{
    QTest::keyClicks(&entry(window), text);
    QTest::mouseClick(&button(window, "BitBtn1"), Qt::LeftButton);
}

} // namespace

class TestLogin : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void checksTheTrimmedEntryExactly_data();
    void checksTheTrimmedEntryExactly();
    void fourthWrongEntryEndsTheProgram();
    void cancelEndsTheProgramAtOnce_data();
    void cancelEndsTheProgramAtOnce();
    void closeBoxLeavesTheEndToStartUp();
    void maskButtonAppearsWithFirstKeyAndKeepsItsState();
    void f1ShowsLoginHelp();
    void noPasswordShowsNoWindow();
};

void TestLogin::checksTheTrimmedEntryExactly_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("exact") << kPassword << true;
    QTest::newRow("blanks around") << "  " + kPassword + " " << true;
    QTest::newRow("other case") << "geheim1" << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("blank inside") << "Geheim 1" << false;
    QTest::newRow("no-break space is no blank") << kPassword + "\u00a0" << false;
}

void TestLogin::checksTheTrimmedEntryExactly()
{
    QFETCH(QString, typed);
    QFETCH(bool, accepted);
    WindowDoubles platform;
    TFormLogin login;
    platform.dialogs.windowHandlers.enqueue([&](QDialog &window) {
        QTest::keyClicks(&entry(window), typed);
        QTest::keyClick(&entry(window), Qt::Key_Return);
    });

    QCOMPARE(LoginGate::admit(login, kPassword), accepted);
    QCOMPARE(login.LoginOk, accepted);
    QCOMPARE(platform.process.endCodes.isEmpty(), accepted);
    const QStringList wrongNotice{"Falsches Passwort! Noch 3 Versuche"};
    QCOMPARE(platform.dialogs.texts().mid(1), accepted ? QStringList() : wrongNotice);
}

void TestLogin::fourthWrongEntryEndsTheProgram()
{
    WindowDoubles platform;
    TFormLogin login;
    platform.dialogs.windowHandlers.enqueue([&](QDialog &window) {
        for (const char *wrong : {"a", "b", "c"}) {
            enter(window, wrong);
            QVERIFY(entry(window).text().isEmpty());
            QCOMPARE(window.focusWidget(), &entry(window));
        }
        QVERIFY(platform.process.endCodes.isEmpty());
        enter(window, "d");
        // The end follows the last notice at once, before the window is left.
        QCOMPARE(platform.process.endCodes, QList<int>{0});
        QVERIFY(!button(window, "BitBtn1").isEnabled());
    });

    QVERIFY(!LoginGate::admit(login, kPassword));
    QCOMPARE(login.FailCount, 3);
    const QList<QPair<QString, QString>> expected{
        {"error", "Falsches Passwort! Noch 3 Versuche"},
        {"error", "Falsches Passwort! Noch 2 Versuche"},
        {"error", "Falsches Passwort! Noch 1 Versuche"},
        {"information", "Drei Fehleingaben. Programm wird in zehn Sekunden beendet!"},
    };
    QCOMPARE(platform.dialogs.log.size(), 1 + expected.size());
    for (qsizetype i = 0; i < expected.size(); ++i) {
        QCOMPARE(platform.dialogs.log[i + 1].kind, expected[i].first);
        QCOMPARE(platform.dialogs.log[i + 1].text, expected[i].second);
    }
}

void TestLogin::cancelEndsTheProgramAtOnce_data()
{
    QTest::addColumn<bool>("byEscape");
    QTest::newRow("Abbrechen") << false;
    QTest::newRow("Esc") << true;
}

void TestLogin::cancelEndsTheProgramAtOnce()
{
    QFETCH(bool, byEscape);
    WindowDoubles platform;
    TFormLogin login;
    platform.dialogs.windowHandlers.enqueue([&](QDialog &window) {
        QTest::keyClicks(&entry(window), kPassword);
        if (byEscape)
            QTest::keyClick(&entry(window), Qt::Key_Escape);
        else
            QTest::mouseClick(&button(window, "BitBtn2"), Qt::LeftButton);
        QCOMPARE(platform.process.endCodes, QList<int>{0});
    });

    QVERIFY(!LoginGate::admit(login, kPassword));
    QVERIFY(!login.LoginOk);
}

void TestLogin::closeBoxLeavesTheEndToStartUp()
{
    WindowDoubles platform;
    TFormLogin login;
    platform.dialogs.windowHandlers.enqueue([&](QDialog &window) {
        window.close();
        QVERIFY(platform.process.endCodes.isEmpty());
    });

    QVERIFY(!LoginGate::admit(login, kPassword));
    QCOMPARE(platform.process.endCodes, QList<int>{0});
}

void TestLogin::maskButtonAppearsWithFirstKeyAndKeepsItsState()
{
    WindowDoubles platform;
    TFormLogin login;
    platform.dialogs.windowHandlers.enqueue([&](QDialog &window) {
        QPushButton &mask = button(window, "ButtonMask");
        QVERIFY(!mask.isVisible());
        QCOMPARE(entry(window).echoMode(), QLineEdit::Password);
        QTest::keyClicks(&entry(window), "x");
        QVERIFY(mask.isVisible());
        QCOMPARE(mask.text(), QString("Abc"));

        QTest::mouseClick(&mask, Qt::LeftButton);
        QCOMPARE(entry(window).echoMode(), QLineEdit::Normal);
        QCOMPARE(mask.text(), QString("***"));

        QTest::mouseClick(&button(window, "BitBtn1"), Qt::LeftButton);
        QVERIFY(mask.isVisible());
        QCOMPARE(entry(window).echoMode(), QLineEdit::Normal);
        QCOMPARE(mask.text(), QString("***"));

        QTest::mouseClick(&mask, Qt::LeftButton);
        QCOMPARE(entry(window).echoMode(), QLineEdit::Password);
        QCOMPARE(mask.text(), QString("Abc"));
        enter(window, kPassword);
    });

    QVERIFY(LoginGate::admit(login, kPassword));
}

void TestLogin::f1ShowsLoginHelp()
{
    WindowDoubles platform;
    TFormLogin login;
    platform.dialogs.windowHandlers.enqueue([&](QDialog &window) {
        QTest::keyClick(&entry(window), Qt::Key_F1);
        QTest::keyClick(&button(window, "BitBtn2"), Qt::Key_F1);
        enter(window, kPassword);
    });

    QVERIFY(LoginGate::admit(login, kPassword));
    QCOMPARE(platform.help.contexts, (QList<int>{6, 6}));
}

void TestLogin::noPasswordShowsNoWindow()
{
    WindowDoubles platform;
    TFormLogin login;
    QVERIFY(LoginGate::admit(login, QString()));
    QVERIFY(platform.dialogs.log.isEmpty());
    QVERIFY(platform.process.endCodes.isEmpty());
}

QTEST_MAIN(TestLogin)
#include "TestLogin.moc"
