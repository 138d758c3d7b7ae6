#include <gtest/gtest.h>

#include "protocollo/ProtocolFields.h"

// The fields lie in the record in the order the catalogue declares them: a
// member moved, even between two fields of one capacity, moves data in every
// year's file.
TEST(ProtocolRecord, EveryFieldAtItsOffsetOfTheFileFormat) {
    const std::pair<const char*, int> expected[] = {
        {"Numero", 0},         {"Tipo", 17},           {"DataReg", 38},       {"Ufficio", 49},  {"Operatore", 100},
        {"Categoria", 151},    {"Collocazione", 202},  {"Oggetto", 323},      {"DataSpe", 574}, {"DataRic", 585},
        {"Formato", 596},      {"Pagine", 647},        {"Riferimenti", 660},  {"Note", 911},    {"Mittente", 1162},
        {"RecapitoMit", 1283}, {"Destinatario", 1404}, {"RecapitoDes", 1525}, {"Copia", 1646},  {"File01", 1897},
        {"File02", 2148},      {"File03", 2399},       {"Desc01", 2650},      {"Desc02", 2901}, {"Desc03", 3152},
    };
    const RecordLayout& layout = ProtocolFields::get().layout();
    ASSERT_EQ(layout.fieldCount(), int(std::size(expected)));
    for (int i = 0; i < layout.fieldCount(); ++i) {
        EXPECT_EQ(layout.fields()[size_t(i)].name, QLatin1String(expected[i].first)) << i;
        EXPECT_EQ(layout.offset(i), expected[i].second) << expected[i].first;
    }
    EXPECT_EQ(layout.size(), 3403);
}
