#include "appuntamenti/AppointmentColumns.h"

#include <cstring>

#include "appuntamenti/AgendaRules.h"
#include "archive/Layouts.h"

namespace {

constexpr const char* kKey = "CodiceUnivoco";

// The card's fields, then its key: read by the grid, never written to a file.
const RecordLayout& keyedLayout() {
    static const RecordLayout l("TSchedaAppuntamentoChiave", [] {
        std::vector<FieldDef> f = Layouts::TSchedaAppuntamento().fields();
        f.push_back({QLatin1String(kKey), 12});
        return f;
    }());
    return l;
}

std::vector<Column> cardColumns() {
    return {
        {.header = "Data appuntamento", .field = "Data", .sheetWidth = 180},
        {.header = "Ora", .field = "Ora", .sheetWidth = 150},
        {.header = "Agente", .field = "Tipologia", .sheetWidth = 280},
        {.header = "Servizi richiesti", .field = "Causale", .sheetWidth = 400},
        {.header = "Dettagli", .field = "Dettagli", .sheetWidth = 400},
        {.header = "Cliente", .field = "Contatto", .sheetWidth = 300},
        {.header = "Telefono", .field = "Tel", .sheetWidth = 200},
        {.header = "Cellulare", .field = "Cel", .sheetWidth = 200},
        {.header = "E-mail", .field = "Email", .sheetWidth = 250},
        {.header = "Modalit\u00E0 di pagamento", .field = "Luogo", .sheetWidth = 300},
        {.header = "Importo", .field = "Importo", .sheetWidth = 200},
        {.header = "Impegno assolto", .field = "Ottemperata", .sheetWidth = 200},
        {.header = "Note", .field = "Note", .sheetWidth = 400},
    };
}

}  // namespace

namespace AppointmentColumns {

const ColumnTable& table(bool withKey) {
    static const ColumnTable cards(cardColumns());
    static const ColumnTable keyedCards([] {
        std::vector<Column> c = cardColumns();
        c.push_back({.header = "Codice univoco", .field = kKey, .sheetWidth = 150});
        return c;
    }());
    return withKey ? keyedCards : cards;
}

Record keyed(const Record& card) {
    Record r(keyedLayout());
    std::memcpy(r.bytes().data(), card.bytes().constData(), size_t(qMin(card.bytes().size(), r.bytes().size())));
    r.set(QLatin1String(kKey), AgendaRules::key(card));
    return r;
}

}  // namespace AppointmentColumns
