#include "pratiche/TfrmExpPratiche.h"

#include "archive/Layouts.h"

const ColumnTable& TfrmExpPratiche::columns() {
    static const ColumnTable table({
        {"Oggetto pratica", "Oggetto", 400},
        {"Tipologia", "Tipologia", 250},
        {"Protocollo n.", "Protocollo", 200},
        {.header = "Data apertura", .field = "Apertura", .sheetWidth = 200, .type = CellType::Date},
        {.header = "Data chiusura", .field = "Chiusura", .sheetWidth = 200, .type = CellType::Date},
        {"Stato avanzamento", "Stato", 250},
        {"Documenti principali", "Documenti", 400},
        {"Uffici interessati", "Uffici", 400},
        {"Consulente o curatore", "Consulente", 250},
        {"Cliente", "Cliente", 250},
        {"Recapito preferenziale", "Recapito", 250},
        {"Via e numero civico", "IndirizzoRes", 250},
        {"Comune di residenza", "ComuneRes", 250},
        {"Prov.", "ProvRes", 120},
        {"CAP", "CapRes", 120},
        {"Codice fiscale", "CodFisc", 250},
        {"Partita IVA", "PartitaIva", 200},
        {"Pagamenti saldati", "Saldati", 400},
        {"Pagamenti da effettuare", "Sospesi", 400},
        {"Note", "Note", 400},
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
    desc.layout = &Layouts::TSchedaPratica();
    FormCreate(desc);
}
