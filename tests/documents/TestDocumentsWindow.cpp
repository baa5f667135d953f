#include "DocumentsWindowFixture.h"

#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <QTreeView>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString kMissingWarning = u"Einige Dokumente sind nicht mehr vorhanden oder wurden verschoben!"_s;

} // namespace

class TestDocumentsWindow : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void loadWarnsOnceAboutMissingDocuments();
    void addAppendsSavesAndReloads();
    void saveConfirms();
    void actionsHitTheEntrysOwnLine_data();
    void actionsHitTheEntrysOwnLine();
    void failedWritesChangeNothingOnScreen_data();
    void failedWritesChangeNothingOnScreen();
    void sortSurvivesReopeningAndListShowsFileOrder();
    void fileInformationShowsAndOpens_data();
    void fileInformationShowsAndOpens();
    void searchAsksThenGoesOn();
    void helpKey();

private:
    // The boxes shown, without our own windows.
    QList<ScriptedDialogs::Box> boxes() const;
    void select(const QString &shownName) const;
    QStringList shownNames() const;
    // The list file's lines, each ended by CR LF as the file must hold it.
    QStringList listLines() const;

    std::unique_ptr<DocumentsWindowFixture> m_f;
};

void TestDocumentsWindow::init()
{
    m_f = std::make_unique<DocumentsWindowFixture>();
}

void TestDocumentsWindow::cleanup()
{
    m_f.reset();
}

QList<ScriptedDialogs::Box> TestDocumentsWindow::boxes() const
{
    QList<ScriptedDialogs::Box> shown = m_f->doubles.dialogs.log;
    shown.removeIf([](const ScriptedDialogs::Box &box) { return box.kind == u"window"_s; });
    return shown;
}

QStringList TestDocumentsWindow::shownNames() const
{
    const QAbstractItemModel &shown = *m_f->list().model();
    QStringList names;
    for (int row = 0; row < shown.rowCount(); ++row)
        names.append(shown.index(row, DocumentTableModel::Name).data().toString());
    return names;
}

QStringList TestDocumentsWindow::listLines() const
{
    QStringList lines = QString::fromLatin1(m_f->listBytes()).split(u"\r\n"_s);
    if (lines.takeLast() != QString())
        QTest::qFail("the last line has no CR LF", __FILE__, __LINE__);
    return lines;
}

void TestDocumentsWindow::select(const QString &shownName) const
{
    const int row = static_cast<int>(shownNames().indexOf(shownName));
    QVERIFY(row >= 0);
    m_f->list().setCurrentIndex(m_f->list().model()->index(row, DocumentTableModel::Name));
}

// Nothing is selected after a load, so delete and open do nothing until the user picks an entry.
void TestDocumentsWindow::loadWarnsOnceAboutMissingDocuments()
{
    m_f->putList({m_f->document(u"a.pdf"_s), u"/weg/b.pdf"_s, QString()});
    const QByteArray before = m_f->listBytes();
    m_f->show([this] {
        m_f->list().setFocus();
        m_f->click("ToolButtonDel");
        m_f->click("ToolButtonShow");
    });
    QCOMPARE(m_f->listBytes(), before);
    QCOMPARE(boxes().size(), 1);
    QCOMPARE(boxes().first().kind, u"warning"_s);
    QCOMPARE(boxes().first().text, kMissingWarning);
    QCOMPARE(shownNames(), QStringList({u"a.pdf"_s, u"[*** b.pdf ***]"_s, u"[***  ***]"_s}));
}

void TestDocumentsWindow::addAppendsSavesAndReloads()
{
    const QString a = m_f->document(u"a.pdf"_s);
    const QString umlaut = m_f->document(u"Müll.pdf"_s);
    for (const std::optional<QString> &choice : {std::optional(a), std::optional<QString>(), std::optional(umlaut), std::optional(a)})
        m_f->doubles.dialogs.inputs.enqueue(choice);
    m_f->show([this] {
        m_f->click("ButtonOpen");
        m_f->click("ButtonOpen"); // cancelled
        m_f->click("ButtonOpen");
        m_f->click("ButtonOpen"); // the same file again
    });
    QCOMPARE(m_f->listBytes(), (a + u"\r\n"_s).toLatin1() + umlaut.toLatin1().replace("\xC3\xBC", "\xFC") + "\r\n"
                              + (a + u"\r\n"_s).toLatin1());
    QCOMPARE(shownNames(), QStringList({u"a.pdf"_s, u"Müll.pdf"_s, u"a.pdf"_s}));
    QCOMPARE(boxes().first().text, u"|"_s); // no filter, no start folder
    QCOMPARE(boxes().size(), 4);           // the file choices only
}

void TestDocumentsWindow::saveConfirms()
{
    m_f->show([this] { m_f->click("ButtonSave"); });
    QCOMPARE(m_f->doubles.dialogs.log.last().kind, u"captioned information"_s);
    QCOMPARE(m_f->doubles.dialogs.log.last().caption, u"Reminder"_s);
    QCOMPARE(m_f->doubles.dialogs.lastText(), u"Dokumentdaten gespeichert"_s);
    QCOMPARE(m_f->listBytes(), QByteArray(""));
    QVERIFY(QFile::exists(m_f->doubles.places.dataFolder() + u"key.dat"_s));
}

void TestDocumentsWindow::actionsHitTheEntrysOwnLine_data()
{
    // Lines: data.pdf, a.pdf, a missing c.pdf; clicks on column headers, then the action on one entry.
    QTest::addColumn<QList<int>>("clicks");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<bool>("remove");
    QTest::addColumn<QString>("outcome"); // remaining names in file order, or the file opened
    const QString missing = u"[*** c.pdf ***]"_s;
    QTest::newRow("delete a.pdf") << QList<int>{} << "a.pdf" << true << "data.pdf [*** c.pdf ***]";
    QTest::newRow("delete a.pdf by name ascending") << QList<int>{2} << "a.pdf" << true << "data.pdf [*** c.pdf ***]";
    QTest::newRow("delete top by name descending") << QList<int>{2, 2} << "data.pdf" << true << "a.pdf [*** c.pdf ***]";
    QTest::newRow("delete missing, sorted") << QList<int>{2} << missing << true << "data.pdf a.pdf";
    QTest::newRow("open a.pdf by name ascending") << QList<int>{2} << "a.pdf" << false << "a.pdf";
    QTest::newRow("open data.pdf by name descending") << QList<int>{2, 2} << "data.pdf" << false << "data.pdf";
    QTest::newRow("open missing, sorted") << QList<int>{3} << missing << false << "warning";
}

void TestDocumentsWindow::actionsHitTheEntrysOwnLine()
{
    QFETCH(QList<int>, clicks);
    QFETCH(QString, entry);
    QFETCH(bool, remove);
    QFETCH(QString, outcome);
    m_f->putList({m_f->document(u"data.pdf"_s), m_f->document(u"a.pdf"_s), u"/weg/c.pdf"_s});
    QString opened;
    QList<ScriptedDialogs::WindowHandler> info;
    if (outcome != u"warning"_s && !remove)
        info.append([&opened](QDialog &window) {
            const QLabel &link = *window.findChild<QLabel *>(u"LabelLink"_s);
            opened = link.toolTip().isEmpty() ? link.text() : link.toolTip();
        });
    m_f->show(
        [&, this] {
            for (const int column : clicks)
                m_f->list().header()->sectionClicked(column);
            select(entry);
            m_f->click(remove ? "ToolButtonDel" : "ToolButtonShow");
        },
        info);
    if (remove) {
        QStringList names;
        for (const QString &line : listLines())
            names.append(QFileInfo(line).exists() ? QFileInfo(line).fileName() : u"[*** %1 ***]"_s.arg(QFileInfo(line).fileName()));
        QCOMPARE(names.join(u' '), outcome);
    } else if (outcome == u"warning"_s) {
        QCOMPARE(m_f->doubles.dialogs.lastText(), u"Diese Datei ist nicht mehr vorhanden oder wurde verschoben!"_s);
    } else {
        QCOMPARE(QFileInfo(opened).fileName(), outcome);
    }
}

void TestDocumentsWindow::failedWritesChangeNothingOnScreen_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("button");
    QTest::newRow("add, slash in key") << "RE/17" << "ButtonOpen";
    QTest::newRow("add, folder in the way") << "key" << "ButtonOpen";
    QTest::newRow("delete, folder in the way") << "key" << "ToolButtonDel";
    QTest::newRow("save, folder in the way") << "key" << "ButtonSave";
}

// The list file is replaced by a folder after the load, so every write of it fails.
void TestDocumentsWindow::failedWritesChangeNothingOnScreen()
{
    QFETCH(QString, key);
    QFETCH(QString, button);
    const QString a = m_f->document(u"a.pdf"_s);
    m_f->putList({a});
    m_f->docs.Unternehmen = key;
    if (button == u"ButtonOpen"_s)
        m_f->doubles.dialogs.inputs.enqueue(m_f->document(u"b.pdf"_s));
    QStringList before;
    m_f->show([&, this] {
        before = shownNames();
        const QString listFile = m_f->doubles.places.dataFolder() + u"key.dat"_s;
        QVERIFY(QFile::remove(listFile));
        QVERIFY(QDir().mkpath(listFile));
        if (!before.isEmpty())
            select(u"a.pdf"_s);
        m_f->click(qPrintable(button));
    });
    QCOMPARE(m_f->doubles.dialogs.log.last().kind, u"error"_s);
    QVERIFY2(m_f->doubles.dialogs.lastText().contains(u"kann nicht erstellt werden."_s),
             qPrintable(m_f->doubles.dialogs.lastText()));
    QCOMPARE(shownNames(), before);
    QCOMPARE(QDir(m_f->doubles.places.dataFolder()).entryList(QDir::Files), QStringList());
}

void TestDocumentsWindow::sortSurvivesReopeningAndListShowsFileOrder()
{
    m_f->putList({m_f->document(u"b.pdf"_s), m_f->document(u"a.pdf"_s), m_f->document(u"c.pdf"_s)});
    m_f->show([this] { m_f->list().header()->sectionClicked(2); });
    QCOMPARE(shownNames(), QStringList({u"a.pdf"_s, u"b.pdf"_s, u"c.pdf"_s}));
    m_f->show([this] { m_f->list().header()->sectionClicked(2); });
    QCOMPARE(shownNames(), QStringList({u"c.pdf"_s, u"b.pdf"_s, u"a.pdf"_s}));
    m_f->show([] {});
    QCOMPARE(shownNames(), QStringList({u"b.pdf"_s, u"a.pdf"_s, u"c.pdf"_s}));
}

void TestDocumentsWindow::fileInformationShowsAndOpens_data()
{
    QTest::addColumn<bool>("vanishes");
    QTest::addColumn<bool>("shellSucceeds");
    QTest::addColumn<QString>("box");
    QTest::newRow("opens") << false << true << "";
    QTest::newRow("vanished") << true << true << "Datei nicht gefunden!";
    QTest::newRow("desktop refuses") << false << false << "kann nicht geöffnet werden.";
}

void TestDocumentsWindow::fileInformationShowsAndOpens()
{
    QFETCH(bool, vanishes);
    QFETCH(bool, shellSucceeds);
    QFETCH(QString, box);
    m_f->doubles.shell.succeeds = shellSucceeds;
    const QString path = m_f->document(u"Rechnung 7.pdf"_s, 2345678);
    m_f->putList({path});
    QStringList labels;
    bool closed = false;
    m_f->show([this] {
        select(u"Rechnung 7.pdf"_s);
        m_f->click("ToolButtonShow");
    },
             {[&](QDialog &window) {
                 for (const char *name : {"LabelName", "LabelPfad", "LabelSize", "LabelLink"})
                     labels.append(window.findChild<QLabel *>(QLatin1String(name))->text());
                 if (vanishes)
                     QFile::remove(path);
                 QLabel *link = window.findChild<QLabel *>(u"LabelLink"_s);
                 QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
                 QTest::mouseClick(link, Qt::LeftButton);
                 closed = !window.isVisible();
             }});
    QCOMPARE(labels, QStringList({u"Rechnung 7.pdf"_s, QFileInfo(path).path() + u"/"_s, u"2,35 MB"_s, path}));
    QVERIFY(closed);
    QCOMPARE(m_f->doubles.shell.calls, vanishes ? QStringList() : QStringList{u"open "_s + path});
    QCOMPARE(boxes().isEmpty(), box.isEmpty());
    QVERIFY(box.isEmpty() || boxes().first().text.endsWith(box));
}

// The button asks, F3 and the button go on after a hit, a miss ends the search; the next opening starts
// without a term.
void TestDocumentsWindow::searchAsksThenGoesOn()
{
    m_f->putList({m_f->document(u"Rechnung 1.pdf"_s), m_f->document(u"Mahnung.pdf"_s), m_f->document(u"Rechnung 2.pdf"_s)});
    QStringList selected;
    const auto noteSelection = [&selected, this] {
        const QModelIndexList rows = m_f->list().selectionModel()->selectedRows();
        selected.append(rows.isEmpty() ? u"-"_s
                                       : rows.first().siblingAtColumn(DocumentTableModel::Name).data().toString());
    };
    const auto typeTerm = [](QDialog &prompt) {
        QTest::keyClicks(prompt.findChild<QLineEdit *>(u"EditInput"_s), u"RECHNUNG"_s);
        prompt.findChild<QPushButton *>(u"ButtonSave"_s)->click();
    };
    m_f->show(
        [&, this] {
            m_f->click("ButtonFind");
            noteSelection();
            m_f->docs.activateWindow(); // back from the prompt, as the desktop does it
            QVERIFY(QTest::qWaitForWindowActive(&m_f->docs));
            QTest::keyClick(&m_f->list(), Qt::Key_F3);
            noteSelection();
            m_f->click("ButtonFind");
        },
        {typeTerm});
    QCOMPARE(selected, QStringList({u"Rechnung 1.pdf"_s, u"Rechnung 2.pdf"_s}));
    QCOMPARE(boxes().size(), 1);
    QCOMPARE(boxes().first().kind + u' ' + boxes().first().caption, u"captioned information Reminder"_s);
    QCOMPARE(boxes().first().text, u"Kein (weiterer) Treffer!"_s);

    m_f->show([this] { QTest::keyClick(&m_f->list(), Qt::Key_F3); });
    QCOMPARE(boxes().size(), 2); // no prompt, nothing found
}

void TestDocumentsWindow::helpKey()
{
    m_f->show([this] { QTest::keyClick(&m_f->list(), Qt::Key_F1); });
    QCOMPARE(m_f->doubles.help.contexts, QList<int>{0});
}

QTEST_MAIN(TestDocumentsWindow)
#include "TestDocumentsWindow.moc"
