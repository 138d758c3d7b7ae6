// The case archive at 100,000 cases (about 500 MB), each figure beside
// `grep -c` over the same file in the same run: the urgent list filled, a
// find by state, a find that lists every case, and the export file written.
//   scripts/bench --benchmark_filter=Case   (or build/bench/bench_case_archive)
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <map>
#include <memory>

#include "archive/Layouts.h"
#include "platform/ProgramFolder.h"
#include "pratiche/CaseFields.h"
#include "pratiche/TfrmExpPratiche.h"
#include "pratiche/TfrmTrovaPratica.h"
#include "pratiche/TfrmUrgenti.h"
#include "support/Folders.h"
#include "support/Pairs.h"
#include "support/Runs.h"
#include "ui/Messages.h"
#include "ui/RecordList.h"

namespace {

const char* kStates[] = {"Aperta", "In lavorazione", "Sospesa", "Non saldata", "Chiusa e saldata"};
const char* kTypes[] = {"Successione", "Ricorso", "Condono", "Sfratto", "Separazione", "Compravendita"};
const char* kSurnames[] = {"Rossi", "Bianchi", "Russo", "Ferrari", "Esposito", "Romano", "Colombo", "Ricci"};

// The folder holding "Pratiche.pro" with that many cases, one in eight urgent.
QString caseFolder(int cases) {
    return BenchArchive::folderOnce("Pratiche.pro", cases, [&](const QDir& dir) {
        BenchArchive::CardWriter f(dir.filePath("Pratiche.pro"));
        Record r(CaseFields::get().layout());
        for (int i = 0; i < cases; ++i) {
            r.set("Oggetto", QStringLiteral("%1 n. %2 presso il tribunale").arg(kTypes[i % 6]).arg(i));
            r.set("Tipologia", QString::fromLatin1(kTypes[i % 6]));
            r.set("Protocollo", QStringLiteral("%1/2025").arg(i));
            r.set("Apertura", QStringLiteral("%1/03/2025").arg(1 + i % 28, 2, 10, QLatin1Char('0')));
            r.set("Stato", QString::fromLatin1(kStates[i % 5]));
            r.set("Documenti", QStringLiteral("Procura, documento di identit\u00E0, visura"));
            r.set("Consulente", QStringLiteral("Avv. Neri"));
            r.set("Cliente", QStringLiteral("%1 Cliente %2").arg(kSurnames[i % 8]).arg(i));
            r.set("Recapito", QStringLiteral("06 %1").arg(1000000 + i));
            r.set("ComuneRes", QStringLiteral("Roma"));
            r.set("ProvRes", QStringLiteral("RM"));
            r.set("CodFisc", QStringLiteral("RSSMRA85T10A%1").arg(i % 1000, 3, 10, QLatin1Char('0')));
            r.set("Note", QStringLiteral("Udienza fissata, attendere il deposito"));
            r.set("Urgente", i % 8 == 0 ? QStringLiteral("S\u00EC") : QStringLiteral("No"));
            r.set("Doc01", QStringLiteral("Procura alle liti"));
            f.add(r);
        }
    });
}

void useArchive(benchmark::State& state) {
    ProgramFolder::set(caseFolder(int(state.range(0))));
    state.SetComplexityN(state.range(0));
}

// What the same search costs the plainest tool.
void BM_CaseGrepCount(benchmark::State& state) {
    useArchive(state);
    const QString file = ProgramFolder::file(QStringLiteral("Pratiche.pro"));
    BenchRuns::grepEach(state, {QStringLiteral("-i"), QStringLiteral("in lav")}, file);
}

void BM_CaseUrgentList(benchmark::State& state) {
    useArchive(state);
    QWidget owner;
    for (auto _ : state) {
        TfrmUrgenti w(&owner);
        w.show();  // fills the list
        benchmark::DoNotOptimize(w.list()->count());
    }
}

void BM_CaseFindByState(benchmark::State& state) {
    useArchive(state);
    BenchRuns::findEach<TfrmTrovaPratica>(state, {{"txtStato", "in lav"}});
}

void BM_CaseFindListsEveryCase(benchmark::State& state) {
    useArchive(state);
    BenchRuns::findEach<TfrmTrovaPratica>(state);
}

// From opening the export window to its grid filled.
void BM_CaseExportWindowFilled(benchmark::State& state) {
    useArchive(state);
    for (auto _ : state) {
        TfrmExpPratiche w;
        w.show();
        benchmark::DoNotOptimize(w.rows().size());
    }
}

// Writing "Pratiche.xls" from an export window already shown.
void BM_CaseExportFile(benchmark::State& state) {
    useArchive(state);
    int asked = 0;
    // Yes to exporting, No to opening the file.
    Msg::setHandler([&](const MessageRequest&) { return (asked++ % 2 == 0) ? MsgAnswer::Yes : MsgAnswer::No; });
    TfrmExpPratiche w;
    w.show();
    for (auto _ : state) w.cmdEsportaClick();
    Msg::resetHandler();
}

}  // namespace

#define SIZES ->Arg(100000)->Unit(benchmark::kMillisecond)
BENCHMARK(BM_CaseGrepCount) SIZES;
BENCHMARK(BM_CaseUrgentList) SIZES;
BENCHMARK(BM_CaseFindByState) SIZES;
BENCHMARK(BM_CaseFindListsEveryCase) SIZES;
BENCHMARK(BM_CaseExportWindowFilled) SIZES;
BENCHMARK(BM_CaseExportFile) SIZES;

int main(int argc, char** argv) { return BenchPairs::run(argc, argv); }
