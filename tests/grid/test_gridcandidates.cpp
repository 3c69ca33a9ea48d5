#include <gtest/gtest.h>

#include "tests/grid/gridfixture.h"

TEST(CandidateMasks, TablesAndHelpers) {
    titabrapidite();
    const std::int16_t valeur[8] = {0, 1, 2, 4, 8, 16, 32, 64};
    const std::int16_t inverse[8] = {0, 62, 61, 59, 55, 47, 31, 0};
    for (int v = 0; v < 8; ++v) {
        EXPECT_EQ(masquevaleur[v], valeur[v]);
        EXPECT_EQ(masquevalinv[v], inverse[v]);
    }
    EXPECT_EQ(possunevaleur(8), 0);
    EXPECT_EQ(possunevalinv(-1), 0);
    EXPECT_EQ(possiblinverse(17), 46);
}

TEST(PlayerMarks, ToggleClearAndPresence) {
    clagritiko g;
    EXPECT_FALSE(g.yadespossusers());
    charge(g, {"X"});
    EXPECT_FALSE(g.yadespossusers());
    g.swapossuser(2, 5);
    EXPECT_EQ(g.tabcases[2].possuser, 16);
    EXPECT_TRUE(g.yadespossusers());
    g.swapossuser(2, 3);
    g.swapossuser(2, 3);
    EXPECT_EQ(g.tabcases[2].possuser, 16);
    g.razallpuser();
    EXPECT_FALSE(g.yadespossusers());
}

TEST(PlayerMarks, PositionsAndNearestMark) {
    clagritiko g;
    charge(g, {"X"});
    g.calposipusertri();
    // Size 40: h = 35, sx 5, sy 8, c 3.
    EXPECT_EQ(g.posmarquesplat[0].x, 0);
    EXPECT_EQ(g.posmarquesplat[0].y, 11);
    EXPECT_EQ(g.posmarquesplat[3].x, -10);
    EXPECT_EQ(g.posmarquesplat[3].y, -5);
    EXPECT_EQ(g.posmarquespointe[0].x, -10);
    EXPECT_EQ(g.posmarquespointe[0].y, 5);
    EXPECT_EQ(g.posmarquespointe[5].y, -11);
    const std::int16_t i = g.numerodelacase(":AB");
    std::int16_t x = 0, y = 0;
    g.givepossofuser(i, 4, x, y);
    EXPECT_EQ(x, g.getcacentrix(i) - 10);
    EXPECT_EQ(g.possiproche(i, x, y), 4);
    EXPECT_EQ(g.possiproche(i, static_cast<std::int16_t>(x - 6), y), 4);
    EXPECT_EQ(g.possiproche(i, static_cast<std::int16_t>(x - 7), y), 0);
    EXPECT_EQ(g.possiproche(i, -32000, 32000), 0);
    EXPECT_EQ(g.possiproche(0, 0, 0), 0);
}

TEST(Candidates, NoValueLeavesEveryCandidate) {
    clagritiko g;
    charge(g, {"X", "XA"});
    g.ajustepossicase();
    for (std::int16_t i = 1; i <= g.nbcases; ++i)
        EXPECT_EQ(g.getvaluposs(i), 63);
}

TEST(Candidates, AValueLeavesOnlyTheCellsSharingAHexagon) {
    // Three hexagons in a row: D:AB shares no hexagon with A:AB.
    clagritiko g;
    charge(g, {"X", "XA", "XAA"});
    g.ajustepossicase();
    const std::int16_t i = g.numerodelacase("A:AB");
    g.setcaseval(i, 3);
    g.ajustepossicase();
    std::int16_t lost = 0;
    for (std::int16_t n = 1; n <= g.nbcases; ++n) {
        bool voisin = false;
        for (std::int16_t k = 0; k < 12; ++k)
            voisin = voisin || g.casevoisine(i, k) == n;
        if (n == i) {
            EXPECT_EQ(g.getvaluposs(n), 4);
        } else {
            EXPECT_EQ(g.getvaluposs(n), voisin ? 59 : 63) << n;
            lost = static_cast<std::int16_t>(lost + (voisin ? 1 : 0));
        }
    }
    EXPECT_GT(lost, 5);
    EXPECT_TRUE(g.isautorisee(g.numerodelacase("D:AB"), 3));
}

TEST(Candidates, TwoEqualValuesKeepTheirOwnMasks) {
    clagritiko g;
    charge(g, {"X"});
    g.ajustepossicase();
    g.setcaseval(1, 2);
    g.setcaseval(2, 2);
    g.ajustepossicase();
    // Propagation never erases a value, not even one that breaks the rule.
    EXPECT_EQ(g.getcaseval(1), 2);
    EXPECT_EQ(g.getcaseval(2), 2);
    EXPECT_EQ(g.getvaluposs(1), 2);
    EXPECT_EQ(g.getvaluposs(2), 2);
    EXPECT_EQ(g.getvaluposs(3), 61);
}

TEST(Candidates, RemovalIsRefusedOnFilledCellsAndGoneValues) {
    clagritiko g;
    charge(g, {"X"});
    g.ajustepossicase();
    g.setcaseval(1, 4);
    EXPECT_FALSE(g.interdicaval(1, 2));
    EXPECT_TRUE(g.interdicaval(2, 2));
    EXPECT_FALSE(g.interdicaval(2, 2));
    EXPECT_EQ(g.getvaluposs(2), 61);
    EXPECT_FALSE(g.interdicaval(0, 2));
    EXPECT_TRUE(g.metencaseleger(3, 6));
    EXPECT_EQ(g.getcaseval(3), 6);
    EXPECT_EQ(g.getvaluposs(4), 31);
}

TEST(Candidates, FinishedGridAndBackToTheGivens) {
    clagritiko vide;
    EXPECT_TRUE(vide.cestfini());
    clagritiko g;
    charge(g, {"X", "WPK%100", "DWQK%100"});
    g.ajustepossicase();
    EXPECT_FALSE(g.cestfini());
    for (std::int16_t i = 1; i <= g.nbcases; ++i) {
        if (g.casestvide(i))
            g.setcaseval(i, static_cast<std::int16_t>(i % 6 + 1));
    }
    g.swapossuser(3, 1);
    EXPECT_TRUE(g.cestfini());
    g.retourafixe();
    EXPECT_EQ(g.getcaseval(g.numerodelacase(":AB")), 1);
    EXPECT_EQ(g.getcaseval(g.numerodelacase("D:AB")), 2);
    std::int16_t filled = 0;
    for (std::int16_t i = 1; i <= g.nbcases; ++i)
        filled = static_cast<std::int16_t>(filled + (g.casenonvide(i) ? 1 : 0));
    EXPECT_EQ(filled, 2);
    EXPECT_EQ(g.tabcases[3].possuser, 1);
}
