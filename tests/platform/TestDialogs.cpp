#include "platform/QtDialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QPushButton>
#include <QTest>
#include <QTimer>

// The real boxes, driven as a user would: keys, the close box, a button.
class TestDialogs : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void escapeAndCloseBox_data();
    void escapeAndCloseBox();
    void restoreChoiceShowsHiddenFiles();
};

void TestDialogs::escapeAndCloseBox_data()
{
    QTest::addColumn<bool>("mandatory");
    QTest::newRow("question: Esc answers Nein") << false;
    QTest::newRow("save question: Esc and close do nothing") << true;
}

void TestDialogs::escapeAndCloseBox()
{
    QFETCH(bool, mandatory);
    bool stillOpenAfterEscape = false;
    bool stillOpenAfterClose = false;
    QTimer::singleShot(0, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        QTest::keyClick(box, Qt::Key_Escape);
        stillOpenAfterEscape = box->isVisible();
        if (!stillOpenAfterEscape)
            return;
        box->close();
        stillOpenAfterClose = box->isVisible();
        for (QAbstractButton *button : box->buttons()) {
            if (button->text() == QLatin1String("Ja"))
                button->click();
        }
    });
    QtDialogs dialogs;
    const QString text = QStringLiteral("Änderungen speichern?");
    const bool yes = mandatory ? dialogs.mandatoryQuestion(text) : dialogs.question(text);
    QCOMPARE(stillOpenAfterEscape, mandatory);
    QCOMPARE(stillOpenAfterClose, mandatory);
    QCOMPARE(yes, mandatory);
}

// The restore's choice of files: a hidden file of a backup folder must be there to choose.
void TestDialogs::restoreChoiceShowsHiddenFiles()
{
    QTemporaryDir folder;
    QFile hidden(folder.filePath(QStringLiteral(".versteckt.dat")));
    QVERIFY(hidden.open(QIODevice::WriteOnly));
    hidden.close();
    bool showsHidden = false;
    QTimer::singleShot(0, [&] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        showsHidden = dialog->filter().testFlag(QDir::Hidden);
        dialog->selectFile(hidden.fileName());
        static_cast<QDialog *>(dialog)->accept();
    });
    const QStringList chosen = QtDialogs().openFiles(QStringLiteral("Öffnen"), QStringLiteral("Alle (*)"), folder.path());
    QVERIFY(showsHidden);
    QCOMPARE(chosen, QStringList{hidden.fileName()});
}

QTEST_MAIN(TestDialogs)
#include "TestDialogs.moc"
