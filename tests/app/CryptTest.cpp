#include <QRegularExpression>
#include <gtest/gtest.h>

#include "app/Crypt.h"

TEST(Crypt, EncodeGivesTwoUpperHexDigitsPerCharacterAndDecodesBack) {
    EXPECT_EQ(Crypt::Encode(QString()), QString());
    for (const QString& s : {QStringLiteral("PLENARO"), QStringLiteral("A"), QStringLiteral("ÀÈÌ 123 ÿ")}) {
        const QString hex = Crypt::Encode(s);
        EXPECT_EQ(hex.size(), 2 * s.size());
        EXPECT_TRUE(QRegularExpression("^[0-9A-F]*$").match(hex).hasMatch()) << hex.toStdString();
        EXPECT_EQ(Crypt::Decode(hex), s);
        EXPECT_EQ(Crypt::Decode(hex.toLower()), s);
    }
    // The running key makes equal characters scramble differently.
    const QString aa = Crypt::Encode(QStringLiteral("AA"));
    EXPECT_NE(aa.left(2), aa.mid(2));
}

TEST(Crypt, DecodeIgnoresALastOddDigitAndRefusesOtherCharacters) {
    const QString hex = Crypt::Encode(QStringLiteral("AB"));
    EXPECT_EQ(Crypt::Decode(hex + QLatin1Char('7')), QStringLiteral("AB"));
    EXPECT_THROW(Crypt::Decode(QStringLiteral("ZZ")), CryptError);
    EXPECT_THROW(Crypt::Decode(hex.left(2) + QStringLiteral("G1")), CryptError);
}
