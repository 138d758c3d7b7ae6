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
        d.line = {{"", "Cliente", 26},
                  {"  Tel. ", "Recapito", 15},
                  {"  ", "Occupazione", 25},
                  {"  Prod. ", "Prodotti", 30},
                  {"  ", "Note", -1}};
        d.printTitle = QStringLiteral("Riepilogo clienti in archivio");
        return d;
    }();
    return s;
}

QString TfrmTrovaClienti::keyword(Mode mode) {
    switch (mode) {
    case Mode::Clienti: return QStringLiteral("clienti");
    case Mode::Chiamate: return QStringLiteral("chiamate");
    case Mode::Pratica: return QStringLiteral("pratica");
    case Mode::Scadenze: return QStringLiteral("scadenze");
    case Mode::Riepilogo: return QStringLiteral("riepilogo");
    }
    return {};
}

TfrmTrovaClienti::TfrmTrovaClienti(QWidget* owner, Mode mode) : TFindWindow(description(), owner) {
    setObjectName(QStringLiteral("frmTrovaClienti"));
    showMode(keyword(mode));
}

std::optional<FoundRecord> TfrmTrovaClienti::open(QWidget* owner, Mode mode) {
    TfrmTrovaClienti w(owner, mode);
    return w.choose();
}
