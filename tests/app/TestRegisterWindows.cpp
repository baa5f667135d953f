#include "WindowDoubles.h"
#include "app/AppWindows.h"
#include "register/InvoiceLine.h"
#include "register/RecordEditor.h"

#include <QDialog>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QToolButton>
#include <QTreeView>

namespace {

using Handler = ScriptedDialogs::WindowHandler;

QString record(const QString &creditor, const QString &due = {}, const QString &status = QStringLiteral("Offen"),
               const QString &amount = {})
{
    QStringList fields(InvoiceLine::kFieldCount);
    fields[InvoiceLine::Title] = QStringLiteral("T ") + creditor;
    fields[InvoiceLine::Preis] = amount;
    fields[InvoiceLine::Ende] = due;
    fields[InvoiceLine::Name] = creditor;
    fields[InvoiceLine::Email] = QStringLiteral("post@firma");
    fields[InvoiceLine::Land] = creditor == QStringLiteral("Schweiz") ? QStringLiteral("CH") : QStringLiteral("DE");
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

template <typename T>
T &child(QWidget &parent, const char *name)
{
    T *found = parent.findChild<T *>(QLatin1String(name));
    if (!found)
        qFatal("no control %s", name);
    return *found;
}

// The search prompt answered with a term, or cancelled with Esc when the term is null.
Handler prompt(const QString &term)
{
    return [term](QDialog &dialog) {
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Suchen"));
        QLineEdit &input = child<QLineEdit>(dialog, "EditInput");
        QVERIFY(input.text().isEmpty());
        if (term.isNull()) {
            QTest::keyClick(&input, Qt::Key_Escape);
            return;
        }
        input.setText(term);
        QTest::keyClick(&input, Qt::Key_Return);
    };
}

const QString kYearFile = QStringLiteral("2024rech.csv");
const QString kNotFound = QStringLiteral("Suchbegriff nicht gefunden.");
const QString kNoneDue = QStringLiteral("Keine fälligen Rechnungen gefunden.");
const QString kSaveQuestion = QStringLiteral("Änderungen speichern?");

} // namespace

class TestRegisterWindows : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void searchesOnAndEndsAfterTheLastRecord();
    void searchOutcomes_data();
    void searchOutcomes();
    void replacingUnsavedInputAsksFirst_data();
    void replacingUnsavedInputAsksFirst();
    void deletingEndsTheSearch();
    void loadsChosenYear();
    void yearChoices_data();
    void yearChoices();
    void takesOverFromEachList_data();
    void takesOverFromEachList();
    void emptyListsTellSo_data();
    void emptyListsTellSo();
    void listWindowSortsSearchesAndKeepsItsLook();
    void printsThePagesToPdf_data();
    void printsThePagesToPdf();
    void printFailuresAreShown();

private:
    void start(const QStringList &lines);
    void startWith(const QByteArray &bytes);
    void trigger(const char *action) const;
    void pressKey(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) const;
    QLineEdit &field(const char *name) const;
    QString panel(int number) const;
    TFormLizenz &main() const { return m_windows->main(); }

    std::unique_ptr<WindowDoubles> m_doubles;
    std::unique_ptr<AppWindows> m_windows;
};

void TestRegisterWindows::init()
{
    m_doubles = std::make_unique<WindowDoubles>();
}

void TestRegisterWindows::cleanup()
{
    m_windows.reset();
    m_doubles.reset();
}

void TestRegisterWindows::start(const QStringList &lines)
{
    startWith(fileOf(lines));
}

void TestRegisterWindows::startWith(const QByteArray &bytes)
{
    if (!bytes.isNull())
        m_doubles->places.putFile(kYearFile, bytes);
    m_windows = std::make_unique<AppWindows>();
    QVERIFY(m_windows->start());
    main().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&main()));
}

void TestRegisterWindows::trigger(const char *action) const
{
    main().popupMenu().findChild<QAction *>(QLatin1String(action))->trigger();
}

// As after a modal window closes on the desktop, the main window is active again when the key comes.
void TestRegisterWindows::pressKey(Qt::Key key, Qt::KeyboardModifiers modifiers) const
{
    main().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&main()));
    QTest::keyClick(&field("EditTitle"), key, modifiers);
}

QLineEdit &TestRegisterWindows::field(const char *name) const
{
    return child<QLineEdit>(main(), name);
}

QString TestRegisterWindows::panel(int number) const
{
    return main().statusPanel(number).text();
}

void TestRegisterWindows::searchesOnAndEndsAfterTheLastRecord()
{
    start({record("Alpha"), record("Beta"), record("Alphabet")});
    m_doubles->dialogs.windowHandlers.enqueue(prompt(QStringLiteral("  alpha ")));
    pressKey(Qt::Key_F, Qt::ControlModifier);
    QCOMPARE(field("EditName").text(), QStringLiteral("Alpha"));
    pressKey(Qt::Key_F3);
    QCOMPARE(field("EditName").text(), QStringLiteral("Alphabet"));
    QCOMPARE(panel(2), QStringLiteral("3"));
    pressKey(Qt::Key_F3);
    pressKey(Qt::Key_F3);
    QCOMPARE(m_doubles->dialogs.texts(), (QStringList{"TFormFrage", kNotFound, kNotFound}));
    QCOMPARE(m_doubles->dialogs.log[1].kind, QStringLiteral("information"));
    QCOMPARE(field("EditName").text(), QStringLiteral("Alphabet"));
    QVERIFY(!main().session().isModified());
}

void TestRegisterWindows::searchOutcomes_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("term"); // null: cancelled; "-": no prompt expected
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QStringList>("notices");
    const QStringList three{record("Schweiz", {}, "Bezahlt"), record("Zwei", {}, "Offen"), record("Drei")};
    QTest::newRow("status is searched") << three << "offen" << "Zwei" << QStringList();
    QTest::newRow("separator after the country") << three << "de;" << "Zwei" << QStringList();
    QTest::newRow("umlaut case counts") << QStringList{record(u"MÜLLER"_qs), record(u"Müller"_qs)} << u"müller"_qs
                                        << u"Müller"_qs << QStringList();
    QTest::newRow("miss keeps the record") << three << "nirgends" << "Schweiz" << QStringList{kNotFound};
    QTest::newRow("cancelled prompt") << three << QString() << "Schweiz" << QStringList();
    QTest::newRow("blank term") << three << "   " << "Schweiz" << QStringList();
    QTest::newRow("blank record list: no prompt") << QStringList{" ", ""} << "-" << "" << QStringList();
}

void TestRegisterWindows::searchOutcomes()
{
    QFETCH(QStringList, lines);
    QFETCH(QString, term);
    QFETCH(QString, shown);
    QFETCH(QStringList, notices);
    start(lines);
    if (term != QStringLiteral("-"))
        m_doubles->dialogs.windowHandlers.enqueue(prompt(term));
    trigger("Suchen1");
    QStringList boxes = m_doubles->dialogs.texts();
    boxes.removeAll(QStringLiteral("TFormFrage"));
    QCOMPARE(boxes, notices);
    QCOMPARE(field("EditName").text(), shown);
}

void TestRegisterWindows::replacingUnsavedInputAsksFirst_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<bool>("answer");
    QTest::addColumn<QString>("failure"); // why "Ja" cannot store: "write", "incomplete" or none
    QTest::addColumn<int>("fileRecords");
    QTest::newRow("search hit, no") << "search" << false << "" << 3;
    QTest::newRow("search hit, yes stores") << "search" << true << "" << 4;
    QTest::newRow("list take-over, yes stores") << "list" << true << "" << 4;
    QTest::newRow("year load, no") << "year" << false << "" << 3;
    for (const char *action : {"search", "list", "year"}) {
        for (const char *failure : {"write", "incomplete"})
            QTest::addRow("%s, %s: input stays", action, failure) << action << true << failure << 3;
    }
}

void TestRegisterWindows::replacingUnsavedInputAsksFirst()
{
    QFETCH(QString, action);
    QFETCH(bool, answer);
    QFETCH(QString, failure);
    QFETCH(int, fileRecords);
    start({record("Alpha"), record("Beta"), record("Gamma")});
    main().findChild<QToolButton *>(QStringLiteral("ButtonClear"))->click();
    field("EditName").setFocus();
    QTest::keyClicks(&field("EditName"), QStringLiteral("Neu"));
    if (failure != QLatin1String("incomplete"))
        QTest::keyClicks(&field("EditEmail"), QStringLiteral("n@x"));
    const QString path = m_doubles->places.dataFolder() + kYearFile;
    if (failure == QLatin1String("write")) {
        QVERIFY(QFile::remove(path));
        QVERIFY(QDir().mkdir(path)); // stands in for a file another program holds
    }
    m_doubles->dialogs.answers.enqueue(answer);
    if (action == QStringLiteral("search")) {
        m_doubles->dialogs.windowHandlers.enqueue(prompt(QStringLiteral("beta")));
        trigger("Suchen1");
    } else if (action == QStringLiteral("list")) {
        m_doubles->dialogs.windowHandlers.enqueue([](QDialog &list) {
            auto &view = child<QTreeView>(list, "MyList");
            view.setCurrentIndex(view.model()->index(1, 0));
            child<QToolButton>(list, "ToolButton1").click();
        });
        trigger("Alle1");
    } else {
        m_doubles->dialogs.windowHandlers.enqueue([](QDialog &years) {
            auto &list = child<QListWidget>(years, "ListeJahre");
            list.setCurrentRow(0);
            child<QPushButton>(years, "Button1").click();
        });
        trigger("Jahrladen1");
    }
    QVERIFY(m_doubles->dialogs.texts().contains(kSaveQuestion));
    if (!failure.isEmpty()) {
        QCOMPARE(m_doubles->dialogs.log.last().kind,
                 failure == QLatin1String("write") ? QStringLiteral("error") : QStringLiteral("warning"));
        QCOMPARE(field("EditName").text(), QStringLiteral("Neu"));
        QVERIFY(main().session().isModified());
        QVERIFY(main().session().isNewRecord());
        QCOMPARE(main().search().lastHit(), -1);
        QCOMPARE(panel(6), QStringLiteral("2024"));
        if (failure != QLatin1String("write"))
            QCOMPARE(m_doubles->places.fileBytes(kYearFile).count("\r\n"), fileRecords);
        return;
    }
    QCOMPARE(field("EditName").text(), action == QStringLiteral("year") ? QStringLiteral("Alpha") : QStringLiteral("Beta"));
    QVERIFY(!main().session().isModified() && !main().session().isNewRecord());
    QCOMPARE(m_doubles->places.fileBytes(kYearFile).count("\r\n"), fileRecords);
}

void TestRegisterWindows::deletingEndsTheSearch()
{
    start({record("Alpha"), record("Beta"), record("Alphabet"), record("Gamma"), record("Alpha 5")});
    m_doubles->dialogs.windowHandlers.enqueue(prompt(QStringLiteral("alpha")));
    trigger("Suchen1");
    trigger("Weitersuchen1");
    QCOMPARE(field("EditName").text(), QStringLiteral("Alphabet"));
    main().findChild<QToolButton *>(QStringLiteral("ButtonBack"))->click();
    m_doubles->dialogs.answers.enqueue(true);
    main().findChild<QToolButton *>(QStringLiteral("ToolButtonDel"))->click();
    // Going on after position 2 would now skip "Alphabet", which moved up to position 1.
    trigger("Weitersuchen1");
    QCOMPARE(m_doubles->dialogs.lastText(), kNotFound);
    QCOMPARE(field("EditName").text(), QStringLiteral("Alpha"));
}

void TestRegisterWindows::loadsChosenYear()
{
    m_doubles->places.putFile(QStringLiteral("2023rech.csv"), fileOf({record("Alt 1"), record("Alt 2")}));
    start({record("Neu 1"), record("Neu 2"), record("Neu 3")});
    main().findChild<QToolButton *>(QStringLiteral("ButtonLast"))->click();
    m_doubles->dialogs.windowHandlers.enqueue([](QDialog &years) {
        QCOMPARE(years.windowTitle(), QStringLiteral("Jahre"));
        auto &list = child<QListWidget>(years, "ListeJahre");
        QStringList entries;
        for (int i = 0; i < list.count(); ++i)
            entries.append(list.item(i)->text());
        QCOMPARE(entries, (QStringList{"2023", "2024"}));
        list.setCurrentRow(0);
        child<QPushButton>(years, "Button1").click();
    });
    trigger("Jahrladen1");
    QCOMPARE(field("EditName").text(), QStringLiteral("Alt 1"));
    QCOMPARE(panel(2) + panel(4) + panel(6), QStringLiteral("122023"));
    QCOMPARE(main().context().RechJahr, QStringLiteral("2023"));
    field("EditTitle").setFocus();
    field("EditTitle").end(false);
    QTest::keyClicks(&field("EditTitle"), QStringLiteral("x"));
    main().findChild<QToolButton *>(QStringLiteral("ButtonSave"))->click();
    QVERIFY(m_doubles->places.fileBytes(QStringLiteral("2023rech.csv")).startsWith("T Alt 1x;"));
    QVERIFY(m_doubles->dialogs.log.size() == 1);
}

void TestRegisterWindows::yearChoices_data()
{
    // Entry to select and load; "-": "Laden" at once; empty: none selected; null: cancel.
    QTest::addColumn<QString>("choice");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("panels"); // 2, 4 and 6
    QTest::newRow("cancelled") << QString() << QStringList() << "Alt" << "112023";
    QTest::newRow("load without selection") << "" << QStringList() << "Alt" << "112023";
    QTest::newRow("Laden at once loads the first year") << "-" << QStringList() << "" << "102022";
    QTest::newRow("entry of another csv") << "note" << QStringList{"%1noterech.csv nicht gefunden!"} << "Alt"
                                          << "112023";
    QTest::newRow("empty year file") << "2022" << QStringList() << "" << "102022";
    QTest::newRow("current year without file: new record") << "2024" << QStringList() << "" << "002024";
}

void TestRegisterWindows::yearChoices()
{
    QFETCH(QString, choice);
    QFETCH(QStringList, boxes);
    QFETCH(QString, shown);
    QFETCH(QString, panels);
    m_doubles->places.putFile(QStringLiteral("notes.csv"), "x");
    m_doubles->places.putFile(QStringLiteral("2022rech.csv"), "");
    m_doubles->places.putFile(QStringLiteral("2023rech.csv"), fileOf({record("Alt")}));
    startWith(QByteArray());
    const auto choose = [this](const QString &entry) {
        m_doubles->dialogs.windowHandlers.enqueue([entry](QDialog &years) {
            auto &list = child<QListWidget>(years, "ListeJahre");
            QCOMPARE(list.selectedItems(), QList<QListWidgetItem *>{list.item(0)});
            const QList<QListWidgetItem *> items = list.findItems(entry, Qt::MatchExactly);
            if (!items.isEmpty())
                list.setCurrentItem(items.first());
            if (entry.isEmpty() && !entry.isNull())
                list.clearSelection();
            if (entry.isNull())
                QTest::keyClick(&list, Qt::Key_Escape);
            else
                child<QPushButton>(years, "Button1").click();
        });
        trigger("Jahrladen1");
    };
    // The untouched start of a year without a file holds nothing to save.
    choose(QStringLiteral("2023"));
    QCOMPARE(m_doubles->dialogs.texts(), QStringList{"TFormJahre"});
    m_doubles->dialogs.log.clear();
    choose(choice);
    QStringList expected;
    for (const QString &box : boxes)
        expected.append(box.arg(m_doubles->places.dataFolder()));
    QStringList shownBoxes = m_doubles->dialogs.texts();
    shownBoxes.removeAll(QStringLiteral("TFormJahre"));
    QCOMPARE(shownBoxes, expected);
    QCOMPARE(field("EditName").text(), shown);
    QCOMPARE(panel(2) + panel(4) + panel(6), panels);
    QCOMPARE(main().session().isNewRecord(), choice == QStringLiteral("2024"));
    QCOMPARE(field("EditStatus").text(), QStringLiteral("Offen"));
}

void TestRegisterWindows::takesOverFromEachList_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QStringList>("numbers");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("shown");
    QTest::newRow("all, first row") << "Alle1" << QStringList{"1", "2", "3", "4"} << 0 << "Eins";
    QTest::newRow("open, first row") << "Offen1" << QStringList{"0", "2", "3"} << 0 << "Eins";
    QTest::newRow("open, last row") << "Offen1" << QStringList{"0", "2", "3"} << 2 << "Vier";
    QTest::newRow("due") << "Faellig1" << QStringList{"0", "3"} << 1 << "Vier";
    QTest::newRow("all by the toolbar, double click") << "ToolButton2" << QStringList{"1", "2", "3", "4"} << 2
                                                      << "Drei";
    QTest::newRow("closed without a row") << "Alle1" << QStringList{"1", "2", "3", "4"} << -1 << "Zwei";
}

void TestRegisterWindows::takesOverFromEachList()
{
    QFETCH(QString, action);
    QFETCH(QStringList, numbers);
    QFETCH(int, row);
    QFETCH(QString, shown);
    start({record("Eins", "14.03.2024"), record("Zwei", "01.01.2024", "Bezahlt"), record("Drei", "15.03.2024"),
           record("Vier", "1.2.2024", "")});
    main().findChild<QToolButton *>(QStringLiteral("ButtonNext"))->click();
    const bool doubleClick = action.startsWith(QStringLiteral("ToolButton"));
    m_doubles->dialogs.windowHandlers.enqueue([numbers, row, doubleClick](QDialog &list) {
        QCOMPARE(list.windowTitle(), u"Fällige Rechnungen"_qs);
        auto &view = child<QTreeView>(list, "MyList");
        QStringList shownNumbers;
        for (int r = 0; r < view.model()->rowCount(); ++r)
            shownNumbers.append(view.model()->index(r, 1).data().toString());
        QCOMPARE(shownNumbers, numbers);
        if (row < 0) {
            list.close();
            return;
        }
        const QModelIndex index = view.model()->index(row, 2);
        view.setCurrentIndex(index);
        if (!doubleClick) {
            child<QToolButton>(list, "ToolButton1").click();
            return;
        }
        QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, view.visualRect(index).center());
        QTest::mouseDClick(view.viewport(), Qt::LeftButton, {}, view.visualRect(index).center());
    });
    if (action.startsWith(QStringLiteral("ToolButton")))
        main().findChild<QToolButton *>(action)->click();
    else
        trigger(action.toLatin1().constData());
    QCOMPARE(field("EditName").text(), shown);
    QVERIFY(m_doubles->dialogs.log.size() == 1);
}

void TestRegisterWindows::emptyListsTellSo_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("action");
    QTest::addColumn<QStringList>("boxes");
    const QStringList paid{record("Eins", "01.01.2024", "Bezahlt")};
    QTest::newRow("nothing due") << QStringList{record("Eins", "15.03.2024")} << "Faellig1" << QStringList{kNoneDue};
    QTest::newRow("nothing open") << paid << "Offen1" << QStringList{kNoneDue};
    QTest::newRow("no records, due") << QStringList() << "Faellig1" << QStringList{kNoneDue};
    QTest::newRow("no year file, all: empty window") << QStringList() << "Alle1" << QStringList{"TAppListe"};
}

void TestRegisterWindows::emptyListsTellSo()
{
    QFETCH(QStringList, lines);
    QFETCH(QString, action);
    QFETCH(QStringList, boxes);
    if (lines.isEmpty())
        startWith(QByteArray());
    else
        start(lines);
    if (boxes.contains(QStringLiteral("TAppListe"))) {
        m_doubles->dialogs.windowHandlers.enqueue([](QDialog &list) {
            QCOMPARE(child<QTreeView>(list, "MyList").model()->rowCount(), 0);
        });
        boxes = QStringList{"TFormAppListe"};
    }
    trigger(action.toLatin1().constData());
    QCOMPARE(m_doubles->dialogs.texts(), boxes);
}

void TestRegisterWindows::listWindowSortsSearchesAndKeepsItsLook()
{
    start({record("Birne", "01.03.2024", "Offen", "12,50"), record("Apfel", "", "Offen", "7,5"),
           record("Zander", "28.02.2024", "Offen", "abc")});
    const auto numbers = [](QTreeView &view) {
        QStringList shown;
        for (int r = 0; r < view.model()->rowCount(); ++r)
            shown.append(view.model()->index(r, 1).data().toString());
        return shown.join(QLatin1Char(' '));
    };
    m_doubles->dialogs.windowHandlers.enqueue([this, numbers](QDialog &list) {
        QCOMPARE(list.frameGeometry().size(), QSize(730, 500));
        QLabel *total = list.findChild<QStatusBar *>(QStringLiteral("StatusBar1"))->findChildren<QLabel *>().last();
        QCOMPARE(total->text(), QStringLiteral("20,00"));
        auto &view = child<QTreeView>(list, "MyList");
        QHeaderView *header = view.header();
        const auto clickHeader = [header](int column) {
            QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                              QPoint(header->sectionViewportPosition(column) + 10, header->height() / 2));
        };
        clickHeader(3);
        QCOMPARE(numbers(view), QStringLiteral("2 3 1"));
        clickHeader(3);
        QCOMPARE(numbers(view), QStringLiteral("1 3 2"));
        // Two quick clicks, as the desktop delivers them: the second is a double click and reverses too.
        const QPoint creditor = header->viewport()->mapTo(
            &list, QPoint(header->sectionViewportPosition(6) + 10, header->height() / 2));
        QTest::mouseDClick(list.windowHandle(), Qt::LeftButton, {}, creditor);
        QCOMPARE(numbers(view), QStringLiteral("3 1 2"));
        child<QToolButton>(list, "ButtonClose").click();
        QCOMPARE(numbers(view), QStringLiteral("1 2 3"));
        child<QToolButton>(list, "ButtonClose").click();
        QCOMPARE(numbers(view), QStringLiteral("3 2 1"));

        m_doubles->dialogs.windowHandlers.enqueue(prompt(QStringLiteral("birne")));
        child<QToolButton>(list, "ToolButton4").click();
        QCOMPARE(view.currentIndex().row(), 2);
        QVERIFY(view.selectionModel()->isRowSelected(2, {}));
        m_doubles->dialogs.windowHandlers.enqueue(prompt(QStringLiteral("kiwi")));
        child<QToolButton>(list, "ToolButton4").click();
        QCOMPARE(m_doubles->dialogs.lastText(), QStringLiteral("Nicht gefunden!"));

        list.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&list));
        QTest::keyClick(&view, Qt::Key_F1);
        QCOMPARE(m_doubles->help.contexts, QList<int>{60});
        list.resize(1000, 600);
        QCOMPARE(child<QToolButton>(list, "ToolButton1").x(), 1000 / 2 - 70);
        list.close();
    });
    trigger("Alle1");
    QCOMPARE(field("EditName").text(), QStringLiteral("Birne"));

    // The sort column survives; the direction starts afresh, so "Fälligkeit" sorts ascending again.
    m_doubles->dialogs.windowHandlers.enqueue([numbers](QDialog &list) {
        QCOMPARE(list.frameGeometry().size(), QSize(730, 500));
        auto &view = child<QTreeView>(list, "MyList");
        QCOMPARE(view.header()->sectionSize(2), 190); // the rebuilt rows keep the column widths
        QCOMPARE(numbers(view), QStringLiteral("1 2 3"));
        child<QToolButton>(list, "ButtonClose").click();
        QCOMPARE(numbers(view), QStringLiteral("1 2 3"));
    });
    trigger("Alle1");
}

void TestRegisterWindows::printsThePagesToPdf_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("pages");
    QTest::newRow("three pages") << 150 << 3;
    QTest::newRow("no rows: one blank page") << 0 << 1;
}

void TestRegisterWindows::printsThePagesToPdf()
{
    QFETCH(int, rows);
    QFETCH(int, pages);
    QStringList lines;
    for (int i = 1; i <= rows; ++i)
        lines.append(record(QStringLiteral("Firma %1 mit einem Namen, der länger ist als seine Spalte im Druck").arg(i),
                            "01.03.2024", "Offen", QStringLiteral("%1,00").arg(i)));
    start(lines);
    m_doubles->dialogs.windowHandlers.enqueue([this](QDialog &list) {
        m_doubles->dialogs.printChoices.enqueue(true);
        child<QToolButton>(list, "ToolButton2").click();
        list.close();
    });
    trigger("Alle1");
    QCOMPARE(m_doubles->printing.jobs.size(), 1);
    const PdfPrinting::Job &job = m_doubles->printing.jobs.first();
    QCOMPARE(job.name, QStringLiteral("Listview Print"));
    QCOMPARE(job.copies, 1);
    QCOMPARE(job.orientation, QPageLayout::Portrait);

    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), job.path, QStringLiteral("-")});
    QVERIFY(pdftotext.waitForFinished());
    const QStringList printed = QString::fromUtf8(pdftotext.readAllStandardOutput()).split(QLatin1Char('\f'));
    QCOMPARE(printed.size() - 1, pages); // every page ends in a form feed
    for (int page = 1; page <= pages && rows > 0; ++page)
        QVERIFY2(printed[page - 1].contains(QStringLiteral("Date: 15.03.2024 Page: %1 / %2").arg(page).arg(pages)),
                 qPrintable(printed[page - 1].left(300)));
    if (rows == 0) {
        QVERIFY(printed[0].trimmed().isEmpty());
        return;
    }
    QVERIFY(printed[0].contains(QStringLiteral("Artikel/Dienstleistung")));
    QVERIFY(printed[pages - 1].contains(QStringLiteral("%1,00").arg(rows)));
}

void TestRegisterWindows::printFailuresAreShown()
{
    start({});
    m_doubles->printing.printerFile = m_doubles->places.root() + QStringLiteral("/fehlt/liste.pdf");
    m_doubles->dialogs.windowHandlers.enqueue([this](QDialog &list) {
        m_doubles->dialogs.printChoices.enqueue(false);
        child<QToolButton>(list, "ToolButton2").click();
        m_doubles->dialogs.printChoices.enqueue(true);
        QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
        child<QToolButton>(list, "ToolButton2").click();
        list.close();
    });
    trigger("Alle1");
    QCOMPARE(m_doubles->dialogs.log.last().kind, QStringLiteral("error"));
    QVERIFY2(m_doubles->dialogs.lastText().startsWith(
                 QStringLiteral("Die Datei \"%1\" kann nicht erstellt werden. ").arg(m_doubles->printing.printerFile)),
             qPrintable(m_doubles->dialogs.lastText()));
    QVERIFY(m_doubles->printing.jobs.isEmpty());
}

QTEST_MAIN(TestRegisterWindows)
#include "TestRegisterWindows.moc"
