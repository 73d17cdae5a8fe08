#pragma once

// Ratios between benchmarks of one run, printed after them. A time alone says little on a
// shared machine; two measured side by side in the same run can be compared. Each ratio comes
// with the most it should be, for the reader: nothing fails on timing.

#include <benchmark/benchmark.h>

#include <map>
#include <ostream>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace bench {

struct Ratio {
    std::string numerator; // benchmark names
    std::string denominator;
    double atMost; // 0: shown for information
};

// Reads the median of repeated runs where there is one, else the last run.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    explicit RatioReporter(std::vector<Ratio> ratios) : ratios_(std::move(ratios)) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
            record(run);
    }

    void Finalize() override {
        ConsoleReporter::Finalize();
        std::ostream& out = GetOutputStream();
        out << "\nRatios (CPU time, same run):\n";
        for (const Ratio& ratio : ratios_) {
            const auto a = seconds_.find(ratio.numerator);
            const auto b = seconds_.find(ratio.denominator);
            if (a == seconds_.end() || b == seconds_.end() || b->second <= 0)
                continue;
            const double value = a->second / b->second;
            out << "  " << ratio.numerator << " / " << ratio.denominator << " = " << value;
            if (ratio.atMost > 0)
                out << "  (at most " << ratio.atMost
                    << (value <= ratio.atMost ? ", met)" : ", NOT met)");
            out << "\n";
        }
    }

private:
    void record(const Run& run) {
        const bool aggregate = run.run_type == Run::RT_Aggregate;
        const bool median = aggregate && run.aggregate_name == "median";
        const std::string& name = run.run_name.function_name;
        if (run.error_occurred || (aggregate && !median) || (!median && medians_.count(name)))
            return;
        seconds_[name] = run.GetAdjustedCPUTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
        if (median)
            medians_.insert(name);
    }

    std::vector<Ratio> ratios_;
    std::map<std::string, double> seconds_;
    std::set<std::string> medians_;
};

// The body of a benchmark program's main that reports `ratios` after its benchmarks.
inline int runWithRatios(int argc, char** argv, std::vector<Ratio> ratios) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    RatioReporter reporter(std::move(ratios));
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}

} // namespace bench
