#include "archive/CallColumns.h"

#include "archive/ArchivioSchede.h"
#include "archive/Layouts.h"

namespace CallColumns {

const ColumnTable& table() {
    using enum CellType;
    static const ColumnTable columns({
        {.header = "Data chiamata", .field = "DataChiamata", .sheetWidth = 150, .name = "colDataRit", .type = Date},
        {.header = "Ora chiamata", .field = "OraChiamata", .sheetWidth = 150, .name = "colOraRit"},
        {.header = "Tipo chiamata", .field = "Tipo", .sheetWidth = 200, .name = "colTipo"},
        {.header = "Oggetto", .field = "Oggetto", .sheetWidth = 350, .name = "colOggetto"},
        {.header = "Esito", .field = "Esito", .sheetWidth = 300, .name = "colEsito"},
        {.header = "Grado soddisfazione", .field = "Grado", .sheetWidth = 250, .name = "colGrado"},
        {.header = "Durata", .field = "Durata", .sheetWidth = 200, .name = "colDurata"},
        {.header = "Cognome e nome cliente", .field = "Cliente", .sheetWidth = 250, .name = "colCliente"},
        {.header = "Codice fiscale", .field = "CodFisc", .sheetWidth = 200, .name = "colCodFisc"},
        {.header = "Zona di appartenenza", .field = "Zona", .sheetWidth = 250, .name = "colZona"},
        {.header = "Tel. preferenziale", .field = "Recapito", .sheetWidth = 200, .name = "colRecapito"},
        {.header = "Tel. cellulare", .field = "TelCel", .sheetWidth = 200, .name = "colTelCel"},
        {.header = "Indirizzo e-mail", .field = "Email", .sheetWidth = 250, .name = "colEmail"},
        {.header = "Note", .field = "Note", .sheetWidth = 350, .name = "colNote"},
        {.header = "Operatore / Agente",
         .field = "Operatore",
         .sheetWidth = 250,
         .sheetHeader = "Operatore o agente",
         .name = "colOperatore"},
    });
    return columns;
}

ExportWindowDescription summary(const QString& caption, const QString& fileName, const QString& sheetName,
                                const QString& helpTitle, std::function<RecordFilter()> filter) {
    ExportWindowDescription d;
    d.caption = caption;
    d.fileName = fileName;
    d.sheetName = sheetName;
    d.helpTitle = helpTitle;
    d.table = table();
    d.archive = ArchiveFiles::Chiamate;
    d.layout = &Layouts::TSchedaChiamata();
    d.filter = std::move(filter);
    return d;
}

}  // namespace CallColumns
