#pragma once
// What the benchmarks run again and again: a find window over its archive,
// and its anchor, grep counting the lines that hold a word in the same file.
#include <QLineEdit>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <benchmark/benchmark.h>
#include <initializer_list>
#include <utility>

#include "ui/RecordList.h"

namespace BenchRuns {

// `grep -c -a` with the arguments given, over file: what it printed.
inline QByteArray grepCount(const QStringList& arguments, const QString& file) {
    QProcess grep;
    grep.start(QStringLiteral("grep"),
               QStringList{QStringLiteral("-c"), QStringLiteral("-a")} + arguments + QStringList{file});
    grep.waitForFinished(-1);
    return grep.readAllStandardOutput();
}

// Each run: grep over the file.
inline void grepEach(benchmark::State& state, const QStringList& arguments, const QString& file) {
    for (auto _ : state) benchmark::DoNotOptimize(grepCount(arguments, file));
}

// Each run: a new find window, the criteria typed into their fields, "Cerca"
// pressed, the lines listed counted.
template <class Find>
void findEach(benchmark::State& state, std::initializer_list<std::pair<const char*, const char*>> criteria = {}) {
    QWidget owner;
    for (auto _ : state) {
        Find w(&owner);
        for (const auto& [field, text] : criteria) w.template findChild<QLineEdit*>(field)->setText(text);
        w.btnCercaClick();
        benchmark::DoNotOptimize(w.template findChild<TRecordList*>("lstRecords")->count());
    }
}

}  // namespace BenchRuns
