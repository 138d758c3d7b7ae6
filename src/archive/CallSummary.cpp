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
    for (const CallGridColumn& c : CallColumns::grid())
        if (!c.field.isEmpty()) desc.grid.push_back({c.header, c.name, 0});
    desc.columns = CallColumns::exported();
    FormCreate(desc);
}

void TCallSummary::fillRows(const RowSink& add) {
    const Selection selects = selection();
    Archive::forEach(ArchiveFiles::Chiamate, Layouts::TSchedaChiamata(), [&](const Record& r, int) {
        if (selects(r)) add(CallColumns::row(r));
    });
}
