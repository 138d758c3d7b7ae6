#pragma once
// The rows of a printed card taken from its catalogue: each field under its
// printed caption, with the value the card shows.
#include <initializer_list>
#include <vector>

#include "archive/CardCatalogue.h"
#include "archive/CardRules.h"
#include "report/CardReport.h"

namespace CardSheet {

CardRow row(const CardValues& values, const CardField& field);
std::vector<CardRow> rows(const CardValues& values, std::initializer_list<CardField> fields);

}  // namespace CardSheet
