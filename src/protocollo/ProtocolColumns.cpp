#include "protocollo/ProtocolColumns.h"

namespace ProtocolColumns {

const ColumnTable& table() {
    using enum CellType;
    static const ColumnTable columns({
        {.header = "N. protocollo", .field = "Numero", .sheetWidth = 200, .name = "colNumero"},
        {.header = "Tipologia posta", .field = "Tipo", .sheetWidth = 250, .name = "colTipo"},
        {.header = "Data registrazione", .field = "DataReg", .sheetWidth = 200, .name = "colDataReg", .type = Date},
        {.header = "Ufficio", .field = "Ufficio", .sheetWidth = 250, .name = "colUfficio"},
        {.header = "Operatore", .field = "Operatore", .sheetWidth = 250, .name = "colOperatore"},
        {.header = "Categoria", .field = "Categoria", .sheetWidth = 250, .name = "colCategoria"},
        {.header = "Collocazione documento cartaceo",
         .field = "Collocazione",
         .sheetWidth = 300,
         .name = "colCollocazione"},
        {.header = "Oggetto", .field = "Oggetto", .sheetWidth = 300, .name = "colOggetto"},
        {.header = "Data spedizione", .field = "DataSpe", .sheetWidth = 200, .name = "colDataSpe", .type = Date},
        {.header = "Data ricezione", .field = "DataRic", .sheetWidth = 200, .name = "colDataRic", .type = Date},
        {.header = "Formato", .field = "Formato", .sheetWidth = 250, .name = "colFormato"},
        {.header = "N. pagine", .field = "Pagine", .sheetWidth = 200, .name = "colPagine"},
        {.header = "Riferimenti", .field = "Riferimenti", .sheetWidth = 300, .name = "colRiferimenti"},
        {.header = "Note", .field = "Note", .sheetWidth = 300, .name = "colNote"},
        {.header = "Mittente", .field = "Mittente", .sheetWidth = 250, .name = "colMittente"},
        {.header = "Recapito mittente", .field = "RecapitoMit", .sheetWidth = 250, .name = "colRecapitoMit"},
        {.header = "Destinatario", .field = "Destinatario", .sheetWidth = 250, .name = "colDestinatario"},
        {.header = "Recapito destinatario", .field = "RecapitoDes", .sheetWidth = 250, .name = "colRecapitoDes"},
    });
    return columns;
}

}  // namespace ProtocolColumns
