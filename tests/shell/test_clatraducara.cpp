#include <gtest/gtest.h>

#include <string>

#include "shell/clatraducara.h"

TEST(Clatraducara, NewTableIsIdentityAndInversable) {
    clatraducara t;
    for (int i = 0; i < 256; ++i)
        ASSERT_EQ(t.entree[i], i);
    EXPECT_FALSE(t.aveccontrole);
    EXPECT_TRUE(t.isinversable());
}

TEST(Clatraducara, SettableNeedsEqualNonEmptyTexts) {
    for (const auto &[from, to] : {std::pair{"abc", "xy"}, std::pair{"", ""}, std::pair{"a", ""}}) {
        clatraducara t;
        t.settable(from, to);
        EXPECT_TRUE(t.isinversable());
        gstring f, g;
        t.givetrachaines(f, g);
        EXPECT_TRUE(f.isempty()) << from << " -> " << to;
    }
    clatraducara t;
    t.settable(nullptr, "a");
    EXPECT_EQ(t.entree['a'], 'a');
}

TEST(Clatraducara, LaterPairsWinAndControlCharactersAreFlagged) {
    clatraducara t;
    t.settable("aab", "xyz");
    EXPECT_EQ(t.entree['a'], 'y');
    EXPECT_EQ(t.entree['b'], 'z');
    EXPECT_FALSE(t.aveccontrole);
    EXPECT_FALSE(t.isinversable()); // 'y' and 'z' now occur twice
    t.settable("c", "\t");
    EXPECT_TRUE(t.aveccontrole);
    t.clear();
    EXPECT_FALSE(t.aveccontrole);
    EXPECT_TRUE(t.isinversable());
}

TEST(Clatraducara, TranslatInPlace) {
    clatraducara t;
    char text[] = "abc-\xE9";
    t.translat(text, "ab\xE9", "ba\xC9");
    EXPECT_STREQ(text, "bac-\xC9");
    t.pokechar('-', '+');
    t.translat(text);
    EXPECT_STREQ(text, "abc+\xC9");
    t.translat(nullptr);
}

TEST(Clatraducara, SwapsStayInversable) {
    clatraducara t;
    t.settable("ab", "ba");
    EXPECT_TRUE(t.isinversable());
    t.pokechar('a', 'a');
    EXPECT_FALSE(t.isinversable());
}

TEST(Clatraducara, GivetrachainesListsChangedPrintableBytes) {
    clatraducara t;
    t.settable("zA\xFF", "Az\x80");
    t.pokechar(5, 'q');   // below 32: not listed
    t.pokechar('m', 7);   // to a control character: not listed
    t.pokechar('n', 'n'); // unchanged: not listed
    gstring from, to;
    t.givetrachaines(from, to);
    EXPECT_STREQ(from.adr(), "Az\xFF");
    EXPECT_STREQ(to.adr(), "zA\x80");
}
