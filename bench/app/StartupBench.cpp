// From the start to the first shown main window, each start a fresh process as the user's is: the
// windows constructed in their creation order, the start-up run, the main window shown and painted
// offscreen; against a process that shows a bare window of the same size; once with an empty data
// folder and once with a year of 100,000 invoices.
#include "GeneratedYear.h"
#include "PlatformDoubles.h"
#include "RatioReporter.h"
#include "app/ProgramStart.h"
#include "app/TFormLizenz.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>

#include <cstdlib>
#include <cstring>
#include <sys/resource.h>

namespace {

const char *const kChildFlag = "--start=";

// The first picture is there once the window got its first paint event.
class FirstPaint final : public QObject {
public:
    explicit FirstPaint(QWidget &window) { window.installEventFilter(this); }
    bool seen = false;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        seen = seen || event->type() == QEvent::Paint;
        return false;
    }
};

// Ends the process at once: only the way to the first picture counts, not taking it down.
[[noreturn]] void endAfterFirstPaint(QWidget &window)
{
    FirstPaint paint(window);
    while (!paint.seen)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    std::_Exit(0);
}

int showBareWindow(int argc, char **argv)
{
    QApplication application(argc, argv);
    QWidget window;
    window.resize(492, 634);
    window.show();
    endAfterFirstPaint(window);
}

// The start as main() does it, with the desktop's own services.
int startProgram(int argc, char **argv)
{
    QApplication application(argc, argv);
    ProgramStart start;
    if (!start.run())
        return 1;
    endAfterFirstPaint(start.mainWindow());
}

// Lives in main(): the data folder below a temporary XDG_DATA_HOME that the started processes inherit.
TempDataFolder *g_places = nullptr;

QString yearFileName()
{
    return QString::number(QDate::currentDate().year()) + QStringLiteral("rech.csv");
}

// The largest resident size any started process reached so far; the benchmarks run from the
// smallest start to the largest, so each reads its own peak.
double peakChildMemory()
{
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

void runStarts(benchmark::State &state, const char *what)
{
    for (auto _ : state) {
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedChannels);
        child.start(QCoreApplication::applicationFilePath(), {QLatin1String(kChildFlag) + QLatin1String(what)});
        if (!child.waitForFinished(60000) || child.exitCode() != 0)
            state.SkipWithError("the start failed");
    }
    state.counters["peak_MiB"] = peakChildMemory();
}

void BareWindow(benchmark::State &state)
{
    runStarts(state, "bare");
}

void StartEmptyFolder(benchmark::State &state)
{
    QFile::remove(g_places->dataFolder() + yearFileName());
    runStarts(state, "program");
}

void Start100000Records(benchmark::State &state)
{
    g_places->putFile(yearFileName(), generatedYearFile());
    runStarts(state, "program");
}

void FloorRead(benchmark::State &state)
{
    const QString path = g_places->putFile(yearFileName(), generatedYearFile());
    for (auto _ : state)
        benchmark::DoNotOptimize(floorReadLines(path));
}

BENCHMARK(BareWindow)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(StartEmptyFolder)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(Start100000Records)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(FloorRead)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc == 2 && std::strncmp(argv[1], kChildFlag, std::strlen(kChildFlag)) == 0) {
        const char *what = argv[1] + std::strlen(kChildFlag);
        return std::strcmp(what, "bare") == 0 ? showBareWindow(argc, argv) : startProgram(argc, argv);
    }
    QCoreApplication application(argc, argv);
    TempDataFolder places;
    g_places = &places;
    return runBenchmarksWithRatios(argc, argv, {{"StartEmptyFolder", "BareWindow"}},
                                   {{"Start100000Records", "BareWindow", "FloorRead"}});
}
