// The employees at office sizes and beyond, each figure beside `grep -c`
// over the same file in the same run: the find over 100,000 cards (three
// criteria, and every card listed), and the work done of one employee with
// 100,000 entries (the window opened and listed, an entry found again from
// its line).
//   scripts/bench   (or build/bench/bench_employee_archive)
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <map>
#include <memory>

#include "archive/Layouts.h"
#include "archive/RecordLines.h"
#include "dipendenti/TfrmLavori_Svolti.h"
#include "dipendenti/TfrmTrovaDipendenti.h"
#include "dipendenti/WorkFields.h"
#include "platform/ProgramFolder.h"
#include "support/Folders.h"
#include "support/Pairs.h"
#include "support/Runs.h"
#include "ui/Modal.h"
#include "ui/RecordList.h"

namespace {

const char* kSurnames[] = {"Rossi", "Bianchi", "Russo", "Ferrari", "Esposito", "Romano", "Colombo", "Ricci"};
const char* kJobs[] = {"Impiegato", "Magazziniere", "Commerciale", "Tecnico", "Contabile", "Segretaria"};
const char* kDepartments[] = {"Amministrazione", "Logistica", "Vendite", "Ufficio tecnico", "Segreteria"};
const char* kWork[] = {"Inventario", "Consegna", "Riunione con il cliente", "Sopralluogo", "Formazione"};

// A program folder with that many employees, and as many work entries for
// the first of them; built once per size.
QString officeFolder(int size) {
    return BenchArchive::folderOnce("Archivio_Dipendenti.pro", size, [&](const QDir& dir) {
        {
            BenchArchive::CardWriter cards(dir.filePath("Archivio_Dipendenti.pro"));
            Record r(Layouts::TSchedaDipendente());
            for (int i = 0; i < size; ++i) {
                r.set("Dipendente", QStringLiteral("%1 Dipendente %2").arg(kSurnames[i % 8]).arg(i));
                r.set("Sesso", i % 2 ? "F" : "M");
                r.set("Cel", QStringLiteral("333%1").arg(1000000 + i));
                r.set("Qualifica", QString::fromUtf8(kJobs[i % 6]));
                r.set("Reparto", QString::fromUtf8(kDepartments[i % 5]));
                r.set("Disponibilita", QStringLiteral("Dal luned\u00EC al venerd\u00EC"));
                r.set("Mansioni", QStringLiteral("Gestione ordini e rapporti con i fornitori, turno %1").arg(i % 3));
                cards.add(r);
            }
        }
        dir.mkpath("Archivio_Lavori");
        BenchArchive::CardWriter work(dir.filePath("Archivio_Lavori/Lavori_Dipendente_1.pro"));
        Record e(WorkFields::get().layout());
        for (int i = 0; i < size; ++i) {
            e.set("Data", QStringLiteral("%1/%2/20%3")
                              .arg(1 + i % 28, 2, 10, QLatin1Char('0'))
                              .arg(1 + i % 12, 2, 10, QLatin1Char('0'))
                              .arg(10 + i % 15));
            e.set("Attivita", QStringLiteral("%1 n. %2").arg(kWork[i % 5]).arg(i));
            e.set("Luogo", QString::fromUtf8(kSurnames[(i / 3) % 8]));
            e.set("Orario", "9:00-13:00");
            e.set("TotOre", "4");
            work.add(e);
        }
    });
}

void useOffice(benchmark::State& state) {
    ProgramFolder::set(officeFolder(int(state.range(0))));
    state.SetComplexityN(state.range(0));
}

void BM_GrepCountEmployees(benchmark::State& state) {
    useOffice(state);
    const QString file = ProgramFolder::file(QStringLiteral("Archivio_Dipendenti.pro"));
    BenchRuns::grepEach(state, {QStringLiteral("-i"), QStringLiteral("vendite")}, file);
}

void BM_EmployeeFindThreeCriteria(benchmark::State& state) {
    useOffice(state);
    BenchRuns::findEach<TfrmTrovaDipendenti>(
        state, {{"txtDipendente", "rossi"}, {"txtQualifica", "impiegato"}, {"txtReparto", "amministrazione"}});
}

void BM_EmployeeFindListsEveryCard(benchmark::State& state) {
    useOffice(state);
    BenchRuns::findEach<TfrmTrovaDipendenti>(state);
}

void BM_GrepCountWork(benchmark::State& state) {
    useOffice(state);
    const QString file = ProgramFolder::file(ArchiveFiles::lavori(1));
    BenchRuns::grepEach(state, {QStringLiteral("-i"), QStringLiteral("consegna")}, file);
}

// The work-done window of an employee opened: every entry read and listed.
void BM_WorkDoneOpened(benchmark::State& state) {
    useOffice(state);
    QWidget owner;
    Modal::setHandler([](QDialog* w) {
        w->show();
        w->reject();
        return 0;
    });
    for (auto _ : state) {
        TfrmLavori_Svolti w(QStringLiteral("Rossi Dipendente 0"), 1, &owner);
        w.showModal();
    }
    Modal::resetHandler();
}

// "Modifica attività" on the last line: the entry found again from its line.
void BM_WorkDoneLastLineFound(benchmark::State& state) {
    useOffice(state);
    QWidget owner;
    TfrmLavori_Svolti w(QStringLiteral("Rossi Dipendente 0"), 1, &owner);
    w.show();
    TRecordList* list = w.list();
    const QString file = ProgramFolder::file(ArchiveFiles::lavori(1));
    for (auto _ : state) {
        const FoundRecord found = RecordLines::recordOf(*list, list->count() - 1, file, WorkFields::get().layout());
        benchmark::DoNotOptimize(found.position);
    }
}

}  // namespace

#define SIZES ->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond)->Complexity()
BENCHMARK(BM_GrepCountEmployees) SIZES;
BENCHMARK(BM_EmployeeFindThreeCriteria) SIZES;
BENCHMARK(BM_EmployeeFindListsEveryCard) SIZES;
BENCHMARK(BM_GrepCountWork) SIZES;
BENCHMARK(BM_WorkDoneOpened) SIZES;
BENCHMARK(BM_WorkDoneLastLineFound) SIZES;

int main(int argc, char** argv) { return BenchPairs::run(argc, argv); }
