#include "appuntamenti/TfrmTrovaScadenze.h"

#include "appuntamenti/CommitmentSummaries.h"
#include "archive/Layouts.h"

const FindWindowDescription& TfrmTrovaScadenze::description() {
    static const FindWindowDescription s = [] {
        FindWindowDescription d;
        d.caption = QStringLiteral(" Trova appuntamenti in archivio");
        d.layout = &Layouts::TSchedaAppuntamento();
        d.fileName = ArchiveFiles::Appuntamenti;
        // The e-mail, the days of notice, the amount and the flag are not searched.
        d.fields = {{"txtData", "Data appuntamento (gg/mm/aaaa):", "Data"},
                    {"txtOra", "Ora (hh:mm):", "Ora"},
                    {"txtTipologia", "Agente:", "Tipologia"},
                    {"txtCausale", "Servizi richiesti dal cliente:", "Causale"},
                    {"txtDettagli", "Dettagli:", "Dettagli"},
                    {"txtContatto", "Cognome e nome cliente:", "Contatto"},
                    {"txtTel", "Telefono:", "Tel"},
                    {"txtCel", "Cellulare:", "Cel"},
                    {"txtLuogo", "Modalit\u00E0 di pagamento:", "Luogo"},
                    {"txtNote", "Note:", "Note"}};
        d.line = AppointmentLines::parts();
        d.printTitle = QStringLiteral("Riepilogo appuntamenti in archivio");
        d.mode = QStringLiteral("scadenze");
        return d;
    }();
    return s;
}

TfrmTrovaScadenze::TfrmTrovaScadenze(QWidget* owner) : TFindWindow(description(), owner) {
    setObjectName(QStringLiteral("frmTrovaScadenze"));
}
