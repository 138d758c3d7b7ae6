#include "appuntamenti/AppointmentColumns.h"

#include "appuntamenti/AgendaRules.h"
#include "appuntamenti/AppointmentFields.h"
#include "archive/Layouts.h"

namespace {

std::vector<Column> cardColumns() {
    const AppointmentFields& f = AppointmentFields::get();
    return {
        {.field = f.Data, .sheetWidth = 180},      {.field = f.Ora, .sheetWidth = 150},
        {.field = f.Tipologia, .sheetWidth = 280}, {.field = f.Causale, .sheetWidth = 400},
        {.field = f.Dettagli, .sheetWidth = 400},  {.field = f.Contatto, .sheetWidth = 300},
        {.field = f.Tel, .sheetWidth = 200},       {.field = f.Cel, .sheetWidth = 200},
        {.field = f.Email, .sheetWidth = 250},     {.field = f.Luogo, .sheetWidth = 300},
        {.field = f.Importo, .sheetWidth = 200},   {.field = f.Ottemperata, .sheetWidth = 200},
        {.field = f.Note, .sheetWidth = 400},
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
    d.layout = &AppointmentFields::get().layout();
    d.filter = std::move(filter);
    if (withKey) d.orderKey = AgendaRules::key;
    return d;
}

}  // namespace AppointmentColumns
