#include <gtest/gtest.h>

#include "tests/grid/gridfixture.h"

// Size 40, angle 0: steps A (40, 0), B (20, 35); ":AB" centres 20, 11 from their corner.
TEST(GridGeometry, CellCentresAndTriangles) {
    clagritiko g;
    charge(g, {"X"});
    struct cas {
        const char *name;
        std::int16_t x, y;
    };
    const cas table[] = {
        {":AB", 20, 11}, {":AF", 20, -11}, {"C:AF", 0, 24}, {"D:AB", -20, 11}, {"E:AB", 0, -24}};
    for (const cas &c : table) {
        const std::int16_t i = g.numerodelacase(c.name);
        EXPECT_EQ(g.getcacentrix(i), c.x) << c.name;
        EXPECT_EQ(g.getcacentry(i), c.y) << c.name;
    }
    pointpix p[5];
    g.givecasepoints(g.numerodelacase(":AF"), p);
    const std::int32_t expected[4][2] = {{0, 0}, {40, 0}, {20, -35}, {0, 0}};
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(p[k].x, expected[k][0]);
        EXPECT_EQ(p[k].y, expected[k][1]);
    }
    cadrepix frame;
    g.posicadremax(frame);
    EXPECT_EQ(frame.left, -60);
    EXPECT_EQ(frame.right, 60);
    EXPECT_EQ(frame.top, 64);
    EXPECT_EQ(frame.bottom, -64);
}

TEST(GridGeometry, NearestItemsWithinTheirRadius) {
    clagritiko g;
    charge(g, {"X", "XA"});
    struct cas {
        char query;
        std::int16_t x, y, answer;
    };
    const cas table[] = {
        {'c', 20, 11, 1},  {'c', 20, 31, 1}, {'c', 20, 32, 0}, {'c', 20, 0, 1},  {'c', 30000, -30000, 0},
        {'h', 6, 0, 1},    {'h', 7, 0, 0},   {'h', 40, 0, 2},  {'p', 30, 35, 3}, {'p', 31, 35, 0},
        {'p', 20, -30, 4}, {'p', 3, 0, 1},   {'o', 40, 6, 2},  {'o', 40, 7, 0},  {'o', -32768, 32767, 0},
    };
    for (const cas &c : table) {
        std::int16_t got = 0;
        switch (c.query) {
        case 'c':
            got = g.caseproche(c.x, c.y);
            break;
        case 'h':
            got = g.hexaproche(c.x, c.y);
            break;
        case 'p':
            got = g.hexapartproche(c.x, c.y);
            break;
        default:
            got = g.pointproche(c.x, c.y);
            break;
        }
        EXPECT_EQ(got, c.answer) << c.query << " " << c.x << "," << c.y;
    }
}

TEST(GridGeometry, SizeChangeForgetsCentresUntilRecomputed) {
    clagritiko g;
    charge(g, {"X"});
    EXPECT_EQ(g.gravhexas.taille, 13);
    g.settaillepix(41);
    EXPECT_EQ(g.gravhexas.taille, 14);
    g.settaillepix(60);
    EXPECT_FALSE(g.coordfaites);
    EXPECT_EQ(g.getcacentrix(1), 0);
    EXPECT_EQ(g.caseproche(30, 17), 0);
    g.fautcoordentableaux();
    EXPECT_EQ(g.getcacentrix(1), 30);
    EXPECT_EQ(g.caseproche(30, 17), 1);
}

TEST(GridGeometry, HalfStepPositionsRowsAndColumns) {
    EXPECT_EQ(clagritiko::positaconv('X', "AAB:AB"), 5);
    EXPECT_EQ(clagritiko::positaconv('Y', "AAB:AB"), 1);
    EXPECT_EQ(clagritiko::positaconv('Z', "AAB:AB"), 0);
    EXPECT_EQ(clagritiko::positaconv('X', "dd:AF"), -4);

    clagritiko g;
    charge(g, {"X"});
    struct cas {
        const char *name;
        std::int16_t ligne, colonne;
    };
    const cas table[] = {{"D:AB", 1, 1}, {"C:AF", 1, 2}, {":AB", 1, 3},
                         {"D:AF", 2, 1}, {"E:AB", 2, 2}, {":AF", 2, 3}};
    for (const cas &c : table) {
        const std::int16_t i = g.numerodelacase(c.name);
        EXPECT_EQ(g.tabcases[i].ligne, c.ligne) << c.name;
        EXPECT_EQ(g.tabcases[i].colonne, c.colonne) << c.name;
    }
    EXPECT_EQ(g.nblignes, 2);
    EXPECT_EQ(g.nbcolonnes, 3);
    gstring label;
    g.ecricalignouv(label, 1, g.numerodelacase(":AB"), " ");
    EXPECT_STREQ(label.adr(), "L1 C3");

    // Far from the origin the numbering starts from 7 at most.
    clagritiko loin;
    charge(loin, {"XA9A9"});
    EXPECT_EQ(loin.tabcases[loin.numerodelacase((std::string(17, 'A') + ":AB").c_str())].colonne, 29);
    EXPECT_EQ(loin.nbcolonnes, 31);
}
