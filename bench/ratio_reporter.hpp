// Console output plus side-by-side ratios of named benchmark pairs.
#pragma once
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace kestrel::bench {

class RatioReporter : public benchmark::ConsoleReporter {
public:
    // Each pair: (measured, baseline, allowed ratio).
    struct Pair {
        std::string measured;
        std::string baseline;
        double limit;
    };
    explicit RatioReporter(std::vector<Pair> pairs) : pairs_(std::move(pairs)) {}

    // With repetitions the median stands for the benchmark: one slow run on
    // a busy machine then moves no ratio.
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const auto& run : runs) {
            if (run.error_occurred) continue;
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            if (run.run_type == Run::RT_Aggregate && !median) continue;
            const std::string name = baseName(run.benchmark_name());
            if (median || !medians_.contains(name)) times_[name] = run.GetAdjustedRealTime();
            if (median) medians_[name] = true;
        }
    }

    // Prints the ratios; false when one is over its limit or missing.
    bool PrintRatios() const {
        bool ok = true;
        for (const auto& p : pairs_) {
            const auto m = times_.find(p.measured), b = times_.find(p.baseline);
            if (m == times_.end() || b == times_.end() || b->second <= 0) {
                std::printf("ratio %s / %s: missing\n", p.measured.c_str(), p.baseline.c_str());
                ok = false;
                continue;
            }
            const double ratio = m->second / b->second;
            std::printf("ratio %s / %s = %.2f (limit %.2f) %s\n", p.measured.c_str(), p.baseline.c_str(), ratio,
                        p.limit, ratio <= p.limit ? "ok" : "OVER");
            ok = ok && ratio <= p.limit;
        }
        return ok;
    }

private:
    // "Name/min_time:3.000/real_time" is measured as "Name".
    static std::string baseName(const std::string& name) { return name.substr(0, name.find('/')); }

    std::vector<Pair> pairs_;
    std::map<std::string, double> times_;
    std::map<std::string, bool> medians_;
};

// main() for a benchmark program with ratio pairs.
inline int runWithRatios(int argc, char** argv, std::vector<RatioReporter::Pair> pairs) {
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter(std::move(pairs));
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return reporter.PrintRatios() ? 0 : 1;
}

}  // namespace kestrel::bench
