#include "archive/CardSheet.h"

namespace CardSheet {

CardRow row(const CardValues& values, const CardField& field) { return {field.printCaption(), values[field]}; }

std::vector<CardRow> rows(const CardValues& values, std::initializer_list<CardField> fields) {
    std::vector<CardRow> out;
    out.reserve(fields.size());
    for (const CardField& f : fields) out.push_back(row(values, f));
    return out;
}

}  // namespace CardSheet
