#include "pratiche/TfrmTrovaPratica.h"

#include "archive/Layouts.h"
#include "pratiche/CaseFields.h"
#include "pratiche/CaseLine.h"

const FindWindowDescription& TfrmTrovaPratica::description() {
    static const FindWindowDescription s = [] {
        FindWindowDescription d;
        d.caption = QStringLiteral(" Trova pratiche in archivio");
        const CaseFields& f = CaseFields::get();
        d.layout = &f.layout();
        d.fileName = ArchiveFiles::Pratiche;
        d.fields = {f.Oggetto,   f.Tipologia, f.Protocollo, f.Apertura,   f.Stato,
                    f.Documenti, f.Cliente,   f.CodFisc,    f.Consulente, f.Note};
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
