#include "WindowDoubles.h"
#include "app/AppWindows.h"
#include "register/InvoiceLine.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QTest>
#include <QToolButton>
#include <QTreeView>

using namespace Qt::Literals::StringLiterals;

class TestDocumentsFromMainWindow : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void addSortDeleteOpenAndPrint();
};

void TestDocumentsFromMainWindow::addSortDeleteOpenAndPrint()
{
    WindowDoubles doubles;
    QStringList fields(InvoiceLine::kFieldCount);
    fields[InvoiceLine::Name] = u"Stadtwerke Nord"_s;
    fields[InvoiceLine::ReNummer] = u"RE 2024 17"_s;
    fields[InvoiceLine::Email] = u"info@stadtwerke.de"_s;
    fields[InvoiceLine::Status] = u"Offen"_s;
    doubles.places.putFile(u"2024rech.csv"_s, InvoiceLine::join(fields).toLatin1() + "\r\n");
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

QTEST_MAIN(TestDocumentsFromMainWindow)
#include "TestDocumentsFromMainWindow.moc"
