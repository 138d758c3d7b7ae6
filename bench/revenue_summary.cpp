// The revenue summary at office sizes, each figure beside `grep -c` over the
// same file in the same run: the year's summary of every client (each card
// read, matched, dated, added, its line built, sorted and put in the list)
// beside grep counting the cards of the year, and the year of the Rossi
// clients beside grep counting the lines that name them.
//   scripts/bench   (or build/bench/bench_revenue_summary)
#include <QApplication>
#include <QProcess>
#include <benchmark/benchmark.h>

#include "appuntamenti/TfrmRiepCosti.h"
#include "platform/ProgramFolder.h"
#include "support/AppointmentArchive.h"
#include "support/Pairs.h"
#include "support/Runs.h"
#include "ui/RecordList.h"

namespace {

void useArchive(benchmark::State& state) {
    ProgramFolder::set(BenchArchive::appointmentFolder(int(state.range(0))));
    state.SetComplexityN(state.range(0));
}

void grepCount(benchmark::State& state, const QStringList& pattern) {
    useArchive(state);
    const QString file = ProgramFolder::file(QStringLiteral("Archivio_Appuntamenti.pro"));
    BenchRuns::grepEach(state, pattern, file);
}

void summary(benchmark::State& state, const QString& client) {
    useArchive(state);
    const RevenueQuery query{client, QString(), QDate(2025, 1, 1), QDate(2025, 12, 31)};
    TfrmRiepCosti w;  // built once, with the program
    auto* list = w.findChild<TRecordList*>(QStringLiteral("lstRecords"));
    for (auto _ : state) {
        w.load(query);
        // The lines of an opening are let go when the window closes, not while the user waits.
        state.PauseTiming();
        list->clear();
        state.ResumeTiming();
    }
}

void BM_GrepCountYear(benchmark::State& state) { grepCount(state, {QStringLiteral("/2025")}); }
void BM_SummaryOfTheYear(benchmark::State& state) { summary(state, QString()); }
void BM_GrepCountRossi(benchmark::State& state) { grepCount(state, {QStringLiteral("-i"), QStringLiteral("rossi")}); }
void BM_SummaryOfRossi(benchmark::State& state) { summary(state, QStringLiteral("rossi")); }

}  // namespace

#define SIZES ->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)
BENCHMARK(BM_GrepCountYear) SIZES;
BENCHMARK(BM_SummaryOfTheYear) SIZES;
BENCHMARK(BM_GrepCountRossi) SIZES;
BENCHMARK(BM_SummaryOfRossi) SIZES;

int main(int argc, char** argv) {
    return BenchPairs::run(
        argc, argv,
        {
            {"revenue summary of the year 100k, ms", "BM_SummaryOfTheYear/100000", "", "BM_GrepCountYear/100000", "",
             "<= 2.00x"},
            {"revenue summary of the year 1M, ms", "BM_SummaryOfTheYear/1000000", "", "BM_GrepCountYear/1000000", "",
             ""},
            {"revenue summary of Rossi 100k, ms", "BM_SummaryOfRossi/100000", "", "BM_GrepCountRossi/100000", "", ""},
            {"revenue summary of Rossi 1M, ms", "BM_SummaryOfRossi/1000000", "", "BM_GrepCountRossi/1000000", "", ""},
        });
}
