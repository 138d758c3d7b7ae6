#include "clienti/TfrmExpClienti.h"

#include "archive/Layouts.h"

namespace {

// Sex, postcode, the recontact flag and the attachments stay out.
const ColumnTable& clientColumns() {
    static const ColumnTable table({
        {"Cognome e nome", "Cliente", 250},
        {.header = "Data di nascita", .field = "DataNasc", .sheetWidth = 200, .type = CellType::Date},
        {"Comune / Stato estero di nascita", "ComuneNasc", 250, "ProvNasc", "Comune di nascita"},
        {"Tel. preferenziale", "Recapito", 250},
        {"Indirizzo di residenza", "IndirizzoRes", 300},
        {"Comune di residenza", "ComuneRes", 250, "ProvRes"},
        {"Modalit\u00E0 di pagamento", "Estremi", 250},
        {"Tel. casa", "TelCasa", 250},
        {"Tel. ufficio", "TelUff", 250},
        {"Tel. cellulare", "TelCel", 250},
        {"PEC", "Fax", 250},
        {"E-mail", "Email", 250},
        {"Codice fiscale", "CodFisc", 250},
        {"Partita IVA", "PartitaIva", 250},
        {"Carta di credito n.", "Carta", 300},
        {"Scadenza", "ScadeCarta", 150},
        {"IBAN", "Iban", 300},
        {"Estremi documento", "Documento", 280},
        {"Occupazione", "Occupazione", 250},
        {"Stato civile", "Civile", 250},
        {"Titoli e qualifiche", "Titoli", 280},
        {"Prodotti e servizi di interesse", "Prodotti", 300},
        {"Zona", "Zona", 250},
        {"Questioni in sospeso", "Questioni", 300},
        {"Note", "Note", 300},
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
    desc.layout = &Layouts::TSchedaCliente();
    FormCreate(desc);
}
