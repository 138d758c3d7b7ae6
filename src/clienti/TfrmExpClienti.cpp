#include "clienti/TfrmExpClienti.h"

#include "archive/ArchivioSchede.h"
#include "archive/Layouts.h"
#include "platform/Text.h"

namespace {

struct ClientColumn {
    const char* gridHeader;
    const char* exportHeader;
    int width;
    const char* field;
    const char* joined;  // a second field after one blank, or null
};

// Sex, postcode, the recontact flag and the attachments stay out.
const ClientColumn kColumns[] = {
    {"Cognome e nome", "Cognome e nome", 250, "Cliente", nullptr},
    {"Data di nascita", "Data di nascita", 200, "DataNasc", nullptr},
    {"Comune / Stato estero di nascita", "Comune di nascita", 250, "ComuneNasc", "ProvNasc"},
    {"Tel. preferenziale", "Tel. preferenziale", 250, "Recapito", nullptr},
    {"Indirizzo di residenza", "Indirizzo di residenza", 300, "IndirizzoRes", nullptr},
    {"Comune di residenza", "Comune di residenza", 250, "ComuneRes", "ProvRes"},
    {"Modalit\u00E0 di pagamento", "Modalit\u00E0 di pagamento", 250, "Estremi", nullptr},
    {"Tel. casa", "Tel. casa", 250, "TelCasa", nullptr},
    {"Tel. ufficio", "Tel. ufficio", 250, "TelUff", nullptr},
    {"Tel. cellulare", "Tel. cellulare", 250, "TelCel", nullptr},
    {"PEC", "PEC", 250, "Fax", nullptr},
    {"E-mail", "E-mail", 250, "Email", nullptr},
    {"Codice fiscale", "Codice fiscale", 250, "CodFisc", nullptr},
    {"Partita IVA", "Partita IVA", 250, "PartitaIva", nullptr},
    {"Carta di credito n.", "Carta di credito n.", 300, "Carta", nullptr},
    {"Scadenza", "Scadenza", 150, "ScadeCarta", nullptr},
    {"IBAN", "IBAN", 300, "Iban", nullptr},
    {"Estremi documento", "Estremi documento", 280, "Documento", nullptr},
    {"Occupazione", "Occupazione", 250, "Occupazione", nullptr},
    {"Stato civile", "Stato civile", 250, "Civile", nullptr},
    {"Titoli e qualifiche", "Titoli e qualifiche", 280, "Titoli", nullptr},
    {"Prodotti e servizi di interesse", "Prodotti e servizi di interesse", 300, "Prodotti", nullptr},
    {"Zona", "Zona", 250, "Zona", nullptr},
    {"Questioni in sospeso", "Questioni in sospeso", 300, "Questioni", nullptr},
    {"Note", "Note", 300, "Note", nullptr},
};

}  // namespace

TfrmExpClienti::TfrmExpClienti(QWidget* owner) : TExportWindow(owner) {
    setObjectName(QStringLiteral("frmExpClienti"));
    ExportWindowDescription desc;
    desc.caption = QStringLiteral(" Esporta archivio clienti in Excel");
    desc.fileName = QStringLiteral("Clienti.xls");
    desc.sheetName = QStringLiteral("Archivio Clienti");
    desc.helpTitle = kHelpTitle;
    for (const ClientColumn& c : kColumns) {
        desc.grid.push_back({QString::fromUtf8(c.gridHeader), QString(), 0});
        desc.columns.push_back({QString::fromUtf8(c.exportHeader), c.width});
    }
    FormCreate(desc);
}

void TfrmExpClienti::fillRows(const RowSink& add) {
    Archive::forEach(ArchiveFiles::Clienti, Layouts::TSchedaCliente(), [&](const Record& r, int) {
        QStringList cells;
        for (const ClientColumn& c : kColumns) {
            QString text = Text::trim(r.get(QLatin1String(c.field)));
            if (c.joined) text = Text::trim(text + QLatin1Char(' ') + Text::trim(r.get(QLatin1String(c.joined))));
            cells << text;
        }
        add(cells);
    });
}
