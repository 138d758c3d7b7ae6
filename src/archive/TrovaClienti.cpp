#include "archive/TrovaClienti.h"

#include "archive/Layouts.h"

const FindWindowDescription& TfrmTrovaClienti::description() {
    static const FindWindowDescription s = [] {
        FindWindowDescription d;
        d.caption = QStringLiteral(" Trova clienti in archivio");
        d.layout = &Layouts::TSchedaCliente();
        d.fileName = ArchiveFiles::Clienti;
        d.fields = {{"txtCliente", "Cognome e nome:", "Cliente"},
                    {"txtComuneRes", "Comune di residenza:", "ComuneRes"},
                    {"txtPartitaIva", "Partita IVA:", "PartitaIva"},
                    {"txtCodFisc", "Codice fiscale:", "CodFisc"},
                    {"txtDocumento", "Estremi documento:", "Documento"},
                    {"txtOccupazione", "Occupazione:", "Occupazione"},
                    {"txtProdotti", "Prodotti e servizi di interesse:", "Prodotti"},
                    {"txtZona", "Zona di appartenenza:", "Zona"},
                    {"txtQuestioni", "Questioni in sospeso:", "Questioni"},
                    {"txtNote", "Note:", "Note"}};
        d.line = {{"", "Cliente", 26},      {"  Tel. ", "Recapito", 15}, {"  ", "Occupazione", 25},
                  {"  Prod. ", "Prodotti", 30}, {"  ", "Note", -1}};
        d.printTitle = QStringLiteral("Riepilogo clienti in archivio");
        d.modes["clienti"].loadsCard = true;
        d.modes["chiamate"].copies = {{"Cliente", "txtCliente"}, {"CodFisc", "txtCodFisc"}, {"Zona", "txtZona"},
                                      {"Email", "txtEmail"},     {"TelCel", "txtTelCel"},   {"Recapito", "txtRecapito"}};
        d.modes["pratica"].copies = {{"Cliente", "txtCliente"},     {"Recapito", "txtRecapito"},
                                     {"IndirizzoRes", "txtIndirizzoRes"}, {"ComuneRes", "txtComuneRes"},
                                     {"ProvRes", "txtProvRes"},     {"CapRes", "txtCapRes"},
                                     {"CodFisc", "txtCodFisc"},     {"PartitaIva", "txtPartitaIva"}};
        d.modes["scadenze"].copies = {{"Cliente", "txtContatto"}, {"Recapito", "txtTel"}, {"TelCel", "txtCel"},
                                      {"Email", "txtEmail"},      {"Estremi", "txtLuogo"}};
        d.modes["riepilogo"].copies = {{"Cliente", "txtCliente"}};
        return d;
    }();
    return s;
}

TfrmTrovaClienti::TfrmTrovaClienti(QWidget* owner) : TFindWindow(description(), owner) {
    setObjectName(QStringLiteral("frmTrovaClienti"));
}

void TfrmTrovaClienti::open(QWidget* owner, const QString& mode) {
    TfrmTrovaClienti w(owner);
    w.setMode(mode);
    w.showModal();
}
