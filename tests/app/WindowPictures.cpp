// Saves pictures of the windows for looking at their layout: ZETTMAR_PICTURES=<folder> window_pictures
#include "BackupPictures.h"
#include "EInvoicePictures.h"
#include "MainWindowDriver.h"
#include "NamedChild.h"
#include "backup/TFormBackup.h"
#include "backup/TFormHistory.h"
#include "backup/TFormRestInf.h"
#include "documents/TFormDocs.h"
#include "documents/TFormFInfo.h"
#include "payments/TFormQR.h"
#include "register/RecordEditor.h"
#include "register/TFormAppListe.h"
#include "register/TFormFrage.h"
#include "register/TFormJahre.h"
#include "settings/TFormLogin.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QTest>
#include <QToolButton>
#include <QTreeView>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    MainWindowDriver app;
    WindowDoubles &doubles = app.doubles;
    doubles.places.putFile(QStringLiteral("2024rech.csv"),
                           "Strom;05.01.2024;123,45;14;19.01.2024;R-1;Abschlag;Stadtwerke;info@stadtwerke.de;"
                           "www.stadtwerke.de;12345;Musterstadt;Hauptstr.;DE;0123 4567;;DE02 1203 0000 0000 2020 51;"
                           "BYLADEM1001;K-77;5;Offen\r\n");
    doubles.places.putFile(QStringLiteral("zettmar.ini"),
                           "\r\n\r\n\r\nM\xFCller & S\xF6hne GbR\r\nhttps://banking.example/login\r\nkunde-4711\r\n"
                           "bankgeheim\r\n/media/backup/\r\n\r\n\r\n");
    doubles.places.putFile(QStringLiteral("plz.dat"), "10115 Berlin\r\n80331 M\xFCnchen\r\n80333 M\xFCnchen\r\n"
                                                      "80335 M\xFCnchen\r\n81241 M\xFCnchen-Pasing\r\n");
    app.launch();
    QTest::qWait(50);
    const QString folder = qEnvironmentVariable("ZETTMAR_PICTURES", QStringLiteral("/tmp"));
    app.main().grab().save(folder + QStringLiteral("/main-window.png"));
    app.showNextPicture();
    app.main().grab().save(folder + QStringLiteral("/main-window-picture2.png"));
    QMenu &menu = namedChild<QMenu>(app.main(), QStringLiteral("PopupMenu1"));
    menu.popup(QPoint(0, 0));
    QTest::qWait(50);
    menu.grab().save(folder + QStringLiteral("/main-menu.png"));
    TFormLogin login;
    login.show();
    QTest::keyClicks(login.findChild<QWidget *>(QStringLiteral("Edit1")), QStringLiteral("geheim"));
    QTest::qWait(50);
    login.grab().save(folder + QStringLiteral("/login.png"));
    doubles.dialogs.windowHandlers.enqueue([&folder](QDialog &qr) {
        if (!QTest::qWaitFor([&qr] { return !static_cast<TFormQR &>(qr).QRCodeBitmap.isNull(); }))
            qWarning("the payment code was not built");
        qr.grab().save(folder + QStringLiteral("/payment-qr.png"));
    });
    app.choose("QRCode1");

    const auto pictureOfNextWindow = [&](const QString &name) {
        doubles.dialogs.windowHandlers.enqueue([=](QDialog &window) {
            QTest::qWait(50);
            window.grab().save(folder + name);
        });
    };
    pictureOfNextWindow(QStringLiteral("/settings.png"));
    app.choose("Einstellungen1");
    for (const char *code : {"80331", "80999"}) {
        app.main().editor().field(InvoiceLine::Plz).setText(QLatin1String(code));
        pictureOfNextWindow(QStringLiteral("/plz-%1.png").arg(QLatin1String(code)));
        app.click("ButtonPlz");
    }
    pictureOfNextWindow(QStringLiteral("/about.png"));
    app.choose("Info1");
    TFormHistory history;
    TFormRestInf restoreInformation(app.main());
    TFormBackup backup(history, restoreInformation);
    BackupPictures::save(doubles, backup, app.main(), folder);
    EInvoicePictures::save(folder);

    TFormFrage prompt;
    prompt.show();
    QTest::keyClicks(prompt.findChild<QLineEdit *>(QStringLiteral("EditInput")), QStringLiteral("Stadtwerke"));
    QTest::qWait(50);
    prompt.grab().save(folder + QStringLiteral("/search-prompt.png"));

    TFormJahre years;
    years.ListeJahre().addItems({QStringLiteral("2022"), QStringLiteral("2023"), QStringLiteral("2024")});
    years.show();
    years.ListeJahre().setCurrentRow(1);
    QTest::qWait(50);
    years.grab().save(folder + QStringLiteral("/years.png"));

    QByteArray listYear;
    for (int i = 1; i <= 30; ++i)
        listYear += "Rechnung;01.02.2024;" + QByteArray::number(i * 37 % 500) + ",50;14;"
                  + QByteArray::number(i % 28 + 1) + ".03.2024;RE-" + QByteArray::number(1000 + i)
                  + ";Wartung Heizung " + QByteArray::number(i) + ";Firma M\xFCller & S\xF6hne " + QByteArray::number(i)
                  + ";post@firma.de;;;;;DE;;;;;;;Offen\r\n";
    RecordSession listSession;
    listSession.setPath(doubles.places.putFile(QStringLiteral("2023rech.csv"), listYear));
    listSession.load();
    TFormAppListe list(listSession, prompt);
    doubles.dialogs.windowHandlers.enqueue([&list, &folder](QDialog &) {
        list.findChild<QTreeView *>(QStringLiteral("MyList"))->header()->sectionClicked(InvoiceListModel::DueDate);
        QTest::qWait(50);
        list.grab().save(folder + QStringLiteral("/invoice-list.png"));
    });
    list.showList(InvoiceListModel::Kind::All);

    const QString documents = doubles.places.root() + QStringLiteral("/Belege/");
    QDir().mkpath(documents);
    QStringList lines;
    for (const char *name : {"Rechnung Stadtwerke März.pdf", "Zählerstand.jpg", "Mahnung.pdf"}) {
        QFile file(documents + QString::fromUtf8(name));
        file.open(QIODevice::WriteOnly);
        file.write(QByteArray(2345678, 'x'));
        lines.append(file.fileName());
    }
    lines.insert(2, documents + QStringLiteral("Vertrag.pdf"));
    doubles.places.putFile(QStringLiteral("stadtwRE202417.dat"), (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8().prepend("\xEF\xBB\xBF"));
    TFormFInfo info;
    TFormDocs docs(prompt, info);
    docs.Unternehmen = QStringLiteral("stadtwRE202417");
    docs.DatenPfad = doubles.places.dataFolder();
    docs.show();
    QTest::qWait(50);
    docs.grab().save(folder + QStringLiteral("/documents.png"));
    info.setDocument(lines.first(), QStringLiteral("Rechnung Stadtwerke März.pdf"));
    info.show();
    QTest::qWait(50);
    info.grab().save(folder + QStringLiteral("/file-info.png"));
    return 0;
}
