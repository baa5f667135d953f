#include "MainWindowDriver.h"
#include "NamedChild.h"
#include "register/InvoiceLine.h"
#include "register/RecordEditor.h"

#include <QDialog>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QToolButton>
#include <QTreeView>

namespace {

using Handler = ScriptedDialogs::WindowHandler;

// The search prompt answered with a term, or cancelled with Esc when the term is null.
Handler prompt(const QString &term)
{
    return [term](QDialog &dialog) {
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Suchen"));
        QLineEdit &input = namedChild<QLineEdit>(dialog, "EditInput");
        QVERIFY(input.text().isEmpty());
        if (term.isNull()) {
            QTest::keyClick(&input, Qt::Key_Escape);
            return;
        }
        input.setText(term);
        QTest::keyClick(&input, Qt::Key_Return);
    };
}

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
    void pressKey(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) const;

    std::unique_ptr<MainWindowDriver> m_app;
};

void TestRegisterWindows::init()
{
    m_app = std::make_unique<MainWindowDriver>(RecordLine::Encoding::Latin1);
}

void TestRegisterWindows::cleanup()
{
    m_app.reset();
}

// As after a modal window closes on the desktop, the main window is active again when the key comes.
void TestRegisterWindows::pressKey(Qt::Key key, Qt::KeyboardModifiers modifiers) const
{
    m_app->main().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&m_app->main()));
    QTest::keyClick(&m_app->field("EditTitle"), key, modifiers);
}

void TestRegisterWindows::searchesOnAndEndsAfterTheLastRecord()
{
    m_app->start({RecordLine::ofCreditor("Alpha"), RecordLine::ofCreditor("Beta"), RecordLine::ofCreditor("Alphabet")});
    m_app->doubles.dialogs.windowHandlers.enqueue(prompt(QStringLiteral("  alpha ")));
    pressKey(Qt::Key_F, Qt::ControlModifier);
    QCOMPARE(m_app->field("EditName").text(), QStringLiteral("Alpha"));
    pressKey(Qt::Key_F3);
    QCOMPARE(m_app->field("EditName").text(), QStringLiteral("Alphabet"));
    QCOMPARE(m_app->panel(2), QStringLiteral("3"));
    pressKey(Qt::Key_F3);
    pressKey(Qt::Key_F3);
    QCOMPARE(m_app->doubles.dialogs.texts(), (QStringList{"TFormFrage", kNotFound, kNotFound}));
    QCOMPARE(m_app->doubles.dialogs.log[1].kind, QStringLiteral("information"));
    QCOMPARE(m_app->field("EditName").text(), QStringLiteral("Alphabet"));
    QVERIFY(!m_app->main().session().isModified());
}

void TestRegisterWindows::searchOutcomes_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("term"); // null: cancelled; "-": no prompt expected
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QStringList>("notices");
    const QStringList three{RecordLine::ofCreditor("Schweiz", {}, "Bezahlt"),
                            RecordLine::ofCreditor("Zwei", {}, "Offen"), RecordLine::ofCreditor("Drei")};
    QTest::newRow("status is searched") << three << "offen" << "Zwei" << QStringList();
    QTest::newRow("separator after the country") << three << "de;" << "Zwei" << QStringList();
    QTest::newRow("umlaut case counts") << QStringList{RecordLine::ofCreditor(QStringLiteral("MÜLLER")),
                                                       RecordLine::ofCreditor(QStringLiteral("Müller"))}
                                        << QStringLiteral("müller") << QStringLiteral("Müller") << QStringList();
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
    m_app->start(lines);
    if (term != QStringLiteral("-"))
        m_app->doubles.dialogs.windowHandlers.enqueue(prompt(term));
    m_app->choose("Suchen1");
    QStringList boxes = m_app->doubles.dialogs.texts();
    boxes.removeAll(QStringLiteral("TFormFrage"));
    QCOMPARE(boxes, notices);
    QCOMPARE(m_app->field("EditName").text(), shown);
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
    m_app->start({RecordLine::ofCreditor("Alpha"), RecordLine::ofCreditor("Beta"), RecordLine::ofCreditor("Gamma")});
    m_app->click("ButtonClear");
    m_app->field("EditName").setFocus();
    QTest::keyClicks(&m_app->field("EditName"), QStringLiteral("Neu"));
    if (failure != QLatin1String("incomplete"))
        QTest::keyClicks(&m_app->field("EditEmail"), QStringLiteral("n@x"));
    const QString path = m_app->yearFilePath();
    if (failure == QLatin1String("write")) {
        QVERIFY(QFile::remove(path));
        QVERIFY(QDir().mkdir(path)); // stands in for a file another program holds
    }
    m_app->doubles.dialogs.answers.enqueue(answer);
    if (action == QStringLiteral("search")) {
        m_app->doubles.dialogs.windowHandlers.enqueue(prompt(QStringLiteral("beta")));
        m_app->choose("Suchen1");
    } else if (action == QStringLiteral("list")) {
        m_app->doubles.dialogs.windowHandlers.enqueue([](QDialog &list) {
            auto &view = namedChild<QTreeView>(list, "MyList");
            view.setCurrentIndex(view.model()->index(1, 0));
            namedChild<QToolButton>(list, "ToolButton1").click();
        });
        m_app->choose("Alle1");
    } else {
        m_app->doubles.dialogs.windowHandlers.enqueue([](QDialog &years) {
            auto &list = namedChild<QListWidget>(years, "ListeJahre");
            list.setCurrentRow(0);
            namedChild<QPushButton>(years, "Button1").click();
        });
        m_app->choose("Jahrladen1");
    }
    QVERIFY(m_app->doubles.dialogs.texts().contains(kSaveQuestion));
    if (!failure.isEmpty()) {
        QCOMPARE(m_app->doubles.dialogs.log.last().kind,
                 failure == QLatin1String("write") ? QStringLiteral("error") : QStringLiteral("warning"));
        QCOMPARE(m_app->field("EditName").text(), QStringLiteral("Neu"));
        QVERIFY(m_app->main().session().isModified());
        QVERIFY(m_app->main().session().isNewRecord());
        QCOMPARE(m_app->panel(6), QStringLiteral("2024"));
        if (failure != QLatin1String("write"))
            QCOMPARE(m_app->yearFileBytes().count("\r\n"), fileRecords);
        // No hit was taken: "Weitersuchen" has nowhere to go on from and leaves the input on screen.
        m_app->choose("Weitersuchen1");
        QCOMPARE(m_app->doubles.dialogs.lastText(), kNotFound);
        QCOMPARE(m_app->field("EditName").text(), QStringLiteral("Neu"));
        return;
    }
    QCOMPARE(m_app->field("EditName").text(),
             action == QStringLiteral("year") ? QStringLiteral("Alpha") : QStringLiteral("Beta"));
    QVERIFY(!m_app->main().session().isModified() && !m_app->main().session().isNewRecord());
    QCOMPARE(m_app->yearFileBytes().count("\r\n"), fileRecords);
}

void TestRegisterWindows::deletingEndsTheSearch()
{
    m_app->start({RecordLine::ofCreditor("Alpha"), RecordLine::ofCreditor("Beta"), RecordLine::ofCreditor("Alphabet"),
                  RecordLine::ofCreditor("Gamma"), RecordLine::ofCreditor("Alpha 5")});
    m_app->doubles.dialogs.windowHandlers.enqueue(prompt(QStringLiteral("alpha")));
    m_app->choose("Suchen1");
    m_app->choose("Weitersuchen1");
    QCOMPARE(m_app->field("EditName").text(), QStringLiteral("Alphabet"));
    m_app->click("ButtonBack");
    m_app->doubles.dialogs.answers.enqueue(true);
    m_app->click("ToolButtonDel");
    // Going on after position 2 would now skip "Alphabet", which moved up to position 1.
    m_app->choose("Weitersuchen1");
    QCOMPARE(m_app->doubles.dialogs.lastText(), kNotFound);
    QCOMPARE(m_app->field("EditName").text(), QStringLiteral("Alpha"));
}

void TestRegisterWindows::loadsChosenYear()
{
    m_app->doubles.places.putFile(QStringLiteral("2023rech.csv"),
                                  RecordLine::fileOf({RecordLine::ofCreditor("Alt 1"), RecordLine::ofCreditor("Alt 2")},
                                                     RecordLine::Encoding::Latin1));
    m_app->start({RecordLine::ofCreditor("Neu 1"), RecordLine::ofCreditor("Neu 2"), RecordLine::ofCreditor("Neu 3")});
    m_app->click("ButtonLast");
    m_app->doubles.dialogs.windowHandlers.enqueue([](QDialog &years) {
        QCOMPARE(years.windowTitle(), QStringLiteral("Jahre"));
        auto &list = namedChild<QListWidget>(years, "ListeJahre");
        QStringList entries;
        for (int i = 0; i < list.count(); ++i)
            entries.append(list.item(i)->text());
        QCOMPARE(entries, (QStringList{"2023", "2024"}));
        list.setCurrentRow(0);
        namedChild<QPushButton>(years, "Button1").click();
    });
    m_app->choose("Jahrladen1");
    QCOMPARE(m_app->field("EditName").text(), QStringLiteral("Alt 1"));
    QCOMPARE(m_app->panel(2) + m_app->panel(4) + m_app->panel(6), QStringLiteral("122023"));
    QCOMPARE(m_app->main().context().RechJahr, QStringLiteral("2023"));
    m_app->field("EditTitle").setFocus();
    m_app->field("EditTitle").end(false);
    QTest::keyClicks(&m_app->field("EditTitle"), QStringLiteral("x"));
    m_app->click("ButtonSave");
    QVERIFY(m_app->doubles.places.fileBytes(QStringLiteral("2023rech.csv")).startsWith("T Alt 1x;"));
    QVERIFY(m_app->doubles.dialogs.log.size() == 1);
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
    m_app->doubles.places.putFile(QStringLiteral("notes.csv"), "x");
    m_app->doubles.places.putFile(QStringLiteral("2022rech.csv"), "");
    m_app->doubles.places.putFile(QStringLiteral("2023rech.csv"),
                                  RecordLine::fileOf({RecordLine::ofCreditor("Alt")}, RecordLine::Encoding::Latin1));
    m_app->startWith(QByteArray());
    const auto choose = [this](const QString &entry) {
        m_app->doubles.dialogs.windowHandlers.enqueue([entry](QDialog &years) {
            auto &list = namedChild<QListWidget>(years, "ListeJahre");
            QCOMPARE(list.selectedItems(), QList<QListWidgetItem *>{list.item(0)});
            const QList<QListWidgetItem *> items = list.findItems(entry, Qt::MatchExactly);
            if (!items.isEmpty())
                list.setCurrentItem(items.first());
            if (entry.isEmpty() && !entry.isNull())
                list.clearSelection();
            if (entry.isNull())
                QTest::keyClick(&list, Qt::Key_Escape);
            else
                namedChild<QPushButton>(years, "Button1").click();
        });
        m_app->choose("Jahrladen1");
    };
    // The untouched start of a year without a file holds nothing to save.
    choose(QStringLiteral("2023"));
    QCOMPARE(m_app->doubles.dialogs.texts(), QStringList{"TFormJahre"});
    m_app->doubles.dialogs.log.clear();
    choose(choice);
    QStringList expected;
    for (const QString &box : boxes)
        expected.append(box.arg(m_app->doubles.places.dataFolder()));
    QStringList shownBoxes = m_app->doubles.dialogs.texts();
    shownBoxes.removeAll(QStringLiteral("TFormJahre"));
    QCOMPARE(shownBoxes, expected);
    QCOMPARE(m_app->field("EditName").text(), shown);
    QCOMPARE(m_app->panel(2) + m_app->panel(4) + m_app->panel(6), panels);
    QCOMPARE(m_app->main().session().isNewRecord(), choice == QStringLiteral("2024"));
    QCOMPARE(m_app->field("EditStatus").text(), QStringLiteral("Offen"));
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
    m_app->start({RecordLine::ofCreditor("Eins", "14.03.2024"), RecordLine::ofCreditor("Zwei", "01.01.2024", "Bezahlt"),
                  RecordLine::ofCreditor("Drei", "15.03.2024"), RecordLine::ofCreditor("Vier", "1.2.2024", "")});
    m_app->click("ButtonNext");
    const bool doubleClick = action.startsWith(QStringLiteral("ToolButton"));
    m_app->doubles.dialogs.windowHandlers.enqueue([numbers, row, doubleClick](QDialog &list) {
        QCOMPARE(list.windowTitle(), QStringLiteral("Fällige Rechnungen"));
        auto &view = namedChild<QTreeView>(list, "MyList");
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
            namedChild<QToolButton>(list, "ToolButton1").click();
            return;
        }
        QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, view.visualRect(index).center());
        QTest::mouseDClick(view.viewport(), Qt::LeftButton, {}, view.visualRect(index).center());
    });
    if (action.startsWith(QStringLiteral("ToolButton")))
        m_app->click(action.toLatin1().constData());
    else
        m_app->choose(action.toLatin1().constData());
    QCOMPARE(m_app->field("EditName").text(), shown);
    QVERIFY(m_app->doubles.dialogs.log.size() == 1);
}

void TestRegisterWindows::emptyListsTellSo_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("action");
    QTest::addColumn<QStringList>("boxes");
    const QStringList paid{RecordLine::ofCreditor("Eins", "01.01.2024", "Bezahlt")};
    QTest::newRow("nothing due") << QStringList{RecordLine::ofCreditor("Eins", "15.03.2024")} << "Faellig1"
                                 << QStringList{kNoneDue};
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
        m_app->startWith(QByteArray());
    else
        m_app->start(lines);
    if (boxes.contains(QStringLiteral("TAppListe"))) {
        m_app->doubles.dialogs.windowHandlers.enqueue(
            [](QDialog &list) { QCOMPARE(namedChild<QTreeView>(list, "MyList").model()->rowCount(), 0); });
        boxes = QStringList{"TFormAppListe"};
    }
    m_app->choose(action.toLatin1().constData());
    QCOMPARE(m_app->doubles.dialogs.texts(), boxes);
}

void TestRegisterWindows::listWindowSortsSearchesAndKeepsItsLook()
{
    m_app->start({RecordLine::ofCreditor("Birne", "01.03.2024", "Offen", "12,50"),
                  RecordLine::ofCreditor("Apfel", "", "Offen", "7,5"),
                  RecordLine::ofCreditor("Zander", "28.02.2024", "Offen", "abc")});
    const auto numbers = [](QTreeView &view) {
        QStringList shown;
        for (int r = 0; r < view.model()->rowCount(); ++r)
            shown.append(view.model()->index(r, 1).data().toString());
        return shown.join(QLatin1Char(' '));
    };
    m_app->doubles.dialogs.windowHandlers.enqueue([this, numbers](QDialog &list) {
        QCOMPARE(list.frameGeometry().size(), QSize(730, 500));
        QLabel *total = list.findChild<QStatusBar *>(QStringLiteral("StatusBar1"))->findChildren<QLabel *>().last();
        QCOMPARE(total->text(), QStringLiteral("20,00"));
        auto &view = namedChild<QTreeView>(list, "MyList");
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
        namedChild<QToolButton>(list, "ButtonClose").click();
        QCOMPARE(numbers(view), QStringLiteral("1 2 3"));
        namedChild<QToolButton>(list, "ButtonClose").click();
        QCOMPARE(numbers(view), QStringLiteral("3 2 1"));

        m_app->doubles.dialogs.windowHandlers.enqueue(prompt(QStringLiteral("birne")));
        namedChild<QToolButton>(list, "ToolButton4").click();
        QCOMPARE(view.currentIndex().row(), 2);
        QVERIFY(view.selectionModel()->isRowSelected(2, {}));
        m_app->doubles.dialogs.windowHandlers.enqueue(prompt(QStringLiteral("kiwi")));
        namedChild<QToolButton>(list, "ToolButton4").click();
        QCOMPARE(m_app->doubles.dialogs.lastText(), QStringLiteral("Nicht gefunden!"));

        list.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&list));
        QTest::keyClick(&view, Qt::Key_F1);
        QCOMPARE(m_app->doubles.help.contexts, QList<int>{60});
        list.resize(1000, 600);
        QCOMPARE(namedChild<QToolButton>(list, "ToolButton1").x(), 1000 / 2 - 70);
        list.close();
    });
    m_app->choose("Alle1");
    QCOMPARE(m_app->field("EditName").text(), QStringLiteral("Birne"));

    // The sort column survives; the direction starts afresh, so "Fälligkeit" sorts ascending again.
    m_app->doubles.dialogs.windowHandlers.enqueue([numbers](QDialog &list) {
        QCOMPARE(list.frameGeometry().size(), QSize(730, 500));
        auto &view = namedChild<QTreeView>(list, "MyList");
        QCOMPARE(view.header()->sectionSize(2), 190); // the rebuilt rows keep the column widths
        QCOMPARE(numbers(view), QStringLiteral("1 2 3"));
        namedChild<QToolButton>(list, "ButtonClose").click();
        QCOMPARE(numbers(view), QStringLiteral("1 2 3"));
    });
    m_app->choose("Alle1");
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
        lines.append(RecordLine::ofCreditor(
            QStringLiteral("Firma %1 mit einem Namen, der länger ist als seine Spalte im Druck").arg(i), "01.03.2024",
            "Offen", QStringLiteral("%1,00").arg(i)));
    m_app->start(lines);
    m_app->doubles.dialogs.windowHandlers.enqueue([this](QDialog &list) {
        m_app->doubles.dialogs.printChoices.enqueue(true);
        namedChild<QToolButton>(list, "ToolButton2").click();
        list.close();
    });
    m_app->choose("Alle1");
    QCOMPARE(m_app->doubles.printing.jobs.size(), 1);
    const PdfPrinting::Job &job = m_app->doubles.printing.jobs.first();
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
    m_app->start({});
    m_app->doubles.printing.printerFile = m_app->doubles.places.root() + QStringLiteral("/fehlt/liste.pdf");
    m_app->doubles.dialogs.windowHandlers.enqueue([this](QDialog &list) {
        m_app->doubles.dialogs.printChoices.enqueue(false);
        namedChild<QToolButton>(list, "ToolButton2").click();
        m_app->doubles.dialogs.printChoices.enqueue(true);
        namedChild<QToolButton>(list, "ToolButton2").click();
        list.close();
    });
    m_app->choose("Alle1");
    QCOMPARE(m_app->doubles.dialogs.log.last().kind, QStringLiteral("error"));
    QVERIFY2(
        m_app->doubles.dialogs.lastText().startsWith(
            QStringLiteral("Die Datei \"%1\" kann nicht erstellt werden. ").arg(m_app->doubles.printing.printerFile)),
        qPrintable(m_app->doubles.dialogs.lastText()));
    QVERIFY(m_app->doubles.printing.jobs.isEmpty());
}

QTEST_MAIN(TestRegisterWindows)
#include "TestRegisterWindows.moc"
