// Client archive at office sizes: a find with three criteria, a find that
// lists every card, opening the last list line's card, and the export of
// the whole archive.
//   build/bench/bench_client_archive
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <map>

#include "archive/ArchivioSchede.h"
#include "archive/RecordLines.h"
#include "archive/Layouts.h"
#include "archive/TfrmTrovaClienti.h"
#include "clienti/TfrmExpClienti.h"
#include "platform/ProgramFolder.h"
#include "ui/Messages.h"
#include "ui/Modal.h"
#include "ui/RecordList.h"

namespace {

const char* kSurnames[] = {"Rossi", "Bianchi", "Russo", "Ferrari", "Esposito", "Romano", "Colombo", "Ricci"};
const char* kTowns[] = {"Roma", "Milano", "Napoli", "Torino", "Bologna", "Firenze", "Forlì", "Bari"};
const char* kJobs[] = {"Avvocato", "Geometra", "Medico", "Commerciante", "Insegnante", "Architetto"};

// One archive per size, built once.
QString archiveOf(int cards) {
    static std::map<int, std::unique_ptr<QTemporaryDir>> dirs;
    auto& dir = dirs[cards];
    if (!dir) {
        dir = std::make_unique<QTemporaryDir>();
        QFile f(dir->filePath("Contatti.pro"));
        f.open(QIODevice::WriteOnly);
        Record r(Layouts::TSchedaCliente());
        for (int i = 0; i < cards; ++i) {
            r.set("Cliente", QStringLiteral("%1 Cliente %2").arg(kSurnames[i % 8]).arg(i));
            r.set("ComuneRes", QString::fromUtf8(kTowns[i % 8]));
            r.set("Occupazione", QString::fromUtf8(kJobs[i % 6]));
            r.set("Recapito", QStringLiteral("06 %1").arg(1000000 + i));
            r.set("TelCel", QStringLiteral("333%1").arg(1000000 + i));
            r.set("CodFisc", QStringLiteral("RSSMRA85T10A%1").arg(i % 1000, 3, 10, QLatin1Char('0')));
            r.set("Note", QStringLiteral("Cliente dal %1, preferisce il contatto telefonico.").arg(1990 + i % 30));
            f.write(r.bytes());
        }
    }
    ProgramFolder::set(dir->path());
    return dir->path();
}

void BM_FindThreeCriteria(benchmark::State& state) {
    archiveOf(int(state.range(0)));
    QWidget owner;
    for (auto _ : state) {
        TfrmTrovaClienti w(&owner);
        w.findChild<QLineEdit*>("txtCliente")->setText("rossi");
        w.findChild<QLineEdit*>("txtComuneRes")->setText("roma");
        w.findChild<QLineEdit*>("txtOccupazione")->setText("avv");
        w.btnCercaClick();
        benchmark::DoNotOptimize(w.findChild<TRecordList*>("lstRecords")->count());
    }
    state.SetComplexityN(state.range(0));
}

void BM_FindListsEveryCard(benchmark::State& state) {
    archiveOf(int(state.range(0)));
    QWidget owner;
    for (auto _ : state) {
        TfrmTrovaClienti w(&owner);
        w.btnCercaClick();
        benchmark::DoNotOptimize(w.findChild<TRecordList*>("lstRecords")->count());
    }
    state.SetComplexityN(state.range(0));
}

void BM_OpenTheLastLinesCard(benchmark::State& state) {
    const int n = int(state.range(0));
    archiveOf(n);
    QWidget owner;
    TfrmTrovaClienti w(&owner);
    w.btnCercaClick();
    auto* list = w.findChild<TRecordList*>("lstRecords");
    for (auto _ : state) {
        const FoundRecord found = RecordLines::recordOf(*list, list->count() - 1, ArchiveFiles::Clienti,
                                                        Layouts::TSchedaCliente());
        benchmark::DoNotOptimize(found.position);
    }
    state.SetComplexityN(n);
}

void BM_ExportWholeArchive(benchmark::State& state) {
    archiveOf(int(state.range(0)));
    int asked = 0;
    // Yes to exporting, No to opening the file.
    Msg::setHandler([&](const MessageRequest&) { return (asked++ % 2 == 0) ? MsgAnswer::Yes : MsgAnswer::No; });
    for (auto _ : state) {
        TfrmExpClienti w;
        w.refill();
        w.cmdEsportaClick();
    }
    Msg::resetHandler();
    state.SetComplexityN(state.range(0));
}

}  // namespace

BENCHMARK(BM_FindThreeCriteria)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Complexity();
BENCHMARK(BM_FindListsEveryCard)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Complexity();
BENCHMARK(BM_OpenTheLastLinesCard)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Complexity();
BENCHMARK(BM_ExportWholeArchive)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Complexity();

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
