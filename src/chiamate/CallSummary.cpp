#include "chiamate/CallSummary.h"

#include "archive/ArchivioSchede.h"
#include "archive/CallColumns.h"
#include "archive/Layouts.h"

TCallSummary::TCallSummary(QWidget* owner, const QString& caption, const QString& fileName, const QString& sheetName,
                           const QString& helpTitle)
    : TExportWindow(owner) {
    ExportWindowSpec spec;
    spec.caption = caption;
    spec.fileName = fileName;
    spec.sheetName = sheetName;
    spec.helpTitle = helpTitle;
    for (const CallGridColumn& c : CallColumns::grid())
        if (!c.field.isEmpty()) spec.grid.push_back({c.header, c.name, 0});
    spec.columns = CallColumns::exported();
    FormCreate(spec);
}

void TCallSummary::fillRows(const RowSink& add) {
    const Selection selects = selection();
    Archive::forEach(ArchiveFiles::Chiamate, Layouts::TSchedaChiamata(), [&](const Record& r, int) {
        if (selects(r)) add(CallColumns::row(r));
    });
}
