#include "PlatformDoubles.h"
#include "register/InvoiceLine.h"
#include "register/InvoiceListModel.h"
#include "register/ListTotal.h"
#include "register/RecordSession.h"

#include <QTest>

namespace {

const QDate kToday(2024, 3, 15);

QString record(const QString &article, const QString &due, const QString &status, const QString &amount = {})
{
    QStringList fields(InvoiceLine::kFieldCount);
    fields[InvoiceLine::Artikel] = article;
    fields[InvoiceLine::Ende] = due;
    fields[InvoiceLine::Preis] = amount;
    fields[InvoiceLine::Name] = QStringLiteral("Firma ") + article;
    fields[InvoiceLine::Status] = status;
    return fields.join(QLatin1Char(';'));
}

} // namespace

class TestInvoiceList : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void buildsTheRowsOfEachList_data();
    void buildsTheRowsOfEachList();
    void cellsAsStoredAndShortLinesEmpty();
    void listOfAllWithoutYearFileIsEmpty();
    void totalIsExactToTheCent_data();
    void totalIsExactToTheCent();
    void sortsByKindAndDirection_data();
    void sortsByKindAndDirection();
    void searchFindsFirstRowInShownOrder();
    void changedRecordListDropsTheRows();

private:
    void load(const QStringList &lines);
    QStringList column(int column) const;

    std::unique_ptr<PlatformDoubles> m_doubles;
    std::unique_ptr<RecordSession> m_session;
    std::unique_ptr<InvoiceListModel> m_model;
};

void TestInvoiceList::init()
{
    m_doubles = std::make_unique<PlatformDoubles>();
    m_session = std::make_unique<RecordSession>();
    m_model = std::make_unique<InvoiceListModel>(*m_session);
}

void TestInvoiceList::cleanup()
{
    m_model.reset();
    m_session.reset();
    m_doubles.reset();
}

void TestInvoiceList::load(const QStringList &lines)
{
    QByteArray bytes;
    for (const QString &line : lines)
        bytes += line.toLatin1() + "\r\n";
    m_session->setPath(m_doubles->places.putFile(QStringLiteral("2024rech.csv"), bytes));
    QVERIFY(m_session->load().done());
}

QStringList TestInvoiceList::column(int column) const
{
    QStringList texts;
    for (int row = 0; row < m_model->rowCount(); ++row)
        texts.append(m_model->cellText(row, column));
    return texts;
}

void TestInvoiceList::buildsTheRowsOfEachList_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QStringList>("numbers");
    QTest::addColumn<QList<qsizetype>>("records");
    using Kind = InvoiceListModel::Kind;
    QTest::newRow("all: position + 1") << int(Kind::All) << QStringList{"1", "2", "3", "4", "5", "6", "7", "8"}
                                       << QList<qsizetype>{0, 1, 2, 3, 4, 5, 6, 7};
    QTest::newRow("due: before today, status not paid") << int(Kind::Due) << QStringList{"0", "2", "7"}
                                                         << QList<qsizetype>{0, 2, 7};
    QTest::newRow("open: status not exactly paid") << int(Kind::Open) << QStringList{"0", "2", "3", "4", "5", "7"}
                                                   << QList<qsizetype>{0, 2, 3, 4, 5, 7};
}

void TestInvoiceList::buildsTheRowsOfEachList()
{
    QFETCH(int, kind);
    QFETCH(QStringList, numbers);
    QFETCH(QList<qsizetype>, records);
    load({record("gestern", "14.03.2024", "Offen"), record("bezahlt", "01.01.2024", "Bezahlt"),
          record("ohne Status", "1.3.2024", ""), record("heute", "15.03.2024", "Offen"),
          record("kein Datum", "bald", "Offen"), record("uralt", "30.12.1899", "Offen"),
          record("bezahlt mit Blank", "01.01.2024", " Bezahlt "), QStringLiteral("kurz;;;;01.01.2024")});
    m_model->build(InvoiceListModel::Kind(kind), kToday);
    QCOMPARE(column(InvoiceListModel::Number), numbers);
    QList<qsizetype> taken;
    for (const QString &number : numbers)
        taken.append(m_model->recordIndexOf(number.toInt()));
    QCOMPARE(taken, records);
}

void TestInvoiceList::cellsAsStoredAndShortLinesEmpty()
{
    load({QStringLiteral("T;01.02.2024; 12,50 ;30;03.03.2024;RE-1; Strom ;Werke;m;w;p;c;s;DE;t;f;i;b;k;h;Offen"),
          QStringLiteral("a;b")});
    m_model->build(InvoiceListModel::Kind::All, kToday);
    QStringList first;
    QStringList second;
    for (int c = 0; c < InvoiceListModel::kColumnCount; ++c) {
        first.append(m_model->cellText(0, c));
        second.append(m_model->cellText(1, c));
    }
    QCOMPARE(first, (QStringList{"", "1", " Strom ", "03.03.2024", "RE-1", " 12,50 ", "Werke"}));
    QCOMPARE(second, (QStringList{"", "2", "", "", "", "", ""}));
    QCOMPARE(m_model->headerData(InvoiceListModel::Amount, Qt::Horizontal, Qt::DisplayRole).toString(),
             QStringLiteral("Betrag   "));
}

void TestInvoiceList::listOfAllWithoutYearFileIsEmpty()
{
    load({record("a", "", "Offen")});
    QVERIFY(QFile::remove(m_session->path()));
    m_model->build(InvoiceListModel::Kind::All, kToday);
    QCOMPARE(m_model->rowCount(), 0);
    m_model->build(InvoiceListModel::Kind::Open, kToday);
    QCOMPARE(m_model->rowCount(), 1);
}

void TestInvoiceList::totalIsExactToTheCent_data()
{
    QTest::addColumn<QStringList>("amounts");
    QTest::addColumn<QString>("total");
    QTest::newRow("unreadable left out") << QStringList{"12,50", "7,5", "abc"} << "20,00";
    QTest::newRow("hundred times ten cents") << QStringList(100, "0,10") << "10,00";
    QTest::newRow("binary fractions round wrong") << QStringList{"1,005", "0,01"} << "1,02";
    QTest::newRow("negative amounts") << QStringList{"-5,25", "3", "+1,2"} << "-1,05";
    QTest::newRow("small negative rounds to zero") << QStringList{"-0,004"} << "0,00";
    QTest::newRow("no thousands, no point, no currency")
        << QStringList{"1.234,50", "1 234", "12 EUR", "12,5,0", ",", "-", "1e3"} << "0,00";
    QTest::newRow("blanks around, bare fraction, large") << QStringList{" 2,5 ", ",5", "99999999999999,99"}
                                                         << "100000000000002,99";
    QTest::newRow("nothing") << QStringList() << "0,00";
    QTest::newRow("leading zeros are no digits of the limit")
        << QStringList{"0000000000000000000001", "-00000000000000000000000,50", "123456789012345678901"} << "0,50";
    QTest::newRow("digits past the ninth decimal move the cent")
        << QStringList{"0,0024999999995", "0,0025000000005"} << "0,01";
    QTest::newRow("rounded once, not per amount") << QStringList{"0,004", "0,004"} << "0,01";
    QTest::newRow("negative total decided past the ninth decimal")
        << QStringList{"-0,0050000000000000000001", "-0,004999999999999999999999", "-0,0050000000000000000001"}
        << "-0,02";
    QTest::newRow("just below half of a cent") << QStringList{"0,00499999999999999999999999"} << "0,00";
}

void TestInvoiceList::totalIsExactToTheCent()
{
    QFETCH(QStringList, amounts);
    QFETCH(QString, total);
    ListTotal sum;
    for (const QString &amount : amounts)
        sum.add(amount);
    QCOMPARE(sum.text(), total);
}

void TestInvoiceList::sortsByKindAndDirection_data()
{
    QTest::addColumn<QList<int>>("clicks");
    QTest::addColumn<int>("shown");
    QTest::addColumn<QStringList>("order");
    using M = InvoiceListModel;
    QTest::newRow("amount in text order") << QList<int>{M::Amount} << int(M::Amount)
                                          << QStringList{"100,00", "12,50", "20,00", "7,5", "abc", "abc"};
    QTest::newRow("due date ascending, unreadable first and stable")
        << QList<int>{M::DueDate} << int(M::Number) << QStringList{"3", "6", "5", "4", "1", "2"};
    QTest::newRow("due date twice: descending, ties kept")
        << QList<int>{M::DueDate, M::DueDate} << int(M::Number) << QStringList{"1", "2", "4", "5", "3", "6"};
    QTest::newRow("article folds a to z only") << QList<int>{M::Article} << int(M::Article)
                                               << QStringList{"apfel", "Birne", "birne", "Zander", "_x", u"Äpfel"_qs};
    QTest::newRow("another column starts ascending") << QList<int>{M::Article, M::Amount} << int(M::Amount)
                                                     << QStringList{"100,00", "12,50", "20,00", "7,5", "abc", "abc"};
    QTest::newRow("number after date") << QList<int>{M::DueDate, M::Number} << int(M::Number)
                                       << QStringList{"1", "2", "3", "4", "5", "6"};
    QTest::newRow("number twice: descending") << QList<int>{M::DueDate, M::Number, M::Number} << int(M::Number)
                                              << QStringList{"6", "5", "4", "3", "2", "1"};
}

void TestInvoiceList::sortsByKindAndDirection()
{
    QFETCH(QList<int>, clicks);
    QFETCH(int, shown);
    QFETCH(QStringList, order);
    load({record("Birne", "01.03.2024", "Offen", "12,50"), record("apfel", "1.3.2024", "Offen", "7,5"),
          record(u"Äpfel"_qs, "", "Offen", "100,00"), record("Zander", "28.02.2024", "Offen", "abc"),
          record("birne", "31.12.23", "Offen", "20,00"), record("_x", "bald", "Offen", "abc")});
    m_model->build(InvoiceListModel::Kind::All, kToday);
    m_model->resetDirection();
    for (const int column : clicks)
        m_model->headerClicked(column);
    QCOMPARE(column(shown), order);
}

void TestInvoiceList::searchFindsFirstRowInShownOrder()
{
    load({record("Strom", "01.03.2024", "Offen", "10"), record("Gas", "", "Offen", "20"),
          record("STROM Nachzahlung", "", "Offen", "30")});
    m_model->build(InvoiceListModel::Kind::All, kToday);
    QCOMPARE(m_model->find(QStringLiteral("strom")), std::optional<int>(0));
    QCOMPARE(m_model->find(QStringLiteral("m;01.03")), std::optional<int>(0)); // cells joined by ";"
    QCOMPARE(m_model->find(QStringLiteral("offen")), std::nullopt);             // the status is no column
    QCOMPARE(m_model->find(QStringLiteral("1")), std::optional<int>(0));
    m_model->resetDirection();
    m_model->headerClicked(InvoiceListModel::Amount);
    m_model->headerClicked(InvoiceListModel::Amount);
    QCOMPARE(m_model->find(QStringLiteral("strom")), std::optional<int>(0));
    QCOMPARE(m_model->cellText(0, InvoiceListModel::Number), QStringLiteral("3"));
}

void TestInvoiceList::changedRecordListDropsTheRows()
{
    load({record("a", "", "Offen"), record("b", "", "Offen")});
    m_model->build(InvoiceListModel::Kind::All, kToday);
    m_session->moveTo(0);
    QVERIFY(m_session->removeCurrent().done());
    QCOMPARE(m_model->rowCount(), 0);
}

QTEST_GUILESS_MAIN(TestInvoiceList)
#include "TestInvoiceList.moc"
