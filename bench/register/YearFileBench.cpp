// Load and Store of a 100,000-record year file through the record session, against the least any text
// load and save does.
#include "GeneratedYear.h"
#include "PlatformDoubles.h"
#include "RatioReporter.h"
#include "register/InvoiceLine.h"
#include "register/RecordSession.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>
#include <QStringTokenizer>

namespace {

struct Fixture {
    PlatformDoubles doubles;
    QString path;
    RecordSession session;

    Fixture()
        : path(doubles.places.putFile(QStringLiteral("2024rech.csv"), generatedYearFile()))
    {
        session.setPath(path);
    }
};

// Lives in main(), so it goes before the application object does.
Fixture *g_fixture = nullptr;

Fixture &fixture()
{
    return *g_fixture;
}

void Load(benchmark::State &state)
{
    Fixture &f = fixture();
    for (auto _ : state) {
        f.session.load();
        benchmark::DoNotOptimize(InvoiceLine::split(f.session.currentLine()));
    }
    state.SetLabel(std::to_string(QFile(f.path).size() / 1000000) + " MB");
}

void FloorRead(benchmark::State &state)
{
    Fixture &f = fixture();
    for (auto _ : state)
        benchmark::DoNotOptimize(floorReadLines(f.path));
}

void Store(benchmark::State &state)
{
    Fixture &f = fixture();
    f.session.load();
    QStringList fields = InvoiceLine::split(f.session.currentLine());
    fields[InvoiceLine::Title] = QStringLiteral("Strom");
    for (auto _ : state)
        f.session.store(fields);
}

// Encode every line with Qt's own single-byte encoder into one buffer and save it atomically.
void FloorWrite(benchmark::State &state)
{
    Fixture &f = fixture();
    f.session.load();
    const QStringList &lines = f.session.lines();
    for (auto _ : state) {
        QByteArray bytes;
        bytes.reserve(QFile(f.path).size());
        for (const QString &line : lines) {
            bytes += line.toLatin1();
            bytes += "\r\n";
        }
        QSaveFile file(f.path);
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
        file.commit();
    }
}

BENCHMARK(Load)->Unit(benchmark::kMillisecond);
BENCHMARK(FloorRead)->Unit(benchmark::kMillisecond);
BENCHMARK(Store)->Unit(benchmark::kMillisecond);
BENCHMARK(FloorWrite)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    Fixture instance;
    g_fixture = &instance;
    return runBenchmarksWithRatios(argc, argv, {{"Load", "FloorRead"}, {"Store", "FloorWrite"}});
}
