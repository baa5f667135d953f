#include "PlatformDoubles.h"
#include "platform/AsciiCase.h"
#include "register/InvoiceLine.h"
#include "register/RecordSearch.h"
#include "register/RecordSession.h"
#include "register/YearList.h"

#include <QTest>

namespace {

QString record(const QString &creditor, const QString &status = QStringLiteral("Offen"))
{
    QStringList fields(InvoiceLine::kFieldCount);
    fields[InvoiceLine::Name] = creditor;
    fields[InvoiceLine::Email] = QStringLiteral("post@firma");
    fields[InvoiceLine::Land] = QStringLiteral("DE");
    fields[InvoiceLine::Status] = status;
    return InvoiceLine::join(fields);
}

} // namespace

class TestRecordSearch : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void matchesOnlyAtoZCaseless_data();
    void matchesOnlyAtoZCaseless();
    void sortComparisonFoldsToCapitals();
    void findsHitsInOrderAndEndsAtTheLastRecord();
    void missLeavesTheLastHit();
    void listChangesEndOnlyWhenPositionsMove();
    void blankListHasNoText();
    void yearListInNameOrder();

private:
    void load(const QStringList &lines);

    std::unique_ptr<PlatformDoubles> m_doubles;
    std::unique_ptr<RecordSession> m_session;
    std::unique_ptr<RecordSearch> m_search;
};

void TestRecordSearch::init()
{
    m_doubles = std::make_unique<PlatformDoubles>();
    m_session = std::make_unique<RecordSession>();
    m_search = std::make_unique<RecordSearch>(*m_session);
}

void TestRecordSearch::cleanup()
{
    m_search.reset();
    m_session.reset();
    m_doubles.reset();
}

void TestRecordSearch::load(const QStringList &lines)
{
    const QString path = m_doubles->places.putFile(QStringLiteral("2024rech.csv"),
                                                   (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toLatin1());
    m_session->setPath(path);
    QVERIFY(m_session->load().done());
}

void TestRecordSearch::matchesOnlyAtoZCaseless_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("term");
    QTest::addColumn<bool>("matches");
    QTest::newRow("capitals found by small letters") << "Stadtwerke ALPHA" << "alpha" << true;
    QTest::newRow("umlaut word, same case of the umlaut") << u"Bäckerei Müller"_qs << u"müller"_qs << true;
    QTest::newRow("capital umlaut is another letter") << u"BÄCKEREI MÜLLER"_qs << u"müller"_qs << false;
    QTest::newRow("separator is part of the line") << record("x") << "de;" << true;
    QTest::newRow("status is part of the line") << record("x") << "offen" << true;
    QTest::newRow("term at the very end") << "abc" << "bc" << true;
    QTest::newRow("term longer than the text") << "ab" << "abc" << false;
    QTest::newRow("partial match then the real one") << "aab" << "ab" << true;
}

void TestRecordSearch::matchesOnlyAtoZCaseless()
{
    QFETCH(QString, text);
    QFETCH(QString, term);
    QFETCH(bool, matches);
    QCOMPARE(AsciiCase::contains(text, AsciiCase::lowered(term)), matches);
}

void TestRecordSearch::sortComparisonFoldsToCapitals()
{
    // Letters compare as capitals, so "_" (after "Z", before "a") sorts after every letter.
    QVERIFY(AsciiCase::compare(u"a", u"_") < 0);
    QVERIFY(AsciiCase::compare(u"abc", u"ABD") < 0);
    QCOMPARE(AsciiCase::compare(u"Abc", u"aBC"), 0);
    QVERIFY(AsciiCase::compare(u"ab", u"abc") < 0);
    QVERIFY(AsciiCase::compare(u"100,00", u"20,00") < 0);
    QVERIFY(AsciiCase::compare(u"z", u"ä") < 0);
}

void TestRecordSearch::findsHitsInOrderAndEndsAtTheLastRecord()
{
    load({record("Alpha"), record("Beta"), record("Alphabet")});
    m_search->restart(QStringLiteral("alpha"));
    QCOMPARE(m_search->findFirst(), std::optional<qsizetype>(0));
    m_search->acceptHit(0);
    QVERIFY(m_search->canContinue());
    QCOMPARE(m_search->findNext(), std::optional<qsizetype>(2));
    m_search->acceptHit(2);
    QVERIFY(!m_search->canContinue());
}

void TestRecordSearch::missLeavesTheLastHit()
{
    load({record("Alpha"), record("Beta"), record("Gamma")});
    m_search->restart(QStringLiteral("alpha"));
    m_search->acceptHit(*m_search->findFirst());
    QCOMPARE(m_search->findNext(), std::nullopt);
    QCOMPARE(m_search->lastHit(), 0);
    QVERIFY(m_search->canContinue());
}

void TestRecordSearch::listChangesEndOnlyWhenPositionsMove()
{
    load({record("Alpha"), record("Beta"), record("Alphabet")});
    m_search->restart(QStringLiteral("alpha"));
    m_search->acceptHit(0);
    m_session->moveTo(0);
    QVERIFY(m_session->store(InvoiceLine::split(record("Alpha neu"))).done());
    m_session->startNew();
    QVERIFY(m_session->store(InvoiceLine::split(record("Delta"))).done());
    QVERIFY(m_search->canContinue());

    m_session->moveTo(1);
    QVERIFY(m_session->removeCurrent().done());
    QCOMPARE(m_search->lastHit(), -1);
    QVERIFY(m_search->term().isEmpty());

    m_search->restart(QStringLiteral("alpha"));
    m_search->acceptHit(0);
    load({record("Alpha"), record("Beta")});
    QCOMPARE(m_search->lastHit(), -1);
}

void TestRecordSearch::blankListHasNoText()
{
    QVERIFY(!m_search->hasText());
    load({QStringLiteral("  "), QString()});
    QCOMPARE(m_session->count(), 2);
    QVERIFY(!m_search->hasText());
    load({QString(), QStringLiteral("x")});
    QVERIFY(m_search->hasText());
}

void TestRecordSearch::yearListInNameOrder()
{
    for (const char *name : {"2024rech.csv", "2023RECH.CSV", "notes.csv", "2023rech.csv.bak", "Ab.csv", "2023x.csv"})
        m_doubles->places.putFile(QLatin1String(name), "x");
    const QString folder = m_doubles->places.dataFolder();
    QCOMPARE(YearList::inFolder(folder, QStringLiteral("2024")),
             (QStringList{"2023", "2023", "2024", "Ab.c", "note"}));
    QCOMPARE(YearList::inFolder(folder, QStringLiteral("2025")),
             (QStringList{"2023", "2023", "2024", "2025", "Ab.c", "note"}));
}

QTEST_GUILESS_MAIN(TestRecordSearch)
#include "TestRecordSearch.moc"
