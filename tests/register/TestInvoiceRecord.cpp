#include "PlatformDoubles.h"
#include "register/DueDate.h"
#include "register/InvoiceFile.h"
#include "register/InvoiceLine.h"
#include "register/TypedKey.h"

#include <QTest>

class TestInvoiceRecord : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void splitsFields_data();
    void splitsFields();
    void joinedFieldsReadBackUnchanged_data();
    void joinedFieldsReadBackUnchanged();
    void keepsTheEncodingItReadIn_data();
    void keepsTheEncodingItReadIn();
    void newFileIsWrittenInCodePage();
    void cutsLongLinesForUse();
    void reportsWriteFailureWithFileName();
    void computesDueDate_data();
    void computesDueDate();
    void tellsOverdue_data();
    void tellsOverdue();
    void tellsTypedCharacters_data();
    void tellsTypedCharacters();
};

void TestInvoiceRecord::splitsFields_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QStringList>("fields");
    QTest::newRow("empty line") << "" << QStringList();
    QTest::newRow("two fields") << "a;b" << QStringList{"a", "b"};
    QTest::newRow("trailing separator") << "a;" << QStringList{"a", ""};
    QTest::newRow("only separators") << ";;" << QStringList{"", "", ""};
    QTest::newRow("blanks kept") << " a ; b" << QStringList{" a ", " b"};
    QTest::newRow("quoted separator") << "\"x;y\";z" << QStringList{"x;y", "z"};
    QTest::newRow("doubled quote") << "\"say \"\"hi\"\"\"" << QStringList{"say \"hi\""};
    QTest::newRow("unclosed quote") << "\"abc;def" << QStringList{"abc;def"};
    QTest::newRow("text after closing quote") << "\"a\"b;c" << QStringList{"a", "b", "c"};
    QTest::newRow("quoted last field, trailing separator") << "\"a\";" << QStringList{"a", ""};
    QTest::newRow("quote inside a field") << "a\"b;c" << QStringList{"a\"b", "c"};
}

void TestInvoiceRecord::splitsFields()
{
    QFETCH(QString, line);
    QFETCH(QStringList, fields);
    QCOMPARE(InvoiceLine::split(line), fields);
}

void TestInvoiceRecord::joinedFieldsReadBackUnchanged_data()
{
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QString>("line");
    QTest::newRow("plain") << QStringList{"Strom", "", "Stadtwerke"} << "Strom;;Stadtwerke";
    QTest::newRow("separator inside") << QStringList{"x;y", "z"} << "\"x;y\";z";
    QTest::newRow("leading quote") << QStringList{"\"Zitat\" GmbH"} << "\"\"\"Zitat\"\" GmbH\"";
    QTest::newRow("inner quote only") << QStringList{"a\"b"} << "a\"b";
}

void TestInvoiceRecord::joinedFieldsReadBackUnchanged()
{
    QFETCH(QStringList, fields);
    QFETCH(QString, line);
    QCOMPARE(InvoiceLine::join(fields), line);
    QCOMPARE(InvoiceLine::split(line), fields);
}

void TestInvoiceRecord::keepsTheEncodingItReadIn_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QByteArray>("written");
    const QByteArray codePage("M\xE4rz;B\xFCro\r\nx\r\n");
    const QByteArray utf8("\xEF\xBB\xBFM\xC3\xA4rz\r\n");
    const QByteArray utf16le("\xFF\xFEM\0\xE4\0\r\0\n\0", 10);
    const QByteArray utf16be("\xFE\xFF\0M\0\xE4\0\r\0\n", 10);
    QTest::newRow("code page, umlaut one byte") << codePage << codePage;
    QTest::newRow("code page, no final break, lone LF") << QByteArray("a\nb") << QByteArray("a\r\nb\r\n");
    QTest::newRow("UTF-8 with mark") << utf8 << utf8;
    QTest::newRow("UTF-8 with mark, no final break") << utf8.chopped(2) << utf8;
    QTest::newRow("UTF-16 LE with mark") << utf16le << utf16le;
    QTest::newRow("UTF-16 BE with mark") << utf16be << utf16be;
}

void TestInvoiceRecord::keepsTheEncodingItReadIn()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QByteArray, written);
    PlatformDoubles doubles;
    InvoiceFile file;
    file.setPath(doubles.places.putFile(QStringLiteral("2024rech.csv"), bytes));
    QVERIFY(file.load().isEmpty());
    QVERIFY(file.write().isEmpty());
    QCOMPARE(doubles.places.fileBytes(QStringLiteral("2024rech.csv")), written);
}

void TestInvoiceRecord::newFileIsWrittenInCodePage()
{
    PlatformDoubles doubles;
    doubles.places.putFile(QStringLiteral("2023rech.csv"), "\xEF\xBB\xBFx\r\n");
    InvoiceFile file;
    file.setPath(doubles.places.dataFolder() + QStringLiteral("2023rech.csv"));
    QVERIFY(file.load().isEmpty());
    file.setPath(InvoiceFile::pathFor(doubles.places.dataFolder(), QStringLiteral("2024")));
    QVERIFY(file.load().isEmpty());
    QCOMPARE(file.count(), 0);
    file.lines().append(u"Bäcker"_qs);
    QVERIFY(file.write().isEmpty());
    QCOMPARE(doubles.places.fileBytes(QStringLiteral("2024rech.csv")), QByteArray("B\xE4" "cker\r\n"));
}

void TestInvoiceRecord::cutsLongLinesForUse()
{
    InvoiceFile file;
    file.lines() = {QString(5000, QLatin1Char('x')), QStringLiteral("kurz")};
    QCOMPARE(file.lineForUse(0).size(), InvoiceLine::kMaxUsedLength);
    QCOMPARE(file.lineForUse(1), QStringLiteral("kurz"));
    QCOMPARE(file.lineForUse(2), QString());
    QCOMPARE(file.lines()[0].size(), 5000);
}

void TestInvoiceRecord::reportsWriteFailureWithFileName()
{
    PlatformDoubles doubles;
    InvoiceFile file;
    file.setPath(doubles.places.dataFolder() + QStringLiteral("fehlt/2024rech.csv"));
    const QString message = file.write();
    QVERIFY2(message.startsWith(QStringLiteral("Datei \"%1\" kann nicht erstellt werden. ").arg(file.path())),
             qPrintable(message));
    QVERIFY(message.size() > file.path().size() + 36);
}

void TestInvoiceRecord::computesDueDate_data()
{
    QTest::addColumn<QString>("invoiceDate");
    QTest::addColumn<QString>("term");
    QTest::addColumn<QString>("due"); // a date, or the error notice
    const QString dateError = DueDate::messageFor(DueDate::Error::InvoiceDate);
    const QString termError = DueDate::messageFor(DueDate::Error::Term);
    QTest::newRow("over month end into leap day") << "31.01.2024" << "30" << "01.03.2024";
    QTest::newRow("negative term") << "31.01.2024" << "-5" << "26.01.2024";
    QTest::newRow("plus sign") << "31.12.2024" << "+1" << "01.01.2025";
    QTest::newRow("beyond year 9999") << "31.01.2024" << "3000000" << termError;
    QTest::newRow("last day of year 9999") << "31.12.9998" << "365" << "31.12.9999";
    QTest::newRow("before 1900") << "01.01.1900" << "-1" << termError;
    QTest::newRow("zero") << "5.3.2024" << "0" << "05.03.2024";
    QTest::newRow("term with word") << "31.01.2024" << "14 Tage" << termError;
    QTest::newRow("decimal term") << "31.01.2024" << "1,5" << termError;
    QTest::newRow("bad date wins over bad term") << "31.02.2024" << "x" << dateError;
}

void TestInvoiceRecord::computesDueDate()
{
    QFETCH(QString, invoiceDate);
    QFETCH(QString, term);
    QFETCH(QString, due);
    const auto result = DueDate::compute(invoiceDate, term, QDate(2024, 3, 15));
    if (const auto *error = std::get_if<DueDate::Error>(&result))
        QCOMPARE(DueDate::messageFor(*error), due);
    else
        QCOMPARE(std::get<QDate>(result).toString(QStringLiteral("dd.MM.yyyy")), due);
}

void TestInvoiceRecord::tellsOverdue_data()
{
    QTest::addColumn<QDate>("dueDate");
    QTest::addColumn<QString>("status");
    QTest::addColumn<bool>("overdue");
    QTest::newRow("yesterday, open") << QDate(2024, 3, 14) << "Offen" << true;
    QTest::newRow("today, open") << QDate(2024, 3, 15) << "Offen" << false;
    QTest::newRow("yesterday, paid") << QDate(2024, 3, 14) << "Bezahlt" << false;
    QTest::newRow("yesterday, other status") << QDate(2024, 3, 14) << "offen" << false;
    QTest::newRow("30.12.1899, open") << QDate(1899, 12, 30) << "Offen" << false;
    QTest::newRow("31.12.1899, open") << QDate(1899, 12, 31) << "Offen" << true;
    QTest::newRow("no date") << QDate() << "Offen" << false;
}

void TestInvoiceRecord::tellsOverdue()
{
    QFETCH(QDate, dueDate);
    QFETCH(QString, status);
    QFETCH(bool, overdue);
    QCOMPARE(DueDate::isOverdue(dueDate, status, QDate(2024, 3, 15)), overdue);
}

void TestInvoiceRecord::tellsTypedCharacters_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("produces");
    QTest::newRow("letter") << int(Qt::Key_A) << 0 << "a" << true;
    QTest::newRow("capital") << int(Qt::Key_A) << int(Qt::ShiftModifier) << "A" << true;
    QTest::newRow("umlaut") << int(Qt::Key_Adiaeresis) << 0 << u"ä"_qs << true;
    QTest::newRow("digit") << int(Qt::Key_5) << 0 << "5" << true;
    QTest::newRow("blank") << int(Qt::Key_Space) << 0 << " " << true;
    QTest::newRow("backspace") << int(Qt::Key_Backspace) << 0 << "\b" << true;
    QTest::newRow("enter") << int(Qt::Key_Return) << 0 << "\r" << true;
    QTest::newRow("Ctrl+V") << int(Qt::Key_V) << int(Qt::ControlModifier) << "" << true;
    QTest::newRow("Ctrl+F is the search") << int(Qt::Key_F) << int(Qt::ControlModifier) << "" << false;
    QTest::newRow("delete") << int(Qt::Key_Delete) << 0 << "\x7f" << false;
    QTest::newRow("arrow") << int(Qt::Key_Left) << 0 << "" << false;
    QTest::newRow("F3") << int(Qt::Key_F3) << 0 << "" << false;
    QTest::newRow("escape") << int(Qt::Key_Escape) << 0 << "\x1b" << false;
    QTest::newRow("Alt+letter") << int(Qt::Key_X) << int(Qt::AltModifier) << "x" << false;
}

void TestInvoiceRecord::tellsTypedCharacters()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, text);
    QFETCH(bool, produces);
    QCOMPARE(TypedKey::producesCharacter(key, Qt::KeyboardModifiers(modifiers), text), produces);
}

QTEST_GUILESS_MAIN(TestInvoiceRecord)
#include "TestInvoiceRecord.moc"
