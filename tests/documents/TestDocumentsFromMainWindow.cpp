#include "WindowDoubles.h"
#include "app/AppWindows.h"
#include "register/InvoiceLine.h"
#include "register/RecordEditor.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QToolButton>
#include <QTreeView>

using namespace Qt::Literals::StringLiterals;

namespace {

// Stadtwerke Nord, invoice RE 2024 17: the document key "stadtwRE202417".
void putYearOfOneRecord(const WindowDoubles &doubles)
{
    QStringList fields(InvoiceLine::kFieldCount);
    fields[InvoiceLine::Name] = u"Stadtwerke Nord"_s;
    fields[InvoiceLine::ReNummer] = u"RE 2024 17"_s;
    fields[InvoiceLine::Email] = u"info@stadtwerke.de"_s;
    fields[InvoiceLine::Status] = u"Offen"_s;
    doubles.places.putFile(u"2024rech.csv"_s, InvoiceLine::join(fields).toLatin1() + "\r\n");
}

} // namespace

class TestDocumentsFromMainWindow : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void addSortDeleteOpenAndPrint();
    void linksSurviveStoringTheRecord_data();
    void linksSurviveStoringTheRecord();
};

void TestDocumentsFromMainWindow::addSortDeleteOpenAndPrint()
{
    WindowDoubles doubles;
    putYearOfOneRecord(doubles);
    const QString folder = doubles.places.root() + u"/Belege/"_s;
    QDir().mkpath(folder);
    for (const QString &name : {u"Zählerstand.jpg"_s, u"Abschlag.pdf"_s}) {
        QFile file(folder + name);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("12345") == 5);
        doubles.dialogs.inputs.enqueue(file.fileName());
    }
    doubles.dialogs.answers.enqueue(true); // as PDF
    AppWindows windows;
    QVERIFY(windows.start());

    QByteArray afterAdding;
    QStringList shownAfterSort;
    QStringList infoLabels;
    doubles.dialogs.windowHandlers.enqueue([&](QDialog &docs) {
        const auto click = [&docs](const char *name) { docs.findChild<QToolButton *>(QLatin1String(name))->click(); };
        click("ButtonOpen");
        click("ButtonOpen");
        afterAdding = doubles.places.fileBytes(u"stadtwRE202417.dat"_s);
        auto *list = docs.findChild<QTreeView *>(u"ListDocs"_s);
        list->header()->sectionClicked(2);
        for (int row = 0; row < list->model()->rowCount(); ++row)
            shownAfterSort.append(list->model()->index(row, 2).data().toString());
        list->setCurrentIndex(list->model()->index(0, 2));
        click("ToolButtonDel");
        list->setCurrentIndex(list->model()->index(0, 2));
        click("ToolButtonShow");
        click("ButtonPrint");
    });
    doubles.dialogs.windowHandlers.enqueue([&](QDialog &info) {
        for (const char *name : {"LabelName", "LabelSize"})
            infoLabels.append(info.findChild<QLabel *>(QLatin1String(name))->text());
        QTest::mouseClick(info.findChild<QLabel *>(u"LabelLink"_s), Qt::LeftButton);
    });
    windows.main().popupMenu().findChild<QAction *>(u"Dokumente1"_s)->trigger();

    const QByteArray meter = folder.toLatin1() + "Z\xE4hlerstand.jpg\r\n";
    QCOMPARE(afterAdding, meter + folder.toLatin1() + "Abschlag.pdf\r\n");
    QCOMPARE(shownAfterSort, QStringList({u"Abschlag.pdf"_s, u"Zählerstand.jpg"_s}));
    QCOMPARE(doubles.places.fileBytes(u"stadtwRE202417.dat"_s), meter);
    QCOMPARE(infoLabels, QStringList({u"Zählerstand.jpg"_s, u"5 Bytes"_s}));
    QCOMPARE(doubles.shell.calls, QStringList({u"open "_s + folder + u"Zählerstand.jpg"_s,
                                               u"open "_s + doubles.places.dataFolder() + u"listedocs.pdf"_s}));
    QStringList shown;
    for (const ScriptedDialogs::Box &box : doubles.dialogs.log)
        shown.append(box.kind + u' ' + box.caption);
    QCOMPARE(shown, QStringList({u"window Rechnungsdokumente"_s, u"openFile Dokument auswählen"_s,
                                 u"openFile Dokument auswählen"_s, u"window Datei-Info"_s,
                                 u"question Reminder"_s}));
}

void TestDocumentsFromMainWindow::linksSurviveStoringTheRecord_data()
{
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("afterLinking"); // typed after the document was linked, else before
    QTest::addColumn<QString>("listFile");
    QTest::newRow("line break pasted into the creditor")
        << int(InvoiceLine::Name) << u"Stadt\nwerke Nord"_s << false << u"stadtRE202417.dat"_s;
    QTest::newRow("tab pasted into the number") << int(InvoiceLine::ReNummer) << u"RE\t2024 17"_s << false
                                                << u"stadtwRE202417.dat"_s;
    QTest::newRow("slash in the number") << int(InvoiceLine::ReNummer) << u"RE-2024/0815"_s << false
                                         << u"stadtwRE-2024_0815.dat"_s;
    QTest::newRow("number edited after linking") << int(InvoiceLine::ReNummer) << u"RE-2024/0815"_s << true
                                                 << u"stadtwRE-2024_0815.dat"_s;
    QTest::newRow("creditor edited after linking") << int(InvoiceLine::Name) << u"Stadtwerke Süd"_s << true
                                                   << u"stadtwRE202417.dat"_s;
    QTest::newRow("creditor renamed after linking") << int(InvoiceLine::Name) << u"Wasserwerk"_s << true
                                                    << u"wasserRE202417.dat"_s;
}

// The list the documents window shows after the store is the one the document went into, and it is
// the only list in the data folder.
void TestDocumentsFromMainWindow::linksSurviveStoringTheRecord()
{
    QFETCH(int, field);
    QFETCH(QString, text);
    QFETCH(bool, afterLinking);
    QFETCH(QString, listFile);
    WindowDoubles doubles;
    putYearOfOneRecord(doubles);
    const QString document = doubles.places.root() + u"/Abschlag.pdf"_s;
    QFile file(document);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write("12345") == 5);
    file.close();
    AppWindows windows;
    QVERIFY(windows.start());
    RecordEditor &editor = windows.main().editor();
    QAction *documents = windows.main().popupMenu().findChild<QAction *>(u"Dokumente1"_s);
    QStringList shown;
    const auto readShown = [&shown](QDialog &docs) {
        const QAbstractItemModel &model = *docs.findChild<QTreeView *>(u"ListDocs"_s)->model();
        for (int row = 0; row < model.rowCount(); ++row)
            shown.append(model.index(row, 2).data().toString());
    };

    if (!afterLinking)
        editor.field(InvoiceLine::Field(field)).setText(text);
    doubles.dialogs.inputs.enqueue(document);
    doubles.dialogs.windowHandlers.enqueue(
        [](QDialog &docs) { docs.findChild<QToolButton *>(u"ButtonOpen"_s)->click(); });
    documents->trigger();
    if (afterLinking)
        editor.field(InvoiceLine::Field(field)).setText(text);
    QVERIFY(editor.store());
    doubles.dialogs.windowHandlers.enqueue(readShown);
    documents->trigger();

    QCOMPARE(shown, QStringList{u"Abschlag.pdf"_s});
    QCOMPARE(QDir(doubles.places.dataFolder()).entryList(QDir::Files),
             QStringList({u"2024rech.csv"_s, listFile}));
    QCOMPARE(doubles.places.fileBytes(listFile), document.toUtf8() + "\r\n");
    QStringList kinds;
    for (const ScriptedDialogs::Box &box : doubles.dialogs.log)
        kinds.append(box.kind);
    QCOMPARE(kinds, QStringList({u"window"_s, u"openFile"_s, u"window"_s}));
}

QTEST_MAIN(TestDocumentsFromMainWindow)
#include "TestDocumentsFromMainWindow.moc"
