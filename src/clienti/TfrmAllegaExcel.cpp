#include "clienti/TfrmAllegaExcel.h"

#include "archive/ArchivioSchede.h"
#include "archive/Layouts.h"
#include "archive/RecordWindow.h"
#include "platform/Formats.h"
#include "platform/Text.h"

EntriesWindowDescription TfrmAllegaExcel::description(const QString& clientName, int clientPosition) {
    const QString name = Text::trim(clientName);
    EntriesWindowDescription d;
    d.objectName = QStringLiteral("frmAllegaExcel");
    d.caption = QStringLiteral(" Riepilogo servizi forniti");
    d.layout = &Layouts::TVoceServizio();
    d.fileName = ArchiveFiles::servizi(clientPosition);
    d.line = {{"Data: ", "Data", 10},
              {"   Ora: ", "Ora", 5},
              {"   Servizi: ", "Servizi", 54},
              {"  Agente: ", "Agente", 28},
              {"  Costo: \u20AC ", "Importo", -1}};
    d.listedField = QStringLiteral("Importo");
    d.title = QStringLiteral("Servizi forniti a ") + name;
    d.modifyInstruction = QStringLiteral(
        "Per modificare una scheda in elenco, selezionarla con un clic e premere il pulsante Modifica voce.");
    d.totalCaption = QStringLiteral("Totale importi:");
    d.addText = QStringLiteral("Aggiungi voce");
    d.modifyText = QStringLiteral("Modifica voce");
    d.printTitle = QStringLiteral("Riepilogo servizi forniti a ") + name;
    d.printTotal = QStringLiteral("TOTALE IMPORTI:    ");
    using F = EntryField;
    d.fields = {
        {.field = "Data",
         .label = "Data:",
         .warning = CardRules::needs("la data in cui \u00E8 stato fornito il servizio."),
         .width = 110,
         .fill = F::Fill::Today,
         .fillButton = "impData"},
        {.field = "Ora",
         .label = "Ora:",
         .warning = CardRules::needs("l'ora in cui \u00E8 stato fornito il servizio."),
         .width = 70,
         .fill = F::Fill::Now,
         .fillButton = "impOra"},
        {.field = "Servizi", .label = "Servizi:", .warning = CardRules::needs("i servizi forniti.")},
        {.field = "Agente",
         .label = "Agente:",
         .warning = CardRules::needs("il nome dell'agente che ha fornito il servizio.")},
        {.field = "Importo",
         .label = "Importo: \u20AC",
         .warning = CardRules::needs("l'importo pagato dal cliente."),
         .width = 130,
         .kind = F::Kind::Amount},
    };
    return d;
}

TfrmAllegaExcel::TfrmAllegaExcel(const QString& clientName, int clientPosition, QWidget* owner)
    : TEntriesWindow(description(clientName, clientPosition), owner) {}

QString TfrmAllegaExcel::emptyTotal() const { return QStringLiteral("0,00"); }

void TfrmAllegaExcel::startTotal() {
    total_ = 0;
    any_ = false;
}

void TfrmAllegaExcel::addToTotal(const Record& entry) {
    double amount = 0;
    if (!Formats::parseDecimal(entry.get("Importo"), &amount)) throw ArchiveError("amount");
    total_ += amount;
    any_ = true;
}

QString TfrmAllegaExcel::totalText(bool complete) const {
    if (complete) return QStringLiteral("\u20AC ") + Formats::amount(total_);
    // A filling stopped by an error shows the sum read so far, unformatted.
    if (!any_) return emptyTotal();
    QString sum = QString::number(total_, 'g', 15);
    sum.replace(QLatin1Char('.'), Formats::decimalSeparator());
    return sum;
}
