#include "MainWindowDriver.h"
#include "ZbarReader.h"
#include "payments/TFormQR.h"
#include "register/RecordSession.h"

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace {

using F = InvoiceLine::Field;

const QList<F> kInvoiceFields = {F::Title, F::ReDatum, F::Preis, F::Frist, F::Ende, F::ReNummer, F::Artikel,
                                 F::Status};

QString creditorA()
{
    return RecordLine::of({{F::Title, "Strom"},
                           {F::Preis, "49,90"},
                           {F::ReNummer, "RE 2024 17"},
                           {F::Name, QStringLiteral("Bäckerei Müller")},
                           {F::Email, "info@mueller.de"},
                           {F::Web, "www.mueller.de"},
                           {F::Plz, "12345"},
                           {F::City, "Musterstadt"},
                           {F::Strasse, "Hauptstr."},
                           {F::Tel, "0123 4567"},
                           {F::Fax, "0123 4568"},
                           {F::Iban, "DE02 1203 0000 0000 2020 51"},
                           {F::Bic, "BYLADEM1001"},
                           {F::KNum, "K-77"},
                           {F::HNr, "5"}});
}

QString creditorB()
{
    return RecordLine::of({{F::Title, "Wasser"},
                           {F::ReDatum, "01.02.2024"},
                           {F::Preis, "12,"},
                           {F::Frist, "14"},
                           {F::Ende, "15.02.2024"},
                           {F::ReNummer, "W-9"},
                           {F::Artikel, "Abschlag"},
                           {F::Name, "Wasserwerk"},
                           {F::Email, "post@wasser.de"},
                           {F::Land, "AT"},
                           {F::Iban, "DE89370400440532013000"},
                           {F::Bic, "COBADEFFXXX"},
                           {F::Status, "Bezahlt"}});
}

QStringList texts(MainWindowDriver &app, const QList<F> &fields)
{
    QStringList result;
    for (const F field : fields)
        result.append(app.field(field).text());
    return result;
}

const QList<F> kCreditorFields = {F::Name, F::Email, F::Web,  F::Plz,  F::City, F::Strasse, F::Land,
                                  F::Tel,  F::Fax,   F::Iban, F::Bic,  F::KNum, F::HNr};

// The painted box as the screen shows it, read by zbar.
std::optional<QByteArray> decodePaintedBox(QWidget &box)
{
    const QImage grey = box.grab().toImage().convertToFormat(QImage::Format_Grayscale8);
    QByteArray pixels;
    for (int y = 0; y < grey.height(); ++y)
        pixels.append(reinterpret_cast<const char *>(grey.constScanLine(y)), grey.width());
    return ZbarReader::decodeGrey(reinterpret_cast<const unsigned char *>(pixels.constData()), grey.width(),
                                  grey.height());
}

struct ShownCode {
    QStringList lines;
    QStringList numbers;
    std::optional<QByteArray> decoded;
    QString boxText;
};

// Scripts the QR window: waits for its symbol, then reads what it shows.
void readQrWindow(WindowDoubles &doubles, ShownCode &shown)
{
    doubles.dialogs.windowHandlers.enqueue([&shown](QDialog &dialog) {
        auto &form = static_cast<TFormQR &>(dialog);
        QTRY_VERIFY(!form.QRCodeBitmap.isNull());
        shown.lines = form.findChild<QPlainTextEdit *>(QStringLiteral("Memo1"))->toPlainText().split(u'\n');
        shown.numbers = form.findChild<QPlainTextEdit *>(QStringLiteral("MemoNum"))->toPlainText().split(u'\n');
        shown.decoded = decodePaintedBox(*form.findChild<QWidget *>(QStringLiteral("PaintBox1")));
        shown.boxText = form.payloadText();
    });
}

} // namespace

class TestPaymentWindows : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void groupsIbanAsTyped();
    void copiesCreditorIntoAnotherRecord();
    void copiesNameToClipboard();
    void pastesClipboardIntoNameWhileNothingHeld_data();
    void pastesClipboardIntoNameWhileNothingHeld();
    void copyNeedsName();
    void opensWebSite();
    void refusesIncompleteOrInvalidPaymentData_data();
    void refusesIncompleteOrInvalidPaymentData();
    void showsCodeThatDecodesToThePayload();
    void codeTakesFieldsAsPrintedAndRecordKeepsThem_data();
    void codeTakesFieldsAsPrintedAndRecordKeepsThem();
    void saysSoWhenThePayloadFitsNoSymbol();
};

void TestPaymentWindows::groupsIbanAsTyped()
{
    MainWindowDriver app;
    app.start({creditorB(), RecordLine::of({{F::Name, "X"}, {F::Iban, "AT611904300234573201XXXX"}})});
    QCOMPARE(app.field(F::Iban).text(), QStringLiteral("DE89370400440532013000"));
    app.click("ButtonNext");
    QCOMPARE(app.field(F::Iban).text(), QStringLiteral("AT611904300234573201XXXX "));
    QVERIFY(!app.main().session().isModified()); // grouped on showing, not changed by the user
    // Pasted by the context menu, Shift+Insert or the middle button: no typed key, yet a change.
    app.click("ButtonClear");
    QGuiApplication::clipboard()->setText(QStringLiteral("AT611904300234573201XXXX"));
    app.field(F::Iban).paste();
    QCOMPARE(app.field(F::Iban).text(), QStringLiteral("AT611904300234573201XXXX "));
    QVERIFY(app.main().session().isModified());
    app.click("ButtonClear");
    app.type(F::Iban, QStringLiteral("DE02120300000000202051"));
    QCOMPARE(app.field(F::Iban).text(), QStringLiteral("DE02 1203 0000 0000 2020 51"));
    QCOMPARE(app.field(F::Iban).cursorPosition(), 27);
    QVERIFY(app.main().session().isModified());
}

void TestPaymentWindows::copiesCreditorIntoAnotherRecord()
{
    MainWindowDriver app;
    app.start({creditorA(), creditorB()});
    const QStringList creditorOfA = texts(app, kCreditorFields);
    app.doubles.dialogs.answers.enqueue(true);
    app.click("ButtonCopyB");
    app.click("ButtonNext");
    const QStringList invoiceOfB = texts(app, kInvoiceFields);
    app.click("ButtonPasteB");
    QCOMPARE(texts(app, kCreditorFields), creditorOfA);
    QCOMPARE(texts(app, kInvoiceFields), invoiceOfB);
    QVERIFY(app.main().session().isModified()); // a take-over like typing
    QCOMPARE(app.doubles.dialogs.texts(),
             (QStringList{"Gesamte Gläubigerdaten intern kopieren? NEIN = Name in Zwischenablage kopieren.",
                          "Gesamte Gläubigerdaten zur internen Verwendung kopiert."}));
    QCOMPARE(app.doubles.dialogs.log[1].kind, QStringLiteral("information"));

    // Once a set is held the paste uses it, also after the name went to the clipboard.
    app.click("ButtonClear");
    app.doubles.clipboard.content = QStringLiteral("Anderer Name");
    app.click("ButtonPasteB");
    QCOMPARE(app.field(F::Name).text(), QStringLiteral("Bäckerei Müller"));
}

void TestPaymentWindows::copiesNameToClipboard()
{
    MainWindowDriver app;
    app.start({creditorA()});
    app.field(F::Name).setText(QStringLiteral("Bäckerei Müller ")); // the whole field, not the trimmed name
    app.doubles.dialogs.answers.enqueue(false);
    app.click("ButtonCopyB");
    QCOMPARE(app.doubles.clipboard.content, QStringLiteral("Bäckerei Müller "));
    QCOMPARE(app.field(F::Name).selectedText(), QStringLiteral("Bäckerei Müller "));
    QCOMPARE(app.doubles.dialogs.log.last().kind, QStringLiteral("plain"));
    QCOMPARE(app.doubles.dialogs.lastText(), QStringLiteral("Name kopiert."));

    // A copy of the name holds no set: the paste still takes the clipboard.
    app.click("ButtonClear");
    app.click("ButtonPasteB");
    QCOMPARE(app.field(F::Name).text(), QStringLiteral("Bäckerei Müller "));
    QCOMPARE(app.field(F::Email).text(), QString());
}

void TestPaymentWindows::pastesClipboardIntoNameWhileNothingHeld_data()
{
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<bool>("modified");
    const QString empty = QStringLiteral("Leerer Datensatz! Gläubigerdaten aus vorhandenen Rechnungsdaten kopieren.");
    QTest::newRow("empty clipboard") << "" << "" << QStringList{empty} << false;
    QTest::newRow("blanks only") << " \t " << "   " << QStringList{empty} << true;
    QTest::newRow("address of two lines") << "Muster GmbH\r\nHauptstr. 1" << "Muster GmbH  Hauptstr. 1" << QStringList()
                                          << true;
}

void TestPaymentWindows::pastesClipboardIntoNameWhileNothingHeld()
{
    QFETCH(QString, clipboard);
    QFETCH(QString, name);
    QFETCH(QStringList, boxes);
    QFETCH(bool, modified);
    MainWindowDriver app;
    app.start({});
    app.doubles.clipboard.content = clipboard;
    app.click("ButtonPasteB");
    QCOMPARE(app.field(F::Name).text(), name);
    QCOMPARE(app.doubles.dialogs.texts(), boxes);
    QCOMPARE(app.main().session().isModified(), modified);
}

void TestPaymentWindows::copyNeedsName()
{
    MainWindowDriver app;
    app.start({RecordLine::of({{F::Name, " "}, {F::Email, "a@b.de"}})});
    app.doubles.clipboard.content = QStringLiteral("vorher");
    app.click("ButtonCopyB");
    QCOMPARE(app.doubles.dialogs.texts(), QStringList{QStringLiteral("Fehler! Gläubigerdaten unvollständig.")});
    QCOMPARE(app.doubles.dialogs.log[0].kind, QStringLiteral("error"));
    QCOMPARE(app.doubles.clipboard.content, QStringLiteral("vorher"));
}

void TestPaymentWindows::opensWebSite()
{
    MainWindowDriver app;
    app.start({creditorA()});
    app.click("SpeedButton1");
    app.field(F::Web).setText(QStringLiteral("Http://Shop.de"));
    app.click("SpeedButton1");
    QCOMPARE(app.doubles.shell.calls, (QStringList{"open https://www.mueller.de", "open Http://Shop.de"}));
    QVERIFY(app.doubles.dialogs.log.isEmpty());
}

void TestPaymentWindows::refusesIncompleteOrInvalidPaymentData_data()
{
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QStringList>("kinds");
    QTest::addColumn<QString>("firstText");
    const QStringList missing{"captioned error", "plain"};
    const QString incomplete = QStringLiteral("Unvollständige Rechnungsdaten. QR-Code kann nicht erstellt werden!");
    QTest::newRow("no IBAN") << int(F::Iban) << "" << missing << incomplete;
    QTest::newRow("no BIC") << int(F::Bic) << "" << missing << incomplete;
    QTest::newRow("no creditor") << int(F::Name) << "" << missing << incomplete;
    QTest::newRow("no invoice number") << int(F::ReNummer) << "" << missing << incomplete;
    QTest::newRow("amount of blanks") << int(F::Preis) << "   " << missing << incomplete;
    QTest::newRow("amount with point") << int(F::Preis) << "49.90" << QStringList{"error"}
                                       << "Der Rechnungsbetrag \"49.90\" ist kein gültiger Euro-Betrag. Erlaubt sind "
                                          "0,01 bis 999999999,99 mit Dezimalkomma und höchstens zwei "
                                          "Nachkommastellen, zum Beispiel 49,90 oder 1.234,56 €. QR-Code kann nicht "
                                          "erstellt werden.";
    QTest::newRow("IBAN check digits") << int(F::Iban) << "DE03 1203 0000 0000 2020 51" << QStringList{"error"}
                                       << "Die IBAN \"DE03120300000000202051\" ist ungültig: Die Prüfziffern stimmen "
                                          "nicht. Bitte überprüfen Sie die Angabe. QR-Code kann nicht erstellt werden.";
}

void TestPaymentWindows::refusesIncompleteOrInvalidPaymentData()
{
    QFETCH(int, field);
    QFETCH(QString, value);
    QFETCH(QStringList, kinds);
    QFETCH(QString, firstText);
    MainWindowDriver app;
    app.start({creditorA()});
    app.field(F(field)).setText(value);
    app.choose("QRCode1");
    QStringList shownKinds;
    for (const auto &box : app.doubles.dialogs.log)
        shownKinds.append(box.kind);
    QCOMPARE(shownKinds, kinds);
    QCOMPARE(app.doubles.dialogs.log[0].text, firstText);
    if (kinds.size() == 2) {
        QCOMPARE(app.doubles.dialogs.log[0].caption, QStringLiteral("zettmar"));
        QCOMPARE(app.doubles.dialogs.log[1].text, QStringLiteral("IBAN, BIC, Unternehmen, Rechnungsnr. und Betrag erforderlich!"));
    }
}

// Two showings: the second record has no customer number, so the kept payload must lose line 12.
void TestPaymentWindows::showsCodeThatDecodesToThePayload()
{
    MainWindowDriver app;
    app.start({creditorA(), creditorB()});
    const QString leftover = app.doubles.places.putFile(QStringLiteral("qrcode.bmp"), "BM");
    // Unsaved input counts: the fields are read as they stand.
    app.field(F::Preis).setText(QStringLiteral("1234,5"));
    ShownCode first;
    readQrWindow(app.doubles, first);
    app.choose("QRCode1");
    const QByteArray firstPayload = "BCD\n001\n1\nSCT\nBYLADEM1001\nB\xC3\xA4"
                                    "ckerei M\xC3\xBC"
                                    "ller\nDE02120300000000202051\nEUR1234.5\n\n\nRE 2024 17\nK-77\n";
    QCOMPARE(first.decoded, std::optional<QByteArray>(firstPayload));
    QCOMPARE(first.boxText.toUtf8(), firstPayload);
    QCOMPARE(first.lines.size(), 12);
    QCOMPARE(first.numbers, QStringLiteral("1 2 3 4 5 6 7 8 9 10 11 12").split(u' '));
    QVERIFY(!QFile::exists(leftover));

    app.click("ButtonNext");
    ShownCode second;
    readQrWindow(app.doubles, second);
    app.choose("QRCode1");
    const QByteArray secondPayload = "BCD\n001\n1\nSCT\nCOBADEFFXXX\nWasserwerk\nDE89370400440532013000\nEUR12\n\n\nW-9\n";
    QCOMPARE(second.decoded, std::optional<QByteArray>(secondPayload));
    QCOMPARE(second.lines.size(), 11);
    QCOMPARE(second.numbers.size(), 11);
    QCOMPARE(app.doubles.dialogs.log.size(), 2); // the two windows, no box
}

void TestPaymentWindows::codeTakesFieldsAsPrintedAndRecordKeepsThem_data()
{
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("line"); // of the payload, from 1
    QTest::addColumn<QString>("paid");
    QTest::newRow("IBAN in small letters") << int(F::Iban) << "de02 1203 0000 0000 2020 51" << 7
                                           << "DE02120300000000202051";
    QTest::newRow("amount with thousands point and sign")
        << int(F::Preis) << QStringLiteral("1.234,56 €") << 8 << "EUR1234.56";
    QTest::newRow("amount after EUR") << int(F::Preis) << "EUR 49,90" << 8 << "EUR49.90";
    QTest::newRow("C1 control in the creditor")
        << int(F::Name) << QStringLiteral("Bäckerei\u0085Müller") << 6 << QStringLiteral("Bäckerei Müller");
    QTest::newRow("DEL before the invoice number")
        << int(F::ReNummer) << QStringLiteral("\u007FRE 2024 17") << 11 << "RE 2024 17";
}

void TestPaymentWindows::codeTakesFieldsAsPrintedAndRecordKeepsThem()
{
    QFETCH(int, field);
    QFETCH(QString, typed);
    QFETCH(int, line);
    QFETCH(QString, paid);
    MainWindowDriver app;
    app.start({creditorA()});
    const QByteArray yearFile = app.yearFileBytes();
    app.field(F(field)).setText(typed);
    ShownCode shown;
    readQrWindow(app.doubles, shown);
    app.choose("QRCode1");
    QVERIFY(shown.decoded);
    QCOMPARE(QString::fromUtf8(*shown.decoded).split(u'\n').value(line - 1), paid);
    QCOMPARE(app.field(F(field)).text(), typed);
    QCOMPARE(app.yearFileBytes(), yearFile);
}

// Only a window filled without the command's checks can get there; it must not show an empty box.
void TestPaymentWindows::saysSoWhenThePayloadFitsNoSymbol()
{
    WindowDoubles doubles;
    TFormQR form;
    form.Payment = {QStringLiteral("BYLADEM1001"), QString(3000, u'F'), QStringLiteral("DE02120300000000202051"),
                    QStringLiteral("1"), QStringLiteral("R"), QString()};
    form.show();
    form.findChild<QPushButton *>(QStringLiteral("Button1"))->click();
    QVERIFY(form.QRCodeBitmap.isNull());
    const QImage box = form.findChild<QWidget *>(QStringLiteral("PaintBox1"))->grab().toImage();
    QVERIFY(box.pixelColor(0, 0) == Qt::white);
    bool hasText = false; // dark pixels of the message
    for (int y = 0; y < box.height() && !hasText; ++y)
        for (int x = 0; x < box.width() && !hasText; ++x)
            hasText = box.pixelColor(x, y).lightness() < 128;
    QVERIFY(hasText);
}

QTEST_MAIN(TestPaymentWindows)
#include "TestPaymentWindows.moc"
