#include "dipendenti/TfrmTrovaDipendenti.h"

#include "dipendenti/EmployeeFields.h"

FindWindowDescription TfrmTrovaDipendenti::description() {
    const EmployeeFields& f = EmployeeFields::get();
    FindWindowDescription d;
    d.caption = QStringLiteral(" Trova schede dipendenti in archivio");
    d.layout = &f.layout();
    d.fileName = EmployeeFields::kArchive;
    d.fields = {f.Dipendente,    f.DataNasc,  f.Cittadinanza, f.LuogoNasc, f.CodFisc,
                f.Disponibilita, f.Qualifica, f.Reparto,      f.Mansioni,  f.Note};
    d.line = {{"", f.Dipendente, 26},
              {"  Cel. ", f.Cel, 14},
              {"  Qual. ", f.Qualifica, 24},
              {"  Rep. ", f.Reparto, 24},
              {"  Disp. ", f.Disponibilita, -1}};
    d.printTitle = QStringLiteral("Riepilogo schede dipendenti in archivio");
    d.mode = QStringLiteral("dipendenti");
    d.foundText = [](int n) { return QStringLiteral("Il presente riepilogo contiene %1 schede").arg(n); };
    return d;
}

TfrmTrovaDipendenti::TfrmTrovaDipendenti(QWidget* owner) : TFindWindow(description(), owner) {
    setObjectName(QStringLiteral("frmTrovaDipendenti"));
}
