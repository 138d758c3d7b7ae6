#include <gtest/gtest.h>

#include "platform/Cp1252.h"

TEST(Cp1252, EveryByteSurvivesARoundTrip) {
    QByteArray all;
    for (int b = 0; b < 256; ++b) all.append(char(b));
    const QString text = Cp1252::toUnicode(all);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(Cp1252::fromUnicode(text), all);
}

TEST(Cp1252, HighBytesAreTheWindowsCharacters) {
    struct Case {
        unsigned char byte;
        char16_t ch;
    };
    const Case cases[] = {{0x80, u'€'}, {0x82, u'‚'}, {0x83, u'ƒ'}, {0x84, u'„'}, {0x85, u'…'}, {0x8C, u'Œ'},
                          {0x8E, u'Ž'}, {0x91, u'‘'}, {0x92, u'’'}, {0x93, u'“'}, {0x94, u'”'}, {0x95, u'•'},
                          {0x96, u'–'}, {0x97, u'—'}, {0x98, u'˜'}, {0x99, u'™'}, {0x9A, u'š'}, {0x9C, u'œ'},
                          {0x9E, u'ž'}, {0x9F, u'Ÿ'}, {0xE0, u'à'}, {0xEC, u'ì'}, {0xC8, u'È'}};
    for (const Case& c : cases) {
        EXPECT_EQ(Cp1252::toUnicode(c.byte), c.ch) << int(c.byte);
        EXPECT_EQ(Cp1252::fromUnicode(char32_t(c.ch)), c.byte) << int(c.byte);
    }
}

TEST(Cp1252, MissingCharactersBecomeSimilarLettersOrQuestionMarks) {
    EXPECT_EQ(Cp1252::fromUnicode(QStringLiteral("Łódź")), QByteArray("L\xF3"
                                                                      "dz"));
    EXPECT_EQ(Cp1252::fromUnicode(QStringLiteral("ā ł ș Ğ")), QByteArray("a l s G"));
    EXPECT_EQ(Cp1252::fromUnicode(QStringLiteral("αβ")), QByteArray("??"));
    // A character beyond the basic plane is one character, so one "?".
    EXPECT_EQ(Cp1252::fromUnicode(QString::fromUcs4(U"a\U0001F600b")), QByteArray("a?b"));
    EXPECT_FALSE(Cp1252::canEncode(QStringLiteral("ł")));
    EXPECT_TRUE(Cp1252::canEncode(QStringLiteral("Niccolò €")));
}
