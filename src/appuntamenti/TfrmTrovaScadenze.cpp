#include "appuntamenti/TfrmTrovaScadenze.h"

#include "appuntamenti/AppointmentFields.h"
#include "appuntamenti/CommitmentSummaries.h"
#include "archive/Layouts.h"

const FindWindowDescription& TfrmTrovaScadenze::description() {
    static const FindWindowDescription s = [] {
        FindWindowDescription d;
        d.caption = QStringLiteral(" Trova appuntamenti in archivio");
        const AppointmentFields& f = AppointmentFields::get();
        d.layout = &f.layout();
        d.fileName = ArchiveFiles::Appuntamenti;
        // The e-mail, the days of notice, the amount and the flag are not searched.
        d.fields = {f.Data, f.Ora, f.Tipologia, f.Causale, f.Dettagli, f.Contatto, f.Tel, f.Cel, f.Luogo, f.Note};
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
