#include "platform/QtDialogs.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

// The real boxes, driven as a user would: keys, the close box, a button.
class TestDialogs : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void yesNoBoxesIgnoreEscapeAndCloseBox_data();
    void yesNoBoxesIgnoreEscapeAndCloseBox();
};

using Ask = std::function<bool(Dialogs &)>;
Q_DECLARE_METATYPE(Ask)

void TestDialogs::yesNoBoxesIgnoreEscapeAndCloseBox_data()
{
    QTest::addColumn<Ask>("ask");
    QTest::addColumn<QString>("button");
    const QString text = QStringLiteral("Gesamte Gläubigerdaten intern kopieren?");
    const Ask question = [text](Dialogs &dialogs) { return dialogs.question(text); };
    const Ask captioned = [text](Dialogs &dialogs) { return dialogs.captionedQuestion(QStringLiteral("Backup"), text); };
    const Ask confirmation = [text](Dialogs &dialogs) {
        return dialogs.notice(Dialogs::NoticeKind::Confirmation, text);
    };
    QTest::newRow("question, Ja") << question << "Ja";
    QTest::newRow("question, Nein") << question << "Nein";
    QTest::newRow("captioned question, Nein") << captioned << "Nein";
    QTest::newRow("captioned question, Ja") << captioned << "Ja";
    QTest::newRow("confirmation, Ja") << confirmation << "Ja";
    QTest::newRow("confirmation, Nein") << confirmation << "Nein";
}

void TestDialogs::yesNoBoxesIgnoreEscapeAndCloseBox()
{
    QFETCH(Ask, ask);
    QFETCH(QString, button);
    bool closeBoxOffered = true;
    bool stillOpenAfterEscape = false;
    bool stillOpenAfterClose = false;
    QTimer::singleShot(0, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        closeBoxOffered = box->windowFlags().testFlag(Qt::WindowCloseButtonHint);
        QTest::keyClick(box, Qt::Key_Escape);
        if (QWidget *focused = box->focusWidget()) // as a key reaches it: at the default button first
            QTest::keyClick(focused, Qt::Key_Escape);
        stillOpenAfterEscape = box->isVisible();
        if (!stillOpenAfterEscape)
            return;
        box->close();
        stillOpenAfterClose = box->isVisible();
        for (QAbstractButton *offered : box->buttons()) {
            if (offered->text() == button)
                offered->click();
        }
    });
    QtDialogs dialogs;
    const bool yes = ask(dialogs);
    QVERIFY(!closeBoxOffered);
    QVERIFY(stillOpenAfterEscape);
    QVERIFY(stillOpenAfterClose);
    QCOMPARE(yes, button == QLatin1String("Ja"));
}

QTEST_MAIN(TestDialogs)
#include "TestDialogs.moc"
