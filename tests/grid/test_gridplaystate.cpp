#include <gtest/gtest.h>

#include "tests/grid/gridfixture.h"

namespace {
std::string etat(const clagritiko &g) {
    gstring t;
    g.getactudata(3, t);
    return t.adr();
}

// Values and marks of every cell, to compare two games.
std::string partie(const clagritiko &g) {
    std::string s;
    for (std::int16_t i = 1; i <= g.nbcases; ++i)
        s += std::to_string(g.getcaseval(i)) + "/" + std::to_string(g.tabcases[i].possuser) + ",";
    return s;
}
} // namespace

TEST(PlayState, WrittenGroupsAndRuns) {
    clagritiko g;
    charge(g, {"X", "XA"});
    EXPECT_EQ(etat(g), "KKKG");
    g.setcaseval(9, 1);
    g.setcaseval(10, 2);
    EXPECT_EQ(etat(g), "KKHAB");
    g.setcaseval(1, 3);
    g.tabcases[3].possuser = 17;
    g.tabcases[4].possuser = 8;
    g.tabcases[5].possuser = 1;
    EXPECT_EQ(etat(g), "CG120110KAB");
    clagritiko vide;
    EXPECT_EQ(etat(vide), "");
}

TEST(PlayState, WrittenAndReadBackOnTheSameGridAndLevel) {
    clagritiko g;
    charge(g, {"X", "XA", "WPK%100", "AVQK%100"});
    g.setcaseval(3, 4);
    g.setcaseval(6, 5);
    g.tabcases[5].possuser = 63;
    g.tabcases[8].possuser = 6;
    const std::string text = etat(g);

    clagritiko h;
    charge(h, {"X", "XA", "WPK%100", "AVQK%100"});
    h.setactudatabis(text.c_str());
    h.debutdaffichagrille();
    EXPECT_EQ(partie(h), partie(g));
    EXPECT_EQ(etat(h), text);
    EXPECT_TRUE(listepossuval.isempty());
}

TEST(PlayState, ReadingFoldsRunsAndLeavesTheRestAlone) {
    struct cas {
        const char *text;
        const char *after;
    };
    const cas table[] = {
        {"", "1/0,3/0,3/0,0/5,0/0,0/0,"},    // no change
        {"kh", "1/0,0/0,0/0,0/0,0/0,0/0,"},  // five empty cells, the given kept
        {"AGB", "1/0,0/0,2/0,0/5,0/0,0/0,"}, // shorter text: the rest stays
    };
    for (const cas &c : table) {
        clagritiko g;
        charge(g, {"X", "WPK%100"});
        g.setcaseval(2, 3);
        g.setcaseval(3, 3);
        g.tabcases[4].possuser = 5;
        g.setactudatabis(c.text);
        g.debutdaffichagrille();
        EXPECT_EQ(partie(g), c.after) << c.text;
    }
}

TEST(PlayState, ContradictingTextFallsBackToTheGivens) {
    const char *rejected[] = {"BGGGGG", "ACCCCCC", "AC8", "AC1Z", "AC1", "A\xC9"};
    for (const char *text : rejected) {
        clagritiko g;
        charge(g, {"X", "WPK%100"});
        g.setcaseval(2, 4);
        g.tabcases[3].possuser = 9;
        g.setactudatabis(text);
        EXPECT_EQ(g.getcaseval(1), 1) << text;
        EXPECT_TRUE(g.casestfixe(1));
        for (std::int16_t i = 2; i <= g.nbcases; ++i)
            EXPECT_EQ(g.getcaseval(i), 0) << text;
        EXPECT_FALSE(g.yadespossusers());
    }
}

TEST(PlayState, AnyBytesGiveADefinedResult) {
    clagritiko g;
    charge(g, {"X", "XA", "WPK%100"});
    std::string text;
    for (int b = 1; b < 256; ++b)
        text += static_cast<char>(b);
    for (std::size_t cut = 0; cut <= text.size(); cut += 7) {
        g.setactudatabis(text.substr(cut).c_str());
        g.debutdaffichagrille();
        EXPECT_EQ(g.getcaseval(1), 1);
        for (std::int16_t i = 1; i <= g.nbcases; ++i)
            EXPECT_LE(g.getcaseval(i), 6);
    }
    const std::string longue(40000, 'K');
    g.setactudatabis(longue.c_str());
    EXPECT_EQ(etat(g), "AKKK");
}
