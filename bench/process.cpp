// What only a fresh process shows, each figure beside its anchor over the
// same cards in the same run: the start-up to the password window beside a
// bare Qt window; the client export (grid and file) beside `sqlite3 -html`
// of the same cards; every card listed by the client find beside SQLite
// listing all rows of the fields its line shows; the export of the whole
// appointment archive and the protocol export beside `sqlite3 -html` and
// `cat`. The databases are
// written by the benchmark itself from the same record files. The table at
// the end pairs each figure with its anchor.
//   scripts/bench   (or build/bench/bench_process)
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include "appuntamenti/AppointmentColumns.h"
#include "archive/ClientFields.h"
#include "appuntamenti/AppointmentFields.h"
#include "archive/Layouts.h"
#include "clienti/TfrmExpClienti.h"
#include "protocollo/ProtocolColumns.h"
#include "protocollo/ProtocolFields.h"
#include "support/AppointmentArchive.h"
#include "support/ClientArchive.h"
#include "support/Pairs.h"
#include "support/ProtocolArchive.h"
#include "support/Runs.h"
#include "support/Sqlite.h"

namespace {

QList<double> runProbe(const QStringList& arguments) {
    QProcess probe;
    // PLENARO_PROBE in the environment runs another build's probe (a figure before a change).
    probe.start(qEnvironmentVariable("PLENARO_PROBE", QStringLiteral(PLENARO_PROBE)), arguments);
    probe.waitForFinished(-1);
    QList<double> out;
    for (const QByteArray& n : probe.readAllStandardOutput().simplified().split(' ')) out << n.toDouble();
    return out;
}

double seconds(const QElapsedTimer& t) { return double(t.nsecsElapsed()) / 1e9; }

// Process time, and the peak memory the process reports.
void startup(benchmark::State& state, const QStringList& arguments) {
    double peakKiB = 0;
    for (auto _ : state) {
        QElapsedTimer t;
        t.start();
        const QList<double> out = runProbe(arguments);
        state.SetIterationTime(seconds(t));
        peakKiB = out.value(0);
    }
    state.counters["peak_MB"] = peakKiB / 1024.0;
}

void BM_StartupToPasswordWindow(benchmark::State& state) {
    QTemporaryDir office;
    startup(state, {QStringLiteral("startup"), QStringLiteral("--cartella"), office.path()});
}

void BM_BareQtWindow(benchmark::State& state) { startup(state, {QStringLiteral("qt")}); }

// An export window in its own process: the grid opened and painted, then the
// file written. The figure is their sum; the counters, each, and the peak.
void exportProcess(benchmark::State& state, const QStringList& arguments) {
    QList<double> out;
    for (auto _ : state) {
        out = runProbe(arguments);
        state.SetIterationTime((out.value(0) + out.value(1)) / 1000.0);
    }
    state.counters["grid_ms"] = out.value(0);
    state.counters["file_ms"] = out.value(1);
    state.counters["peak_MB"] = out.value(2) / 1024.0;
    state.SetComplexityN(state.range(0));
}

void timed(benchmark::State& state, const std::function<double()>& run) {
    for (auto _ : state) state.SetIterationTime(run());
    state.SetComplexityN(state.range(0));
}

double cat(const QString& file) {
    QProcess p;
    p.setStandardOutputFile(QProcess::nullDevice());
    QElapsedTimer t;
    t.start();
    p.start(QStringLiteral("cat"), {file});
    p.waitForFinished(-1);
    return seconds(t);
}

// The columns of the client export, as its window states them.
const ColumnTable& clientColumns() {
    static const ColumnTable table = [] {
        TfrmExpClienti w;
        return w.desc().table;
    }();
    return table;
}

QString clientDatabase(const QString& folder) {
    return BenchSqlite::database(folder, QStringLiteral("Contatti.pro"), ClientFields::get().layout(),
                                 QStringLiteral("clienti"));
}

void BM_ClientExport(benchmark::State& state) {
    exportProcess(state, {QStringLiteral("export"), BenchArchive::clientFolder(int(state.range(0)))});
}

void BM_SqliteHtmlClients(benchmark::State& state) {
    const QString folder = BenchArchive::clientFolder(int(state.range(0)));
    const QString db = clientDatabase(folder);
    const QString select = BenchSqlite::sheetSelect(clientColumns(), QStringLiteral("clienti"));
    timed(state, [&] { return BenchSqlite::run({QStringLiteral("-html"), db, select}, folder + "/anchor.html"); });
}

void BM_ListEveryCard(benchmark::State& state) {
    const QString folder = BenchArchive::clientFolder(int(state.range(0)));
    QList<double> out;
    for (auto _ : state) {
        out = runProbe({QStringLiteral("list"), folder});
        state.SetIterationTime(out.value(0) / 1000.0);
    }
    state.counters["peak_MB"] = out.value(1) / 1024.0;
    state.counters["lines"] = out.value(2);
    state.SetComplexityN(state.range(0));
}

// Every row of the fields the find's list line shows.
void BM_SqliteAllRows(benchmark::State& state) {
    const QString db = clientDatabase(BenchArchive::clientFolder(int(state.range(0))));
    const QString select = QStringLiteral("SELECT Cliente, Recapito, Occupazione, Prodotti, Note FROM clienti");
    timed(state, [&] { return BenchSqlite::run({db, select}); });
}

QString appointmentDatabase(const QString& folder) {
    return BenchSqlite::database(folder, QStringLiteral("Archivio_Appuntamenti.pro"), AppointmentFields::get().layout(),
                                 QStringLiteral("appuntamenti"));
}

void BM_AppointmentExport(benchmark::State& state) {
    exportProcess(state, {QStringLiteral("expapp"), BenchArchive::appointmentFolder(int(state.range(0)))});
}

void BM_SqliteHtmlAppointments(benchmark::State& state) {
    const QString folder = BenchArchive::appointmentFolder(int(state.range(0)));
    const QString db = appointmentDatabase(folder);
    const QString select = BenchSqlite::sheetSelect(AppointmentColumns::table(false), QStringLiteral("appuntamenti"));
    timed(state, [&] { return BenchSqlite::run({QStringLiteral("-html"), db, select}, folder + "/anchor.html"); });
}

void BM_CatAppointments(benchmark::State& state) {
    const QString file = BenchArchive::appointmentFolder(int(state.range(0))) + "/Archivio_Appuntamenti.pro";
    timed(state, [&] { return cat(file); });
}

void BM_ProtocolExport(benchmark::State& state) {
    const QString folder = BenchArchive::protocolFolder(int(state.range(0)));
    exportProcess(state, {QStringLiteral("expprot"), folder, BenchArchive::kProtocolFile});
}

void BM_SqliteHtmlProtocol(benchmark::State& state) {
    const QString folder = BenchArchive::protocolFolder(int(state.range(0)));
    const QString db = BenchSqlite::database(folder, BenchArchive::kProtocolFile, ProtocolFields::get().layout(),
                                             QStringLiteral("protocollo"));
    const QString select = BenchSqlite::sheetSelect(ProtocolColumns::table(), QStringLiteral("protocollo"));
    timed(state, [&] { return BenchSqlite::run({QStringLiteral("-html"), db, select}, folder + "/anchor.html"); });
}

void BM_CatProtocol(benchmark::State& state) {
    const QString file = BenchArchive::protocolFolder(int(state.range(0))) + "/" + BenchArchive::kProtocolFile;
    timed(state, [&] { return cat(file); });
}

void BM_GrepCountProcess(benchmark::State& state) {
    const QString file = BenchArchive::clientFolder(int(state.range(0))) + QStringLiteral("/Contatti.pro");
    BenchRuns::grepEach(state, {QStringLiteral("-i"), QStringLiteral("rossi")}, file);
    state.SetComplexityN(state.range(0));
}

}  // namespace

#define ONCE_EACH \
    ->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(1)->Repetitions(3)->ReportAggregatesOnly()
BENCHMARK(BM_StartupToPasswordWindow)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Repetitions(7)
    ->ReportAggregatesOnly();
BENCHMARK(BM_BareQtWindow)->Unit(benchmark::kMillisecond)->UseManualTime()->Repetitions(7)->ReportAggregatesOnly();
BENCHMARK(BM_ClientExport)->Arg(1000)->Arg(10000)->Arg(100000)->Arg(1000000) ONCE_EACH;
BENCHMARK(BM_SqliteHtmlClients)->Arg(100000)->Arg(1000000) ONCE_EACH;
BENCHMARK(BM_ListEveryCard)->Arg(100000)->Arg(1000000) ONCE_EACH;
BENCHMARK(BM_SqliteAllRows)->Arg(100000)->Arg(1000000) ONCE_EACH;
BENCHMARK(BM_AppointmentExport)->Arg(100000) ONCE_EACH;
BENCHMARK(BM_SqliteHtmlAppointments)->Arg(100000) ONCE_EACH;
BENCHMARK(BM_CatAppointments)->Arg(100000) ONCE_EACH;
BENCHMARK(BM_ProtocolExport)->Arg(100000) ONCE_EACH;
BENCHMARK(BM_SqliteHtmlProtocol)->Arg(100000) ONCE_EACH;
BENCHMARK(BM_CatProtocol)->Arg(100000) ONCE_EACH;
BENCHMARK(BM_GrepCountProcess)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    return BenchPairs::run(
        argc, argv,
        {
            {"start-up to the password window, ms", "BM_StartupToPasswordWindow", "", "BM_BareQtWindow", "",
             "<= 1.25x"},
            {"start-up, peak MB", "BM_StartupToPasswordWindow", "peak_MB", "BM_BareQtWindow", "peak_MB", "<= 1.50x"},
            {"client export 100k, grid + file, ms", "BM_ClientExport/100000", "", "BM_SqliteHtmlClients/100000", "",
             "<= 1.20x"},
            {"  grid, ms", "BM_ClientExport/100000", "grid_ms", "", "", ""},
            {"  file, ms", "BM_ClientExport/100000", "file_ms", "", "", ""},
            {"  peak MB", "BM_ClientExport/100000", "peak_MB", "", "", ""},
            {"client export 1M, grid + file, ms", "BM_ClientExport/1000000", "", "BM_SqliteHtmlClients/1000000", "",
             "<= 1.50x"},
            {"  grid, ms", "BM_ClientExport/1000000", "grid_ms", "", "", ""},
            {"  file, ms", "BM_ClientExport/1000000", "file_ms", "", "", ""},
            {"  peak MB", "BM_ClientExport/1000000", "peak_MB", "", "", "<= 150 MB"},
            {"every card listed 100k, ms", "BM_ListEveryCard/100000", "", "BM_SqliteAllRows/100000", "", ""},
            {"every card listed 1M, ms", "BM_ListEveryCard/1000000", "", "BM_SqliteAllRows/1000000", "", "<= 1.20x"},
            {"  peak MB", "BM_ListEveryCard/1000000", "peak_MB", "", "", "<= 250 MB"},
            {"appointment export, whole archive 100k, ms", "BM_AppointmentExport/100000", "",
             "BM_SqliteHtmlAppointments/100000", "", "<= 1.20x"},
            {"  beside cat", "BM_AppointmentExport/100000", "", "BM_CatAppointments/100000", "", ""},
            {"protocol export 100k, ms", "BM_ProtocolExport/100000", "", "BM_SqliteHtmlProtocol/100000", "",
             "<= 1.20x"},
            {"  beside cat", "BM_ProtocolExport/100000", "", "BM_CatProtocol/100000", "", ""},
        },
        [](const BenchPairs::Reporter& reporter) {
            BenchPairs::printSlope(reporter, "every card listed, growth 100k to 1M (time)", "BM_ListEveryCard/100000",
                                   "BM_ListEveryCard/1000000", 10);
        });
}
