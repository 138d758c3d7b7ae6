#include "archive/CallColumns.h"

#include "archive/ArchivioSchede.h"
#include "archive/CallFields.h"
#include "archive/Layouts.h"

namespace CallColumns {

const ColumnTable& table() {
    const CallFields& f = CallFields::get();
    static const ColumnTable columns({
        {.field = f.DataChiamata, .sheetWidth = 150, .name = "colDataRit"},
        {.field = f.OraChiamata, .sheetWidth = 150, .name = "colOraRit"},
        {.field = f.Tipo, .sheetWidth = 200, .name = "colTipo"},
        {.field = f.Oggetto, .sheetWidth = 350, .name = "colOggetto"},
        {.field = f.Esito, .sheetWidth = 300, .name = "colEsito"},
        {.field = f.Grado, .sheetWidth = 250, .name = "colGrado"},
        {.field = f.Durata, .sheetWidth = 200, .name = "colDurata"},
        {.field = f.Cliente, .sheetWidth = 250, .name = "colCliente"},
        {.field = f.CodFisc, .sheetWidth = 200, .name = "colCodFisc"},
        {.field = f.Zona, .sheetWidth = 250, .name = "colZona"},
        {.field = f.Recapito, .sheetWidth = 200, .name = "colRecapito"},
        {.field = f.TelCel, .sheetWidth = 200, .name = "colTelCel"},
        {.field = f.Email, .sheetWidth = 250, .name = "colEmail"},
        {.field = f.Note, .sheetWidth = 350, .name = "colNote"},
        // The grid heads the operator with the window's caption, without its
        // colon; the sheet keeps the field's export header.
        {.header = f.Operatore.caption().chopped(1),
         .field = f.Operatore,
         .sheetWidth = 250,
         .sheetHeader = f.Operatore.exportHeader(),
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
    d.layout = &CallFields::get().layout();
    d.filter = std::move(filter);
    return d;
}

}  // namespace CallColumns
