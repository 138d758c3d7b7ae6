#include "archive/CallColumns.h"

#include "platform/Text.h"

namespace CallColumns {

const std::vector<CallGridColumn>& grid() {
    static const std::vector<CallGridColumn> columns = {
        {"colNum", "N.", ""},
        {"colDataRit", "Data chiamata", "DataChiamata"},
        {"colOraRit", "Ora chiamata", "OraChiamata"},
        {"colTipo", "Tipo chiamata", "Tipo"},
        {"colOggetto", "Oggetto", "Oggetto"},
        {"colEsito", "Esito", "Esito"},
        {"colGrado", "Grado soddisfazione", "Grado"},
        {"colDurata", "Durata", "Durata"},
        {"colCliente", "Cognome e nome cliente", "Cliente"},
        {"colCodFisc", "Codice fiscale", "CodFisc"},
        {"colZona", "Zona di appartenenza", "Zona"},
        {"colRecapito", "Tel. preferenziale", "Recapito"},
        {"colTelCel", "Tel. cellulare", "TelCel"},
        {"colEmail", "Indirizzo e-mail", "Email"},
        {"colNote", "Note", "Note"},
        {"colOperatore", "Operatore / Agente", "Operatore"},
    };
    return columns;
}

const std::vector<ExportColumn>& exported() {
    static const std::vector<ExportColumn> columns = {
        {"Data chiamata", 150},       {"Ora chiamata", 150},       {"Tipo chiamata", 200},
        {"Oggetto", 350},             {"Esito", 300},              {"Grado soddisfazione", 250},
        {"Durata", 200},              {"Cognome e nome cliente", 250}, {"Codice fiscale", 200},
        {"Zona di appartenenza", 250}, {"Tel. preferenziale", 200}, {"Tel. cellulare", 200},
        {"Indirizzo e-mail", 250},    {"Note", 350},               {"Operatore o agente", 250},
    };
    return columns;
}

QStringList row(const Record& call) {
    QStringList cells;
    for (const CallGridColumn& c : grid())
        if (!c.field.isEmpty()) cells << Text::trim(call.get(c.field));
    return cells;
}

}  // namespace CallColumns
