#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

// Prints the usual console table, then each measured benchmark as a ratio to its floor or peer.
class RatioReporter final : public benchmark::ConsoleReporter {
public:
    using Pair = std::pair<std::string, std::string>; // measured, reference
    // What the measured one costs beyond a base, in units of a reference: (measured - base) / reference.
    struct Extra {
        std::string measured;
        std::string base;
        std::string reference;
    };

    void ReportRuns(const std::vector<Run> &runs) override;
    void printRatios(const std::vector<Pair> &pairs) const;
    void printExtras(const std::vector<Extra> &extras) const;

private:
    std::map<std::string, double> m_realTimes;
};

// Runs the registered benchmarks and prints the ratios; the body of a benchmark program's main().
int runBenchmarksWithRatios(int argc, char **argv, const std::vector<RatioReporter::Pair> &pairs,
                            const std::vector<RatioReporter::Extra> &extras = {});
