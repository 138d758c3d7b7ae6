// The client archive at office sizes, each figure beside `grep -c` over the
// same file in the same run: a find with three criteria, a find that lists
// every card, opening the last line's card, the export window shown and
// painted, and the export file written.
//   scripts/bench   (or build/bench/bench_client_archive)
#include <QApplication>
#include <QLineEdit>
#include <QProcess>
#include <benchmark/benchmark.h>

#include "archive/ArchivioSchede.h"
#include "archive/ClientFields.h"
#include "archive/Layouts.h"
#include "archive/RecordLines.h"
#include "archive/TfrmTrovaClienti.h"
#include "clienti/TfrmExpClienti.h"
#include "platform/ProgramFolder.h"
#include "support/ClientArchive.h"
#include "support/Pairs.h"
#include "support/Runs.h"
#include "ui/Messages.h"
#include "ui/RecordList.h"

namespace {

void useArchive(benchmark::State& state) {
    ProgramFolder::set(BenchArchive::clientFolder(int(state.range(0))));
    state.SetComplexityN(state.range(0));
}

// What the same search costs the plainest tool: count the lines holding the
// surname in the same file.
void BM_GrepCount(benchmark::State& state) {
    useArchive(state);
    const QString file = ProgramFolder::file(QStringLiteral("Contatti.pro"));
    BenchRuns::grepEach(state, {QStringLiteral("-i"), QStringLiteral("rossi")}, file);
}

void BM_FindThreeCriteria(benchmark::State& state) {
    useArchive(state);
    BenchRuns::findEach<TfrmTrovaClienti>(
        state, {{"txtCliente", "rossi"}, {"txtComuneRes", "roma"}, {"txtOccupazione", "avv"}});
}

void BM_FindListsEveryCard(benchmark::State& state) {
    useArchive(state);
    BenchRuns::findEach<TfrmTrovaClienti>(state);
}

void BM_OpenTheLastLinesCard(benchmark::State& state) {
    useArchive(state);
    QWidget owner;
    TfrmTrovaClienti w(&owner);
    w.btnCercaClick();
    auto* list = w.findChild<TRecordList*>("lstRecords");
    for (auto _ : state) {
        const FoundRecord found =
            RecordLines::recordOf(*list, list->count() - 1, ArchiveFiles::Clienti, ClientFields::get().layout());
        benchmark::DoNotOptimize(found.position);
    }
}

// From opening the export window to its grid painted on screen.
void BM_ExportWindowPainted(benchmark::State& state) {
    useArchive(state);
    for (auto _ : state) {
        TfrmExpClienti w;
        w.show();
        benchmark::DoNotOptimize(w.grab());
    }
}

// Writing the spreadsheet file of an export window already shown.
void BM_ExportFile(benchmark::State& state) {
    useArchive(state);
    int asked = 0;
    // Yes to exporting, No to opening the file.
    Msg::setHandler([&](const MessageRequest&) { return (asked++ % 2 == 0) ? MsgAnswer::Yes : MsgAnswer::No; });
    TfrmExpClienti w;
    w.show();
    for (auto _ : state) w.cmdEsportaClick();
    Msg::resetHandler();
}

}  // namespace

#define SIZES ->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Complexity()
BENCHMARK(BM_GrepCount) SIZES->Arg(1000000);
BENCHMARK(BM_FindThreeCriteria) SIZES->Arg(1000000);
BENCHMARK(BM_FindListsEveryCard) SIZES;
BENCHMARK(BM_OpenTheLastLinesCard) SIZES;
BENCHMARK(BM_ExportWindowPainted) SIZES;
BENCHMARK(BM_ExportFile) SIZES;

int main(int argc, char** argv) { return BenchPairs::run(argc, argv); }
