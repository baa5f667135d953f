#include "PlatformDoubles.h"
#include "documents/DocumentKey.h"
#include "documents/DocumentKeyChange.h"
#include "documents/DocumentList.h"
#include "documents/DocumentPath.h"
#include "documents/DocumentPrintLayout.h"
#include "documents/DocumentSearch.h"
#include "documents/DocumentTableModel.h"
#include "platform/TextTrim.h"
#include "register/InvoiceLine.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

class TestDocumentsCore : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void keys_data();
    void keys();
    void listFileBytes_data();
    void listFileBytes();
    void refusedWritesChangeNothing_data();
    void refusedWritesChangeNothing();
    void failedWriteKeepsTheLines();
    void listFollowsTheKeyOfAStoredRecord_data();
    void listFollowsTheKeyOfAStoredRecord();
    void rowsMarkMissingDocuments();
    void search_data();
    void search();
    void sortKeepsEachRowsLine_data();
    void sortKeepsEachRowsLine();
    void sizes_data();
    void sizes();
    void layoutOfAKnownPage();
    void layoutPagesAndGrid_data();
    void layoutPagesAndGrid();

private:
    QString document(const QString &name) const;
    QString listPath() const { return DocumentKey::listFilePath(m_doubles->places.dataFolder(), u"key"_s); }

    std::unique_ptr<PlatformDoubles> m_doubles;
};

void TestDocumentsCore::init()
{
    m_doubles = std::make_unique<PlatformDoubles>();
    QVERIFY(QDir().mkpath(m_doubles->places.dataFolder()));
}

void TestDocumentsCore::cleanup()
{
    m_doubles.reset();
}

// An existing document outside the data folder, last modified 05.03.2024 14:07:31.
QString TestDocumentsCore::document(const QString &name) const
{
    const QString folder = m_doubles->places.root() + u"/Belege/"_s;
    QDir().mkpath(folder);
    QFile file(folder + name);
    if (!file.open(QIODevice::WriteOnly) || file.write("x") != 1 || !file.flush()
        || !file.setFileTime(QDateTime(QDate(2024, 3, 5), QTime(14, 7, 31)), QFileDevice::FileModificationTime))
        qFatal("cannot write the document %s", qPrintable(file.fileName()));
    return file.fileName();
}

void TestDocumentsCore::keys_data()
{
    QTest::addColumn<QString>("creditor");
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("staysInFolder");
    QTest::newRow("blanks go from both") << "Stadtwerke Nord" << "RE 2024 17" << "stadtwRE202417" << true;
    QTest::newRow("umlaut keeps its case") << "Ärztekammer Süd" << "A 1" << "ÄrztekA1" << true;
    QTest::newRow("six taken before blanks go") << "Dr. Müller" << "7" << "dr.mü7" << true;
    QTest::newRow("both empty") << "" << "" << "" << true;
    QTest::newRow("trimmed of controls") << "\t Stadtwerke\n" << " RE 1\t" << "stadtwRE1" << true;
    QTest::newRow("line break inside the creditor") << "a\nbstadtwerke" << "RE 4711" << "abstaRE4711" << true;
    QTest::newRow("tab inside the number") << "Stadtwerke" << "RE\t4711" << "stadtwRE4711" << true;
    QTest::newRow("NUL inside the number") << "2024re" << u"ch.csv\0x"_s << "2024rech.csvx" << true;
    QTest::newRow("DEL and C1 controls") << u"\u0081Stadt\u007Fwerke"_s << u"RE\u00851"_s << "stadtRE1" << true;
    QTest::newRow("slash") << "Stadtwerke" << "RE-2024/0815" << "stadtwRE-2024_0815" << true;
    QTest::newRow("backslash") << "Stadtwerke" << "1234\\78" << "stadtw1234_78" << true;
    QTest::newRow("climbing up") << "" << "../x" << ".._x" << true;
    QTest::newRow("two dots alone") << ".." << "" << ".." << false;
}

void TestDocumentsCore::keys()
{
    QFETCH(QString, creditor);
    QFETCH(QString, number);
    QFETCH(QString, key);
    QFETCH(bool, staysInFolder);
    QCOMPARE(DocumentKey::of(creditor, number), key);
    QCOMPARE(DocumentKey::staysInFolder(key), staysInFolder);
    // The key of the values as they will be stored is the key of the stored record.
    QCOMPARE(DocumentKey::of(TextTrim::storedValue(creditor), TextTrim::storedValue(number)), key);
    QVERIFY(!TextTrim::hasControl(key));
}

void TestDocumentsCore::listFileBytes_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QString>("added");
    QTest::addColumn<QByteArray>("after");
    const QByteArray utf8Mark("\xEF\xBB\xBF");
    QTest::newRow("first document") << QByteArray() << u"/b/a.pdf"_s << QByteArray("/b/a.pdf\r\n");
    QTest::newRow("umlaut in code page")
        << QByteArray("/b/a.pdf\r\n") << u"/b/Müller.pdf"_s << QByteArray("/b/a.pdf\r\n/b/M\xFCller.pdf\r\n");
    QTest::newRow("beyond the code page turns the file to UTF-8")
        << QByteArray("/b/M\xFC.pdf\r\n") << u"/b/\u03A9.pdf"_s
        << utf8Mark + "/b/M\xC3\xBC.pdf\r\n/b/\xCE\xA9.pdf\r\n";
    QTest::newRow("UTF-8 file stays UTF-8")
        << utf8Mark + "/b/a.pdf\r\n" << u"/b/c.pdf"_s << utf8Mark + "/b/a.pdf\r\n/b/c.pdf\r\n";
    QTest::newRow("LF only is written CR LF") << QByteArray("/b/a.pdf\n") << u"/b/c.pdf"_s
                                              << QByteArray("/b/a.pdf\r\n/b/c.pdf\r\n");
    QTest::newRow("first path begins like a mark turns the file to UTF-8")
        << QByteArray() << u"ÿþ.pdf"_s << utf8Mark + "\xC3\xBF\xC3\xBE.pdf\r\n";
    QTest::newRow("UTF-8 without mark stays so") << QByteArray("/b/M\xC3\xBC.pdf\r\n") << u"/b/Köln.pdf"_s
                                                 << QByteArray("/b/M\xC3\xBC.pdf\r\n/b/K\xC3\xB6ln.pdf\r\n");
}

void TestDocumentsCore::listFileBytes()
{
    QFETCH(QByteArray, before);
    QFETCH(QString, added);
    QFETCH(QByteArray, after);
    if (!before.isNull())
        m_doubles->places.putFile(u"key.dat"_s, before);
    DocumentList list;
    QCOMPARE(list.open(m_doubles->places.dataFolder(), u"key"_s), QString());
    QCOMPARE(list.add(added), QString());
    QCOMPARE(m_doubles->places.fileBytes(u"key.dat"_s), after);
    DocumentList reread;
    reread.open(m_doubles->places.dataFolder(), u"key"_s);
    QCOMPARE(reread.lines(), list.lines());
    QCOMPARE(reread.lines().last(), added);
}

void TestDocumentsCore::refusedWritesChangeNothing_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("added");
    QTest::addColumn<QString>("shown");
    QTest::newRow("slash in key") << "RE/17" << "/b/a.pdf" << "keinen zulässigen Namen";
    QTest::newRow("climbing key") << "../x" << "/b/a.pdf" << "keinen zulässigen Namen";
    QTest::newRow("two dots as key") << ".." << "/b/a.pdf" << "keinen zulässigen Namen";
    QTest::newRow("line break in path") << "key" << "/b/a\nb.pdf" << "Zeilenumbruch";
    QTest::newRow("carriage return in path") << "key" << "/b/a\rb.pdf" << "Zeilenumbruch";
    QTest::newRow("C1 control in path") << "key" << "/b/a\u0085b.pdf" << "Steuerzeichen";
    QTest::newRow("list is a link") << "link" << "/b/a.pdf" << "symbolische Verknüpfung";
}

// Nothing may be written anywhere: not in the data folder, not beside it, not through a link.
void TestDocumentsCore::refusedWritesChangeNothing()
{
    QFETCH(QString, key);
    QFETCH(QString, added);
    QFETCH(QString, shown);
    const QString folder = m_doubles->places.dataFolder();
    m_doubles->places.putFile(u"key.dat"_s, "/b/old.pdf\r\n");
    QVERIFY(QFile::link(folder + u"key.dat"_s, folder + u"link.dat"_s));
    const QStringList rootBefore = QDir(m_doubles->places.root()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    DocumentList list;
    const QString opened = list.open(folder, key);
    QCOMPARE(opened.contains(u"symbolische Verknüpfung"_s), key == u"link"_s);
    const QStringList lines = list.lines();

    const QString error = list.add(added);

    QVERIFY2(error.contains(shown), qPrintable(error));
    QCOMPARE(list.lines(), lines);
    QCOMPARE(m_doubles->places.fileBytes(u"key.dat"_s), QByteArray("/b/old.pdf\r\n"));
    QVERIFY(QFileInfo(folder + u"link.dat"_s).isSymLink());
    QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList({u"key.dat"_s, u"link.dat"_s}));
    QCOMPARE(QDir(m_doubles->places.root()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), rootBefore);
}

// A folder where the list file should be makes every write fail; a later save writes the old lines.
void TestDocumentsCore::failedWriteKeepsTheLines()
{
    m_doubles->places.putFile(u"key.dat"_s, "/b/1.pdf\r\n/b/2.pdf\r\n");
    DocumentList list;
    list.open(m_doubles->places.dataFolder(), u"key"_s);
    QVERIFY(QFile::remove(listPath()));
    QVERIFY(QDir().mkpath(listPath()));

    const QString addError = list.add(u"/b/3.pdf"_s);
    const QString removeError = list.remove(0);

    QVERIFY(addError.startsWith(u"Datei \"%1\" kann nicht erstellt werden.\n"_s.arg(listPath())));
    QVERIFY(!removeError.isEmpty());
    QCOMPARE(list.lines(), QStringList({u"/b/1.pdf"_s, u"/b/2.pdf"_s}));
    QVERIFY(QDir().rmdir(listPath()));
    QCOMPARE(list.save(), QString());
    QCOMPARE(m_doubles->places.fileBytes(u"key.dat"_s), QByteArray("/b/1.pdf\r\n/b/2.pdf\r\n"));
}

void TestDocumentsCore::listFollowsTheKeyOfAStoredRecord_data()
{
    QTest::addColumn<QString>("number"); // the stored record's new invoice number; it was "RE 17"
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QStringList>("after");
    QTest::addColumn<QString>("notice"); // the start of the warning; empty: none
    const QString old = u"stadtwRE17.dat"_s;
    QTest::newRow("number changed") << u"RE 18"_s << QStringList{old} << QStringList{u"stadtwRE18.dat"_s} << QString();
    QTest::newRow("slash in the new number")
        << u"RE-2024/0815"_s << QStringList{old} << QStringList{u"stadtwRE-2024_0815.dat"_s} << QString();
    QTest::newRow("both lists there") << u"RE 18"_s << QStringList{old, u"stadtwRE18.dat"_s}
                                      << QStringList{old, u"stadtwRE18.dat"_s}
                                      << u"Für die geänderte Rechnung gibt es schon die Dokumentliste"_s;
    QTest::newRow("no list before") << u"RE 18"_s << QStringList() << QStringList() << QString();
    QTest::newRow("same key") << u"RE17"_s << QStringList{old} << QStringList{old} << QString();
    QTest::newRow("new key of two dots") << u".."_s << QStringList{old} << QStringList{old} << QString();
}

// The file that ends under a name holds the bytes of the list that belonged to the record.
void TestDocumentsCore::listFollowsTheKeyOfAStoredRecord()
{
    QFETCH(QString, number);
    QFETCH(QStringList, before);
    QFETCH(QStringList, after);
    QFETCH(QString, notice);
    for (const QString &name : before)
        m_doubles->places.putFile(name, u"/b/%1.pdf\r\n"_s.arg(name).toUtf8());
    QStringList fields(InvoiceLine::kFieldCount);
    fields[InvoiceLine::Name] = u"Stadtwerke Nord"_s;
    fields[InvoiceLine::ReNummer] = u"RE 17"_s;
    const QString previous = InvoiceLine::join(fields);
    fields[InvoiceLine::ReNummer] = number;
    if (number == u".."_s)
        fields[InvoiceLine::Name].clear();

    const Notice said = DocumentKeyChange::follow(m_doubles->places.dataFolder(), previous, InvoiceLine::join(fields));

    QCOMPARE(QDir(m_doubles->places.dataFolder()).entryList(QDir::Files), after);
    for (const QString &name : after) {
        const QString origin = before.contains(name) ? name : before.first();
        QCOMPARE(m_doubles->places.fileBytes(name), u"/b/%1.pdf\r\n"_s.arg(origin).toUtf8());
    }
    QCOMPARE(said.text.isEmpty(), notice.isEmpty());
    if (!notice.isEmpty()) {
        QCOMPARE(said.kind, Dialogs::NoticeKind::Warning);
        QVERIFY2(said.text.startsWith(notice), qPrintable(said.text));
    }
}

void TestDocumentsCore::rowsMarkMissingDocuments()
{
    const QString there = document(u"a.pdf"_s);
    DocumentTableModel model;
    const int missing = model.setLines({there, u"/nirgends/b.pdf"_s, QString(), m_doubles->places.root()});
    QCOMPARE(missing, 3); // a folder is no document
    const auto cell = [&model](int row, int column) { return model.index(row, column).data().toString(); };
    QCOMPARE(cell(0, DocumentTableModel::Name), u"a.pdf"_s);
    QCOMPARE(cell(0, DocumentTableModel::Date), u"05.03.2024 14:07:31"_s);
    QCOMPARE(cell(1, DocumentTableModel::Number), u"2"_s);
    QCOMPARE(cell(1, DocumentTableModel::Name), u"[*** b.pdf ***]"_s);
    QCOMPARE(cell(1, DocumentTableModel::Date), QString());
    QCOMPARE(cell(2, DocumentTableModel::Name), u"[***  ***]"_s);
    QCOMPARE(cell(0, DocumentTableModel::Empty), QString());
}

void TestDocumentsCore::search_data()
{
    // Steps: "b" the button, "f" F3. Each asked term is taken in turn; the transcript shows "?" where the
    // term was asked, then the row found or "-".
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QStringList>("terms");
    QTest::addColumn<QString>("transcript");
    const QStringList abc{u"Rechnung.pdf"_s, u"Mahnung.pdf"_s, u"rechnung2.PDF"_s};
    QTest::newRow("one entry, part of its name") << QStringList{u"Rechnung März.pdf"_s} << "b" << QStringList{u"MÄRZ"_s}
                                                 << "?-";
    QTest::newRow("one entry, folded A-Z") << QStringList{u"Rechnung März.pdf"_s} << "b" << QStringList{u"RECHNUNG m"_s}
                                           << "?0";
    QTest::newRow("button goes on after a hit") << abc << "bbbb" << QStringList{u"rechnung"_s, u"pdf"_s} << "?0 2 - ?0";
    QTest::newRow("F3 goes on, after the miss the button asks")
        << abc << "bffbb" << QStringList{u"pdf"_s, u"mahn"_s} << "?0 1 2 - ?1";
    QTest::newRow("after the last hit") << abc << "bfb" << QStringList{u"2.pdf"_s, u"x"_s} << "?2 - ?-";
    QTest::newRow("empty term matches nothing") << abc << "b" << QStringList{QString()} << "?-";
    QTest::newRow("F3 without a search asks nothing") << abc << "f" << QStringList{} << "-";
    QTest::newRow("missing marker is searched") << QStringList{u"[*** a.pdf ***]"_s} << "b" << QStringList{u"***"_s}
                                                << "?0";
    QTest::newRow("cancelled prompt finds nothing") << abc << "bbb" << QStringList{u"mahn"_s, QString()} << "?1 - ?-";
}

void TestDocumentsCore::search()
{
    QFETCH(QStringList, names);
    QFETCH(QString, steps);
    QFETCH(QStringList, terms);
    QFETCH(QString, transcript);
    DocumentSearch search;
    search.reset();
    QStringList seen;
    for (const QChar step : steps) {
        if (step == u'f')
            search.continueWithTerm();
        QString entry;
        if (search.needsTerm()) {
            search.setTerm(terms.takeFirst());
            entry = u"?"_s;
        }
        const std::optional<int> hit = search.next(names);
        seen.append(entry + (hit ? QString::number(*hit) : u"-"_s));
    }
    QCOMPARE(seen.join(u' '), transcript);
}

void TestDocumentsCore::sortKeepsEachRowsLine_data()
{
    // Lines name files by letter; clicks on columns give the shown names (with their line numbers).
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QList<int>>("clicks");
    QTest::addColumn<QString>("shown");
    const QStringList mixed{u"data.pdf"_s, u"B.pdf"_s, u"a.pdf"_s};
    QTest::newRow("name ascending, A-Z folded") << mixed << QList<int>{2} << "a.pdf:2 B.pdf:1 data.pdf:0";
    QTest::newRow("name twice is descending") << mixed << QList<int>{2, 2} << "data.pdf:0 B.pdf:1 a.pdf:2";
    QTest::newRow("empty column changes nothing") << mixed << QList<int>{0, 0} << "data.pdf:0 B.pdf:1 a.pdf:2";
    QTest::newRow("umlaut after z") << QStringList{u"Ärger.pdf"_s, u"zoo.pdf"_s} << QList<int>{2}
                                    << "zoo.pdf:1 Ärger.pdf:0";
    QStringList eleven;
    for (int i = 0; i < 11; ++i)
        eleven.append(u"f%1.pdf"_s.arg(QChar(u'a' + i)));
    QTest::newRow("numbers as text") << eleven << QList<int>{1}
                                     << "fa.pdf:0 fj.pdf:9 fk.pdf:10 fb.pdf:1 fc.pdf:2 fd.pdf:3 fe.pdf:4 ff.pdf:5 "
                                        "fg.pdf:6 fh.pdf:7 fi.pdf:8";
}

void TestDocumentsCore::sortKeepsEachRowsLine()
{
    QFETCH(QStringList, files);
    QFETCH(QList<int>, clicks);
    QFETCH(QString, shown);
    QStringList lines;
    for (const QString &file : files)
        lines.append(document(file));
    DocumentTableModel model;
    model.setLines(lines);
    for (const int column : clicks)
        model.clickColumn(column);
    QStringList seen;
    for (int row = 0; row < model.rowCount(); ++row) {
        QCOMPARE(model.index(row, DocumentTableModel::Number).data().toString(), QString::number(row + 1));
        seen.append(u"%1:%2"_s.arg(model.nameOf(row)).arg(model.lineOf(row)));
    }
    QCOMPARE(seen.join(u' '), shown);
}

void TestDocumentsCore::sizes_data()
{
    QTest::addColumn<qint64>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("999") << qint64(999) << "999 Bytes";
    QTest::newRow("1 000") << qint64(1000) << "1000 Bytes";
    QTest::newRow("1 001") << qint64(1001) << "1,00 KB";
    QTest::newRow("1 005 half up") << qint64(1005) << "1,01 KB";
    QTest::newRow("1 000 000") << qint64(1000000) << "1000,00 KB";
    QTest::newRow("2 345 678") << qint64(2345678) << "2,35 MB";
    QTest::newRow("5 000 000 000") << qint64(5000000000) << "5000,00 MB";
    QTest::newRow("largest") << std::numeric_limits<qint64>::max() << "9223372036854,78 MB";
}

void TestDocumentsCore::sizes()
{
    QFETCH(qint64, bytes);
    QFETCH(QString, text);
    QCOMPARE(DocumentPath::sizeText(bytes), text);
}

// 21 cm of 100 pixels across, 28.215 units of 200 pixels down, lines of 40 pixels.
const PageMetrics kKnownPage{2060, 5603, 20, 20};
const QList<int> kScreenWidths{10, 50, 400, 100};

void TestDocumentsCore::layoutOfAKnownPage()
{
    const DocumentPrintLayout layout(kKnownPage, kScreenWidths, 40, 3);
    QCOMPARE(layout.cmX(), 100.0);
    QCOMPARE(layout.cmY(), 200.0);
    QCOMPARE(layout.edges(), QList<int>({0, 37, 220, 1684, 2050}));
    QCOMPARE(layout.top(), 500);
    QCOMPARE(layout.rowsPerPage(), 115);
    QCOMPARE(layout.headerAt(2, 101), QPoint(902, 480));
    QCOMPARE(layout.headerClip(2), QRect(230, 480, 1444, 40));
    QCOMPARE(layout.rule(), QLine(-10, 530, 2060, 530));
    QCOMPARE(layout.cellClip(3, 1), QRect(1694, 540, 346, 40));
    QCOMPARE(layout.pageLine(u"Vertragsliste"_s, u"15.03.2024"_s, 1), u"Vertragsliste vom: 15.03.2024 Seite: 1 / 1"_s);
    QCOMPARE(layout.pageLineAt(301), QPoint(1610, 100));
    QCOMPARE(layout.titleAt(200), QPoint(930, 200));
    QVERIFY(layout.titleDrawn(1204, 200));
    QVERIFY(!layout.titleDrawn(1205, 200));
}

void TestDocumentsCore::layoutPagesAndGrid_data()
{
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("entries");
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("pages");
    QTest::addColumn<QList<int>>("lastGrid"); // first edge, bottom
    QTest::newRow("empty list, one page") << 5603 << 0 << 115 << 1 << QList<int>{2, 500 + 2 * 40};
    QTest::newRow("R entries, one page") << 5603 << 115 << 115 << 1 << QList<int>{2, 500 + 117 * 40};
    QTest::newRow("R + 1 entries, two pages") << 5603 << 116 << 115 << 2 << QList<int>{2, 500 + 3 * 40};
    QTest::newRow("paper too small still holds a row") << 100 << 3 << 1 << 3 << QList<int>{2, 500 + 3 * 40};
}

void TestDocumentsCore::layoutPagesAndGrid()
{
    QFETCH(int, height);
    QFETCH(int, entries);
    QFETCH(int, rows);
    QFETCH(int, pages);
    QFETCH(QList<int>, lastGrid);
    PageMetrics page = kKnownPage;
    page.printableHeight = height;
    page.offsetTop = (5643 - height) / 2; // the same cmY, so the top stays at 500
    const DocumentPrintLayout layout(page, kScreenWidths, 40, entries);
    QCOMPARE(layout.rowsPerPage(), rows);
    QCOMPARE(layout.pages(), pages);
    const qsizetype lastFirst = qsizetype(pages - 1) * rows;
    QCOMPARE(layout.pageOf(qMax<qsizetype>(entries - 1, 0)), pages);
    const DocumentPrintLayout::Grid grid = layout.gridOf(pages, lastFirst);
    QCOMPARE(QList<int>({grid.firstEdge, grid.bottom}), lastGrid);
    if (pages > 1) {
        const DocumentPrintLayout::Grid first = layout.gridOf(1, 0);
        QCOMPARE(QList<int>({first.firstEdge, first.bottom}), QList<int>({1, 500 + (rows + 1) * 40}));
        QCOMPARE(layout.rowOf(rows), 1);
    }
}

QTEST_GUILESS_MAIN(TestDocumentsCore)
#include "TestDocumentsCore.moc"
