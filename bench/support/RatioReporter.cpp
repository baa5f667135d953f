#include "RatioReporter.h"

#include <cstdio>

void RatioReporter::ReportRuns(const std::vector<Run> &runs)
{
    for (const Run &run : runs) {
        // With repetitions, the mean stands for the benchmark.
        if (run.run_type == Run::RT_Aggregate && run.aggregate_name != "mean")
            continue;
        m_realTimes[run.run_name.function_name] = run.GetAdjustedRealTime();
    }
    ConsoleReporter::ReportRuns(runs);
}

void RatioReporter::printRatios(const std::vector<Pair> &pairs) const
{
    for (const auto &[measured, reference] : pairs) {
        const auto a = m_realTimes.find(measured);
        const auto b = m_realTimes.find(reference);
        if (a == m_realTimes.end() || b == m_realTimes.end() || b->second <= 0)
            continue;
        std::printf("ratio %s / %s = %.2f\n", measured.c_str(), reference.c_str(), a->second / b->second);
    }
    std::fflush(stdout);
}

void RatioReporter::printExtras(const std::vector<Extra> &extras) const
{
    for (const Extra &extra : extras) {
        const auto a = m_realTimes.find(extra.measured);
        const auto b = m_realTimes.find(extra.base);
        const auto c = m_realTimes.find(extra.reference);
        if (a == m_realTimes.end() || b == m_realTimes.end() || c == m_realTimes.end() || c->second <= 0)
            continue;
        std::printf("ratio (%s - %s) / %s = %.2f\n", extra.measured.c_str(), extra.base.c_str(),
                    extra.reference.c_str(), (a->second - b->second) / c->second);
    }
    std::fflush(stdout);
}

int runBenchmarksWithRatios(int argc, char **argv, const std::vector<RatioReporter::Pair> &pairs,
                            const std::vector<RatioReporter::Extra> &extras)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printRatios(pairs);
    reporter.printExtras(extras);
    benchmark::Shutdown();
    return 0;
}
