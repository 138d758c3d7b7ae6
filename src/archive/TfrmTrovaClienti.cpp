#include "archive/TfrmTrovaClienti.h"

#include "archive/ClientFields.h"
#include "archive/Layouts.h"

const FindWindowDescription& TfrmTrovaClienti::description() {
    static const FindWindowDescription s = [] {
        FindWindowDescription d;
        d.caption = QStringLiteral(" Trova clienti in archivio");
        d.layout = &ClientFields::get().layout();
        d.fileName = ArchiveFiles::Clienti;
        const ClientFields& f = ClientFields::get();
        d.fields = {f.Cliente,     f.ComuneRes, f.PartitaIva, f.CodFisc,   f.Documento,
                    f.Occupazione, f.Prodotti,  f.Zona,       f.Questioni, f.Note};
        d.line = {{"", f.Cliente, 26},
                  {"  Tel. ", f.Recapito, 15},
                  {"  ", f.Occupazione, 25},
                  {"  Prod. ", f.Prodotti, 30},
                  {"  ", f.Note, -1}};
        d.printTitle = QStringLiteral("Riepilogo clienti in archivio");
        return d;
    }();
    return s;
}

TfrmTrovaClienti::TfrmTrovaClienti(QWidget* owner, const QString& keyword) : TFindWindow(description(), owner) {
    setObjectName(QStringLiteral("frmTrovaClienti"));
    showMode(keyword);
}

std::optional<FoundRecord> TfrmTrovaClienti::open(QWidget* owner, const QString& keyword) {
    TfrmTrovaClienti w(owner, keyword);
    return w.choose();
}
