#include "dipendenti/TfrmLavori_Svolti.h"

#include "archive/CardRules.h"
#include "archive/Layouts.h"
#include "platform/Text.h"

EntriesWindowDescription TfrmLavori_Svolti::description(const QString& employeeName, int employeePosition) {
    const QString name = Text::trim(employeeName);
    EntriesWindowDescription d;
    d.objectName = QStringLiteral("frmLavori_Svolti");
    d.caption = QStringLiteral(" Riepilogo lavori svolti");
    d.layout = &Layouts::TVoceLavoro();
    d.fileName = ArchiveFiles::lavori(employeePosition);
    d.line = {{"", "Attivita", 48},
              {"   Data: ", "Data", 10},
              {"  Luogo: ", "Luogo", 28},
              {"  Orario: ", "Orario", 28},
              {"  Ore: ", "TotOre", -1}};
    d.listedField = QStringLiteral("Data");
    d.title = QStringLiteral("Lavori svolti da ") + name;
    d.modifyInstruction = QStringLiteral(
        "Per modificare una scheda in elenco, selezionarla con un clic e premere il pulsante Modifica attivit\u00E0.");
    d.totalCaption = QStringLiteral("Attivit\u00E0 registrate:");
    d.addText = QStringLiteral("Aggiungi attivit\u00E0");
    d.modifyText = QStringLiteral("Modifica attivit\u00E0");
    d.printTitle = QStringLiteral("Lavori svolti da ") + name;
    d.printTotal = QStringLiteral("TOTALE ATTIVITA':      ");
    using F = EntryField;
    auto needs = [](const char* what) { return CardRules::needs(QString::fromUtf8(what)); };
    d.fields = {
        {.field = "Data",
         .label = "Data:",
         .warning = needs("la data in cui l'attivit\u00E0 \u00E8 stata svolta."),
         .width = 110,
         .fill = F::Fill::Today,
         .fillButton = "impOggi"},
        {.field = "Attivita",
         .label = "Attivit\u00E0 svolta:",
         .warning = needs("la tipologia di attivit\u00E0 svolta.")},
        {.field = "Luogo", .label = "Luogo:", .warning = needs("il luogo in cui l'attivit\u00E0 \u00E8 stata svolta.")},
        {.field = "Orario",
         .label = "Orario:",
         .warning = needs("l'orario in cui l'attivit\u00E0 \u00E8 stata svolta.")},
        {.field = "TotOre",
         .label = "Totale ore:",
         .warning = needs("la durata totale in ore dell'attivit\u00E0 svolta."),
         .width = 150},
    };
    return d;
}

TfrmLavori_Svolti::TfrmLavori_Svolti(const QString& employeeName, int employeePosition, QWidget* owner)
    : TEntriesWindow(description(employeeName, employeePosition), owner) {}
