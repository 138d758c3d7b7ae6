#pragma once
// The same cards in an SQLite database beside the archive, written by the
// benchmark itself through the sqlite3 program: one table, a column per
// field holding its text as the program reads it. Anchors for the figures
// of the lists and the exports: what the tool a user might pick instead
// costs over the same cards.
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QString>
#include <cstdio>
#include <cstdlib>

#include "archive/ArchivioSchede.h"
#include "archive/ColumnTable.h"
#include "archive/RecordLayout.h"
#include "platform/ProgramFolder.h"

namespace BenchSqlite {

inline QString quoted(const QString& text) {
    QString q = text;
    q.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + q + QLatin1Char('"');
}

// folder/<table>.db with every record of folder/archive, built once.
inline QString database(const QString& folder, const QString& archive, const RecordLayout& layout,
                        const QString& table) {
    const QString db = QDir(folder).filePath(table + QStringLiteral(".db"));
    if (QFile::exists(db)) return db;
    const QString csv = QDir(folder).filePath(table + QStringLiteral(".csv"));
    {
        QFile out(csv);
        if (!out.open(QIODevice::WriteOnly)) std::abort();
        QByteArray chunk;
        QStringList names;
        for (const FieldDef& f : layout.fields()) names << quoted(f.name);
        chunk += names.join(QLatin1Char(',')).toUtf8() + '\n';
        Archive::forEach(QDir(folder).filePath(archive), layout, [&](const Record& r, qint64) {
            for (int i = 0; i < layout.fieldCount(); ++i) {
                if (i) chunk += ',';
                chunk += quoted(r.get(i)).toUtf8();
            }
            chunk += '\n';
            if (chunk.size() > (8 << 20)) {
                out.write(chunk);
                chunk.clear();
            }
        });
        out.write(chunk);
    }
    QProcess sqlite;
    sqlite.start(QStringLiteral("sqlite3"), {db, QStringLiteral(".import --csv %1 %2").arg(csv, table)});
    if (!sqlite.waitForFinished(-1) || sqlite.exitCode() != 0) {
        std::fprintf(stderr, "sqlite3 could not import %s: %s\n", qPrintable(csv),
                     sqlite.readAllStandardError().constData());
        std::abort();
    }
    QFile::remove(csv);
    return db;
}

// The columns an export writes, as a SELECT over the table: a joined pair
// trimmed as a whole, as the sheet has it.
inline QString sheetSelect(const ColumnTable& columns, const QString& table) {
    QStringList out;
    for (const Column& c : columns.columns()) {
        if (!c.exported || c.compute) continue;
        out << (c.joined.isEmpty()
                    ? quoted(c.field.name())
                    : QStringLiteral("trim(%1 || ' ' || %2)").arg(quoted(c.field.name()), quoted(c.joined.name())));
    }
    return QStringLiteral("SELECT ") + out.join(QStringLiteral(", ")) + QStringLiteral(" FROM ") + table;
}

// Runs sqlite3 with these arguments, its output to outputFile (the null
// device when empty); returns the seconds it took.
inline double run(const QStringList& arguments, const QString& outputFile = QString()) {
    QProcess sqlite;
    sqlite.setStandardOutputFile(outputFile.isEmpty() ? QProcess::nullDevice() : outputFile);
    QElapsedTimer t;
    t.start();
    sqlite.start(QStringLiteral("sqlite3"), arguments);
    if (!sqlite.waitForFinished(-1) || sqlite.exitCode() != 0) std::abort();
    return double(t.nsecsElapsed()) / 1e9;
}

}  // namespace BenchSqlite
