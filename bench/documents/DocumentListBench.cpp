// A document list of 20,000 lines (1 % of them missing) read into the documents window's model and
// sorted by name and by date, against listing the folder of those files with their modification times.
#include "PlatformDoubles.h"
#include "RatioReporter.h"
#include "documents/DocumentList.h"
#include "documents/DocumentTableModel.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

namespace {

constexpr int kLines = 20000;
constexpr int kMissingEvery = 100;

struct Fixture {
    PlatformDoubles doubles;
    QString documents;

    Fixture()
        : documents(doubles.places.root() + QStringLiteral("/Belege/"))
    {
        QDir().mkpath(documents);
        QStringList lines;
        for (int i = 0; i < kLines; ++i) {
            const QString path
                = documents + QStringLiteral("Rechnung %1 Stadtwerke M\u00FCnchen.pdf").arg(i * 7919 % kLines);
            if (i % kMissingEvery != 0) {
                QFile file(path);
                if (!file.open(QIODevice::WriteOnly))
                    qFatal("cannot write %s", qPrintable(path));
                // Spread the modification times, so the date sort has work to do.
                file.setFileTime(QDateTime(QDate(2024, 1, 1), QTime()).addSecs(qint64(i) * 7919 % 31000000),
                                 QFileDevice::FileModificationTime);
            }
            lines.append(path);
        }
        const QByteArray bytes = (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toLatin1();
        doubles.places.putFile(QStringLiteral("key.dat"), bytes);
    }
};

// Lives in main(), so it goes before the application object does.
Fixture *g_fixture = nullptr;

void Load(benchmark::State &state)
{
    DocumentList list;
    DocumentTableModel model;
    for (auto _ : state) {
        list.open(g_fixture->doubles.places.dataFolder(), QStringLiteral("key"));
        benchmark::DoNotOptimize(model.setLines(list.lines()));
    }
}

void FloorListFolder(benchmark::State &state)
{
    for (auto _ : state) {
        const QFileInfoList files = QDir(g_fixture->documents).entryInfoList(QDir::Files);
        for (const QFileInfo &file : files)
            benchmark::DoNotOptimize(file.lastModified());
    }
}

// Each run is a click on the header: the direction flips every time, as it does for the user.
void sortBy(benchmark::State &state, int column)
{
    DocumentList list;
    list.open(g_fixture->doubles.places.dataFolder(), QStringLiteral("key"));
    DocumentTableModel model;
    model.setLines(list.lines());
    for (auto _ : state)
        model.clickColumn(column);
}

void SortByName(benchmark::State &state)
{
    sortBy(state, DocumentTableModel::Name);
}

void SortByDate(benchmark::State &state)
{
    sortBy(state, DocumentTableModel::Date);
}

BENCHMARK(Load)->Unit(benchmark::kMillisecond);
BENCHMARK(FloorListFolder)->Unit(benchmark::kMillisecond);
BENCHMARK(SortByName)->Unit(benchmark::kMillisecond);
BENCHMARK(SortByDate)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    Fixture instance;
    g_fixture = &instance;
    return runBenchmarksWithRatios(
        argc, argv,
        {{"Load", "FloorListFolder"}, {"SortByName", "FloorListFolder"}, {"SortByDate", "FloorListFolder"}});
}
