#include "platform/cp1252.h"
#include "platform/qtext.h"

#include <gtest/gtest.h>

#include <string>

TEST(Cp1252, UpperControlRangeFollowsTheCodePage)
{
    const struct {
        unsigned char byte;
        char32_t unicode;
    } cases[] = {
        {0x80, U'\u20AC'}, {0x85, U'\u2026'}, {0x8A, U'\u0160'}, {0x92, U'\u2019'},
        {0x96, U'\u2013'}, {0x99, U'\u2122'}, {0x9F, U'\u0178'}, {0xE9, U'\u00E9'},
        {0x41, U'A'},      {0xA0, U'\u00A0'}, {0xFF, U'\u00FF'},
        // undefined bytes keep their own code
        {0x81, U'\u0081'}, {0x8D, U'\u008D'}, {0x8F, U'\u008F'}, {0x90, U'\u0090'}, {0x9D, U'\u009D'},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(cp1252tounicode(c.byte), c.unicode) << int(c.byte);
        EXPECT_EQ(unicodetocp1252(c.unicode), c.byte) << int(c.byte);
    }
}

TEST(Cp1252, CharactersOutsideTheCodePageBecomeQuestionMarks)
{
    for (char32_t c : {U'\u0080', U'\u0100', U'\u4E00', U'\U0001F600'})
        EXPECT_EQ(unicodetocp1252(c), '?');
    EXPECT_EQ(bytesof(QString::fromUtf8("a\xE4\xB8\x80" "b")), "a?b");
}

TEST(Cp1252, EveryByteSurvivesTheQtBoundary)
{
    std::string all;
    for (int b = 1; b < 256; ++b)
        all += static_cast<char>(b);
    const QString text = qtext(all.c_str());
    EXPECT_EQ(text.size(), 255);
    EXPECT_EQ(bytesof(text), all);
    EXPECT_EQ(qtext("R\xE8gle du jeu \x80"), QString::fromUtf8("Règle du jeu €"));
    EXPECT_TRUE(qtext(nullptr).isEmpty());
}
