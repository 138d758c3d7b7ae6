#include "appuntamenti/AppointmentColumns.h"

#include "appuntamenti/AgendaRules.h"
#include "archive/ArchivioSchede.h"
#include "archive/Layouts.h"

namespace {

std::vector<Column> cardColumns() {
    return {
        {.header = "Data appuntamento", .field = "Data", .sheetWidth = 180, .type = CellType::Date},
        {.header = "Ora", .field = "Ora", .sheetWidth = 150},
        {.header = "Agente", .field = "Tipologia", .sheetWidth = 280},
        {.header = "Servizi richiesti", .field = "Causale", .sheetWidth = 400},
        {.header = "Dettagli", .field = "Dettagli", .sheetWidth = 400},
        {.header = "Cliente", .field = "Contatto", .sheetWidth = 300},
        {.header = "Telefono", .field = "Tel", .sheetWidth = 200},
        {.header = "Cellulare", .field = "Cel", .sheetWidth = 200},
        {.header = "E-mail", .field = "Email", .sheetWidth = 250},
        {.header = "Modalit\u00E0 di pagamento", .field = "Luogo", .sheetWidth = 300},
        {.header = "Importo", .field = "Importo", .sheetWidth = 200, .type = CellType::Amount},
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
        c.push_back({.header = "Codice univoco", .sheetWidth = 150, .compute = AgendaRules::key});
        return c;
    }());
    return withKey ? keyedCards : cards;
}

ExportWindowDescription summary(const QString& caption, const QString& fileName, const QString& sheetName,
                                const QString& helpTitle, bool withKey, std::function<RecordFilter()> filter) {
    ExportWindowDescription d;
    d.caption = caption;
    d.fileName = fileName;
    d.sheetName = sheetName;
    d.helpTitle = helpTitle;
    d.table = table(withKey);
    d.archive = ArchiveFiles::Appuntamenti;
    d.layout = &Layouts::TSchedaAppuntamento();
    d.filter = std::move(filter);
    if (withKey) d.orderKey = AgendaRules::key;
    return d;
}

}  // namespace AppointmentColumns
