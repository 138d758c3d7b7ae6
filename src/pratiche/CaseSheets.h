#pragma once
// The two printouts of a case, both on the office's sheet "repScheda": the
// case sheet (24 rows, of the document list only the first five entries) and
// the document list (the case's heading and all 32 entries, empty ones
// included). Both print the case as the window shows it, saved or not.
#include <memory>
#include <vector>

#include "archive/CardRules.h"
#include "pratiche/CaseDocuments.h"
#include "report/CardReport.h"

namespace CaseSheets {

// The case sheet's rows from the case window's values.
std::vector<CardRow> caseRows(const CardValues& caseValues);
// The case sheet laid out and filled, ready to prepare.
std::unique_ptr<TReport> caseSheet(const CardValues& caseValues);

// The document list's rows: eight of the case, then the 32 entries.
std::vector<CardRow> documentRows(const CardValues& caseValues, const CaseDocuments& documents);
std::unique_ptr<TReport> documentList(const CardValues& caseValues, const CaseDocuments& documents);

}  // namespace CaseSheets
