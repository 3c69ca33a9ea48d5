#include <gtest/gtest.h>

#include <string>

#include "grid/candidatemasks.h"
#include "shell/builtingrids.h"
#include "shell/decryptiko.h"
#include "storedtexts.h"

TEST(BuiltinGrids, TableIdentifiersAndLevels) {
    const std::pair<std::string, int> expected[] = {
        {"1805-18", 4}, {"1939-2", 4}, {"1605-5", 5}, {"1932-4", 6},  {"1803-12", 6},
        {"1251-1", 2},  {"1251-2", 3}, {"1251-3", 4}, {"1222-65", 5}, {"1239-1", 6}};
    for (int k = 0; k < nbgrillesinternes; ++k) {
        EXPECT_EQ(grillesinternes[k].nom, expected[k].first);
        EXPECT_EQ(grillesinternes[k].niveau, expected[k].second);
        nigridef = 0;
        ASSERT_TRUE(grilledef(expected[k].first.c_str()));
        EXPECT_EQ(nigridef, expected[k].second);
        ligridef.clear();
    }
}

TEST(BuiltinGrids, UnknownNameChangesOnlyTheEditionFigures) {
    demonumero = 0;
    grinombre = 0;
    nigridef = 3;
    ligridef.clear();
    ligridef.padd("kept");
    for (const char *name : {"X", "", "1251", "1251-10", " 1251-1", static_cast<const char *>(nullptr)}) {
        EXPECT_FALSE(grilledef(name)) << (name ? name : "null");
        EXPECT_EQ(demonumero, 101);
        EXPECT_EQ(grinombre, 5);
        EXPECT_EQ(nigridef, 3);
        ASSERT_EQ(ligridef.effectif(), 1);
    }
    ligridef.clear();
}

TEST(BuiltinGrids, OfferedGridsAreFiveTableEntries) {
    nomgrinit();
    gstring rest(nomdegrinu.adr());
    gstring word;
    int count = 0;
    for (; rest.notempty(); ++count) {
        word.depilefrom(rest);
        nigridef = 0;
        EXPECT_TRUE(grilledef(word.adr())) << word.adr();
        EXPECT_GT(nigridef, 0);
    }
    ligridef.clear();
    EXPECT_EQ(count, 5);
}

TEST(BuiltinGrids, ProgramTexts) {
    EXPECT_STREQ(decryptiko(storedtext(crypttitre, 0)), "TIKO");
    EXPECT_STRNE(decryptiko(storedtext(cryptfenetre, 0)), "");
    EXPECT_STRNE(decryptiko(storedtext(cryptentete, 0)), "");
    EXPECT_STRNE(storedtext(crypttitre, 0), "TIKO");
    EXPECT_STREQ(storedtext(crypttitre, 1), "");
    EXPECT_STREQ(storedtext(crypttitre, -1), "");
}

TEST(BuiltinGrids, LoadLinesLeaveTheTargetAloneForAnUnknownName) {
    lichati lines;
    lines.padd("XA");
    EXPECT_FALSE(lignesgrilleinterne("nothing", lines));
    EXPECT_EQ(lines.effectif(), 1);
    EXPECT_EQ(nigridef, 0);
    ASSERT_TRUE(lignesgrilleinterne("1239-1", lines));
    EXPECT_EQ(nigridef, 6);
    EXPECT_TRUE(ligridef.isempty());
    int hexagons = 0, hardest = 0, easiest = 0;
    for (std::int16_t k = 1; lines.adr(k); ++k) {
        const std::string line = lines.adr(k);
        EXPECT_NE(line[0], '%');
        EXPECT_NE(line[0], '#');
        hexagons += line[0] == 'X' && line.find('%') == std::string::npos;
        hardest += line.ends_with("K%120");
        easiest += line.ends_with("K%75");
    }
    EXPECT_GT(hexagons, 0);
    EXPECT_GT(hardest, 0);
    EXPECT_GT(easiest, 0);
}

TEST(BuiltinGrids, LoadIntoAPage) {
    globinitticalcul();
    clagripagebase page;
    grilleload(page, "X");
    EXPECT_EQ(grafficher, 6);
    EXPECT_EQ(demonumero, 101);
    EXPECT_EQ(page.nbcases, 0);
    EXPECT_TRUE(page.lignesdef.isempty());

    grilleload(page, "1251-1");
    EXPECT_STREQ(page.nom.adr(), "1251-1");
    EXPECT_EQ(page.nbcases, 24);
    EXPECT_EQ(page.niveaunominal, 2);
    EXPECT_TRUE(ligridef.isempty());
    page.debutdaffichagrille();
    int shown = 0;
    for (std::int16_t i = 1; i <= page.nbcases; ++i)
        shown += page.casestfixe(i);
    EXPECT_EQ(shown, 14); // the givens of level 2

    grilleload(page, "unknown");
    EXPECT_STREQ(page.nom.adr(), "1251-1");
    EXPECT_EQ(page.nbcases, 24);
}
