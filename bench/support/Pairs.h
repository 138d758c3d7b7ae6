#pragma once
// Each figure beside its anchor, printed once the benchmarks of a run are
// done: the program's benchmark and the one of the tool a user might pick
// instead, over the same cards in the same run, with their ratio and the
// ratio the program must keep. Medians where a benchmark repeats.
#include <QApplication>
#include <benchmark/benchmark.h>
#include <cmath>
#include <cstdio>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace BenchPairs {

struct Figure {
    double ms = 0;
    std::map<std::string, double> counters;
};

// The console's report, and every figure kept by name ("BM_Export/100000").
class Reporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& r : runs) {
            const bool median = r.run_type == Run::RT_Aggregate && r.aggregate_name == "median";
            if (r.error_occurred || (r.run_type == Run::RT_Aggregate && !median)) continue;
            std::string name = r.run_name.function_name;
            if (!r.run_name.args.empty()) name += "/" + r.run_name.args;
            if (r.run_type == Run::RT_Iteration && figures_.count(name) && medians_.count(name)) continue;
            Figure f;
            f.ms = r.GetAdjustedRealTime() * toMs(r.time_unit);
            for (const auto& [key, counter] : r.counters) f.counters[key] = counter.value;
            figures_[name] = f;
            if (median) medians_[name] = true;
        }
    }

    const Figure* find(const std::string& name) const {
        const auto it = figures_.find(name);
        return it == figures_.end() ? nullptr : &it->second;
    }

private:
    static double toMs(benchmark::TimeUnit u) {
        switch (u) {
        case benchmark::kNanosecond: return 1e-6;
        case benchmark::kMicrosecond: return 1e-3;
        case benchmark::kMillisecond: return 1;
        case benchmark::kSecond: return 1e3;
        }
        return 1;
    }
    std::map<std::string, Figure> figures_;
    std::map<std::string, bool> medians_;
};

// One line of the table: the program's figure and its anchor, each a time
// in ms or, with a counter named, that counter of the benchmark. The target
// is shown as written ("<= 1.20x", "<= 150 MB").
struct Pair {
    std::string figure;
    std::string ours, oursCounter;
    std::string anchor, anchorCounter;
    std::string target;
};

inline bool value(const Reporter& reporter, const std::string& name, const std::string& counter, double* out) {
    const Figure* f = reporter.find(name);
    if (!f) return false;
    if (counter.empty()) {
        *out = f->ms;
        return true;
    }
    const auto it = f->counters.find(counter);
    if (it == f->counters.end()) return false;
    *out = it->second;
    return true;
}

inline void header() {
    std::printf("\n%-44s %11s %11s %8s %10s   %s\n", "figure", "program", "anchor", "ratio", "target", "from");
}

inline void print(const Reporter& reporter, const std::vector<Pair>& pairs) {
    header();
    for (const Pair& p : pairs) {
        double ours = 0, anchor = 0;
        if (!value(reporter, p.ours, p.oursCounter, &ours)) continue;
        const std::string what = p.ours + (p.oursCounter.empty() ? "" : " " + p.oursCounter);
        if (!p.anchor.empty() && value(reporter, p.anchor, p.anchorCounter, &anchor) && anchor > 0) {
            const std::string of = p.anchor + (p.anchorCounter.empty() ? "" : " " + p.anchorCounter);
            std::printf("%-44s %11.1f %11.1f %7.2fx %10s   %s beside %s\n", p.figure.c_str(), ours, anchor,
                        ours / anchor, p.target.c_str(), what.c_str(), of.c_str());
        } else {
            std::printf("%-44s %11.1f %11s %8s %10s   %s\n", p.figure.c_str(), ours, "", "", p.target.c_str(),
                        what.c_str());
        }
    }
    std::fflush(stdout);
}

// How a figure grows from one size to another, tenfold larger: 1 is linear.
inline void printSlope(const Reporter& reporter, const std::string& figure, const std::string& small,
                       const std::string& large, double factor, const std::string& counter = {}) {
    double a = 0, b = 0;
    if (!value(reporter, small, counter, &a) || !value(reporter, large, counter, &b) || a <= 0) return;
    std::printf("%-44s %11.2f %11s %8s %10s   log(%s / %s) / log(%g)\n", figure.c_str(),
                std::log(b / a) / std::log(factor), "", "", "~ 1", large.c_str(), small.c_str(), factor);
    std::fflush(stdout);
}

// A benchmark program: offscreen Qt, the benchmarks asked for, then the
// table of the pairs and whatever after prints from the same figures.
inline int run(int argc, char** argv, const std::vector<Pair>& pairs = {},
               const std::function<void(const Reporter&)>& after = {}) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    Reporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    if (!pairs.empty()) print(reporter, pairs);
    if (after) after(reporter);
    benchmark::Shutdown();
    return 0;
}

}  // namespace BenchPairs
