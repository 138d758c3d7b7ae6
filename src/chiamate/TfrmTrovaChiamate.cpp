#include "chiamate/TfrmTrovaChiamate.h"

#include "archive/CallFields.h"
#include "archive/Layouts.h"

const FindWindowDescription& TfrmTrovaChiamate::description() {
    static const FindWindowDescription s = [] {
        FindWindowDescription d;
        d.caption = QStringLiteral(" Trova schede in registro chiamate");
        const CallFields& f = CallFields::get();
        d.layout = &f.layout();
        d.fileName = ArchiveFiles::Chiamate;
        d.fields = {f.DataChiamata, f.Mese,    f.Tipo,    f.Oggetto, f.Esito,
                    f.Operatore,    f.Cliente, f.CodFisc, f.Zona,    f.Note};
        d.line = {{"Data: ", f.DataChiamata, 10}, {"  Ora: ", f.OraChiamata, 5}, {"  Oggetto: ", f.Oggetto, 30},
                  {"  Cliente: ", f.Cliente, 30},  {"  CF: ", f.CodFisc, 16},     {"  Cel. ", f.TelCel, -1}};
        d.printTitle = QStringLiteral("Riepilogo chiamate");
        d.mode = QStringLiteral("chiamate");
        return d;
    }();
    return s;
}

TfrmTrovaChiamate::TfrmTrovaChiamate(QWidget* owner) : TFindWindow(description(), owner) {
    setObjectName(QStringLiteral("frmTrovaChiamate"));
}
