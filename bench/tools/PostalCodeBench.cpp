// The postal code lookup on a 40,000-line "plz.dat": each search with its load, against the least any
// reading of the file does; and the first opening of the lookup window from the main window.
#include "RatioReporter.h"
#include "WindowDoubles.h"
#include "app/AppWindows.h"
#include "platform/TextFile.h"
#include "register/RecordEditor.h"
#include "tools/PostalCodeSearch.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QToolButton>

#include <cstdio>

namespace {

constexpr int kLines = 40000;
constexpr int kBigTownLines = 200;
constexpr int kLateRegionLines = 20;

const char *const kTowns[] = {"M\xFC"
                              "hlhausen",
                              "Gro\xDF"
                              "enhain",
                              "K\xF6"
                              "nigsbrunn",
                              "Neustadt an der Aisch",
                              "Bad \xD6"
                              "lsberg",
                              "Waldkirch",
                              "Sch\xF6"
                              "nau am K\xF6"
                              "nigssee",
                              "Lindau"};

// Codes rise through the file; "Stadt im Bauch" stands on 200 lines spread over it; the region 99 starts
// only near the end, and the last line has a code of its own.
QByteArray generatedFile()
{
    QByteArray bytes;
    bytes.reserve(kLines * 28);
    const int regular = kLines - kLateRegionLines;
    for (int i = 0; i < regular; ++i) {
        const int code = 1000 + i * 2;
        bytes += QByteArray::number(code).rightJustified(5, '0') + ' ';
        const bool bigTown = i % (regular / kBigTownLines) == 0 && i / (regular / kBigTownLines) < kBigTownLines;
        bytes += bigTown ? QByteArray("Stadt im Bauch") : QByteArray(kTowns[i % 8]);
        bytes += "\r\n";
    }
    for (int i = 0; i < kLateRegionLines; ++i)
        bytes += QByteArray::number(99000 + i * 7) + " Sp\xE4tort " + QByteArray::number(i) + "\r\n";
    return bytes;
}

struct Fixture {
    WindowDoubles doubles;
    QString path = doubles.places.putFile(QStringLiteral("plz.dat"), generatedFile());
};

Fixture *g_fixture = nullptr;

void loadAndSearch(benchmark::State &state, const QString &term, bool found)
{
    for (auto _ : state) {
        PostalCodeSearch search;
        search.setText(*TextFile::readText(g_fixture->path));
        const std::optional<PostalCodeSearch::Result> result = search.search(term);
        if (!result || result->found != found)
            state.SkipWithError("unexpected result");
        benchmark::DoNotOptimize(result);
    }
}

void CodeOnLastLine(benchmark::State &state)
{
    loadAndSearch(state, QStringLiteral("99133"), true);
}

void TownOf200Lines(benchmark::State &state)
{
    loadAndSearch(state, QStringLiteral("stadt im bauch"), true);
}

void MissingCodeLateSuggestion(benchmark::State &state)
{
    loadAndSearch(state, QStringLiteral("99999"), false);
}

void FloorReadLines(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(TextFile::readLines(g_fixture->path));
}

BENCHMARK(CodeOnLastLine)->Unit(benchmark::kMillisecond);
BENCHMARK(TownOf200Lines)->Unit(benchmark::kMillisecond);
BENCHMARK(MissingCodeLateSuggestion)->Unit(benchmark::kMillisecond);
BENCHMARK(FloorReadLines)->Unit(benchmark::kMillisecond);

// From the click on the button beside the town field until the list shows what was found, painted.
void reportFirstOpening()
{
    AppWindows windows;
    windows.start();
    windows.main().editor().field(InvoiceLine::Plz).setText(QStringLiteral("99133"));
    qint64 elapsed = 0;
    QElapsedTimer timer;
    g_fixture->doubles.dialogs.windowHandlers.enqueue([&](QDialog &window) {
        window.findChild<QPlainTextEdit *>()->repaint();
        elapsed = timer.nsecsElapsed();
        window.accept();
    });
    timer.start();
    windows.main().findChild<QToolButton *>(QStringLiteral("ButtonPlz"))->click();
    std::printf("first opening of the lookup: %.1f ms (target: under 100 ms)\n", elapsed / 1e6);
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    Fixture instance;
    g_fixture = &instance;
    reportFirstOpening();
    return runBenchmarksWithRatios(argc, argv,
                                   {{"CodeOnLastLine", "FloorReadLines"},
                                    {"TownOf200Lines", "FloorReadLines"},
                                    {"MissingCodeLateSuggestion", "FloorReadLines"}});
}
