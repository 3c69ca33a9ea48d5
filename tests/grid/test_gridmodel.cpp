#include <gtest/gtest.h>

#include "tests/grid/gridfixture.h"

TEST(GridModel, NewModelIsEmptyWithDefaults) {
    clagritiko g;
    EXPECT_EQ(g.nbcases, 0);
    EXPECT_EQ(g.nbhexas + g.nbhexacomplets + g.nbhexapartiels + g.nbpoints, 0);
    EXPECT_EQ(g.taillepix, 40);
    EXPECT_EQ(g.niveauvoulu, 100);
    EXPECT_EQ(g.niveaucalcule, 100);
    EXPECT_EQ(g.niveaunominal, 6);
    EXPECT_EQ(g.niveaueffectif, 6);
    EXPECT_TRUE(g.interdouze);
}

TEST(GridModel, TwoHexagonsNumberTheirCellsInFoldedOrder) {
    clagritiko g;
    charge(g, {"XA", "X"});
    EXPECT_EQ(g.nbcases, 10);
    EXPECT_EQ(g.nbhexacomplets, 2);
    EXPECT_EQ(g.nbhexapartiels, 2);
    EXPECT_EQ(g.nbhexas, 4);
    EXPECT_EQ(g.tabhexas.size(), 5u);
    EXPECT_STREQ(g.lichemhexapart.adr(1), "B");
    EXPECT_STREQ(g.lichemhexapart.adr(2), "F");
    const char *names[] = {":AB", ":AF", "A:AB", "A:AF", "B:AF", "C:AF", "D:AB", "D:AF", "E:AB", "F:AB"};
    for (std::int16_t i = 1; i <= 10; ++i)
        EXPECT_EQ(g.numerodelacase(names[i - 1]), i) << names[i - 1];
    EXPECT_EQ(g.numerodelacase("d:ab"), 7);
    EXPECT_EQ(g.numerodelacase("AA:AB"), 0);
}

TEST(GridModel, NeighbourSlotsOfTheTwoHexagonGrid) {
    clagritiko g;
    charge(g, {"X", "XA"});
    g.ajustepossicase();
    EXPECT_EQ(slots(g, 1), "6,7,8,9,2,3,5,10,4,0,0,0,");
    EXPECT_EQ(slots(g, 3), "5,1,2,10,4,0,0,0,0,0,0,0,");
    EXPECT_EQ(g.casevoisine(1, 12), 0);
    EXPECT_EQ(g.casevoisine(11, 0), 0);
    EXPECT_EQ(g.casevoisine(0, 0), 0);
}

TEST(GridModel, OneHexagonHasSixCellsAndNoPartialHexagon) {
    clagritiko g;
    charge(g, {"X"});
    EXPECT_EQ(g.nbcases, 6);
    EXPECT_EQ(g.nbhexacomplets, 1);
    EXPECT_EQ(g.nbhexapartiels, 0);
    EXPECT_EQ(g.tabcases.size(), 7u);
    EXPECT_EQ(g.tabhexas.size(), 2u);
}

TEST(GridModel, IndexedAccessOutsideTheCellsIsNeutral) {
    clagritiko g;
    charge(g, {"X"});
    for (std::int16_t i : {std::int16_t(-1), std::int16_t(0), std::int16_t(7), std::int16_t(32767)}) {
        g.setcaseval(i, 3);
        g.setvaluposs(i, 5);
        g.swapossuser(i, 2);
        EXPECT_EQ(g.getcaseval(i), 0);
        EXPECT_EQ(g.getvaluposs(i), 0);
        EXPECT_FALSE(g.casestfixe(i));
        EXPECT_EQ(g.getcacentrix(i), 0);
    }
    EXPECT_EQ(g.tabcases[0].valeur, 0);
    EXPECT_EQ(g.gethexacentrix(2), 0);
}

TEST(GridModel, ClearedCellIsEmptyWithEveryCandidate) {
    clagritiko g;
    charge(g, {"XWPK%100"});
    const std::int16_t i = g.numerodelacase(":AB");
    ASSERT_TRUE(g.casestfixe(i));
    g.casevaluclear(i);
    EXPECT_TRUE(g.casestvide(i));
    EXPECT_FALSE(g.casestfixe(i));
    EXPECT_EQ(g.getvaluposs(i), 63);
    EXPECT_EQ(g.tabcases[i].valdef, 0);
}

TEST(GridModel, EnsureBuildsOnceAndDropOfNothingDoesNothing) {
    clagritiko g;
    g.killtabledescases();
    g.killtablecommune();
    g.videlisegmentour();
    EXPECT_FALSE(g.tabcasesfaite);
    charge(g, {"X"});
    g.tabcases[1].valeur = 4;
    g.fautunetabledescases();
    EXPECT_EQ(g.getcaseval(1), 4);
}

TEST(GridModel, GivenOfACellOutsideTheGridIsSkipped) {
    clagritiko g;
    lichati def;
    lignes(def, {"X", "XWPK%100"});
    g.setfromgrivecdef(def);
    g.valdonnees.setparam("AAAA:AB", "3,100");
    g.debutdaffichagrille();
    EXPECT_EQ(g.getcaseval(g.numerodelacase(":AB")), 1);
    EXPECT_EQ(g.nbcases, 6);
}

TEST(GridModel, DroppedCentresReadZeroUntilRecomputed) {
    clagritiko g;
    charge(g, {"X", "XA"});
    const std::int16_t x = g.getcacentrix(3);
    ASSERT_NE(x, 0);
    g.supprimecoordentableaux();
    for (std::int16_t i = 1; i <= g.nbcases; ++i)
        EXPECT_EQ(g.getcacentrix(i) | g.getcacentry(i), 0);
    EXPECT_EQ(g.gethexacentrix(2), 0);
    g.fautcoordentableaux();
    EXPECT_EQ(g.getcacentrix(3), x);
}

TEST(GridModel, ClearNReleasesEverything) {
    clagritiko g;
    charge(g, {"X", "XA", "AWPK%100"});
    g.ajustepossicase();
    g.clear('N');
    EXPECT_EQ(g.nbcases, 0);
    EXPECT_TRUE(g.lichemhexas.isempty());
    EXPECT_TRUE(g.tabcases.empty());
    EXPECT_TRUE(g.tabvoisins.empty());
    EXPECT_FALSE(g.avaldonnees || g.tabcasesfaite || g.tabvoisinsremplie || g.basefaite);
}
