// The invoice list of a 100,000-record year: building it with its total and sorting it, against a plain
// sort of the same date keys; and "Suchen" for a term no record holds, against testing every line with
// Qt's case-insensitive contains.
#include "PlatformDoubles.h"
#include "RatioReporter.h"
#include "platform/Regional.h"
#include "register/InvoiceListModel.h"
#include "register/RecordSearch.h"
#include "register/RecordSession.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

constexpr int kRecords = 100000;
const QDate kToday(2024, 3, 15);
const QString kMissingTerm = QStringLiteral("kommt nirgends vor");

// Due dates spread over two years and amounts of every size, so the sorts have real work to do.
QByteArray generatedYearFile()
{
    QByteArray bytes;
    bytes.reserve(kRecords * 220);
    for (int i = 0; i < kRecords; ++i) {
        const QDate due = kToday.addDays(qint64(i) * 7919 % 730 - 365);
        const QByteArray amount
            = QByteArray::number(qint64(i) * 104729 % 100000) + "," + QByteArray::number(10 + i % 90);
        bytes += "Strom Abschlag " + QByteArray::number(i) + ";05.01.2024;" + amount + ";14;"
            + Regional::formatDate(due).toLatin1() + ";R-" + QByteArray::number(100000 + i)
            + ";Abschlag f\xFCr M\xE4rz;Stadtwerke M\xFCnchen " + QByteArray::number(i % 500)
            + ";info@swm.de;www.swm.de;80331;M\xFCnchen;Hauptstra\xDF"
              "e;DE;089 1234567;089 1234568;"
              "DE02 1203 0000 0000 2020 51;BYLADEM1001;K-"
            + QByteArray::number(i) + ";12a;" + (i % 3 ? "Offen" : "Bezahlt") + "\r\n";
    }
    return bytes;
}

struct Fixture {
    PlatformDoubles doubles;
    RecordSession session;
    InvoiceListModel model{session};
    RecordSearch search{session};

    Fixture()
    {
        session.setPath(doubles.places.putFile(QStringLiteral("2024rech.csv"), generatedYearFile()));
        session.load();
    }
};

// Lives in main(), so it goes before the application object does.
Fixture *g_fixture = nullptr;

void BuildAllWithTotal(benchmark::State &state)
{
    for (auto _ : state) {
        g_fixture->model.build(InvoiceListModel::Kind::All, kToday);
        benchmark::DoNotOptimize(g_fixture->model.total());
    }
}

// Each round sorts the rows from record order, as the first click after opening does.
void sortFromRecordOrder(benchmark::State &state, InvoiceListModel::Column column)
{
    InvoiceListModel &model = g_fixture->model;
    for (auto _ : state) {
        state.PauseTiming();
        model.build(InvoiceListModel::Kind::All, kToday);
        model.resetDirection();
        state.ResumeTiming();
        model.headerClicked(column);
    }
}

void SortByDueDate(benchmark::State &state)
{
    sortFromRecordOrder(state, InvoiceListModel::DueDate);
}

void SortByAmount(benchmark::State &state)
{
    sortFromRecordOrder(state, InvoiceListModel::Amount);
}

void FloorSortDateKeys(benchmark::State &state)
{
    std::vector<qint64> keys;
    for (const QString &line : g_fixture->session.lines())
        keys.push_back(Regional::readDate(line.section(QLatin1Char(';'), 4, 4), kToday).toJulianDay());
    for (auto _ : state) {
        state.PauseTiming();
        std::vector<qint64> unsorted = keys;
        state.ResumeTiming();
        std::sort(unsorted.begin(), unsorted.end());
        benchmark::DoNotOptimize(unsorted.data());
    }
}

void SearchMissing(benchmark::State &state)
{
    for (auto _ : state) {
        g_fixture->search.restart(kMissingTerm);
        benchmark::DoNotOptimize(g_fixture->search.findFirst());
    }
}

void FloorContains(benchmark::State &state)
{
    for (auto _ : state) {
        qsizetype hits = 0;
        for (const QString &line : g_fixture->session.lines())
            hits += line.contains(kMissingTerm, Qt::CaseInsensitive);
        benchmark::DoNotOptimize(hits);
    }
}

BENCHMARK(BuildAllWithTotal)->Unit(benchmark::kMillisecond);
BENCHMARK(SortByDueDate)->Unit(benchmark::kMillisecond);
BENCHMARK(SortByAmount)->Unit(benchmark::kMillisecond);
BENCHMARK(FloorSortDateKeys)->Unit(benchmark::kMillisecond);
BENCHMARK(SearchMissing)->Unit(benchmark::kMillisecond);
BENCHMARK(FloorContains)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    Fixture instance;
    g_fixture = &instance;
    return runBenchmarksWithRatios(argc, argv,
                                   {{"SortByDueDate", "FloorSortDateKeys"},
                                    {"SortByAmount", "FloorSortDateKeys"},
                                    {"BuildAllWithTotal", "FloorSortDateKeys"},
                                    {"SearchMissing", "FloorContains"}});
}
