// What only a fresh process shows: the start-up to the password window
// (beside a bare Qt window, the floor), and the peak memory of the client
// export at office sizes (beside `grep -c` over the same file).
//   scripts/bench   (or build/bench/bench_process)
#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include "support/ClientArchive.h"

namespace {

QByteArray runProbe(const QStringList& arguments) {
    QProcess probe;
    probe.start(QStringLiteral(PLENARO_PROBE), arguments);
    probe.waitForFinished(-1);
    return probe.readAllStandardOutput();
}

void BM_StartupToPasswordWindow(benchmark::State& state) {
    QTemporaryDir office;
    for (auto _ : state) runProbe({QStringLiteral("startup"), QStringLiteral("--cartella"), office.path()});
}

void BM_BareQtWindow(benchmark::State& state) {
    for (auto _ : state) runProbe({QStringLiteral("qt")});
}

// The whole export in its own process: opened, painted and written. The
// figure is its time; the counter, the process's peak memory.
void BM_ExportProcess(benchmark::State& state) {
    const QString folder = BenchArchive::clientFolder(int(state.range(0)));
    double peakKiB = 0;
    for (auto _ : state) peakKiB = runProbe({QStringLiteral("export"), folder}).trimmed().toDouble();
    state.counters["peak_MB"] = peakKiB / 1024.0;
    state.SetComplexityN(state.range(0));
}

void BM_GrepCountProcess(benchmark::State& state) {
    const QString file = BenchArchive::clientFolder(int(state.range(0))) + QStringLiteral("/Contatti.pro");
    for (auto _ : state) {
        QProcess grep;
        grep.start(QStringLiteral("grep"), {QStringLiteral("-c"), QStringLiteral("-a"), QStringLiteral("-i"),
                                            QStringLiteral("rossi"), file});
        grep.waitForFinished(-1);
    }
    state.SetComplexityN(state.range(0));
}

}  // namespace

BENCHMARK(BM_StartupToPasswordWindow)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();
BENCHMARK(BM_BareQtWindow)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();
BENCHMARK(BM_ExportProcess)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_GrepCountProcess)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
