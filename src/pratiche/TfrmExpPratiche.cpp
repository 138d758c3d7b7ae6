#include "pratiche/TfrmExpPratiche.h"

#include "archive/Layouts.h"
#include "pratiche/CaseFields.h"

const ColumnTable& TfrmExpPratiche::columns() {
    const CaseFields& f = CaseFields::get();
    static const ColumnTable table({
        {.field = f.Oggetto, .sheetWidth = 400},    {.field = f.Tipologia, .sheetWidth = 250},
        {.field = f.Protocollo, .sheetWidth = 200}, {.field = f.Apertura, .sheetWidth = 200},
        {.field = f.Chiusura, .sheetWidth = 200},   {.field = f.Stato, .sheetWidth = 250},
        {.field = f.Documenti, .sheetWidth = 400},  {.field = f.Uffici, .sheetWidth = 400},
        {.field = f.Consulente, .sheetWidth = 250}, {.field = f.Cliente, .sheetWidth = 250},
        {.field = f.Recapito, .sheetWidth = 250},   {.field = f.IndirizzoRes, .sheetWidth = 250},
        {.field = f.ComuneRes, .sheetWidth = 250},  {.field = f.ProvRes, .sheetWidth = 120},
        {.field = f.CapRes, .sheetWidth = 120},     {.field = f.CodFisc, .sheetWidth = 250},
        {.field = f.PartitaIva, .sheetWidth = 200}, {.field = f.Saldati, .sheetWidth = 400},
        {.field = f.Sospesi, .sheetWidth = 400},    {.field = f.Note, .sheetWidth = 400},
    });
    return table;
}

TfrmExpPratiche::TfrmExpPratiche(QWidget* owner) : TExportWindow(owner) {
    setObjectName(QStringLiteral("frmExpPratiche"));
    ExportWindowDescription desc;
    desc.caption = QStringLiteral(" Esporta archivio pratiche in Excel");
    desc.fileName = QStringLiteral("Pratiche.xls");
    desc.sheetName = QStringLiteral("Riepilogo Pratiche");
    desc.helpTitle = kHelpTitle;
    desc.table = columns();
    desc.archive = ArchiveFiles::Pratiche;
    desc.layout = &CaseFields::get().layout();
    FormCreate(desc);
}
