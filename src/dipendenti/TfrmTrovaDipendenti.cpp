#include "dipendenti/TfrmTrovaDipendenti.h"

#include "archive/Layouts.h"

FindWindowDescription TfrmTrovaDipendenti::description() {
    FindWindowDescription d;
    d.caption = QStringLiteral(" Trova schede dipendenti in archivio");
    d.layout = &Layouts::TSchedaDipendente();
    d.fileName = ArchiveFiles::Dipendenti;
    d.fields = {{"txtDipendente", "Cognome e nome:", "Dipendente"},
                {"txtDataNasc", "Data di nascita (gg/mm/aaaa):", "DataNasc"},
                {"txtCittadinanza", "Cittadinanza:", "Cittadinanza"},
                {"txtLuogoNasc", "Luogo di nascita:", "LuogoNasc"},
                {"txtCodFisc", "Codice fiscale:", "CodFisc"},
                {"txtDisponibilita", "Disponibilit\u00E0:", "Disponibilita"},
                {"txtQualifica", "Qualifica:", "Qualifica"},
                {"txtReparto", "Reparto:", "Reparto"},
                {"txtMansioni", "Mansioni:", "Mansioni"},
                {"txtNote", "Note:", "Note"}};
    d.line = {{"", "Dipendente", 26},
              {"  Cel. ", "Cel", 14},
              {"  Qual. ", "Qualifica", 24},
              {"  Rep. ", "Reparto", 24},
              {"  Disp. ", "Disponibilita", -1}};
    d.printTitle = QStringLiteral("Riepilogo schede dipendenti in archivio");
    d.mode = QStringLiteral("dipendenti");
    d.foundText = [](int n) { return QStringLiteral("Il presente riepilogo contiene %1 schede").arg(n); };
    return d;
}

TfrmTrovaDipendenti::TfrmTrovaDipendenti(QWidget* owner) : TFindWindow(description(), owner) {
    setObjectName(QStringLiteral("frmTrovaDipendenti"));
}
