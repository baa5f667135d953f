#include "WindowDoubles.h"
#include "documents/TFormDocs.h"
#include "documents/TFormFInfo.h"

#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
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
    void helpKey();

private:
    QString document(const QString &name, qint64 size = 1) const;
    void putList(const QStringList &lines) const;
    QByteArray listBytes() const { return m_doubles->places.fileBytes(u"key.dat"_s); }
    // Shows the documents window with handler acting on it; windows opened from it take the handlers after.
    void showDocs(const std::function<void()> &handler, const QList<ScriptedDialogs::WindowHandler> &then = {});
    void click(const char *name) const;
    void select(const QString &shownName) const;
    // The boxes shown, without our own windows.
    QList<ScriptedDialogs::Box> boxes() const;
    QStringList shownNames() const { return m_docs->entries().shownNames(); }
    QTreeView &list() const { return *m_docs->findChild<QTreeView *>(u"ListDocs"_s); }

    std::unique_ptr<WindowDoubles> m_doubles;
    std::unique_ptr<TFormFInfo> m_info;
    std::unique_ptr<TFormDocs> m_docs;
};

void TestDocumentsWindow::init()
{
    m_doubles = std::make_unique<WindowDoubles>();
    QVERIFY(QDir().mkpath(m_doubles->places.dataFolder()));
    m_info = std::make_unique<TFormFInfo>();
    m_docs = std::make_unique<TFormDocs>(*m_info);
    m_docs->Unternehmen = u"key"_s;
    m_docs->DatenPfad = m_doubles->places.dataFolder();
}

void TestDocumentsWindow::cleanup()
{
    m_docs.reset();
    m_info.reset();
    m_doubles.reset();
}

QString TestDocumentsWindow::document(const QString &name, qint64 size) const
{
    const QString folder = m_doubles->places.root() + u"/Belege/"_s;
    QDir().mkpath(folder);
    QFile file(folder + name);
    if (!file.open(QIODevice::WriteOnly) || !file.resize(size))
        qFatal("cannot write the document %s", qPrintable(file.fileName()));
    return file.fileName();
}

void TestDocumentsWindow::putList(const QStringList &lines) const
{
    m_doubles->places.putFile(u"key.dat"_s, (lines.join(u"\r\n"_s) + u"\r\n"_s).toLatin1());
}

void TestDocumentsWindow::showDocs(const std::function<void()> &handler,
                                   const QList<ScriptedDialogs::WindowHandler> &then)
{
    m_doubles->dialogs.windowHandlers.enqueue([handler](QDialog &) { handler(); });
    for (const ScriptedDialogs::WindowHandler &next : then)
        m_doubles->dialogs.windowHandlers.enqueue(next);
    Platform::dialogs().exec(*m_docs);
}

QList<ScriptedDialogs::Box> TestDocumentsWindow::boxes() const
{
    QList<ScriptedDialogs::Box> shown = m_doubles->dialogs.log;
    shown.removeIf([](const ScriptedDialogs::Box &box) { return box.kind == u"window"_s; });
    return shown;
}

void TestDocumentsWindow::click(const char *name) const
{
    m_docs->findChild<QToolButton *>(QLatin1String(name))->click();
}

void TestDocumentsWindow::select(const QString &shownName) const
{
    const int row = static_cast<int>(shownNames().indexOf(shownName));
    QVERIFY(row >= 0);
    list().setCurrentIndex(m_docs->entries().index(row, DocumentTableModel::Name));
}

// Nothing is selected after a load, so delete and open do nothing until the user picks an entry.
void TestDocumentsWindow::loadWarnsOnceAboutMissingDocuments()
{
    putList({document(u"a.pdf"_s), u"/weg/b.pdf"_s, QString()});
    const QByteArray before = listBytes();
    showDocs([this] {
        list().setFocus();
        click("ToolButtonDel");
        click("ToolButtonShow");
    });
    QCOMPARE(listBytes(), before);
    QCOMPARE(boxes().size(), 1);
    QCOMPARE(boxes().first().kind, u"warning"_s);
    QCOMPARE(boxes().first().text, kMissingWarning);
    QCOMPARE(shownNames(), QStringList({u"a.pdf"_s, u"[*** b.pdf ***]"_s, u"[***  ***]"_s}));
}

void TestDocumentsWindow::addAppendsSavesAndReloads()
{
    const QString a = document(u"a.pdf"_s);
    const QString umlaut = document(u"Müll.pdf"_s);
    for (const std::optional<QString> &choice : {std::optional(a), std::optional<QString>(), std::optional(umlaut), std::optional(a)})
        m_doubles->dialogs.inputs.enqueue(choice);
    showDocs([this] {
        click("ButtonOpen");
        click("ButtonOpen"); // cancelled
        click("ButtonOpen");
        click("ButtonOpen"); // the same file again
    });
    QCOMPARE(listBytes(), (a + u"\r\n"_s).toLatin1() + umlaut.toLatin1().replace("\xC3\xBC", "\xFC") + "\r\n"
                              + (a + u"\r\n"_s).toLatin1());
    QCOMPARE(shownNames(), QStringList({u"a.pdf"_s, u"Müll.pdf"_s, u"a.pdf"_s}));
    QCOMPARE(boxes().first().text, u"|"_s); // no filter, no start folder
    QCOMPARE(boxes().size(), 4);           // the file choices only
}

void TestDocumentsWindow::saveConfirms()
{
    showDocs([this] { click("ButtonSave"); });
    QCOMPARE(m_doubles->dialogs.log.last().kind, u"captioned information"_s);
    QCOMPARE(m_doubles->dialogs.log.last().caption, u"Reminder"_s);
    QCOMPARE(m_doubles->dialogs.lastText(), u"Dokumentdaten gespeichert"_s);
    QCOMPARE(listBytes(), QByteArray(""));
    QVERIFY(QFile::exists(m_doubles->places.dataFolder() + u"key.dat"_s));
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
    putList({document(u"data.pdf"_s), document(u"a.pdf"_s), u"/weg/c.pdf"_s});
    QString opened;
    QList<ScriptedDialogs::WindowHandler> info;
    if (outcome != u"warning"_s && !remove)
        info.append([&opened, this](QDialog &) { opened = m_info->link(); });
    showDocs(
        [&, this] {
            for (const int column : clicks)
                list().header()->sectionClicked(column);
            select(entry);
            click(remove ? "ToolButtonDel" : "ToolButtonShow");
        },
        info);
    if (remove) {
        QStringList names;
        for (const QString &line : m_docs->lines())
            names.append(QFileInfo(line).exists() ? QFileInfo(line).fileName() : u"[*** %1 ***]"_s.arg(QFileInfo(line).fileName()));
        QCOMPARE(names.join(u' '), outcome);
        QCOMPARE(QString::fromLatin1(listBytes()), m_docs->lines().join(u"\r\n"_s) + u"\r\n"_s);
    } else if (outcome == u"warning"_s) {
        QCOMPARE(m_doubles->dialogs.lastText(), u"Diese Datei ist nicht mehr vorhanden oder wurde verschoben!"_s);
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
    const QString a = document(u"a.pdf"_s);
    putList({a});
    m_docs->Unternehmen = key;
    if (button == u"ButtonOpen"_s)
        m_doubles->dialogs.inputs.enqueue(document(u"b.pdf"_s));
    QStringList before;
    showDocs([&, this] {
        before = shownNames();
        const QString listFile = m_doubles->places.dataFolder() + u"key.dat"_s;
        QVERIFY(QFile::remove(listFile));
        QVERIFY(QDir().mkpath(listFile));
        if (!before.isEmpty())
            select(u"a.pdf"_s);
        click(qPrintable(button));
    });
    QCOMPARE(m_doubles->dialogs.log.last().kind, u"error"_s);
    QVERIFY2(m_doubles->dialogs.lastText().contains(u"kann nicht erstellt werden."_s),
             qPrintable(m_doubles->dialogs.lastText()));
    QCOMPARE(shownNames(), before);
    QCOMPARE(QDir(m_doubles->places.dataFolder()).entryList(QDir::Files), QStringList());
}

void TestDocumentsWindow::sortSurvivesReopeningAndListShowsFileOrder()
{
    putList({document(u"b.pdf"_s), document(u"a.pdf"_s), document(u"c.pdf"_s)});
    showDocs([this] { list().header()->sectionClicked(2); });
    QCOMPARE(shownNames(), QStringList({u"a.pdf"_s, u"b.pdf"_s, u"c.pdf"_s}));
    showDocs([this] { list().header()->sectionClicked(2); });
    QCOMPARE(shownNames(), QStringList({u"c.pdf"_s, u"b.pdf"_s, u"a.pdf"_s}));
    showDocs([] {});
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
    m_doubles->shell.succeeds = shellSucceeds;
    const QString path = document(u"Rechnung 7.pdf"_s, 2345678);
    putList({path});
    QStringList labels;
    bool closed = false;
    showDocs([this] {
        select(u"Rechnung 7.pdf"_s);
        click("ToolButtonShow");
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
    QCOMPARE(m_doubles->shell.calls, vanishes ? QStringList() : QStringList{u"open "_s + path});
    QCOMPARE(boxes().isEmpty(), box.isEmpty());
    QVERIFY(box.isEmpty() || boxes().first().text.endsWith(box));
}

void TestDocumentsWindow::helpKey()
{
    showDocs([this] { QTest::keyClick(&list(), Qt::Key_F1); });
    QCOMPARE(m_doubles->help.contexts, QList<int>{0});
}

QTEST_MAIN(TestDocumentsWindow)
#include "TestDocumentsWindow.moc"
