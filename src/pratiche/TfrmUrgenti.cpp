#include "pratiche/TfrmUrgenti.h"

#include "archive/Layouts.h"
#include "archive/TestoCorto.h"
#include "pratiche/CaseLine.h"

TfrmUrgenti::TfrmUrgenti(QWidget* owner)
    : TSummaryList(owner, {QStringLiteral("frmUrgenti"), QStringLiteral(" Riepilogo pratiche urgenti"), kTitolo,
                           ArchiveFiles::Pratiche, &Layouts::TSchedaPratica(), CaseLine::parts(), QSize(1000, 560)}) {}

RecordFilter TfrmUrgenti::selection() const {
    return [urgente = Layouts::TSchedaPratica().indexOf(QStringLiteral("Urgente"))](const Record& r) {
        return r.get(urgente) == Flag::Si;
    };
}
