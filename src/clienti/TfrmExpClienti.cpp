#include "clienti/TfrmExpClienti.h"

#include "archive/ClientFields.h"
#include "archive/Layouts.h"

namespace {

// Sex, postcode, the recontact flag and the attachments stay out.
const ColumnTable& clientColumns() {
    const ClientFields& f = ClientFields::get();
    static const ColumnTable table({
        {.field = f.Cliente, .sheetWidth = 250},
        {.field = f.DataNasc, .sheetWidth = 200},
        // The grid words the town of birth its own way; the sheet keeps the field's header.
        {.header = "Comune / Stato estero di nascita",
         .field = f.ComuneNasc,
         .sheetWidth = 250,
         .joined = f.ProvNasc,
         .sheetHeader = f.ComuneNasc.exportHeader()},
        {.field = f.Recapito, .sheetWidth = 250},
        {.field = f.IndirizzoRes, .sheetWidth = 300},
        {.field = f.ComuneRes, .sheetWidth = 250, .joined = f.ProvRes},
        {.field = f.Estremi, .sheetWidth = 250},
        {.field = f.TelCasa, .sheetWidth = 250},
        {.field = f.TelUff, .sheetWidth = 250},
        {.field = f.TelCel, .sheetWidth = 250},
        {.field = f.Fax, .sheetWidth = 250},
        {.field = f.Email, .sheetWidth = 250},
        {.field = f.CodFisc, .sheetWidth = 250},
        {.field = f.PartitaIva, .sheetWidth = 250},
        {.field = f.Carta, .sheetWidth = 300},
        {.field = f.ScadeCarta, .sheetWidth = 150},
        {.field = f.Iban, .sheetWidth = 300},
        {.field = f.Documento, .sheetWidth = 280},
        {.field = f.Occupazione, .sheetWidth = 250},
        {.field = f.Civile, .sheetWidth = 250},
        {.field = f.Titoli, .sheetWidth = 280},
        {.field = f.Prodotti, .sheetWidth = 300},
        {.field = f.Zona, .sheetWidth = 250},
        {.field = f.Questioni, .sheetWidth = 300},
        {.field = f.Note, .sheetWidth = 300},
    });
    return table;
}

}  // namespace

TfrmExpClienti::TfrmExpClienti(QWidget* owner) : TExportWindow(owner) {
    setObjectName(QStringLiteral("frmExpClienti"));
    ExportWindowDescription desc;
    desc.caption = QStringLiteral(" Esporta archivio clienti in Excel");
    desc.fileName = QStringLiteral("Clienti.xls");
    desc.sheetName = QStringLiteral("Archivio Clienti");
    desc.helpTitle = kHelpTitle;
    desc.table = clientColumns();
    desc.archive = ArchiveFiles::Clienti;
    desc.layout = &ClientFields::get().layout();
    FormCreate(desc);
}
