#include "pratiche/TfrmTrovaPratica.h"

#include "archive/Layouts.h"
#include "pratiche/CaseLine.h"

const FindWindowDescription& TfrmTrovaPratica::description() {
    static const FindWindowDescription s = [] {
        FindWindowDescription d;
        d.caption = QStringLiteral(" Trova pratiche in archivio");
        d.layout = &Layouts::TSchedaPratica();
        d.fileName = ArchiveFiles::Pratiche;
        d.fields = {{"txtOggetto", "Oggetto pratica:", "Oggetto"},
                    {"txtTipologia", "Tipologia:", "Tipologia"},
                    {"txtProtocollo", "Protocollo n.", "Protocollo"},
                    {"txtApertura", "Data apertura (gg/mm/aaaa):", "Apertura"},
                    {"txtStato", "Stato avanzamento:", "Stato"},
                    {"txtDocumenti", "Documenti principali:", "Documenti"},
                    {"txtCliente", "Cliente:", "Cliente"},
                    {"txtCodFisc", "Codice fiscale:", "CodFisc"},
                    {"txtConsulente", "Consulente o curatore:", "Consulente"},
                    {"txtNote", "Note:", "Note"}};
        d.line = CaseLine::parts();
        d.printTitle = QStringLiteral("Riepilogo Pratiche");
        d.mode = QStringLiteral("pratica");
        return d;
    }();
    return s;
}

TfrmTrovaPratica::TfrmTrovaPratica(QWidget* owner) : TFindWindow(description(), owner) {
    setObjectName(QStringLiteral("frmTrovaPratica"));
}
