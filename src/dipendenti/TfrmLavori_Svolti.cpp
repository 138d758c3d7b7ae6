#include "dipendenti/TfrmLavori_Svolti.h"

#include "archive/CardRules.h"
#include "archive/Layouts.h"
#include "dipendenti/WorkFields.h"
#include "platform/Text.h"

EntriesWindowDescription TfrmLavori_Svolti::description(const QString& employeeName, int employeePosition) {
    const QString name = Text::trim(employeeName);
    EntriesWindowDescription d;
    d.objectName = QStringLiteral("frmLavori_Svolti");
    d.caption = QStringLiteral(" Riepilogo lavori svolti");
    const WorkFields& f = WorkFields::get();
    d.card = &f;
    d.fileName = ArchiveFiles::lavori(employeePosition);
    d.line = {{"", f.Attivita, 48},
              {"   Data: ", f.Data, 10},
              {"  Luogo: ", f.Luogo, 28},
              {"  Orario: ", f.Orario, 28},
              {"  Ore: ", f.TotOre, -1}};
    d.listedField = f.Data;
    d.title = QStringLiteral("Lavori svolti da ") + name;
    d.modifyInstruction = QStringLiteral(
        "Per modificare una scheda in elenco, selezionarla con un clic e premere il pulsante Modifica attivit\u00E0.");
    d.totalCaption = QStringLiteral("Attivit\u00E0 registrate:");
    d.addText = QStringLiteral("Aggiungi attivit\u00E0");
    d.modifyText = QStringLiteral("Modifica attivit\u00E0");
    d.printTitle = QStringLiteral("Lavori svolti da ") + name;
    d.printTotal = QStringLiteral("TOTALE ATTIVITA':      ");
    d.fields = {{f.Data, EntryField::Fill::Today, "impOggi"}, {f.Attivita}, {f.Luogo}, {f.Orario}, {f.TotOre}};
    return d;
}

TfrmLavori_Svolti::TfrmLavori_Svolti(const QString& employeeName, int employeePosition, QWidget* owner)
    : TEntriesWindow(description(employeeName, employeePosition), owner) {}
