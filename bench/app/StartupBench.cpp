// From the start to the first shown main window: every window constructed in its creation order, the
// start-up run and the main window shown and painted offscreen, against a bare window of the same size
// in the same run; once with an empty data folder and once with a year of 100,000 invoices.
#include "GeneratedYear.h"
#include "RatioReporter.h"
#include "WindowDoubles.h"
#include "app/AppWindows.h"

#include <QApplication>
#include <QFile>

#include <memory>

namespace {

const QString kYearFile = QStringLiteral("2024rech.csv");

// Lives in main(), after the application object.
WindowDoubles *g_doubles = nullptr;

// Only the way to the first picture counts; taking the windows down again does not.
template <typename Windows>
void takeDown(benchmark::State &state, std::unique_ptr<Windows> &windows)
{
    state.PauseTiming();
    windows.reset();
    QCoreApplication::processEvents();
    state.ResumeTiming();
}

void startProgram(benchmark::State &state)
{
    for (auto _ : state) {
        auto windows = std::make_unique<AppWindows>();
        if (!windows->start())
            state.SkipWithError("the start-up ended the program");
        QCoreApplication::processEvents();
        takeDown(state, windows);
    }
}

void BareWindow(benchmark::State &state)
{
    const QSize size = TFormLizenz().size();
    for (auto _ : state) {
        auto window = std::make_unique<QWidget>();
        window->resize(size);
        window->show();
        QCoreApplication::processEvents();
        takeDown(state, window);
    }
}

void StartEmptyFolder(benchmark::State &state)
{
    QFile::remove(g_doubles->places.dataFolder() + kYearFile);
    startProgram(state);
}

void Start100000Records(benchmark::State &state)
{
    g_doubles->places.putFile(kYearFile, generatedYearFile());
    startProgram(state);
}

void FloorRead(benchmark::State &state)
{
    const QString path = g_doubles->places.putFile(kYearFile, generatedYearFile());
    for (auto _ : state)
        benchmark::DoNotOptimize(floorReadLines(path));
}

BENCHMARK(BareWindow)->Unit(benchmark::kMillisecond);
BENCHMARK(StartEmptyFolder)->Unit(benchmark::kMillisecond);
BENCHMARK(Start100000Records)->Unit(benchmark::kMillisecond);
BENCHMARK(FloorRead)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    WindowDoubles doubles;
    g_doubles = &doubles;
    return runBenchmarksWithRatios(argc, argv, {{"StartEmptyFolder", "BareWindow"}},
                                   {{"Start100000Records", "BareWindow", "FloorRead"}});
}
