#include "MainWindowDriver.h"
#include "register/InvoiceLine.h"
#include "register/RecordEditor.h"

#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>
#include <QTreeView>

namespace {

// Stadtwerke Nord, invoice RE 2024 17: the document key "stadtwRE202417".
void putYearOfOneRecord(const MainWindowDriver &app)
{
    app.putYearFile(RecordLine::fileOf({RecordLine::of({{InvoiceLine::Name, QStringLiteral("Stadtwerke Nord")},
                                                        {InvoiceLine::ReNummer, QStringLiteral("RE 2024 17")},
                                                        {InvoiceLine::Email, QStringLiteral("info@stadtwerke.de")},
                                                        {InvoiceLine::Land, QString()}})},
                                       RecordLine::Encoding::Latin1));
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
    MainWindowDriver app;
    putYearOfOneRecord(app);
    const QString folder = app.doubles.places.root() + QStringLiteral("/Belege/");
    QDir().mkpath(folder);
    for (const QString &name : {QStringLiteral("Zählerstand.jpg"), QStringLiteral("Abschlag.pdf")}) {
        QFile file(folder + name);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("12345") == 5);
        app.doubles.dialogs.inputs.enqueue(file.fileName());
    }
    app.doubles.dialogs.answers.enqueue(true); // as PDF
    QVERIFY(app.launch());

    QByteArray afterAdding;
    QStringList shownAfterSort;
    QStringList infoLabels;
    app.doubles.dialogs.windowHandlers.enqueue([&](QDialog &docs) {
        const auto click = [&docs](const char *name) { docs.findChild<QToolButton *>(QLatin1String(name))->click(); };
        click("ButtonOpen");
        click("ButtonOpen");
        afterAdding = app.doubles.places.fileBytes(QStringLiteral("stadtwRE202417.dat"));
        auto *list = docs.findChild<QTreeView *>(QStringLiteral("ListDocs"));
        list->header()->sectionClicked(2);
        for (int row = 0; row < list->model()->rowCount(); ++row)
            shownAfterSort.append(list->model()->index(row, 2).data().toString());
        list->setCurrentIndex(list->model()->index(0, 2));
        click("ToolButtonDel");
        list->setCurrentIndex(list->model()->index(0, 2));
        click("ToolButtonShow");
        click("ButtonPrint");
    });
    app.doubles.dialogs.windowHandlers.enqueue([&](QDialog &info) {
        for (const char *name : {"LabelName", "LabelSize"})
            infoLabels.append(info.findChild<QLabel *>(QLatin1String(name))->text());
        QTest::mouseClick(info.findChild<QLabel *>(QStringLiteral("LabelLink")), Qt::LeftButton);
    });
    app.choose("Dokumente1");

    const QByteArray meter = folder.toLatin1() + "Z\xE4hlerstand.jpg\r\n";
    QCOMPARE(afterAdding, meter + folder.toLatin1() + "Abschlag.pdf\r\n");
    QCOMPARE(shownAfterSort, QStringList({QStringLiteral("Abschlag.pdf"), QStringLiteral("Zählerstand.jpg")}));
    QCOMPARE(app.doubles.places.fileBytes(QStringLiteral("stadtwRE202417.dat")), meter);
    QCOMPARE(infoLabels, QStringList({QStringLiteral("Zählerstand.jpg"), QStringLiteral("5 Bytes")}));
    QCOMPARE(
        app.doubles.shell.calls,
        QStringList({QStringLiteral("open ") + folder + QStringLiteral("Zählerstand.jpg"),
                     QStringLiteral("open ") + app.doubles.places.dataFolder() + QStringLiteral("listedocs.pdf")}));
    QStringList shown;
    for (const ScriptedDialogs::Box &box : app.doubles.dialogs.log)
        shown.append(box.kind + u' ' + box.caption);
    QCOMPARE(shown,
             QStringList({QStringLiteral("window Rechnungsdokumente"), QStringLiteral("openFile Dokument auswählen"),
                          QStringLiteral("openFile Dokument auswählen"), QStringLiteral("window Datei-Info"),
                          QStringLiteral("question Reminder")}));
}

void TestDocumentsFromMainWindow::linksSurviveStoringTheRecord_data()
{
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("afterLinking"); // typed after the document was linked, else before
    QTest::addColumn<QString>("listFile");
    QTest::newRow("line break pasted into the creditor")
        << int(InvoiceLine::Name) << QStringLiteral("Stadt\nwerke Nord") << false
        << QStringLiteral("stadtRE202417.dat");
    QTest::newRow("tab pasted into the number")
        << int(InvoiceLine::ReNummer) << QStringLiteral("RE\t2024 17") << false << QStringLiteral("stadtwRE202417.dat");
    QTest::newRow("slash in the number") << int(InvoiceLine::ReNummer) << QStringLiteral("RE-2024/0815") << false
                                         << QStringLiteral("stadtwRE-2024_0815.dat");
    QTest::newRow("number edited after linking") << int(InvoiceLine::ReNummer) << QStringLiteral("RE-2024/0815") << true
                                                 << QStringLiteral("stadtwRE-2024_0815.dat");
    QTest::newRow("creditor edited after linking")
        << int(InvoiceLine::Name) << QStringLiteral("Stadtwerke Süd") << true << QStringLiteral("stadtwRE202417.dat");
    QTest::newRow("creditor renamed after linking")
        << int(InvoiceLine::Name) << QStringLiteral("Wasserwerk") << true << QStringLiteral("wasserRE202417.dat");
}

// The list the documents window shows after the store is the one the document went into, and it is
// the only list in the data folder.
void TestDocumentsFromMainWindow::linksSurviveStoringTheRecord()
{
    QFETCH(int, field);
    QFETCH(QString, text);
    QFETCH(bool, afterLinking);
    QFETCH(QString, listFile);
    MainWindowDriver app;
    putYearOfOneRecord(app);
    const QString document = app.doubles.places.root() + QStringLiteral("/Abschlag.pdf");
    QFile file(document);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write("12345") == 5);
    file.close();
    QVERIFY(app.launch());
    RecordEditor &editor = app.main().editor();
    QStringList shown;
    const auto readShown = [&shown](QDialog &docs) {
        const QAbstractItemModel &model = *docs.findChild<QTreeView *>(QStringLiteral("ListDocs"))->model();
        for (int row = 0; row < model.rowCount(); ++row)
            shown.append(model.index(row, 2).data().toString());
    };

    if (!afterLinking)
        editor.field(InvoiceLine::Field(field)).setText(text);
    app.doubles.dialogs.inputs.enqueue(document);
    app.doubles.dialogs.windowHandlers.enqueue(
        [](QDialog &docs) { docs.findChild<QToolButton *>(QStringLiteral("ButtonOpen"))->click(); });
    app.choose("Dokumente1");
    if (afterLinking)
        editor.field(InvoiceLine::Field(field)).setText(text);
    QVERIFY(editor.store());
    app.doubles.dialogs.windowHandlers.enqueue(readShown);
    app.choose("Dokumente1");

    QCOMPARE(shown, QStringList{QStringLiteral("Abschlag.pdf")});
    QCOMPARE(QDir(app.doubles.places.dataFolder()).entryList(QDir::Files),
             QStringList({QStringLiteral("2024rech.csv"), listFile}));
    QCOMPARE(app.doubles.places.fileBytes(listFile), document.toUtf8() + "\r\n");
    QStringList kinds;
    for (const ScriptedDialogs::Box &box : app.doubles.dialogs.log)
        kinds.append(box.kind);
    QCOMPARE(kinds, QStringList({QStringLiteral("window"), QStringLiteral("openFile"), QStringLiteral("window")}));
}

QTEST_MAIN(TestDocumentsFromMainWindow)
#include "TestDocumentsFromMainWindow.moc"
