#include "MainWindowDriver.h"
#include "register/InvoiceLine.h"
#include "register/RecordEditor.h"

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QTimer>

namespace {

const QString kSaveQuestion = QStringLiteral("Änderungen speichern?");

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void firstRunCreatesFolderAndStoresFirstRecord();
    void restartFindsTheDataAsLeft();
    void showsRecordsAsFarAsTheyGo_data();
    void showsRecordsAsFarAsTheyGo();
    void newRecordIsAppendedThenReplaced();
    void incompleteRecordIsNotStored();
    void asksToSaveWhenNavigating_data();
    void asksToSaveWhenNavigating();
    void marksModifiedForEveryEditOfTheText_data();
    void marksModifiedForEveryEditOfTheText();
    void contextMenuEditsAreChanges_data();
    void contextMenuEditsAreChanges();
    void computesDueDateWhenLeavingTerm_data();
    void computesDueDateWhenLeavingTerm();
    void fillsInvoiceDateOnEntry_data();
    void fillsInvoiceDateOnEntry();
    void deletes_data();
    void deletes();
    void togglesStatus();
    void failedWritesLeaveTheListAsTheFileIs();
    void quitsAndCloses_data();
    void quitsAndCloses();
    void helpKeyAndPictures();
    void pastedLineBreaksBecomeBlanks_data();
    void pastedLineBreaksBecomeBlanks();
    void inputMethodCommitCountsAsTyping();
    void failedStoreInTheQuestionKeepsTheRecord_data();
    void failedStoreInTheQuestionKeepsTheRecord();
    void unreadableYearFileIsNeverWritten();
    void showsTheStartOfLongTexts();

private:
    std::unique_ptr<MainWindowDriver> m_app;
};

void TestMainWindow::init()
{
    m_app = std::make_unique<MainWindowDriver>(RecordLine::Encoding::Latin1);
}

void TestMainWindow::cleanup()
{
    m_app.reset();
}

void TestMainWindow::firstRunCreatesFolderAndStoresFirstRecord()
{
    QVERIFY(!QDir(m_app->doubles.places.dataFolder()).exists());
    m_app->startWith(QByteArray());
    QVERIFY(QDir(m_app->doubles.places.dataFolder()).exists());
    QCOMPARE(m_app->field("EditLand").text(), QStringLiteral("DE"));
    QCOMPARE(m_app->field("EditStatus").text(), QStringLiteral("Offen"));
    QCOMPARE((QStringList{m_app->panel(1), m_app->panel(2), m_app->panel(3), m_app->panel(4), m_app->panel(5),
                          m_app->panel(6)}),
             (QStringList{"Datensatz:", "0", "von", "0", "Rechnungsjahr:", "2024"}));
    QVERIFY(m_app->main().session().isNewRecord());

    m_app->typeAtEnd("EditTitle", QStringLiteral("Strom"));
    m_app->typeAtEnd("EditName", QStringLiteral("Stadtwerke"));
    m_app->typeAtEnd("EditEmail", QStringLiteral("info"));
    m_app->click("ButtonSave");
    QCOMPARE(m_app->yearFileBytes(), QByteArray("Strom;;;;;;;Stadtwerke;info;;;;;DE;;;;;;;Offen\r\n"));
    QCOMPARE(m_app->panel(2) + m_app->panel(4), QStringLiteral("11"));
    QVERIFY(!m_app->main().session().isNewRecord() && !m_app->main().session().isModified());
    QVERIFY(m_app->doubles.dialogs.log.isEmpty());
}

void TestMainWindow::restartFindsTheDataAsLeft()
{
    m_app->startWith("\xEF\xBB\xBF" + RecordLine::titled(QStringLiteral("Erste")).toUtf8() + "\r\n");
    m_app->click("ButtonClear");
    m_app->typeAtEnd("EditName", QStringLiteral("Bäckerei Müller"));
    m_app->typeAtEnd("EditEmail", QStringLiteral("a@b"));
    m_app->typeAtEnd("EditBic", QStringLiteral("byladem1"));
    QCOMPARE(m_app->field("EditBic").text(), QStringLiteral("BYLADEM1"));
    m_app->click("ButtonSave");
    m_app->stop();

    m_app->start({});
    m_app->stop();
    m_app->startWith(QByteArray());
    const QByteArray bytes = m_app->yearFileBytes();
    QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
    QVERIFY(bytes.contains(QStringLiteral("Bäckerei Müller").toUtf8()));
    QCOMPARE(m_app->panel(4), QStringLiteral("2"));
    m_app->click("ButtonLast");
    QCOMPARE(m_app->field("EditName").text(), QStringLiteral("Bäckerei Müller"));
    QCOMPARE(m_app->field("EditBic").text(), QStringLiteral("BYLADEM1"));
}

void TestMainWindow::showsRecordsAsFarAsTheyGo_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("invoiceDate");
    QTest::addColumn<QString>("country");
    QTest::addColumn<QString>("status");
    QTest::addColumn<bool>("dueDateRed");
    const QString overdue = RecordLine::titled(QStringLiteral("T"), QStringLiteral("01.03.2024"));
    QTest::newRow("two fields") << "a;b" << "a" << "b" << "DE" << "Offen" << false;
    QTest::newRow("overdue and open") << overdue << "T" << "" << "DE" << "Offen" << true;
    QTest::newRow("overdue and paid") << RecordLine::titled("T", "01.03.2024", "Bezahlt") << "T" << "" << "DE"
                                      << "Bezahlt" << false;
    QTest::newRow("20 fields are never red") << overdue.section(QLatin1Char(';'), 0, 19) << "T" << "" << "DE"
                                             << "Offen" << false;
    QTest::newRow("empty status reads open") << RecordLine::titled("T", "01.03.2024", "") << "T" << "" << "DE"
                                             << "Offen" << true;
    QTest::newRow("due today is not red") << RecordLine::titled("T", "15.03.2024") << "T" << "" << "DE" << "Offen"
                                          << false;
    QTest::newRow("quoted field") << "\"x;y\";  d  ;;;;;;;;;;;;US" << "x;y" << "d" << "US" << "Offen" << false;
    QTest::newRow("empty line") << "" << "" << "" << "DE" << "Offen" << false;
}

void TestMainWindow::showsRecordsAsFarAsTheyGo()
{
    QFETCH(QString, line);
    QFETCH(QString, title);
    QFETCH(QString, invoiceDate);
    QFETCH(QString, country);
    QFETCH(QString, status);
    QFETCH(bool, dueDateRed);
    m_app->start({line, RecordLine::titled(QStringLiteral("zwei"))});
    QCOMPARE(m_app->field("EditTitle").text(), title);
    QCOMPARE(m_app->field("EditReDatum").text(), invoiceDate);
    QCOMPARE(m_app->field("EditLand").text(), country);
    QCOMPARE(m_app->field("EditStatus").text(), status);
    const QColor expected = dueDateRed ? QColor(128, 0, 0) : QColor(Qt::black);
    QCOMPARE(m_app->field("EditEnde").palette().color(QPalette::Text), expected);
    QCOMPARE(m_app->panel(2) + m_app->panel(4), QStringLiteral("12"));
}

void TestMainWindow::newRecordIsAppendedThenReplaced()
{
    m_app->start(RecordLine::numbered(5));
    m_app->click("ButtonNext");
    m_app->click("ButtonNext");
    QCOMPARE(m_app->field("EditTitle").text(), QStringLiteral("R3"));
    m_app->click("ButtonClear");
    QCOMPARE(m_app->main().session().currentIndex(), 5);
    m_app->typeAtEnd("EditName", QStringLiteral("Neu"));
    m_app->typeAtEnd("EditEmail", QStringLiteral("n@x"));
    m_app->click("ButtonSave");
    QCOMPARE(m_app->panel(2) + m_app->panel(4), QStringLiteral("66"));
    m_app->typeAtEnd("EditTitle", QStringLiteral("T6"));
    m_app->click("ButtonSave");
    const QStringList lines = m_app->yearFileLines();
    QCOMPARE(lines.size(), 7); // six records and the end after the last break
    QCOMPARE(lines[2], RecordLine::titled(QStringLiteral("R3")));
    QCOMPARE(lines[5], QStringLiteral("T6;;;;;;;Neu;n@x;;;;;DE;;;;;;;Offen"));
    QCOMPARE(m_app->panel(2) + m_app->panel(4), QStringLiteral("66"));
}

void TestMainWindow::incompleteRecordIsNotStored()
{
    m_app->start(RecordLine::numbered(1));
    const QByteArray before = m_app->yearFileBytes();
    m_app->field("EditEmail").setFocus();
    QTest::keyClick(&m_app->field("EditEmail"), Qt::Key_End);
    for (int i = 0; i < 10; ++i)
        QTest::keyClick(&m_app->field("EditEmail"), Qt::Key_Backspace);
    m_app->click("ButtonSave");
    QCOMPARE(m_app->doubles.dialogs.texts(), QStringList{QStringLiteral("Datensatz unvollständig!")});
    QCOMPARE(m_app->doubles.dialogs.log[0].kind, QStringLiteral("warning"));
    QCOMPARE(m_app->yearFileBytes(), before);
    QVERIFY(m_app->main().session().isModified());
}

void TestMainWindow::asksToSaveWhenNavigating_data()
{
    QTest::addColumn<int>("startAt");    // record shown before the action, 0-based
    QTest::addColumn<QString>("input");  // "typed", "new", "new incomplete" or nothing
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("answer");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<QString>("shownTitle");
    QTest::addColumn<int>("fileRecords");
    const QString first = QStringLiteral("Erster Datensatz");
    const QString last = QStringLiteral("Letzter Datensatz");
    QTest::newRow("unchanged, next") << 0 << "" << "ButtonNext" << true << QStringList() << "R2" << 3;
    QTest::newRow("typed, next, yes stores") << 0 << "typed" << "ButtonNext" << true
                                             << QStringList{kSaveQuestion} << "R2" << 3;
    QTest::newRow("typed, next, no") << 0 << "typed" << "ButtonNext" << false << QStringList{kSaveQuestion}
                                     << "R2" << 3;
    QTest::newRow("typed, first") << 2 << "typed" << "ButtonFirst" << false << QStringList{kSaveQuestion}
                                  << "R1" << 3;
    QTest::newRow("typed on last, last shows it as stored")
        << 2 << "typed" << "ButtonLast" << false << QStringList{kSaveQuestion} << "R3" << 3;
    QTest::newRow("back on first") << 0 << "" << "ButtonBack" << true << QStringList{first} << "R1" << 3;
    QTest::newRow("new, back, no: last stored record")
        << 0 << "new" << "ButtonBack" << false << QStringList{kSaveQuestion} << "R3" << 3;
    QTest::newRow("new, next, no: input stays") << 0 << "new" << "ButtonNext" << false
                                                << QStringList{kSaveQuestion, last} << "neu" << 3;
    QTest::newRow("new, next, yes: stored then last")
        << 0 << "new" << "ButtonNext" << true << QStringList{kSaveQuestion, last} << "neu" << 4;
    QTest::newRow("new incomplete, last, no") << 0 << "new incomplete" << "ButtonLast" << false
                                              << QStringList{kSaveQuestion} << "R3" << 3;
}

void TestMainWindow::asksToSaveWhenNavigating()
{
    QFETCH(int, startAt);
    QFETCH(QString, input);
    QFETCH(QString, button);
    QFETCH(bool, answer);
    QFETCH(QStringList, boxes);
    QFETCH(QString, shownTitle);
    QFETCH(int, fileRecords);
    m_app->start(RecordLine::numbered(3));
    for (int i = 0; i < startAt; ++i)
        m_app->click("ButtonNext");
    if (input.startsWith(QStringLiteral("new"))) {
        m_app->click("ButtonClear");
        m_app->typeAtEnd("EditTitle", QStringLiteral("neu"));
        if (input == QStringLiteral("new")) {
            m_app->typeAtEnd("EditName", QStringLiteral("N"));
            m_app->typeAtEnd("EditEmail", QStringLiteral("n@x"));
        }
    } else if (input == QStringLiteral("typed")) {
        m_app->typeAtEnd("EditTitle", QStringLiteral("x"));
    }
    if (boxes.contains(kSaveQuestion))
        m_app->doubles.dialogs.answers.enqueue(answer);
    m_app->click(button.toLatin1().constData());
    QCOMPARE(m_app->doubles.dialogs.texts(), boxes);
    QCOMPARE(m_app->field("EditTitle").text(), shownTitle);
    QVERIFY(!m_app->main().session().isModified());
    QCOMPARE(m_app->yearFileLines().size() - 1, fileRecords);
    const bool storedTyped = input == QStringLiteral("typed") && answer;
    QCOMPARE(m_app->yearFileLines()[startAt].startsWith(QStringLiteral("R%1x;").arg(startAt + 1)), storedTyped);
}

void TestMainWindow::marksModifiedForEveryEditOfTheText_data()
{
    QTest::addColumn<QString>("fieldName");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("modified");
    // The shown record's fields have their cursor at the start, the clipboard holds "x".
    QTest::newRow("letter") << "EditTitle" << int(Qt::Key_A) << 0 << true;
    QTest::newRow("backspace") << "EditTitle" << int(Qt::Key_Backspace) << 0 << true;
    QTest::newRow("enter") << "EditPreis" << int(Qt::Key_Return) << 0 << true;
    QTest::newRow("Ctrl+V") << "EditName" << int(Qt::Key_V) << int(Qt::ControlModifier) << true;
    QTest::newRow("delete key") << "EditTitle" << int(Qt::Key_Delete) << 0 << true;
    QTest::newRow("Shift+Insert") << "EditTitle" << int(Qt::Key_Insert) << int(Qt::ShiftModifier) << true;
    QTest::newRow("delete key in an empty field") << "EditFax" << int(Qt::Key_Delete) << 0 << false;
    QTest::newRow("arrow") << "EditTitle" << int(Qt::Key_Left) << 0 << false;
    QTest::newRow("Ctrl+F") << "EditTitle" << int(Qt::Key_F) << int(Qt::ControlModifier) << false;
    QTest::newRow("F3") << "EditTitle" << int(Qt::Key_F3) << 0 << false;
    QTest::newRow("F1") << "EditTitle" << int(Qt::Key_F1) << 0 << false;
    QTest::newRow("letter into the status") << "EditStatus" << int(Qt::Key_A) << 0 << false;
}

void TestMainWindow::marksModifiedForEveryEditOfTheText()
{
    QFETCH(QString, fieldName);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(bool, modified);
    m_app->start(RecordLine::numbered(1));
    QGuiApplication::clipboard()->setText(QStringLiteral("x"));
    QLineEdit &edit = m_app->field(fieldName.toLatin1().constData());
    edit.setFocus();
    if (key == Qt::Key_F && modifiers == Qt::ControlModifier)
        m_app->doubles.dialogs.windowHandlers.enqueue([](QDialog &prompt) { prompt.reject(); });
    QTest::keyClick(&edit, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(m_app->main().session().isModified(), modified);
    QCOMPARE(m_app->field("EditStatus").text(), QStringLiteral("Offen"));
}

void TestMainWindow::contextMenuEditsAreChanges_data()
{
    QTest::addColumn<QString>("action"); // the menu item's caption as Qt gives it without a translation
    QTest::addColumn<QString>("text");
    QTest::newRow("paste") << "&Paste" << "R1x";
    QTest::newRow("delete") << "Delete" << "";
    QTest::newRow("cut") << "Cu&t" << "";
}

// The field's own context menu, as the right mouse button opens it.
void TestMainWindow::contextMenuEditsAreChanges()
{
    QFETCH(QString, action);
    QFETCH(QString, text);
    m_app->start(RecordLine::numbered(2));
    QGuiApplication::clipboard()->setText(QStringLiteral("x"));
    QLineEdit &title = m_app->field("EditTitle");
    if (action == QLatin1String("&Paste"))
        title.end(false);
    else
        title.selectAll();
    const std::unique_ptr<QMenu> menu(title.createStandardContextMenu());
    const QList<QAction *> items = menu->actions();
    const auto item = std::find_if(items.begin(), items.end(),
                                   [&action](const QAction *each) { return each->text().startsWith(action); });
    QVERIFY(item != items.end());
    (*item)->trigger();
    QCOMPARE(title.text(), text);
    QVERIFY(m_app->main().session().isModified());
    m_app->doubles.dialogs.answers.enqueue(false);
    m_app->click("ButtonNext");
    QCOMPARE(m_app->doubles.dialogs.texts(), QStringList{kSaveQuestion});
    QCOMPARE(m_app->yearFileLines()[0], RecordLine::titled(QStringLiteral("R1")));
}

void TestMainWindow::computesDueDateWhenLeavingTerm_data()
{
    QTest::addColumn<QString>("invoiceDate");
    QTest::addColumn<QString>("term");
    QTest::addColumn<QString>("dueDate");
    QTest::addColumn<QStringList>("boxes");
    QTest::newRow("30 days") << "31.01.2024" << "30" << "01.03.2024" << QStringList();
    QTest::newRow("minus 5 days") << " 31.01.2024 " << " -5 " << "26.01.2024" << QStringList();
    QTest::newRow("term in words") << "31.01.2024" << "14 Tage" << "alt"
                                   << QStringList{"Konvertierungsfehler! Überprüfen Sie die Fristangabe (Ganzzahl)."};
    QTest::newRow("bad invoice date") << "31.13.2024" << "14" << "alt"
                                      << QStringList{"Konvertierungsfehler! Überprüfen Sie das Rechnungsdatum."};
    QTest::newRow("no term") << "31.01.2024" << "" << "alt" << QStringList();
}

void TestMainWindow::computesDueDateWhenLeavingTerm()
{
    QFETCH(QString, invoiceDate);
    QFETCH(QString, term);
    QFETCH(QString, dueDate);
    QFETCH(QStringList, boxes);
    m_app->start(RecordLine::numbered(1));
    m_app->field("EditReDatum").setText(invoiceDate);
    m_app->field("EditEnde").setText(QStringLiteral("alt"));
    m_app->field("EditFrist").setFocus(Qt::TabFocusReason);
    m_app->field("EditFrist").setText(term);
    m_app->field("EditEnde").setFocus(Qt::TabFocusReason);
    QCOMPARE(m_app->field("EditEnde").text(), dueDate);
    QCOMPARE(m_app->doubles.dialogs.texts(), boxes);
    if (!boxes.isEmpty())
        QCOMPARE(m_app->doubles.dialogs.log[0].kind, QStringLiteral("error"));
    QVERIFY(!m_app->main().session().isModified());
}

void TestMainWindow::fillsInvoiceDateOnEntry_data()
{
    QTest::addColumn<bool>("newRecord");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    QTest::newRow("new record, date replaced") << true << "01.02.2024" << "15.03.2024";
    QTest::newRow("stored record, date kept") << false << "01.02.2024" << "01.02.2024";
    QTest::newRow("stored record, blank filled") << false << "  " << "15.03.2024";
}

void TestMainWindow::fillsInvoiceDateOnEntry()
{
    QFETCH(bool, newRecord);
    QFETCH(QString, before);
    QFETCH(QString, after);
    m_app->start(RecordLine::numbered(1));
    if (newRecord)
        m_app->click("ButtonClear");
    m_app->field("EditReDatum").setText(before);
    m_app->field("EditReDatum").setFocus(Qt::TabFocusReason);
    QCOMPARE(m_app->field("EditReDatum").text(), after);
    QVERIFY(!m_app->main().session().isModified());
}

void TestMainWindow::deletes_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("startAt");
    QTest::addColumn<bool>("pressNew");
    QTest::addColumn<bool>("answer");
    QTest::addColumn<QStringList>("remaining");
    QTest::addColumn<QString>("shownTitle");
    QTest::addColumn<QString>("panels");
    QTest::newRow("middle, yes") << 3 << 1 << false << true << QStringList{"R1", "R3"} << "R1" << "12";
    QTest::newRow("middle, no") << 3 << 1 << false << false << QStringList{"R1", "R2", "R3"} << "R2" << "23";
    QTest::newRow("only record") << 1 << 0 << false << true << QStringList() << "" << "00";
    QTest::newRow("while new: nothing stored is removed")
        << 2 << 1 << true << true << QStringList{"R1", "R2"} << "R1" << "12";
}

void TestMainWindow::deletes()
{
    QFETCH(int, count);
    QFETCH(int, startAt);
    QFETCH(bool, pressNew);
    QFETCH(bool, answer);
    QFETCH(QStringList, remaining);
    QFETCH(QString, shownTitle);
    QFETCH(QString, panels);
    m_app->start(RecordLine::numbered(count));
    for (int i = 0; i < startAt; ++i)
        m_app->click("ButtonNext");
    if (pressNew) {
        m_app->click("ButtonClear");
        m_app->typeAtEnd("EditTitle", QStringLiteral("neu"));
    }
    m_app->doubles.dialogs.answers.enqueue(answer);
    m_app->click("ToolButtonDel");
    QCOMPARE(m_app->doubles.dialogs.texts(), QStringList{QStringLiteral("Datensatz löschen?")});
    QStringList expected;
    for (const QString &title : remaining)
        expected.append(RecordLine::titled(title));
    QCOMPARE(m_app->yearFileBytes(), RecordLine::fileOf(expected, RecordLine::Encoding::Latin1));
    QCOMPARE(m_app->field("EditTitle").text(), shownTitle);
    QCOMPARE(m_app->field("EditStatus").text(), QStringLiteral("Offen"));
    QCOMPARE(m_app->panel(2) + m_app->panel(4), panels);
    if (answer)
        QVERIFY(!m_app->main().session().isNewRecord() && !m_app->main().session().isModified());
}

void TestMainWindow::togglesStatus()
{
    m_app->start({RecordLine::titled(QStringLiteral("T"), QStringLiteral("01.03.2024"))});
    m_app->click("ButtonUpDown");
    QCOMPARE(m_app->field("EditStatus").text(), QStringLiteral("Bezahlt"));
    QCOMPARE(m_app->field("EditEnde").text(), QStringLiteral("15.03.2024"));
    QVERIFY(m_app->main().session().isModified());
    m_app->field("EditEnde").setText(QStringLiteral("10.03.2024"));
    m_app->click("ButtonUpDown");
    QCOMPARE(m_app->field("EditStatus").text(), QStringLiteral("Offen"));
    QCOMPARE(m_app->field("EditEnde").text(), QStringLiteral("10.03.2024"));
    QCOMPARE(m_app->yearFileBytes(),
             RecordLine::fileOf({RecordLine::titled(QStringLiteral("T"), QStringLiteral("01.03.2024"))},
                                RecordLine::Encoding::Latin1));
}

void TestMainWindow::failedWritesLeaveTheListAsTheFileIs()
{
    m_app->start(RecordLine::numbered(2));
    const QString path = m_app->yearFilePath();
    QVERIFY(QFile::remove(path));
    QVERIFY(QDir().mkdir(path)); // stands in for a file another program holds
    m_app->click("ButtonClear");
    m_app->typeAtEnd("EditName", QStringLiteral("N"));
    m_app->typeAtEnd("EditEmail", QStringLiteral("n@x"));
    m_app->click("ButtonSave");
    QCOMPARE(m_app->doubles.dialogs.log.size(), 1);
    QCOMPARE(m_app->doubles.dialogs.log[0].kind, QStringLiteral("error"));
    QVERIFY(m_app->doubles.dialogs.lastText().startsWith(
        QStringLiteral("Datei \"%1\" kann nicht erstellt werden. ").arg(path)));
    QCOMPARE(m_app->main().session().count(), 2);
    QVERIFY(m_app->main().session().isNewRecord() && m_app->main().session().isModified());

    QVERIFY(QDir().rmdir(path));
    m_app->click("ButtonSave");
    QCOMPARE(m_app->yearFileLines().size() - 1, 3);
    QCOMPARE(m_app->panel(2) + m_app->panel(4), QStringLiteral("33"));

    QVERIFY(QFile::rename(path, path + QStringLiteral(".away")));
    QVERIFY(QDir().mkdir(path));
    m_app->doubles.dialogs.answers.enqueue(true);
    m_app->click("ToolButtonDel");
    QCOMPARE(m_app->doubles.dialogs.log.last().kind, QStringLiteral("error"));
    QCOMPARE(m_app->main().session().count(), 3);
    QCOMPARE(m_app->field("EditName").text(), QStringLiteral("N"));
}

void TestMainWindow::quitsAndCloses_data()
{
    QTest::addColumn<QString>("input");  // "typed", "new", "new typed" or "year start" (no year file)
    QTest::addColumn<bool>("byMenu");
    QTest::addColumn<bool>("answer");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<int>("fileRecords");
    QTest::newRow("quit, typed, no") << "typed" << true << false << QStringList{kSaveQuestion} << 1;
    QTest::newRow("quit, typed, yes") << "typed" << true << true << QStringList{kSaveQuestion} << 1;
    QTest::newRow("quit, new untouched, no") << "new" << true << false << QStringList{kSaveQuestion} << 1;
    QTest::newRow("quit, untouched start of the year") << "year start" << true << true << QStringList() << 0;
    QTest::newRow("close box, untouched start of the year") << "year start" << false << true << QStringList() << 0;
    QTest::newRow("close box, new untouched") << "new" << false << true << QStringList() << 1;
    QTest::newRow("close box, typed, yes") << "typed" << false << true << QStringList{kSaveQuestion} << 1;
    QTest::newRow("close box, new typed, yes") << "new typed" << false << true << QStringList{kSaveQuestion} << 2;
}

void TestMainWindow::quitsAndCloses()
{
    QFETCH(QString, input);
    QFETCH(bool, byMenu);
    QFETCH(bool, answer);
    QFETCH(QStringList, boxes);
    QFETCH(int, fileRecords);
    if (input == QLatin1String("year start"))
        m_app->startWith(QByteArray());
    else
        m_app->start(RecordLine::numbered(1));
    if (input.startsWith(QStringLiteral("new")))
        m_app->click("ButtonClear");
    if (input.endsWith(QStringLiteral("typed"))) {
        m_app->typeAtEnd("EditName", QStringLiteral("x"));
        m_app->typeAtEnd("EditEmail", QStringLiteral("y"));
    }
    if (boxes.contains(kSaveQuestion))
        m_app->doubles.dialogs.answers.enqueue(answer);
    if (byMenu)
        m_app->choose("Beenden1");
    else
        m_app->main().close();
    QVERIFY(!m_app->main().isVisible());
    QCOMPARE(m_app->doubles.dialogs.texts(), boxes);
    QCOMPARE(m_app->yearFileLines().size() - 1, fileRecords);
    const bool storedTyped = input == QStringLiteral("typed") && answer;
    QCOMPARE(m_app->yearFileLines()[0].contains(QStringLiteral(";Firma R1x;")), storedTyped);
}

void TestMainWindow::helpKeyAndPictures()
{
    m_app->start(RecordLine::numbered(1));
    QTest::keyClick(&m_app->field("EditTitle"), Qt::Key_F1);
    QCOMPARE(m_app->doubles.help.contexts, QList<int>{0});
    QStringList shown;
    for (int tick = 0; tick < 4; ++tick) {
        for (const char *name : {"Image1", "Image2", "Image3"}) {
            if (m_app->main().findChild<QLabel *>(QLatin1String(name))->isVisible())
                shown.append(QLatin1String(name));
        }
        m_app->showNextPicture();
    }
    QCOMPARE(shown, (QStringList{"Image1", "Image2", "Image3", "Image1"}));
    // The rotation runs by itself, every ten seconds.
    const QList<QTimer *> timers = m_app->main().findChildren<QTimer *>(QString(), Qt::FindDirectChildrenOnly);
    QCOMPARE(timers.size(), 1);
    QVERIFY(timers[0]->isActive());
    QCOMPARE(timers[0]->interval(), 10000);
    QVERIFY(!timers[0]->isSingleShot());
}

void TestMainWindow::pastedLineBreaksBecomeBlanks_data()
{
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("stored");
    QTest::newRow("CR LF") << "line1\r\nline2" << "line1  line2";
    QTest::newRow("LF") << "line1\nline2" << "line1 line2";
    QTest::newRow("tab and separator") << "x;y\tTAB" << "x;y TAB";
}

void TestMainWindow::pastedLineBreaksBecomeBlanks()
{
    QFETCH(QString, pasted);
    QFETCH(QString, stored);
    m_app->start(RecordLine::numbered(1));
    m_app->field("EditArtikel").clear();
    m_app->field("EditArtikel").insert(pasted);
    m_app->click("ButtonSave");
    QCOMPARE(m_app->yearFileLines().size() - 1, 1);
    m_app->stop();
    m_app->start({});
    QCOMPARE(m_app->field("EditArtikel").text(), stored);
    QCOMPARE(m_app->field("EditName").text(), QStringLiteral("Firma R1"));
    QCOMPARE(m_app->field("EditStatus").text(), QStringLiteral("Offen"));
}

// Dead keys and compose deliver "é" as an input-method commit, not as a key press.
void TestMainWindow::inputMethodCommitCountsAsTyping()
{
    m_app->start(RecordLine::numbered(2));
    QInputMethodEvent preedit(QStringLiteral("´"), {});
    QApplication::sendEvent(&m_app->field("EditTitle"), &preedit);
    QVERIFY(!m_app->main().session().isModified());
    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("é"));
    QApplication::sendEvent(&m_app->field("EditTitle"), &commit);
    QVERIFY(m_app->main().session().isModified());
    m_app->doubles.dialogs.answers.enqueue(false);
    m_app->click("ButtonNext");
    QCOMPARE(m_app->doubles.dialogs.texts(), QStringList{kSaveQuestion});
    QCOMPARE(m_app->doubles.dialogs.log.first().kind, QStringLiteral("question"));
}

void TestMainWindow::failedStoreInTheQuestionKeepsTheRecord_data()
{
    QTest::addColumn<QString>("way");
    QTest::addColumn<QString>("failure");
    for (const char *way : {"next", "quit", "close"}) {
        for (const char *failure : {"write", "incomplete", "too long"})
            QTest::addRow("%s, %s", way, failure) << way << failure;
    }
}

// "Ja" to the question, the record is not stored: it stays on screen with its input and flags.
void TestMainWindow::failedStoreInTheQuestionKeepsTheRecord()
{
    QFETCH(QString, way);
    QFETCH(QString, failure);
    m_app->start(RecordLine::numbered(2));
    const QByteArray before = m_app->yearFileBytes();
    m_app->typeAtEnd("EditTitle", QStringLiteral("x"));
    QString kind = QStringLiteral("warning");
    if (failure == QLatin1String("write")) {
        const QString path = m_app->yearFilePath();
        QVERIFY(QFile::remove(path));
        QVERIFY(QDir().mkpath(path));
        kind = QStringLiteral("error");
    } else if (failure == QLatin1String("incomplete")) {
        m_app->field("EditEmail").clear();
    } else {
        m_app->field("EditArtikel").insert(QString(5000, u'a')); // a paste of a long text
    }
    m_app->doubles.dialogs.answers.enqueue(true);
    if (way == QLatin1String("next"))
        m_app->click("ButtonNext");
    else if (way == QLatin1String("quit"))
        m_app->choose("Beenden1");
    else
        m_app->main().close();
    QCOMPARE(m_app->doubles.dialogs.log.size(), 2);
    QCOMPARE(m_app->doubles.dialogs.log[1].kind, kind);
    QVERIFY(m_app->main().isVisible());
    QCOMPARE(m_app->field("EditTitle").text(), QStringLiteral("R1x"));
    QCOMPARE(m_app->main().session().currentIndex(), 0);
    QVERIFY(m_app->main().session().isModified());
    if (failure != QLatin1String("write"))
        QCOMPARE(m_app->yearFileBytes(), before);
}

void TestMainWindow::unreadableYearFileIsNeverWritten()
{
    const QString path = m_app->yearFilePath();
    QVERIFY(QDir().mkpath(path));
    m_app->startWith(QByteArray());
    QCOMPARE(
        m_app->doubles.dialogs.texts(),
        QStringList{QStringLiteral(
                        "Die Rechnungsdatei \"%1\" kann nicht gelesen werden (Keine reguläre Datei).\n\n"
                        "Ihre Rechnungen dieses Jahres werden daher nicht angezeigt, und die Datei bleibt unverändert. "
                        "Bitte prüfen Sie, ob unter diesem Namen eine gewöhnliche Datei liegt, die Sie lesen dürfen, "
                        "oder stellen Sie sie aus einer Datensicherung wieder her. Laden Sie das Jahr danach neu "
                        "(Menü \"Jahr laden\") oder starten Sie das Programm neu.")
                        .arg(path)});
    QCOMPARE(m_app->doubles.dialogs.log[0].kind, QStringLiteral("error"));
    m_app->typeAtEnd("EditName", QStringLiteral("N"));
    m_app->typeAtEnd("EditEmail", QStringLiteral("n@x"));
    m_app->click("ButtonSave");
    const QString refusal = QStringLiteral("Die Datei \"%1\" wurde nicht vollständig gelesen und wird daher nicht "
                                           "geändert.").arg(path);
    QCOMPARE(m_app->doubles.dialogs.lastText(), refusal);
    m_app->doubles.dialogs.answers.enqueue(true);
    m_app->choose("Beenden1");
    QCOMPARE(m_app->doubles.dialogs.lastText(), refusal);
    QVERIFY(QFileInfo(path).isDir());
    QCOMPARE(QDir(m_app->doubles.places.dataFolder()).entryList(QDir::Files), QStringList());
}

void TestMainWindow::showsTheStartOfLongTexts()
{
    QStringList lines = RecordLine::numbered(1);
    lines[0].replace(QStringLiteral("Firma R1"), QStringLiteral("Firma ") + QString(300, u'x') + QStringLiteral(" Ende"));
    m_app->start(lines);
    for (QLineEdit *edit : m_app->main().findChildren<QLineEdit *>())
        QCOMPARE(edit->cursorPosition(), 0);
}

QTEST_MAIN(TestMainWindow)
#include "TestMainWindow.moc"
