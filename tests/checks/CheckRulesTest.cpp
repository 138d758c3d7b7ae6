#include <gtest/gtest.h>

#include "archive/checks/CheckRules.h"

#include <cstring>

namespace {

// The first fifteen characters followed by their check letter.
QString withCheckLetter(const QString& first15) { return first15 + Checks::codiceFiscaleCheckChar(first15); }

}  // namespace

// Check letters worked out by hand from the published tables.
TEST(CodiceFiscale, CheckLetter) {
    struct Case {
        const char* code;
        bool valid;
    };
    const Case cases[] = {
        {"RSSMRA85T10A562S", true},   {"MRTMTT25D09F205Z", true},
        {"RSSMRA85T10A56NH", true},    // a digit replaced by its letter, as for twin codes
        {"rssmra85t10a562s", true},    // lower case counts as upper case
        {"RSSMRA85T10A562T", false},   // the check letter changed
        {"RSSMRA85T10A526S", false},   // two digits swapped
        {"RSSMRA85T10A562", false},    // fifteen characters
        {"RSSMRA85T10A562SS", false},  // seventeen
    };
    for (const Case& c : cases) EXPECT_EQ(Checks::codiceFiscaleValid(QString::fromUtf8(c.code)), c.valid) << c.code;

    // Every character at an odd and at an even position; no codes, only
    // the letter.
    for (const char* code : {"ABCDEFGHIJKLMNOZ", "BCDEFGHIJKLMNOPL", "PQRSTUVWXYZ0123K", "QRSTUVWXYZ01234W",
                             "456789ABCDEFGHIZ", "56789ABCDEFGHIJN", "0A1B2C3D4E5F6G7K", "A0B1C2D3E4F5G6HK"}) {
        const QString c = QString::fromLatin1(code);
        EXPECT_EQ(Checks::codiceFiscaleCheckChar(c.left(15)), c.at(15)) << code;
    }
}

// Codes built from their parts with the right check letter: only the shape
// decides.
TEST(CodiceFiscale, ShapeOfTheCode) {
    struct Case {
        const char* first15;
        bool valid;
    };
    const Case cases[] = {
        {"VRDGPP80A01H501", true},                              // January, day 1
        {"VRDGPP80E31H501", true},                              // May, day 31
        {"BNCLRA99T41Z404", true},                              // a woman born on the 1st, abroad
        {"BNCLRA99H71F205", true},                              // a woman born on the 31st
        {"BNCLRA99B28D969", true},  {"VRDGPP8LA01H501", true},  // twin letters in each numeric place
        {"VRDGPPU0A01H501", true},  {"VRDGPP80ALMH501", true},
        {"VRDGPP80A0MH5LV", true},  {"BNCLRA99TQMZ404", true},  // 41 written as letters
        {"BNCLRA99TQQZ404", true},                              // 44
        {"VRDGPP80X01H501", false},                             // X is no month
        {"VRDGPP80F01H501", false},                             // nor F, G, I, ...
        {"VRDGPP80I01H501", false}, {"VRDGPP80Z01H501", false},
        {"VRDGPP80101H501", false},                              // a digit for the month
        {"VRD3PP80A01H501", false},                              // a digit among the name letters
        {"VRDGP980A01H501", false}, {"VRDGPP8AA01H501", false},  // a letter that stands for no digit
        {"VRDGPP80A0WH501", false}, {"VRDGPP80A01H5K1", false},
        {"VRDGPP80A001501", false},  // a digit where the place letter goes
        {"VRDGPP80A00H501", false},  // day 0
        {"VRDGPP80A32H501", false},  // day 32
        {"VRDGPP80A40H501", false},  // 40: neither a man's day nor a woman's
        {"VRDGPP80A72H501", false},  // 72
        {"VRDGPP80AR2H501", true},   // 52, a woman born on the 12th
        {"VRDGPP80AV2H501", false},  // 92
    };
    for (const Case& c : cases) {
        const QString code = withCheckLetter(QString::fromLatin1(c.first15));
        EXPECT_EQ(Checks::codiceFiscaleValid(code), c.valid) << qPrintable(code);
    }
    // A digit at the last place, with the sum right for some letter: still wrong.
    EXPECT_FALSE(Checks::codiceFiscaleValid("VRDGPP80A01H5011"));
    // Only the check letter agrees.
    EXPECT_EQ(Checks::codiceFiscaleCheckChar("7TCZ2S9HUGJ5FE2"), QChar('F'));
    EXPECT_FALSE(Checks::codiceFiscaleValid("7TCZ2S9HUGJ5FE2F"));
}

TEST(CodiceFiscale, CharactersOutsideTheTablesAreWrong) {
    const char* codes[] = {"RSSMR:85T10A562S", "RSSMR 85T10A562S", "RSSMR-85T10A562S", "RSSMRÀ85T10A562S",
                           "RSSMRA85T10A562\u00E9"};
    for (const char* code : codes) {
        EXPECT_FALSE(Checks::codiceFiscaleValid(QString::fromUtf8(code))) << code;
    }
    EXPECT_TRUE(Checks::codiceFiscaleCheckChar(QString::fromUtf8("RSSMR:85T10A562")).isNull());
    EXPECT_TRUE(Checks::codiceFiscaleCheckChar(QString::fromUtf8("RSSMR\u00C085T10A562")).isNull());
}

TEST(PartitaIva, CheckDigit) {
    struct Case {
        const char* number;
        bool valid;
    };
    const Case cases[] = {
        {"12345670215", true},  {"00000001206", true},
        {"01234567897", true},  {"12345670216", false},  // wrong check digit
        {"12345670125", false},                          // two digits swapped
        {"1234567021A", false},                          // a letter at the end
        {"1234567O215", false},                          // the letter O for a zero
        {"1234567021", false},  {"123456702155", false},
    };
    for (const Case& c : cases) EXPECT_EQ(Checks::partitaIvaValid(QString::fromUtf8(c.number)), c.valid) << c.number;
    EXPECT_EQ(Checks::partitaIvaCheckDigit("123456702"), -1);
    EXPECT_EQ(Checks::partitaIvaCheckDigit("12345 7021"), -1);
}

TEST(PartitaIva, OfficeTable) {
    struct Case {
        const char* code;
        const char* name;
    };
    const Case cases[] = {
        {"001", "Torino"},
        {"021", "Bolzano"},
        {"040", "Forlì"},
        {"066", "Aquila"},
        {"096", "Monza (Milano 2)"},
        {"097", "Prato (Firenze 2)"},
        {"099", "Chiavari (Genova 2)"},
        {"102", "Napoli 2"},
        {"120", "Bologna 2"},
        {"121", "Napoli 2"},
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

namespace {

// Letters as 10 to 35, then the remainder modulo 97 one digit at a time.
int mod97(const QString& text) {
    int r = 0;
    for (QChar c : text) {
        const QString digits = c.isDigit() ? QString(c) : QString::number(c.unicode() - 'A' + 10);
        for (QChar d : digits) r = (r * 10 + (d.unicode() - '0')) % 97;
    }
    return r;
}

// A country and its account number with the two check digits that make
// the remainder 1.
QString makeIban(const QString& country, const QString& bban) {
    const int check = 98 - mod97(bban + country + QStringLiteral("00"));
    return country + QString::asprintf("%02d", check) + bban;
}

// The Italian CIN from its published rule: each of the 22 characters is
// read as a letter (digits 0-9 as A-J); at an odd position it is worth the
// odd-position value below, at an even one its place in the alphabet.
QChar cin(const QString& abiCabConto) {
    static const int odd[26] = {1,  0,  5, 7, 9, 13, 15, 17, 19, 21, 2,  4,  18,
                                20, 11, 3, 6, 8, 12, 14, 16, 10, 22, 25, 24, 23};
    int sum = 0;
    for (int i = 0; i < abiCabConto.size(); ++i) {
        const QChar c = abiCabConto.at(i);
        const int letter = c.isDigit() ? c.unicode() - '0' : c.unicode() - 'A';
        sum += i % 2 == 0 ? odd[letter] : letter;
    }
    return QChar('A' + sum % 26);
}

QString italianIban(const QString& abiCabConto) { return makeIban("IT", cin(abiCabConto) + abiCabConto); }

// An IBAN of the country whose check digits, computed, are wanted (97, 98 or
// 2), written instead as their twin outside 02-98 (00, 01 or 99): the same
// remainder 1 modulo 97. The account varies until the digits come.
QString twinCheckIban(const QString& country, const QString& bban, int wanted, const char* twin) {
    for (int i = 0; i < 10000; ++i) {
        const QString account = bban.left(bban.size() - 4) + QString::asprintf("%04d", i);
        const QString iban = country == "IT" ? italianIban(account.mid(1)) : makeIban(country, account);
        if (iban.mid(2, 2).toInt() == wanted) return iban.left(2) + twin + iban.mid(4);
    }
    return {};
}

}  // namespace

TEST(Iban, RemainderModulo97) {
    struct Case {
        const char* iban;
        int remainder;
    };
    const Case cases[] = {
        {"IT60X0542811101000000123456", 1},
        {"IT60X0542811101000000123457", 28},       // one digit changed
        {"IT60 X054 2811 1010 0000 0123 456", 1},  // blanks do not count here
        {"it60x0542811101000000123456", 1},
        {"IBAN IT60 X054 2811 1010 0000 0123 456", 1},
        {"GB82WEST12345698765432", 1},
        {"IT60X05428111010000001234-6", 0},  // not a number
        {"IT60X0542811101000000123\u00C956", 0},
        {"", 0},
    };
    for (const Case& c : cases) EXPECT_EQ(Checks::ibanRemainder(QString::fromUtf8(c.iban)), c.remainder) << c.iban;
}

TEST(Iban, ItalianCin) {
    EXPECT_EQ(Checks::italianCin("0542811101000000123456"), QChar('X'));  // a published example
    for (const char* bban : {"0542811101000000123456", "0306909606100000063424", "12345123451234567890AB",
                             "ZYXWV98765ABCDEFGHIJKL", "00000000000000000000IB", "0000000000000000000000"})
        EXPECT_EQ(Checks::italianCin(bban), cin(bban)) << bban;
    EXPECT_TRUE(Checks::italianCin("054281110100000012345").isNull());
    EXPECT_TRUE(Checks::italianCin("05428111010000001234-6").isNull());
}

TEST(Iban, CountryLengthAndNationalCheck) {
    const QString italian = italianIban("0306909606100000063424");
    const QString withIban = italianIban("0306909606100000IBAN24");  // the account holds "IBAN"
    QString wrongCin = italianIban("0542811101000000123456");
    wrongCin[4] = wrongCin.at(4) == 'A' ? 'B' : 'A';
    wrongCin = makeIban("IT", wrongCin.mid(4));  // check digits right again, CIN not

    struct Case {
        QString iban;
        bool valid;
    };
    const Case cases[] = {
        {"IT60X0542811101000000123456", true},
        {italian, true},
        {withIban, true},
        {"IBAN" + withIban, true},  // a leading "IBAN" is no part of it
        {"IBAN " + italian, true},
        {"DE89 3704 0044 0532 0130 00", true},  // blanks between groups
        {"GB82WEST12345698765432", true},
        {"FR1420041010050500013M02606", true},
        {makeIban("SM", "X0542811101000000123456"), true},
        {"GR1601101250000000012300695", true},
        {makeIban("NO", "86010517947"), true},
        {makeIban("LC", "ABCD123456789012345678901234"), true},
        {makeIban("LC", "ABCD12345678901234567890123"), false},  // one short
        {wrongCin, false},
        {italian.left(26) + (italian.at(26) == '9' ? '0' : '9'), false},
        {makeIban("XX", "X0542811101000000123456"), false},   // no such country
        {makeIban("DE", "X0542811101000000123456"), false},   // a German one is 22 long
        {makeIban("IT", "X05428111010000001234567"), false},  // 28
        {withIban.left(2) + "AB" + withIban.mid(4), false},   // letters as check digits
        {withIban.left(10) + "IBAN" + withIban.mid(14), false},
        {"IT60X0542811101000000123456IBAN", false},
        {"IT60-X054-2811-1010-0000-0123-456", false},
        {"", false},
        {italianIban("05428111010000001234AB"), true},  // the account number may hold letters
    };
    for (const Case& c : cases) EXPECT_EQ(Checks::ibanValid(c.iban), c.valid) << qPrintable(c.iban);

    // Remainder 1 and still wrong: check digits outside 02-98, letters in
    // the Italian bank or branch code.
    const QString soundButWrong[] = {
        "SM00H6541036030G2MV04XVPDJZ",
        twinCheckIban("SM", "X0542811101000000123456", 97, "00"),
        twinCheckIban("IT", "X0542811101000000123456", 98, "01"),
        twinCheckIban("DE", "370400440532013000", 2, "99"),
        "IT18DWWPVPKG96LXFX4WDNF99PQ",
        italianIban("0542A11101000000123456"),
        italianIban("0542811I01000000123456"),
    };
    for (const QString& iban : soundButWrong) {
        ASSERT_EQ(Checks::ibanRemainder(iban), 1) << qPrintable(iban);
        EXPECT_FALSE(Checks::ibanValid(iban)) << qPrintable(iban);
    }

    EXPECT_EQ(Checks::ibanLength("IT"), 27);
    EXPECT_EQ(Checks::ibanLength("US"), 0);
    for (const Checks::IbanCountry& c : Checks::ibanCountries()) {
        EXPECT_GE(c.length, 15) << c.code;
        EXPECT_LE(c.length, 34) << c.code;
    }
}

namespace {

// The digits of the prefix, padded with nines to one short of the length,
// and the Luhn check digit after them.
QString luhnComplete(const QString& prefix, int length) {
    QString body = prefix.leftJustified(length - 1, '9');
    int sum = 0;
    for (int i = 0; i < body.size(); ++i) {
        int v = body.at(body.size() - 1 - i).unicode() - '0';
        if (i % 2 == 0) v = v * 2 > 9 ? v * 2 - 9 : v * 2;  // the rightmost digit of the body is doubled
        sum += v;
    }
    return body + QChar('0' + (10 - sum % 10) % 10);
}

}  // namespace

TEST(Card, Digits) {
    struct Case {
        const char* written;
        const char* digits;
    };
    const Case cases[] = {
        {"4111111111111111", "4111111111111111"},
        {"4111 1111 1111 1111", "4111111111111111"},
        {"4111-1111-1111-1111", "4111111111111111"},
        {"4111.1111.1111.1111", "4111111111111111"},
        {"4111 - 1111", "41111111"},
        {"4774 4675 8135 4108 541", "4774467581354108541"},  // 23 characters, every digit read
        {"4111 1111 1111 1111 99", "411111111111111199"},
        // A letter or another sign among the digits is a typo, never skipped.
        {"5l04938369086089", ""},
        {"4111-1111-abc", ""},
        {"4111/1111", ""},
        {"4111,1111", ""},
        {"-4111", ""},
        {"4111 ", ""},
        {"", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(Checks::cardDigits(c.written), QString(c.digits)) << c.written;
    for (const char* d : {"4111111111111111", "378282246310005", "5555555555554444", "0"})
        EXPECT_TRUE(Checks::luhnValid(d)) << d;
    for (const char* d : {"4111111111111112", "378282246310006", "3", ""}) EXPECT_FALSE(Checks::luhnValid(d)) << d;
}

// Numbers completed with their Luhn digit at the edges of each range and
// of each brand's lengths.
TEST(Card, BrandsAndLengths) {
    using V = Checks::CardVerdict;
    struct Case {
        const char* prefix;
        int length;
        V verdict;
        const char* brand;
    };
    const Case cases[] = {
        {"4", 13, V::Valid, "Visa"},
        {"4", 16, V::Valid, "Visa"},
        {"4", 19, V::Valid, "Visa"},
        {"4", 15, V::Wrong, "Visa"},
        {"4", 2, V::Wrong, "Visa"},
        {"51", 16, V::Valid, "MasterCard"},
        {"55", 16, V::Valid, "MasterCard"},
        {"2221", 16, V::Valid, "MasterCard"},
        {"2720", 16, V::Valid, "MasterCard"},
        {"2221", 15, V::Wrong, "MasterCard"},
        {"55", 19, V::Wrong, "MasterCard"},
        {"34", 15, V::Valid, "American Express"},
        {"37", 15, V::Valid, "American Express"},
        {"37", 16, V::Wrong, "American Express"},
        {"36", 14, V::Valid, "Diner's Club / Carte Blanche"},
        {"300", 14, V::Valid, "Diner's Club / Carte Blanche"},
        {"305", 19, V::Valid, "Diner's Club / Carte Blanche"},
        {"38", 16, V::Valid, "Diner's Club / Carte Blanche"},
        {"39", 16, V::Valid, "Diner's Club / Carte Blanche"},
        {"36", 13, V::Wrong, "Diner's Club / Carte Blanche"},
        {"6011", 16, V::Valid, "Discover"},
        {"644", 19, V::Valid, "Discover"},
        {"649", 16, V::Valid, "Discover"},
        {"65", 16, V::Valid, "Discover"},
        {"65", 15, V::Wrong, "Discover"},
        {"3528", 16, V::Valid, "JCB"},
        {"3589", 19, V::Valid, "JCB"},
        {"3528", 15, V::Wrong, "JCB"},
        {"5018", 12, V::Valid, "Maestro"},
        {"5020", 19, V::Valid, "Maestro"},
        {"5038", 16, V::Valid, "Maestro"},
        {"5893", 16, V::Valid, "Maestro"},
        {"6304", 16, V::Valid, "Maestro"},
        {"6759", 16, V::Valid, "Maestro"},
        {"6761", 16, V::Valid, "Maestro"},
        {"6763", 12, V::Valid, "Maestro"},
        {"6759", 11, V::Wrong, "Maestro"},
        {"62", 16, V::Valid, "UnionPay"},
        {"62", 19, V::Valid, "UnionPay"},
        {"62", 15, V::Wrong, "UnionPay"},
        // Sound numbers of no brand in the table: the type is not recognised.
        {"2220", 16, V::UnknownBrand, ""},
        {"2721", 16, V::UnknownBrand, ""},
        {"306", 14, V::UnknownBrand, ""},
        {"31", 16, V::UnknownBrand, ""},
        {"32", 16, V::UnknownBrand, ""},
        {"33", 16, V::UnknownBrand, ""},
        {"3527", 16, V::UnknownBrand, ""},
        {"3590", 16, V::UnknownBrand, ""},
        {"50", 16, V::UnknownBrand, ""},
        {"56", 16, V::UnknownBrand, ""},
        {"6010", 16, V::UnknownBrand, ""},
        {"643", 16, V::UnknownBrand, ""},
        {"6764", 16, V::UnknownBrand, ""},
        {"7", 12, V::UnknownBrand, ""},
        {"1", 19, V::UnknownBrand, ""},
        // ... provided they have the length of a card.
        {"32", 11, V::Wrong, ""},
        {"32", 20, V::Wrong, ""},
        {"9", 2, V::Wrong, ""},
    };
    for (const Case& c : cases) {
        const QString d = luhnComplete(QString::fromLatin1(c.prefix), c.length);
        ASSERT_TRUE(Checks::luhnValid(d)) << qPrintable(d);
        EXPECT_EQ(Checks::cardVerdict(d), c.verdict) << qPrintable(d);
        EXPECT_EQ(Checks::cardBrand(d), QString::fromUtf8(c.brand)) << qPrintable(d);
        // One digit changed: never a card.
        QString altered = d;
        altered[d.size() - 1] = QChar('0' + (d.back().unicode() - '0' + 1) % 10);
        EXPECT_EQ(Checks::cardVerdict(altered), V::Wrong) << qPrintable(altered);
        // Written in groups of four as printed on the card: every digit read.
        QString grouped;
        for (int i = 0; i < d.size(); i += 4) grouped += (i > 0 ? " " : "") + d.mid(i, 4);
        EXPECT_EQ(Checks::cardVerdict(Checks::cardDigits(grouped)), c.verdict) << qPrintable(grouped);
        // A letter slipped in among the digits: a typo, whatever the digits.
        const QString typo = d.left(1) + 'l' + d.mid(1);
        EXPECT_EQ(Checks::cardVerdict(Checks::cardDigits(typo)), V::Wrong) << qPrintable(typo);
    }
    EXPECT_EQ(Checks::cardVerdict(""), V::Wrong);
    EXPECT_EQ(Checks::cardVerdict("0"), V::Wrong);
}

// Two ranges holding the same number would make its brand depend on the
// order of the table.
TEST(Card, RangesDoNotOverlap) {
    const auto ranges = Checks::cardRanges();
    for (const Checks::CardRange& a : ranges) {
        EXPECT_EQ(std::strlen(a.low), std::strlen(a.high)) << a.low;
        for (const char* end : {a.low, a.high}) {
            const QString number = QString::fromLatin1(end).leftJustified(19, '0');
            EXPECT_EQ(Checks::cardRange(number), &a) << qPrintable(number);
        }
    }
}
