#include <gtest/gtest.h>

#include "archive/CardRules.h"
#include "pratiche/CaseFields.h"
#include "support/Seams.h"
#include "support/WindowDriver.h"

namespace {

CardValues filled() {
    return {
        {"Oggetto", "Ricorso TAR"}, {"Protocollo", "12/2025"}, {"Apertura", "03/03/2025"}, {"Cliente", "Rossi Mario"}};
}

std::vector<CardRule> saveRules() { return CardRules::requiredOf(CaseFields::get()); }

}  // namespace

// Without a window: the first missing field names itself, in the order the
// user is told of them, whatever else is missing after it.
TEST(CaseRules, TheFirstMissingOfTheFourIsRefusedInOrder) {
    struct Case {
        std::vector<const char*> emptied;
        const char* field;
        const char* what;
    };
    const Case cases[] = {
        {{"Oggetto", "Protocollo", "Apertura", "Cliente"}, "Oggetto", "l'oggetto della pratica."},
        {{"Protocollo", "Cliente"}, "Protocollo", "il numero di protocollo della pratica."},
        {{"Apertura", "Cliente"}, "Apertura", "la data di apertura della pratica."},
        {{"Cliente"}, "Cliente", "il nome del cliente."},
    };
    for (const Case& c : cases) {
        CardValues v = filled();
        for (const char* f : c.emptied) v.set(QLatin1String(f), QStringLiteral("   "));  // blanks are no value
        const std::optional<Refusal> r = CardRules::check(saveRules(), v);
        ASSERT_TRUE(r.has_value()) << c.field;
        EXPECT_EQ(r->field.name(), QLatin1String(c.field));
        EXPECT_EQ(r->text, requiredWarning(c.what));
        EXPECT_EQ(r->kind, MsgKind::Warning);
    }
}

TEST(CaseRules, NothingElseIsChecked) {
    CardValues v = filled();
    // An impossible date, an unknown state and province, a closing date
    // before the opening: all stored as typed.
    v.set("Apertura", "31/02/2025");
    v.set("Chiusura", "01/01/1999");
    v.set("Stato", "In attesa");
    v.set("ProvRes", "ZZ");
    EXPECT_FALSE(CardRules::check(saveRules(), v).has_value());
}
