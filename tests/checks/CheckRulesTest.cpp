#include <gtest/gtest.h>

#include "archive/checks/CheckRules.h"

// Check letters worked out by hand from the published tables. The synthetic
// ones put every character at an odd and at an even position.
TEST(CodiceFiscale, CheckLetter) {
    struct Case { const char* code; bool valid; };
    const Case cases[] = {
        {"RSSMRA85T10A562S", true},
        {"MRTMTT25D09F205Z", true},
        {"RSSMRA85T10A56NH", true},    // a digit replaced by its letter, as for twin codes
        {"rssmra85t10a562s", true},    // lower case counts as upper case
        {"RSSMRA85T10A562T", false},   // the check letter changed
        {"RSSMRA85T10A526S", false},   // two digits swapped
        {"RSSMRA85T10A562", false},    // fifteen characters
        {"RSSMRA85T10A562SS", false},  // seventeen
        {"ABCDEFGHIJKLMNOZ", true},
        {"BCDEFGHIJKLMNOPL", true},
        {"PQRSTUVWXYZ0123K", true},
        {"QRSTUVWXYZ01234W", true},
        {"456789ABCDEFGHIZ", true},
        {"56789ABCDEFGHIJN", true},
        {"0A1B2C3D4E5F6G7K", true},
        {"A0B1C2D3E4F5G6HK", true},
    };
    for (const Case& c : cases) EXPECT_EQ(Checks::codiceFiscaleValid(QString::fromUtf8(c.code)), c.valid) << c.code;
}

TEST(CodiceFiscale, CharactersOutsideTheTablesAreWrong) {
    // ":" in place of an "A" at an even position would add the same 0 and
    // yield the right letter; it is no codice fiscale all the same.
    const char* codes[] = {"RSSMR:85T10A562S", "RSSMR 85T10A562S", "RSSMR-85T10A562S", "RSSMRÀ85T10A562S",
                           "RSSMRA85T10A562\u00E9"};
    for (const char* code : codes) {
        EXPECT_FALSE(Checks::codiceFiscaleValid(QString::fromUtf8(code))) << code;
    }
    EXPECT_TRUE(Checks::codiceFiscaleCheckChar(QString::fromUtf8("RSSMR:85T10A562")).isNull());
    EXPECT_TRUE(Checks::codiceFiscaleCheckChar(QString::fromUtf8("RSSMR\u00C085T10A562")).isNull());
}

TEST(PartitaIva, CheckDigit) {
    struct Case { const char* number; bool valid; };
    const Case cases[] = {
        {"12345670215", true},
        {"00000001206", true},
        {"01234567897", true},
        {"12345670216", false},   // wrong check digit
        {"12345670125", false},   // two digits swapped
        {"1234567021A", false},   // a letter at the end
        {"1234567O215", false},   // the letter O for a zero
        {"1234567021", false},
        {"123456702155", false},
    };
    for (const Case& c : cases) EXPECT_EQ(Checks::partitaIvaValid(QString::fromUtf8(c.number)), c.valid) << c.number;
    EXPECT_EQ(Checks::partitaIvaCheckDigit("123456702"), -1);
    EXPECT_EQ(Checks::partitaIvaCheckDigit("12345 7021"), -1);
}

TEST(PartitaIva, OfficeTable) {
    struct Case { const char* code; const char* name; };
    const Case cases[] = {
        {"001", "Torino"}, {"021", "Bolzano"}, {"040", "Forlì"}, {"066", "Aquila"},
        {"096", "Monza (Milano 2)"}, {"097", "Prato (Firenze 2)"}, {"099", "Chiavari (Genova 2)"},
        {"102", "Napoli 2"}, {"120", "Bologna 2"}, {"121", "Napoli 2"},
    };
    for (const Case& c : cases) EXPECT_EQ(Checks::ufficioIva(c.code), QString::fromUtf8(c.name)) << c.code;
    for (const char* code : {"000", "103", "119", "122", "999", "21", ""})
        EXPECT_TRUE(Checks::ufficioIva(code).isNull()) << code;

    // 001 to 102 without gaps, then 120 and 121.
    const auto rows = Checks::ufficiIva();
    ASSERT_EQ(rows.size(), 104u);
    for (size_t i = 0; i < rows.size(); ++i) {
        const int expected = i < 102 ? int(i) + 1 : int(i) + 18;
        EXPECT_EQ(QString::fromLatin1(rows[i].code), QString::asprintf("%03d", expected));
        EXPECT_FALSE(QString::fromUtf8(rows[i].name).isEmpty());
    }
}

TEST(Iban, RemainderModulo97) {
    struct Case { const char* iban; int remainder; };
    const Case cases[] = {
        {"IT60X0542811101000000123456", 1},
        {"IT60X0542811101000000123457", 28},       // one digit changed
        {"IT60 X054 2811 1010 0000 0123 456", 1},  // blanks do not count here
        {"it60x0542811101000000123456", 1},
        {"IBAN IT60 X054 2811 1010 0000 0123 456", 1},
        {"GB82WEST12345698765432", 1},
        {"IT60X05428111010000001234-6", 0},        // not a number
        {"IT60X0542811101000000123\u00C956", 0},
        {"", 0},
    };
    for (const Case& c : cases) EXPECT_EQ(Checks::ibanRemainder(QString::fromUtf8(c.iban)), c.remainder) << c.iban;
    EXPECT_TRUE(Checks::ibanValid("IT60X0542811101000000123456"));
    EXPECT_FALSE(Checks::ibanValid("IT60X0542811101000000123457"));
}

TEST(Card, DigitsLuhnAndBrand) {
    EXPECT_EQ(Checks::cardDigits("4111 1111 1111 1111 99"), QStringLiteral("4111111111111111"));  // past the 20th
    EXPECT_EQ(Checks::cardDigits("4111-1111-abc"), QStringLiteral("41111111"));

    struct Case { const char* digits; bool luhn; const char* brand; };
    const Case cases[] = {
        {"4111111111111111", true, "Visa"},
        {"4111111111111112", false, "Visa"},
        {"378282246310005", true, "American Express"},
        {"341111111111111", true, "American Express"},
        {"5555555555554444", true, "MasterCard"},
        {"6011111111111117", true, "Discover"},
        {"3530111333300000", true, "JCB"},
        {"30569309025904", true, "Diner's Club / Carte Blanche"},
        {"36", false, "Diner's Club / Carte Blanche"},
        {"38", false, "Diner's Club / Carte Blanche"},
        {"31", false, "JCB"},
        {"33", false, "JCB"},
        {"2223000048400011", true, ""},
        {"3200000000000002", true, ""},
        {"3900000000000005", true, ""},
        {"7200000000000003", true, ""},
        {"0", true, ""},
        {"3", false, ""},
        {"", false, ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Checks::luhnValid(c.digits), c.luhn) << c.digits;
        EXPECT_EQ(Checks::cardBrand(c.digits), QString::fromUtf8(c.brand)) << c.digits;
    }
}
