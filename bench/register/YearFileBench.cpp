// Load and Store of a 100,000-record year file through the record session, against the least any text
// load and save does.
#include "PlatformDoubles.h"
#include "RatioReporter.h"
#include "register/InvoiceLine.h"
#include "register/RecordSession.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>
#include <QStringTokenizer>

namespace {

constexpr int kRecords = 100000;

QByteArray generatedYearFile()
{
    QByteArray bytes;
    bytes.reserve(kRecords * 220);
    for (int i = 0; i < kRecords; ++i) {
        bytes += "Strom Abschlag " + QByteArray::number(i) + ";05.01.2024;123,45;14;19.01.2024;R-"
               + QByteArray::number(100000 + i)
               + ";Abschlag f\xFCr M\xE4rz;Stadtwerke M\xFCnchen;info@swm.de;"
                 "www.swm.de;80331;M\xFCnchen;Hauptstra\xDF" "e;DE;089 1234567;089 1234568;"
                 "DE02 1203 0000 0000 2020 51;BYLADEM1001;K-"
               + QByteArray::number(i) + ";12a;Offen\r\n";
    }
    return bytes;
}

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

// Read, decode the single-byte text and cut it into lines, with Qt's fastest means for each step.
void FloorRead(benchmark::State &state)
{
    Fixture &f = fixture();
    for (auto _ : state) {
        QFile file(f.path);
        file.open(QIODevice::ReadOnly);
        const QString text = QString::fromLatin1(file.readAll());
        QStringList lines = text.split(u'\n');
        benchmark::DoNotOptimize(lines);
    }
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
