#include <QLocale>
#include <gtest/gtest.h>

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
    struct Case { double value; const char* text; };
    const Case cases[] = {{12, "12,00"}, {12.5, "12,50"}, {0.1 + 0.2, "0,30"}, {3.456, "3,46"},
                          {7, "7,00"}, {0.5, "0,50"}, {0, "0,00"}, {1250.5, "1250,50"}, {0.005, "0,01"}};
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

TEST(Formats, Dates) {
    EXPECT_EQ(Formats::date(QDate(2025, 3, 5)), QStringLiteral("05/03/2025"));
    EXPECT_EQ(Formats::parseDate(QStringLiteral("29/02/2024")), QDate(2024, 2, 29));
    EXPECT_FALSE(Formats::parseDate(QStringLiteral("29/02/2023")).isValid());
    EXPECT_FALSE(Formats::parseDate(QStringLiteral("31/04/2024")).isValid());
    EXPECT_FALSE(Formats::parseDate(QStringLiteral("01/01/0000")).isValid());
    EXPECT_FALSE(Formats::parseDate(QStringLiteral("1/1/2024")).isValid());
    EXPECT_EQ(Formats::longTime(QTime(9, 5, 7)), QStringLiteral("09:05:07"));
    EXPECT_EQ(Formats::shortDateFormat(), QStringLiteral("dd/mm/yyyy"));
    EXPECT_EQ(Formats::decimalSeparator(), QLatin1Char(','));
}
