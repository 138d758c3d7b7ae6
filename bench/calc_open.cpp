// The client export of 100,000 cards opened in Calc, the spreadsheet program
// of the office's desktop, beside the same cards as CSV written by
// `sqlite3 -csv`, opened the same way: soffice headless, on an Italian
// desktop, reads the file and saves what it read as CSV, whose lines are
// counted, so that a figure stands only when every row came through. Both
// runs share one profile folder, made before the clock starts.
//   scripts/bench   (or build/bench/bench_calc_open)
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>
#include <benchmark/benchmark.h>

#include "archive/ClientFields.h"
#include "clienti/TfrmExpClienti.h"
#include "support/ClientArchive.h"
#include "support/Pairs.h"
#include "support/Sqlite.h"

namespace {

// soffice with the office's language and a profile of the run's own.
bool soffice(const QStringList& arguments) {
    static QTemporaryDir profile;
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LANG"), QStringLiteral("it_IT.UTF-8"));
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("it_IT.UTF-8"));
    p.setProcessEnvironment(env);
    p.setStandardOutputFile(QProcess::nullDevice());
    p.setStandardErrorFile(QProcess::nullDevice());
    p.start(QStringLiteral("soffice"),
            QStringList{"-env:UserInstallation=" + QUrl::fromLocalFile(profile.path()).toString(), "--headless"} +
                arguments);
    return p.waitForFinished(-1) && p.exitCode() == 0;
}

// The profile made, and the program's files read once, before any clock.
bool warm() {
    static const bool ready = soffice({QStringLiteral("--terminate_after_init")});
    return ready;
}

qint64 lines(const QString& file) {
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly)) return -1;
    qint64 n = 0;
    while (!f.atEnd()) {
        const QByteArray chunk = f.read(1 << 20);
        n += chunk.count('\n');
    }
    return n;
}

// Each run: Calc opens the file and saves what it read as CSV; the rows
// read are counted, the header apart.
void opens(benchmark::State& state, const QString& file) {
    if (!warm()) return state.SkipWithError("soffice is missing: scripts/deps installs libreoffice-calc-nogui");
    QTemporaryDir out;
    const QString read = QDir(out.path()).filePath(QFileInfo(file).completeBaseName() + ".csv");
    qint64 rows = 0;
    for (auto _ : state) {
        QFile::remove(read);
        QElapsedTimer t;
        t.start();
        const bool ok =
            soffice({"--convert-to", "csv:Text - txt - csv (StarCalc):44,34,76", "--outdir", out.path(), file});
        state.SetIterationTime(double(t.nsecsElapsed()) / 1e9);
        rows = lines(read) - 1;
        if (!ok || rows != state.range(0))
            return state.SkipWithError(
                qPrintable(QStringLiteral("Calc read %1 rows of %2").arg(rows).arg(state.range(0))));
    }
    state.counters["rows"] = double(rows);
}

QString clientExport(int cards) {
    const QString folder = BenchArchive::clientFolder(cards);
    const QString file = folder + QStringLiteral("/Clienti.xls");
    if (!QFile::exists(file)) {
        QProcess probe;
        probe.start(QStringLiteral(PLENARO_PROBE), {QStringLiteral("export"), folder});
        probe.waitForFinished(-1);
    }
    return file;
}

// The same cards and columns as CSV, with a header line.
QString clientCsv(int cards) {
    const QString folder = BenchArchive::clientFolder(cards);
    const QString file = folder + QStringLiteral("/Clienti_anchor.csv");
    if (!QFile::exists(file)) {
        const QString db = BenchSqlite::database(folder, QStringLiteral("Contatti.pro"), ClientFields::get().layout(),
                                                 QStringLiteral("clienti"));
        const ColumnTable columns = TfrmExpClienti().desc().table;
        BenchSqlite::run({QStringLiteral("-csv"), QStringLiteral("-header"), db,
                          BenchSqlite::sheetSelect(columns, QStringLiteral("clienti"))},
                         file);
    }
    return file;
}

void BM_CalcOpensExport(benchmark::State& state) { opens(state, clientExport(int(state.range(0)))); }
void BM_CalcOpensCsv(benchmark::State& state) { opens(state, clientCsv(int(state.range(0)))); }

}  // namespace

BENCHMARK(BM_CalcOpensExport)->Arg(100000)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(1);
BENCHMARK(BM_CalcOpensCsv)->Arg(100000)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(1);

int main(int argc, char** argv) {
    return BenchPairs::run(
        argc, argv,
        {
            {"client export 100k opened in Calc, ms", "BM_CalcOpensExport/100000", "", "BM_CalcOpensCsv/100000", "",
             ""},
            {"  rows read", "BM_CalcOpensExport/100000", "rows", "BM_CalcOpensCsv/100000", "rows", "= 100000"},
        });
}
