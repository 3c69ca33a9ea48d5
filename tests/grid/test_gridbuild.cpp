#include <gtest/gtest.h>

#include "grid/clagripagebase.h"
#include "tests/grid/gridfixture.h"

namespace {
std::string joined(const lichati &l) {
    std::string s;
    for (const lichati::lxnoeud *p = l.head; p; p = p->next)
        s += std::string(p->text.adr()) + ",";
    return s;
}
} // namespace

TEST(GridBuild, NumberingIgnoresLineOrderRepeatsAndCase) {
    const std::string cells = ":AB,:AF,A:AB,A:AF,B:AF,C:AF,D:AB,D:AF,E:AB,F:AB,";
    clagritiko a, b, c;
    charge(a, {"X", "XA", "AWRK%90", "FWPK%100"});
    charge(b, {"FWPK%100", "XA", "AWRK%90", "X", "X", "D:AF", "EB:AB"});
    charge(c, {"xa", "fwpk%100", "awrk%90", "x"});
    for (const clagritiko *g : {&a, &b, &c}) {
        EXPECT_EQ(joined(g->lichemcases), cells);
        EXPECT_EQ(joined(g->valdonnees.lines), "A:AB=3,90,F:AB=1,100,");
        EXPECT_EQ(g->getcaseval(10), 1);
    }
}

TEST(GridBuild, HexagonLinesAloneGiveNoGivens) {
    clagritiko g;
    charge(g, {"X", "XA"});
    EXPECT_FALSE(g.avaldonnees);
    EXPECT_EQ(g.niveauapplique, 0);
    for (std::int16_t i = 1; i <= g.nbcases; ++i)
        EXPECT_FALSE(g.casestfixe(i));
}

TEST(GridBuild, CellsAroundAPointMakeAHexagon) {
    clagritiko g;
    charge(g, {":AB", "C:AF", "D:AB", "D:AF", "E:AB", ":AF"});
    EXPECT_EQ(g.nbcases, 6);
    EXPECT_EQ(g.nbhexacomplets, 1);
    EXPECT_STREQ(g.lichemhexas.adr(1), "");
}

TEST(GridBuild, LaterLineWinsAndEmptyOrForeignLinesAddNothing) {
    clagritiko g;
    charge(g, {"X", "AWPK%100", "AWQK%90", "#note", "%100"});
    EXPECT_EQ(joined(g.valdonnees.lines), "A:AB=2,90,");
    EXPECT_EQ(g.nbcases, 7);
    clagritiko vide;
    charge(vide, {});
    EXPECT_EQ(vide.nbcases, 0);
    EXPECT_EQ(vide.nbhexas, 0);
}

TEST(GridBuild, ValueWithoutLevelIsNeverShown) {
    clagritiko g;
    globinitticalcul();
    lichati def;
    lignes(def, {"X", "WPK"});
    g.setfromgrivecdef(def);
    g.bonsniveaux(1);
    g.debutdaffichagrille();
    const std::int16_t i = g.numerodelacase(":AB");
    EXPECT_EQ(g.tabcases[i].valdef, 1);
    EXPECT_EQ(g.getcaseval(i), 0);
    EXPECT_FALSE(g.casestfixe(i));
}

TEST(GridBuild, SameNameKeepsTheModelAnotherNameRebuildsIt) {
    globinitticalcul();
    clagripagebase page;
    page.setnom("Grille1");
    lignes(page.lignesdef, {"X"});
    page.metgrillenhexa();
    page.ajustepossicase();
    page.setcaseval(2, 5);
    page.setnom("GRILLE1");
    lignes(page.lignesdef, {"X", "XA"});
    page.metgrillenhexa();
    EXPECT_EQ(page.nbcases, 6);
    EXPECT_EQ(page.getcaseval(2), 5);
    page.setnom("Grille2");
    page.metgrillenhexa();
    EXPECT_EQ(page.nbcases, 10);
    EXPECT_FALSE(page.tabcasesfaite);
}

TEST(GridPage, DefaultsSizesAndModes) {
    clagripagebase page;
    EXPECT_EQ(page.modeaffi, 6);
    EXPECT_EQ(page.taillecase, 15);
    EXPECT_EQ(page.taillechiffre, 10);
    EXPECT_EQ(page.niveaupage, 100);
    EXPECT_TRUE(page.testaffi(6));
    EXPECT_FALSE(page.testaffi(7, 8));
    const std::int16_t sizes[][2] = {{50, 27}, {40, 22}, {60, 33}, {70, 38}};
    for (const auto &s : sizes) {
        page.settaillemmpix(0, s[0]);
        EXPECT_EQ(page.taillechiffre, s[1]);
        EXPECT_EQ(page.taillepix, s[0]);
    }
}
