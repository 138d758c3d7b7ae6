#include "archive/TfrmTrovaClienti.h"

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
        d.cardMode = QStringLiteral("clienti");
        return d;
    }();
    return s;
}

TfrmTrovaClienti::TfrmTrovaClienti(QWidget* owner) : TFindWindow(description(), owner) {
    setObjectName(QStringLiteral("frmTrovaClienti"));
}

std::optional<FoundRecord> TfrmTrovaClienti::open(QWidget* owner, const QString& mode) {
    TfrmTrovaClienti w(owner);
    w.setMode(mode);
    return w.choose();
}
