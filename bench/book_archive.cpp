// The book catalogue, each figure beside `grep -c` over the same file in the
// same run: the Dewey table filled once its window is shown, and the book
// find over 1,000 and 100,000 cards (one criterion, and every card listed).
//   scripts/bench --benchmark_filter=Dewey|Book   (or build/bench/bench_book_archive)
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <map>
#include <memory>

#include "libri/BookFields.h"
#include "libri/DeweyTable.h"
#include "libri/TfrmCodici_Dewey.h"
#include "libri/TfrmTrovaLibri.h"
#include "platform/ProgramFolder.h"
#include "platform/Timer.h"
#include "support/Folders.h"
#include "support/Pairs.h"
#include "support/Runs.h"
#include "ui/RecordList.h"
#include "ui/Resources.h"

namespace {

const char* kAuthors[] = {"Umberto Eco",      "Italo Calvino", "Elsa Morante", "Primo Levi",
                          "Natalia Ginzburg", "Cesare Pavese", "Dino Buzzati", "Grazia Deledda"};
const char* kPublishers[] = {"Einaudi", "Mondadori", "Feltrinelli", "Bompiani", "Adelphi", "Laterza", "Rizzoli"};
const char* kGenres[] = {"Romanzo", "Saggio", "Poesia", "Racconti", "Teatro", "Manuale"};

// The folder holding "Archivio_Libri.pro" with that many books, classed
// over the whole Dewey table.
QString bookFolder(int books) {
    return BenchArchive::folderOnce("Archivio_Libri.pro", books, [&](const QDir& dir) {
        BenchArchive::CardWriter f(dir.filePath("Archivio_Libri.pro"));
        const QStringList& table = DeweyTable::lines();
        Record r(BookFields::get().layout());
        for (int i = 0; i < books; ++i) {
            const QString& line = table[(i * 7) % table.size()];
            r.set("Titolo", QStringLiteral("%1, volume %2").arg(line.mid(4)).arg(i));
            r.set("Autore", QString::fromLatin1(kAuthors[i % 8]));
            r.set("Nazione", QStringLiteral("Italia"));
            r.set("Anno", QString::number(1900 + i % 125));
            r.set("Editore", QString::fromLatin1(kPublishers[i % 7]));
            r.set("Citta", QStringLiteral("Milano"));
            r.set("Dewey", QStringLiteral("%1.%2").arg(DeweyTable::classOf(line)).arg(i % 100));
            r.set("Genere", QString::fromLatin1(kGenres[i % 6]));
            r.set("ISBN", QStringLiteral("88-%1-%2").arg(100 + i % 900).arg(i));
            r.set("Lingua", QStringLiteral("italiano"));
            r.set("Posizione", QStringLiteral("Scaffale %1, ripiano %2").arg(QChar('A' + i % 20)).arg(1 + i % 6));
            r.set("Etichetta", QStringLiteral("LIB-%1").arg(i, 6, 10, QLatin1Char('0')));
            r.set("Pagine", QString::number(100 + i % 700));
            r.set("Giudizio", QStringLiteral("Una lettura consigliata a chi ama il genere"));
            f.add(r);
        }
    });
}

void useCatalogue(benchmark::State& state) {
    ProgramFolder::set(bookFolder(int(state.range(0))));
    state.SetComplexityN(state.range(0));
}

// The anchor: grep counting the lines that hold a word, over the same file.
void BM_GrepCountBooks(benchmark::State& state) {
    useCatalogue(state);
    const QString file = ProgramFolder::file(QStringLiteral("Archivio_Libri.pro"));
    BenchRuns::grepEach(state, {QStringLiteral("-i"), QStringLiteral("feltrinelli")}, file);
}

// "Codice Dewey:" 853: every book whose class holds those digits.
void BM_BookFindDewey(benchmark::State& state) {
    useCatalogue(state);
    BenchRuns::findEach<TfrmTrovaLibri>(state, {{"txtDewey", "853"}});
}

// No criterion: every card listed.
void BM_BookFindListsEveryCard(benchmark::State& state) {
    useCatalogue(state);
    BenchRuns::findEach<TfrmTrovaLibri>(state);
}

// The table window on screen, its loading second over: the 3,721 lines put
// in the list and laid out, ready to be seen.
void BM_DeweyTableFilled(benchmark::State& state) {
    Timers::setManual(true);
    TfrmCodici_Dewey w;
    w.show();
    QCoreApplication::processEvents();
    TRecordList* list = w.list();
    for (auto _ : state) {
        state.PauseTiming();
        list->clear();
        QCoreApplication::processEvents();
        state.ResumeTiming();
        w.timCaricaTimer();
        QCoreApplication::processEvents();
        list->viewport()->repaint();
        benchmark::DoNotOptimize(list->count());
    }
    w.hide();
    Timers::setManual(false);
}

}  // namespace

#define SIZES ->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond)->Complexity()
BENCHMARK(BM_DeweyTableFilled)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GrepCountBooks) SIZES;
BENCHMARK(BM_BookFindDewey) SIZES;
BENCHMARK(BM_BookFindListsEveryCard) SIZES;

int main(int argc, char** argv) {
    initPlenaroResources();  // the Dewey table
    return BenchPairs::run(argc, argv);
}
