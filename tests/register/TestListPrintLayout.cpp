#include "register/ListPrintLayout.h"

#include <QTest>

namespace {

// 200 device pixels to the centimetre either way: 21 cm by 28.215 cm of paper, 0.25 cm unprintable.
const PageMetrics kPage{4100, 5543, 50, 50};
const QList<int> kScreenWidths{5, 35, 190, 100, 100, 80, 200};
constexpr int kLineHeight = 113; // 40 rows on a page

} // namespace

class TestListPrintLayout : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void columnsInProportionToTheScreen();
    void hundredRowsOnThreePages();
    void framePositions();
    void pagesThatCannotHoldALineStillEnd_data();
    void pagesThatCannotHoldALineStillEnd();
};

void TestListPrintLayout::columnsInProportionToTheScreen()
{
    const ListPrintLayout layout(kPage, kScreenWidths, kLineHeight, 1);
    QCOMPARE(layout.cmX(), 200.0);
    QCOMPARE(layout.cmY(), 200.0);
    QCOMPARE(layout.boundaries(), (QList<int>{300, 325, 498, 1435, 1928, 2421, 2815, 3801}));
    QList<int> widened = kScreenWidths;
    widened[6] = 510; // the last column takes as much as all the others together
    QCOMPARE(ListPrintLayout(kPage, widened, kLineHeight, 1).boundaries().mid(6),
             (QList<int>{300 + 1750, 3800}));
}

void TestListPrintLayout::hundredRowsOnThreePages()
{
    const ListPrintLayout layout(kPage, kScreenWidths, kLineHeight, 100);
    QCOMPARE(layout.rowsPerPage(), 40);
    QCOMPARE(layout.pageCount(), 3);
    QCOMPARE((QList<int>{layout.pageOfRow(39), layout.pageOfRow(40), layout.pageOfRow(99)}), (QList<int>{1, 2, 3}));
    QCOMPARE(layout.rowsOnPage(3), 20);
    QCOMPARE((QList<int>{layout.rowTop(0), layout.rowTop(40), layout.rowTop(99)}), (QList<int>{613, 613, 2760}));

    const ListPrintLayout::Rules full = layout.rulesOfPage(1);
    QCOMPARE(full.xs, (QList<int>{325, 498, 1435, 1928, 2421, 2815}));
    QCOMPARE(full.top, 500);
    QCOMPARE(full.bottom, 500 + 41 * kLineHeight);
    const ListPrintLayout::Rules last = layout.rulesOfPage(3);
    QCOMPARE(last.xs, (QList<int>{498, 1435, 1928, 2421, 2815})); // no rule at X[1]
    QCOMPARE(last.bottom, layout.rowTop(99) + 2 * kLineHeight);   // one line below the last row
}

void TestListPrintLayout::framePositions()
{
    const ListPrintLayout layout(kPage, kScreenWidths, kLineHeight, 1);
    QCOMPARE(layout.headerRule(), QLine(280, 603, 3821, 603));
    QCOMPARE(layout.captionTop(), 480);
    QCOMPARE(layout.cellRect(6, 613), QRect(QPoint(2835, 613), QPoint(3780, 725)));
    // Ends 1.5 cm before the right edge; an odd width loses its last pixel to the halving.
    QCOMPARE(layout.pageLineRect(301, 50), QRect(3500, 100, 301, 50));
    QCOMPARE(ListPrintLayout::pageLine(QDate(2024, 3, 5), 2, 3), QStringLiteral("Date: 05.03.2024 Page: 2 / 3"));
}

void TestListPrintLayout::pagesThatCannotHoldALineStillEnd_data()
{
    QTest::addColumn<int>("printableHeight");
    QTest::addColumn<int>("lineHeight");
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("rowsPerPage");
    QTest::addColumn<int>("pages");
    QTest::newRow("less than 5 cm high") << 20 << kLineHeight << 3 << 1 << 3;
    QTest::newRow("font of no height") << 5543 << 0 << 3 << 4543 << 1;
    QTest::newRow("no rows: one page") << 5543 << kLineHeight << 0 << 40 << 1;
}

void TestListPrintLayout::pagesThatCannotHoldALineStillEnd()
{
    QFETCH(int, printableHeight);
    QFETCH(int, lineHeight);
    QFETCH(int, rows);
    QFETCH(int, rowsPerPage);
    QFETCH(int, pages);
    const PageMetrics page{kPage.printableWidth, printableHeight, kPage.offsetLeft, kPage.offsetTop};
    const ListPrintLayout layout(page, kScreenWidths, lineHeight, rows);
    QCOMPARE(layout.rowsPerPage(), rowsPerPage);
    QCOMPARE(layout.pageCount(), pages);
}

QTEST_GUILESS_MAIN(TestListPrintLayout)
#include "TestListPrintLayout.moc"
