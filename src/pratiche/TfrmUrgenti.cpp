#include "pratiche/TfrmUrgenti.h"

#include "archive/Layouts.h"
#include "archive/TestoCorto.h"
#include "pratiche/CaseFields.h"
#include "pratiche/CaseLine.h"

TfrmUrgenti::TfrmUrgenti(QWidget* owner)
    : TSummaryList(owner, {QStringLiteral("frmUrgenti"), QStringLiteral(" Riepilogo pratiche urgenti"), kTitolo,
                           ArchiveFiles::Pratiche, &CaseFields::get().layout(), CaseLine::parts(), QSize(1000, 560)}) {}

RecordFilter TfrmUrgenti::selection() const {
    return [](const Record& r) { return r.get(CaseFields::get().Urgente) == Flag::Si; };
}
