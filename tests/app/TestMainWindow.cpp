#include "WindowDoubles.h"
#include "app/AppWindows.h"
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
#include <QToolButton>

namespace {

// A stored line of 21 fields with the given title, creditor, due date and status.
QString record(const QString &title, const QString &due = {}, const QString &status = QStringLiteral("Offen"))
{
    QStringList fields(InvoiceLine::kFieldCount);
    fields[InvoiceLine::Title] = title;
    fields[InvoiceLine::Ende] = due;
    fields[InvoiceLine::Name] = QStringLiteral("Firma ") + title;
    fields[InvoiceLine::Email] = QStringLiteral("post@") + title;
    fields[InvoiceLine::Land] = QStringLiteral("DE");
    fields[InvoiceLine::Status] = status;
    return fields.join(QLatin1Char(';'));
}

QByteArray fileOf(const QStringList &lines)
{
    QByteArray bytes;
    for (const QString &line : lines)
        bytes += line.toLatin1() + "\r\n";
    return bytes;
}

QStringList records(int count)
{
    QStringList lines;
    for (int i = 1; i <= count; ++i)
        lines.append(record(QStringLiteral("R%1").arg(i)));
    return lines;
}

const QString kYearFile = QStringLiteral("2024rech.csv");
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
    void start(const QStringList &lines);
    void startWithBytes(const QByteArray &bytes);
    QLineEdit &field(const char *name) const;
    void click(const char *name) const;
    void type(const char *name, const QString &text) const;
    QString panel(int number) const;
    QStringList fileLines() const;
    RecordSession &session() const { return m_windows->main().session(); }

    std::unique_ptr<WindowDoubles> m_doubles;
    std::unique_ptr<AppWindows> m_windows;
};

void TestMainWindow::init()
{
    m_doubles = std::make_unique<WindowDoubles>();
}

void TestMainWindow::cleanup()
{
    m_windows.reset();
    m_doubles.reset();
}

void TestMainWindow::start(const QStringList &lines)
{
    startWithBytes(fileOf(lines));
}

void TestMainWindow::startWithBytes(const QByteArray &bytes)
{
    if (!bytes.isNull())
        m_doubles->places.putFile(kYearFile, bytes);
    m_windows = std::make_unique<AppWindows>();
    QVERIFY(m_windows->start());
    m_windows->main().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&m_windows->main()));
}

QLineEdit &TestMainWindow::field(const char *name) const
{
    return *m_windows->main().findChild<QLineEdit *>(QLatin1String(name));
}

void TestMainWindow::click(const char *name) const
{
    m_windows->main().findChild<QToolButton *>(QLatin1String(name))->click();
}

void TestMainWindow::type(const char *name, const QString &text) const
{
    field(name).setFocus(Qt::OtherFocusReason); // a tab would select the text and typing replace it
    field(name).end(false);                     // as a click behind the text does
    // Key by key with its text, as a keyboard sends it; QTest's own typing knows only ASCII.
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, &field(name), Qt::Key(c.toUpper().unicode()), c, Qt::NoModifier);
}

QString TestMainWindow::panel(int number) const
{
    return m_windows->main().statusPanel(number).text();
}

QStringList TestMainWindow::fileLines() const
{
    return QString::fromLatin1(m_doubles->places.fileBytes(kYearFile)).split(QStringLiteral("\r\n"));
}

void TestMainWindow::firstRunCreatesFolderAndStoresFirstRecord()
{
    QVERIFY(!QDir(m_doubles->places.dataFolder()).exists());
    startWithBytes(QByteArray());
    QVERIFY(QDir(m_doubles->places.dataFolder()).exists());
    QCOMPARE(field("EditLand").text(), QStringLiteral("DE"));
    QCOMPARE(field("EditStatus").text(), QStringLiteral("Offen"));
    QCOMPARE((QStringList{panel(1), panel(2), panel(3), panel(4), panel(5), panel(6)}),
             (QStringList{"Datensatz:", "0", "von", "0", "Rechnungsjahr:", "2024"}));
    QVERIFY(session().isNewRecord());

    type("EditTitle", QStringLiteral("Strom"));
    type("EditName", QStringLiteral("Stadtwerke"));
    type("EditEmail", QStringLiteral("info"));
    click("ButtonSave");
    QCOMPARE(m_doubles->places.fileBytes(kYearFile), QByteArray("Strom;;;;;;;Stadtwerke;info;;;;;DE;;;;;;;Offen\r\n"));
    QCOMPARE(panel(2) + panel(4), QStringLiteral("11"));
    QVERIFY(!session().isNewRecord() && !session().isModified());
    QVERIFY(m_doubles->dialogs.log.isEmpty());
}

void TestMainWindow::restartFindsTheDataAsLeft()
{
    startWithBytes("\xEF\xBB\xBF" + record(QStringLiteral("Erste")).toUtf8() + "\r\n");
    click("ButtonClear");
    type("EditName", u"Bäckerei Müller"_qs);
    type("EditEmail", QStringLiteral("a@b"));
    type("EditBic", QStringLiteral("byladem1"));
    QCOMPARE(field("EditBic").text(), QStringLiteral("BYLADEM1"));
    click("ButtonSave");
    m_windows.reset();

    start({});
    m_windows.reset();
    startWithBytes(QByteArray());
    const QByteArray bytes = m_doubles->places.fileBytes(kYearFile);
    QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
    QVERIFY(bytes.contains(u"Bäckerei Müller"_qs.toUtf8()));
    QCOMPARE(panel(4), QStringLiteral("2"));
    click("ButtonLast");
    QCOMPARE(field("EditName").text(), u"Bäckerei Müller"_qs);
    QCOMPARE(field("EditBic").text(), QStringLiteral("BYLADEM1"));
}

void TestMainWindow::showsRecordsAsFarAsTheyGo_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("invoiceDate");
    QTest::addColumn<QString>("country");
    QTest::addColumn<QString>("status");
    QTest::addColumn<bool>("dueDateRed");
    const QString overdue = record(QStringLiteral("T"), QStringLiteral("01.03.2024"));
    QTest::newRow("two fields") << "a;b" << "a" << "b" << "DE" << "Offen" << false;
    QTest::newRow("overdue and open") << overdue << "T" << "" << "DE" << "Offen" << true;
    QTest::newRow("overdue and paid") << record("T", "01.03.2024", "Bezahlt") << "T" << "" << "DE" << "Bezahlt"
                                      << false;
    QTest::newRow("20 fields are never red") << overdue.section(QLatin1Char(';'), 0, 19) << "T" << "" << "DE"
                                             << "Offen" << false;
    QTest::newRow("empty status reads open") << record("T", "01.03.2024", "") << "T" << "" << "DE" << "Offen"
                                             << true;
    QTest::newRow("due today is not red") << record("T", "15.03.2024") << "T" << "" << "DE" << "Offen" << false;
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
    start({line, record(QStringLiteral("zwei"))});
    QCOMPARE(field("EditTitle").text(), title);
    QCOMPARE(field("EditReDatum").text(), invoiceDate);
    QCOMPARE(field("EditLand").text(), country);
    QCOMPARE(field("EditStatus").text(), status);
    const QColor expected = dueDateRed ? QColor(128, 0, 0) : QColor(Qt::black);
    QCOMPARE(field("EditEnde").palette().color(QPalette::Text), expected);
    QCOMPARE(panel(2) + panel(4), QStringLiteral("12"));
}

void TestMainWindow::newRecordIsAppendedThenReplaced()
{
    start(records(5));
    click("ButtonNext");
    click("ButtonNext");
    QCOMPARE(field("EditTitle").text(), QStringLiteral("R3"));
    click("ButtonClear");
    QCOMPARE(session().currentIndex(), 5);
    type("EditName", QStringLiteral("Neu"));
    type("EditEmail", QStringLiteral("n@x"));
    click("ButtonSave");
    QCOMPARE(panel(2) + panel(4), QStringLiteral("66"));
    type("EditTitle", QStringLiteral("T6"));
    click("ButtonSave");
    const QStringList lines = fileLines();
    QCOMPARE(lines.size(), 7); // six records and the end after the last break
    QCOMPARE(lines[2], record(QStringLiteral("R3")));
    QCOMPARE(lines[5], QStringLiteral("T6;;;;;;;Neu;n@x;;;;;DE;;;;;;;Offen"));
    QCOMPARE(panel(2) + panel(4), QStringLiteral("66"));
}

void TestMainWindow::incompleteRecordIsNotStored()
{
    start(records(1));
    const QByteArray before = m_doubles->places.fileBytes(kYearFile);
    field("EditEmail").setFocus();
    QTest::keyClick(&field("EditEmail"), Qt::Key_End);
    for (int i = 0; i < 10; ++i)
        QTest::keyClick(&field("EditEmail"), Qt::Key_Backspace);
    click("ButtonSave");
    QCOMPARE(m_doubles->dialogs.texts(), QStringList{u"Datensatz unvollständig!"_qs});
    QCOMPARE(m_doubles->dialogs.log[0].kind, QStringLiteral("warning"));
    QCOMPARE(m_doubles->places.fileBytes(kYearFile), before);
    QVERIFY(session().isModified());
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
    start(records(3));
    for (int i = 0; i < startAt; ++i)
        click("ButtonNext");
    if (input.startsWith(QStringLiteral("new"))) {
        click("ButtonClear");
        type("EditTitle", QStringLiteral("neu"));
        if (input == QStringLiteral("new")) {
            type("EditName", QStringLiteral("N"));
            type("EditEmail", QStringLiteral("n@x"));
        }
    } else if (input == QStringLiteral("typed")) {
        type("EditTitle", QStringLiteral("x"));
    }
    if (boxes.contains(kSaveQuestion))
        m_doubles->dialogs.answers.enqueue(answer);
    click(button.toLatin1().constData());
    QCOMPARE(m_doubles->dialogs.texts(), boxes);
    QCOMPARE(field("EditTitle").text(), shownTitle);
    QVERIFY(!session().isModified());
    QCOMPARE(fileLines().size() - 1, fileRecords);
    const bool storedTyped = input == QStringLiteral("typed") && answer;
    QCOMPARE(fileLines()[startAt].startsWith(QStringLiteral("R%1x;").arg(startAt + 1)), storedTyped);
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
    start(records(1));
    QGuiApplication::clipboard()->setText(QStringLiteral("x"));
    QLineEdit &edit = field(fieldName.toLatin1().constData());
    edit.setFocus();
    if (key == Qt::Key_F && modifiers == Qt::ControlModifier)
        m_doubles->dialogs.windowHandlers.enqueue([](QDialog &prompt) { prompt.reject(); });
    QTest::keyClick(&edit, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(session().isModified(), modified);
    QCOMPARE(field("EditStatus").text(), QStringLiteral("Offen"));
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
    start(records(2));
    QGuiApplication::clipboard()->setText(QStringLiteral("x"));
    QLineEdit &title = field("EditTitle");
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
    QVERIFY(session().isModified());
    m_doubles->dialogs.answers.enqueue(false);
    click("ButtonNext");
    QCOMPARE(m_doubles->dialogs.texts(), QStringList{kSaveQuestion});
    QCOMPARE(fileLines()[0], record(QStringLiteral("R1")));
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
    start(records(1));
    field("EditReDatum").setText(invoiceDate);
    field("EditEnde").setText(QStringLiteral("alt"));
    field("EditFrist").setFocus(Qt::TabFocusReason);
    field("EditFrist").setText(term);
    field("EditEnde").setFocus(Qt::TabFocusReason);
    QCOMPARE(field("EditEnde").text(), dueDate);
    QCOMPARE(m_doubles->dialogs.texts(), boxes);
    if (!boxes.isEmpty())
        QCOMPARE(m_doubles->dialogs.log[0].kind, QStringLiteral("error"));
    QVERIFY(!session().isModified());
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
    start(records(1));
    if (newRecord)
        click("ButtonClear");
    field("EditReDatum").setText(before);
    field("EditReDatum").setFocus(Qt::TabFocusReason);
    QCOMPARE(field("EditReDatum").text(), after);
    QVERIFY(!session().isModified());
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
    start(records(count));
    for (int i = 0; i < startAt; ++i)
        click("ButtonNext");
    if (pressNew) {
        click("ButtonClear");
        type("EditTitle", QStringLiteral("neu"));
    }
    m_doubles->dialogs.answers.enqueue(answer);
    click("ToolButtonDel");
    QCOMPARE(m_doubles->dialogs.texts(), QStringList{u"Datensatz löschen?"_qs});
    QStringList expected;
    for (const QString &title : remaining)
        expected.append(record(title));
    QCOMPARE(m_doubles->places.fileBytes(kYearFile), fileOf(expected));
    QCOMPARE(field("EditTitle").text(), shownTitle);
    QCOMPARE(field("EditStatus").text(), QStringLiteral("Offen"));
    QCOMPARE(panel(2) + panel(4), panels);
    if (answer)
        QVERIFY(!session().isNewRecord() && !session().isModified());
}

void TestMainWindow::togglesStatus()
{
    start({record(QStringLiteral("T"), QStringLiteral("01.03.2024"))});
    click("ButtonUpDown");
    QCOMPARE(field("EditStatus").text(), QStringLiteral("Bezahlt"));
    QCOMPARE(field("EditEnde").text(), QStringLiteral("15.03.2024"));
    QVERIFY(session().isModified());
    field("EditEnde").setText(QStringLiteral("10.03.2024"));
    click("ButtonUpDown");
    QCOMPARE(field("EditStatus").text(), QStringLiteral("Offen"));
    QCOMPARE(field("EditEnde").text(), QStringLiteral("10.03.2024"));
    QCOMPARE(m_doubles->places.fileBytes(kYearFile), fileOf({record(QStringLiteral("T"), QStringLiteral("01.03.2024"))}));
}

void TestMainWindow::failedWritesLeaveTheListAsTheFileIs()
{
    start(records(2));
    const QString path = m_doubles->places.dataFolder() + kYearFile;
    QVERIFY(QFile::remove(path));
    QVERIFY(QDir().mkdir(path)); // stands in for a file another program holds
    click("ButtonClear");
    type("EditName", QStringLiteral("N"));
    type("EditEmail", QStringLiteral("n@x"));
    click("ButtonSave");
    QCOMPARE(m_doubles->dialogs.log.size(), 1);
    QCOMPARE(m_doubles->dialogs.log[0].kind, QStringLiteral("error"));
    QVERIFY(m_doubles->dialogs.lastText().startsWith(
        QStringLiteral("Datei \"%1\" kann nicht erstellt werden. ").arg(path)));
    QCOMPARE(session().count(), 2);
    QVERIFY(session().isNewRecord() && session().isModified());

    QVERIFY(QDir().rmdir(path));
    click("ButtonSave");
    QCOMPARE(fileLines().size() - 1, 3);
    QCOMPARE(panel(2) + panel(4), QStringLiteral("33"));

    QVERIFY(QFile::rename(path, path + QStringLiteral(".away")));
    QVERIFY(QDir().mkdir(path));
    m_doubles->dialogs.answers.enqueue(true);
    click("ToolButtonDel");
    QCOMPARE(m_doubles->dialogs.log.last().kind, QStringLiteral("error"));
    QCOMPARE(session().count(), 3);
    QCOMPARE(field("EditName").text(), QStringLiteral("N"));
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
        startWithBytes(QByteArray());
    else
        start(records(1));
    if (input.startsWith(QStringLiteral("new")))
        click("ButtonClear");
    if (input.endsWith(QStringLiteral("typed"))) {
        type("EditName", QStringLiteral("x"));
        type("EditEmail", QStringLiteral("y"));
    }
    if (boxes.contains(kSaveQuestion))
        m_doubles->dialogs.answers.enqueue(answer);
    if (byMenu)
        m_windows->main().popupMenu().findChild<QAction *>(QStringLiteral("Beenden1"))->trigger();
    else
        m_windows->main().close();
    QVERIFY(!m_windows->main().isVisible());
    QCOMPARE(m_doubles->dialogs.texts(), boxes);
    QCOMPARE(fileLines().size() - 1, fileRecords);
    const bool storedTyped = input == QStringLiteral("typed") && answer;
    QCOMPARE(fileLines()[0].contains(QStringLiteral(";Firma R1x;")), storedTyped);
}

void TestMainWindow::helpKeyAndPictures()
{
    start(records(1));
    QTest::keyClick(&field("EditTitle"), Qt::Key_F1);
    QCOMPARE(m_doubles->help.contexts, QList<int>{0});
    QStringList shown;
    for (int tick = 0; tick < 4; ++tick) {
        for (const char *name : {"Image1", "Image2", "Image3"}) {
            if (m_windows->main().findChild<QLabel *>(QLatin1String(name))->isVisible())
                shown.append(QLatin1String(name));
        }
        m_windows->main().TimerAdsTimer();
    }
    QCOMPARE(shown, (QStringList{"Image1", "Image2", "Image3", "Image1"}));
    // The rotation runs by itself, every ten seconds.
    const QList<QTimer *> timers = m_windows->main().findChildren<QTimer *>(QString(), Qt::FindDirectChildrenOnly);
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
    start(records(1));
    field("EditArtikel").clear();
    field("EditArtikel").insert(pasted);
    click("ButtonSave");
    QCOMPARE(fileLines().size() - 1, 1);
    m_windows.reset();
    start({});
    QCOMPARE(field("EditArtikel").text(), stored);
    QCOMPARE(field("EditName").text(), QStringLiteral("Firma R1"));
    QCOMPARE(field("EditStatus").text(), QStringLiteral("Offen"));
}

// Dead keys and compose deliver "é" as an input-method commit, not as a key press.
void TestMainWindow::inputMethodCommitCountsAsTyping()
{
    start(records(2));
    QInputMethodEvent preedit(QStringLiteral("´"), {});
    QApplication::sendEvent(&field("EditTitle"), &preedit);
    QVERIFY(!session().isModified());
    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("é"));
    QApplication::sendEvent(&field("EditTitle"), &commit);
    QVERIFY(session().isModified());
    m_doubles->dialogs.answers.enqueue(false);
    click("ButtonNext");
    QCOMPARE(m_doubles->dialogs.texts(), QStringList{kSaveQuestion});
    QCOMPARE(m_doubles->dialogs.log.first().kind, QStringLiteral("question"));
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
    start(records(2));
    const QByteArray before = m_doubles->places.fileBytes(kYearFile);
    type("EditTitle", QStringLiteral("x"));
    QString kind = QStringLiteral("warning");
    if (failure == QLatin1String("write")) {
        const QString path = m_doubles->places.dataFolder() + kYearFile;
        QVERIFY(QFile::remove(path));
        QVERIFY(QDir().mkpath(path));
        kind = QStringLiteral("error");
    } else if (failure == QLatin1String("incomplete")) {
        field("EditEmail").clear();
    } else {
        field("EditArtikel").insert(QString(5000, u'a')); // a paste of a long text
    }
    m_doubles->dialogs.answers.enqueue(true);
    if (way == QLatin1String("next"))
        click("ButtonNext");
    else if (way == QLatin1String("quit"))
        m_windows->main().popupMenu().findChild<QAction *>(QStringLiteral("Beenden1"))->trigger();
    else
        m_windows->main().close();
    QCOMPARE(m_doubles->dialogs.log.size(), 2);
    QCOMPARE(m_doubles->dialogs.log[1].kind, kind);
    QVERIFY(m_windows->main().isVisible());
    QCOMPARE(field("EditTitle").text(), QStringLiteral("R1x"));
    QCOMPARE(session().currentIndex(), 0);
    QVERIFY(session().isModified());
    if (failure != QLatin1String("write"))
        QCOMPARE(m_doubles->places.fileBytes(kYearFile), before);
}

void TestMainWindow::unreadableYearFileIsNeverWritten()
{
    const QString path = m_doubles->places.dataFolder() + kYearFile;
    QVERIFY(QDir().mkpath(path));
    startWithBytes(QByteArray());
    QCOMPARE(m_doubles->dialogs.texts(),
             QStringList{u"Die Rechnungsdatei \"%1\" kann nicht gelesen werden (Keine reguläre Datei).\n\n"
                         "Ihre Rechnungen dieses Jahres werden daher nicht angezeigt, und die Datei bleibt unverändert. "
                         "Bitte prüfen Sie, ob unter diesem Namen eine gewöhnliche Datei liegt, die Sie lesen dürfen, "
                         "oder stellen Sie sie aus einer Datensicherung wieder her. Laden Sie das Jahr danach neu "
                         "(Menü \"Jahr laden\") oder starten Sie das Programm neu."_qs.arg(path)});
    QCOMPARE(m_doubles->dialogs.log[0].kind, QStringLiteral("error"));
    type("EditName", QStringLiteral("N"));
    type("EditEmail", QStringLiteral("n@x"));
    click("ButtonSave");
    const QString refusal = QStringLiteral("Die Datei \"%1\" wurde nicht vollständig gelesen und wird daher nicht "
                                           "geändert.").arg(path);
    QCOMPARE(m_doubles->dialogs.lastText(), refusal);
    m_doubles->dialogs.answers.enqueue(true);
    m_windows->main().popupMenu().findChild<QAction *>(QStringLiteral("Beenden1"))->trigger();
    QCOMPARE(m_doubles->dialogs.lastText(), refusal);
    QVERIFY(QFileInfo(path).isDir());
    QCOMPARE(QDir(m_doubles->places.dataFolder()).entryList(QDir::Files), QStringList());
}

void TestMainWindow::showsTheStartOfLongTexts()
{
    QStringList lines = records(1);
    lines[0].replace(QStringLiteral("Firma R1"), QStringLiteral("Firma ") + QString(300, u'x') + QStringLiteral(" Ende"));
    start(lines);
    for (QLineEdit *edit : m_windows->main().findChildren<QLineEdit *>())
        QCOMPARE(edit->cursorPosition(), 0);
}

QTEST_MAIN(TestMainWindow)
#include "TestMainWindow.moc"
