#include "pratiche/CaseDocuments.h"

#include "archive/RecordWindow.h"

QString CaseDocuments::field(int entry) { return QStringLiteral("Doc%1").arg(entry + 1, 2, 10, QLatin1Char('0')); }

CaseDocuments CaseDocuments::of(const TRecordWindow& caseWindow) {
    CaseDocuments d;
    for (int i = 0; i < kEntries; ++i) d.entries[size_t(i)] = caseWindow.fieldText(field(i));
    return d;
}

void CaseDocuments::applyTo(TRecordWindow& caseWindow) const {
    for (int i = 0; i < kEntries; ++i) caseWindow.setFieldText(field(i), entries[size_t(i)]);
}
