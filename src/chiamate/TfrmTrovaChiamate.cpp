#include "chiamate/TfrmTrovaChiamate.h"

#include "archive/Layouts.h"

const FindWindowDescription& TfrmTrovaChiamate::description() {
    static const FindWindowDescription s = [] {
        FindWindowDescription d;
        d.caption = QStringLiteral(" Trova schede in registro chiamate");
        d.layout = &Layouts::TSchedaChiamata();
        d.fileName = ArchiveFiles::Chiamate;
        d.fields = {{"txtDataRit", "Data chiamata (gg/mm/aaaa):", "DataChiamata"},
                    {"txtMeseRit", "Mese chiamata (in lettere):", "Mese"},
                    {"txtTipo", "Tipo chiamata (in entrata / in uscita):", "Tipo"},
                    {"txtOggetto", "Oggetto:", "Oggetto"},
                    {"txtEsito", "Esito:", "Esito"},
                    {"txtOperatore", "Operatore / Agente:", "Operatore"},
                    {"txtCliente", "Cognome e nome cliente:", "Cliente"},
                    {"txtCodFisc", "Codice fiscale:", "CodFisc"},
                    {"txtZona", "Zona di appartenenza:", "Zona"},
                    {"txtNote", "Note:", "Note"}};
        d.line = {{"Data: ", "DataChiamata", 10}, {"  Ora: ", "OraChiamata", 5}, {"  Oggetto: ", "Oggetto", 30},
                  {"  Cliente: ", "Cliente", 30}, {"  CF: ", "CodFisc", 16},     {"  Cel. ", "TelCel", -1}};
        d.printTitle = QStringLiteral("Riepilogo chiamate");
        d.mode = QStringLiteral("chiamate");
        return d;
    }();
    return s;
}

TfrmTrovaChiamate::TfrmTrovaChiamate(QWidget* owner) : TFindWindow(description(), owner) {
    setObjectName(QStringLiteral("frmTrovaChiamate"));
}
