#include "archive/CallSummary.h"

#include "archive/ArchivioSchede.h"
#include "archive/CallColumns.h"
#include "archive/Layouts.h"

TCallSummary::TCallSummary(QWidget* owner, const QString& caption, const QString& fileName, const QString& sheetName,
                           const QString& helpTitle)
    : TExportWindow(owner) {
    ExportWindowDescription desc;
    desc.caption = caption;
    desc.fileName = fileName;
    desc.sheetName = sheetName;
    desc.helpTitle = helpTitle;
    desc.table = CallColumns::table();
    FormCreate(desc);
}

void TCallSummary::forEachRecord(const RecordSink& add) {
    const Selection selects = selection();
    Archive::forEach(ArchiveFiles::Chiamate, Layouts::TSchedaChiamata(), [&](const Record& r, qint64) {
        if (selects(r)) add(r);
    });
}
