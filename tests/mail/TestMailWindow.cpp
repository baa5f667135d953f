#include "MainWindowDriver.h"
#include "register/RecordEditor.h"

#include <QLineEdit>
#include <QTest>

namespace {

using F = InvoiceLine::Field;

} // namespace

class TestMailWindow : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void handsOverUnsavedFieldsFromButtonAndMenu();
    void warnsWhenLeavingImplausibleAddress_data();
    void warnsWhenLeavingImplausibleAddress();
};

void TestMailWindow::handsOverUnsavedFieldsFromButtonAndMenu()
{
    MainWindowDriver app;
    app.doubles.places.mailClientPath = QStringLiteral("/usr/bin/thunderbird");
    app.start({RecordLine::of({{F::Name, "Stadtwerke"}, {F::Email, "info@stadtwerke.de"}, {F::ReNummer, "R-1"}})});
    app.field(F::ReNummer).setText(QStringLiteral("R-17"));
    app.click("SpeedButton2");
    app.doubles.shell.succeeds = false;
    app.choose("Mailsenden1");
    const QString call =
        QStringLiteral("start /usr/bin/thunderbird [-compose] [to=info@stadtwerke.de,subject=Rechnung R-17]");
    QCOMPARE(app.doubles.shell.calls, (QStringList{call, call}));
    QCOMPARE(app.doubles.dialogs.texts(), QStringList{QStringLiteral("Errot open mail")});
    QCOMPARE(app.doubles.dialogs.log[0].kind, QStringLiteral("error"));
}

void TestMailWindow::warnsWhenLeavingImplausibleAddress_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<int>("reason");
    QTest::addColumn<bool>("warned");
    QTest::newRow("no @, tab to the next field") << "abc" << int(Qt::TabFocusReason) << true;
    QTest::newRow("no @, window deactivated") << "abc" << int(Qt::ActiveWindowFocusReason) << false;
    QTest::newRow("letter and @") << "a@" << int(Qt::TabFocusReason) << false;
    QTest::newRow("blanks only") << "   " << int(Qt::MouseFocusReason) << false;
}

void TestMailWindow::warnsWhenLeavingImplausibleAddress()
{
    QFETCH(QString, address);
    QFETCH(int, reason);
    QFETCH(bool, warned);
    MainWindowDriver app;
    app.start({});
    app.field(F::Email).setFocus();
    app.field(F::Email).setText(address);
    QFocusEvent leave(QEvent::FocusOut, Qt::FocusReason(reason));
    QApplication::sendEvent(&app.field(F::Email), &leave);
    const QStringList expected = warned ? QStringList{"Ungültige E-Mail! Überprüfen Sie die Angabe."} : QStringList();
    QCOMPARE(app.doubles.dialogs.texts(), expected);
    if (warned)
        QCOMPARE(app.doubles.dialogs.log[0].kind, QStringLiteral("warning"));
    QCOMPARE(app.field(F::Email).text(), address);
}

QTEST_MAIN(TestMailWindow)
#include "TestMailWindow.moc"
