#include "pratiche/CaseDocuments.h"

#include "archive/RecordWindow.h"
#include "pratiche/CaseFields.h"

CaseDocuments CaseDocuments::of(const TRecordWindow& caseWindow) {
    CaseDocuments d;
    for (int i = 0; i < kEntries; ++i) d.entries[size_t(i)] = caseWindow.fieldText(CaseFields::get().Doc[size_t(i)]);
    return d;
}

void CaseDocuments::applyTo(TRecordWindow& caseWindow) const {
    for (int i = 0; i < kEntries; ++i) caseWindow.setFieldText(CaseFields::get().Doc[size_t(i)], entries[size_t(i)]);
}
