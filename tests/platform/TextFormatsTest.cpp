#include <QLocale>
#include <gtest/gtest.h>
#include <optional>
#include <vector>

#include "platform/Formats.h"
#include "platform/Text.h"

TEST(Text, TrimRemovesOnlyControlsAndBlanks) {
    EXPECT_EQ(Text::trim(QStringLiteral(" \t\r\n Rossi \n")), QStringLiteral("Rossi"));
    EXPECT_EQ(Text::trim(QStringLiteral("\u00A0x\u00A0")), QStringLiteral("\u00A0x\u00A0"));
    EXPECT_EQ(Text::trim(QStringLiteral("   ")), QString());
}

TEST(Text, CaseFoldingTouchesOnlyAToZ) {
    EXPECT_EQ(Text::lowerAZ(QStringLiteral("ROSSI È")), QStringLiteral("rossi È"));
    EXPECT_EQ(Text::upperAZ(QStringLiteral("rossi è")), QStringLiteral("ROSSI è"));
}

TEST(Text, FixedPadsOrCuts) {
    EXPECT_EQ(Text::fixed(QStringLiteral("  ab "), 4), QStringLiteral("ab  "));
    EXPECT_EQ(Text::fixed(QStringLiteral("abcdef"), 4), QStringLiteral("abcd"));
}

TEST(Formats, AmountRule) {
    struct Case {
        double value;
        const char* text;
    };
    const Case cases[] = {{12, "12,00"}, {12.5, "12,50"}, {0.1 + 0.2, "0,30"}, {3.456, "3,46"}, {7, "7,00"},
                          {0.5, "0,50"}, {0, "0,00"},     {1250.5, "1250,50"}, {0.005, "0,01"}};
    for (const Case& c : cases) EXPECT_EQ(Formats::amount(c.value), QString::fromUtf8(c.text)) << c.value;
}

TEST(Formats, DecimalCommaWhateverTheSystemLocale) {
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    double v = 0;
    EXPECT_TRUE(Formats::parseDecimal(QStringLiteral("12,5"), &v));
    EXPECT_DOUBLE_EQ(v, 12.5);
    EXPECT_FALSE(Formats::parseDecimal(QStringLiteral("12.5"), &v));
    EXPECT_FALSE(Formats::parseDecimal(QStringLiteral("1,2,3"), &v));
    EXPECT_FALSE(Formats::parseDecimal(QStringLiteral("abc"), &v));
    EXPECT_EQ(Formats::amount(12.5), QStringLiteral("12,50"));
    QLocale::setDefault(before);
}

TEST(Formats, AmountsInWholeCents) {
    struct Case {
        const char* text;
        std::optional<qint64> cents;
    };
    const Case cases[] = {
        {"12,5", 1250},
        {"7", 700},
        {",05", 5},
        {" 12,34 ", 1234},
        {"12,", 1200},
        {"12,346", 1235},
        {"12,344", 1234},
        {"0,995", 100},
        {"-3,25", -325},
        {"0012,00", 1200},
        {"9999999999999999,99", 999999999999999999},
        {"", std::nullopt},
        {" ", std::nullopt},
        {",", std::nullopt},
        {"-", std::nullopt},
        {"1.000", std::nullopt},
        {"12,5,0", std::nullopt},
        {"abc", std::nullopt},
        {"12 5", std::nullopt},
        {"10000000000000000", std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(Formats::parseCents(QString::fromUtf8(c.text)), c.cents) << c.text;

    struct Written {
        qint64 cents;
        const char* text;
    };
    for (const Written& w :
         {Written{0, "0,00"}, {5, "0,05"}, {1975, "19,75"}, {100000, "1000,00"}, {-5, "-0,05"}, {-123456, "-1234,56"}})
        EXPECT_EQ(Formats::amountOfCents(w.cents), QString::fromUtf8(w.text)) << w.cents;
}

TEST(Formats, SumsOfAmountsNeverDrift) {
    struct Case {
        std::vector<const char*> amounts;
        int times;
        const char* total;
    };
    const Case cases[] = {
        {{"0,10", "0,20", "0,30"}, 1, "0,60"},
        {{"12,5", "7,25"}, 1, "19,75"},
        {{"0,01"}, 100000, "1000,00"},
        {{"0,10"}, 1000003, "100000,30"},
    };
    for (const Case& c : cases) {
        Formats::AmountSum sum;
        for (int i = 0; i < c.times; ++i)
            for (const char* a : c.amounts) EXPECT_TRUE(sum.add(QString::fromUtf8(a)));
        EXPECT_EQ(sum.text(), QString::fromUtf8(c.total));
    }
    // An amount that cannot be read, or one that would overflow, adds nothing.
    Formats::AmountSum sum;
    for (int i = 0; i < 9; ++i) EXPECT_TRUE(sum.add(u"9999999999999999,99"));
    EXPECT_FALSE(sum.add(u"dieci"));
    EXPECT_FALSE(sum.add(u"9999999999999999,99"));
    EXPECT_EQ(sum.text(), QStringLiteral("89999999999999999,91"));
}

TEST(Formats, Dates) {
    EXPECT_EQ(Formats::date(QDate(2025, 3, 5)), QStringLiteral("05/03/2025"));
    EXPECT_EQ(Formats::parseDate(QStringLiteral("29/02/2024")), QDate(2024, 2, 29));
    EXPECT_FALSE(Formats::parseDate(QStringLiteral("29/02/2023")).isValid());
    EXPECT_FALSE(Formats::parseDate(QStringLiteral("31/04/2024")).isValid());
    EXPECT_FALSE(Formats::parseDate(QStringLiteral("01/01/0000")).isValid());
    EXPECT_FALSE(Formats::parseDate(QStringLiteral("1/1/2024")).isValid());
    EXPECT_EQ(Formats::parseDate(QStringLiteral(" 01/03/2025\t")), QDate(2025, 3, 1));
    for (const char* bad : {"2025-03-01", "01/03/25", "0a/03/2025", "01.03.2025", "01/03/2025/", "", "01/13/2025"})
        EXPECT_FALSE(Formats::parseDate(QString::fromUtf8(bad)).isValid()) << bad;
    EXPECT_EQ(Formats::longTime(QTime(9, 5, 7)), QStringLiteral("09:05:07"));
    EXPECT_EQ(Formats::shortDateFormat(), QStringLiteral("dd/mm/yyyy"));
    EXPECT_EQ(Formats::decimalSeparator(), QLatin1Char(','));
}
