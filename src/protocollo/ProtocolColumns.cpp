#include "protocollo/ProtocolColumns.h"

#include "protocollo/ProtocolFields.h"

namespace ProtocolColumns {

const ColumnTable& table() {
    static const ColumnTable columns = [] {
        const ProtocolFields& f = ProtocolFields::get();
        // Each column is named after its field.
        auto column = [](const CardField& field, int sheetWidth) {
            return Column{.field = field, .sheetWidth = sheetWidth, .name = QStringLiteral("col") + field.name()};
        };
        return ColumnTable({
            column(f.Numero, 200),
            column(f.Tipo, 250),
            column(f.DataReg, 200),
            column(f.Ufficio, 250),
            column(f.Operatore, 250),
            column(f.Categoria, 250),
            column(f.Collocazione, 300),
            column(f.Oggetto, 300),
            column(f.DataSpe, 200),
            column(f.DataRic, 200),
            column(f.Formato, 250),
            column(f.Pagine, 200),
            column(f.Riferimenti, 300),
            column(f.Note, 300),
            column(f.Mittente, 250),
            column(f.RecapitoMit, 250),
            column(f.Destinatario, 250),
            column(f.RecapitoDes, 250),
        });
    }();
    return columns;
}

}  // namespace ProtocolColumns
