#include <gtest/gtest.h>

#include <vector>

#include "lattice/clatichemin.h"

namespace {

using V = std::vector<int>;

V vectors(const clatidirections &d) {
    V v;
    for (int i = 0; i < 6; ++i) {
        v.push_back(d.x[i]);
        v.push_back(d.y[i]);
    }
    return v;
}

V centres(const clatidirections &d) {
    return {d.centrex[0], d.centrey[0], d.centrex[1], d.centrey[1]};
}

} // namespace

TEST(Floatopix, RoundsHalvesAwayFromZeroAndClamps) {
    struct Case {
        float v;
        int expected;
    } cases[] = {{0.5f, 1},    {-0.5f, -1}, {1.49f, 1},        {-1.5f, -2},        {2.5f, 3},
                 {25.98f, 26}, {-0.4f, 0},  {40000.0f, 32767}, {-40000.0f, -32768}};
    for (const Case &c : cases)
        EXPECT_EQ(floatopix(c.v), c.expected) << c.v;
}

TEST(Modulosix, AlwaysNonNegative) {
    EXPECT_EQ(modulosix(7), 1);
    EXPECT_EQ(modulosix(6), 0);
    EXPECT_EQ(modulosix(-1), 5);
    EXPECT_EQ(modulosix(-32768), 4);
}

TEST(Directions, VectorsForSizeAndAngle) {
    struct Case {
        int size, angle, storedsize;
        V vectors;
        V centres;
    } cases[] = {
        {30, 0, 30, {30, 0, 15, 26, -15, 26, -30, 0, -15, -26, 15, -26}, {15, -8, 15, 8}},
        {31, 0, 32, {32, 0, 16, 28, -16, 28, -32, 0, -16, -28, 16, -28}, {16, -9, 16, 9}},
        {30, 90, 30, {0, 30, -26, 15, -26, -15, 0, -30, 26, -15, 26, 15}, {8, 15, -8, 15}},
        {20, 0, 20, {20, 0, 10, 17, -10, 17, -20, 0, -10, -17, 10, -17}, {10, -5, 10, 5}},
    };
    for (const Case &c : cases) {
        clatidirections d;
        d.settaillangle(static_cast<std::int16_t>(c.size), static_cast<std::int16_t>(c.angle));
        EXPECT_EQ(d.taille, c.storedsize) << c.size;
        EXPECT_EQ(vectors(d), c.vectors) << c.size << " " << c.angle;
        EXPECT_EQ(centres(d), c.centres) << c.size << " " << c.angle;
    }
}

TEST(Directions, ConstructionAndSeparateSetters) {
    clatidirections d;
    EXPECT_EQ(d.taille, 30);
    EXPECT_EQ(d.reulaty(1), 26);
    d.setangle(90);
    EXPECT_EQ(d.reulatx(1), -26);
    d.settaille(19);
    EXPECT_EQ(d.taille, 20);
    EXPECT_EQ(d.reulaty(0), 20);
    EXPECT_EQ(d.reulatx(7), d.reulatx(1)); // direction indices wrap
    EXPECT_EQ(d.relatcentx(2), 0);
    d.settaille(32767); // the largest odd size cannot be raised
    EXPECT_EQ(d.taille, 32766);
}

TEST(PathPixels, CellCentresFromTheOrigin) {
    clatichemin c;
    c.setchemin("A:AB");
    EXPECT_EQ(c.valchemincasix(1), 45);
    EXPECT_EQ(c.valchemincasy(1), 8);
    c.setchemin("A:AF");
    EXPECT_EQ(c.valchemincasix(0), 45);
    EXPECT_EQ(c.valchemincasy(0), -8);
    EXPECT_EQ(c.valducheminx("A2B"), 75);
    EXPECT_EQ(c.valducheminy("A2B"), 26);
    EXPECT_EQ(c.valducheminx("AD"), 0);
}

TEST(PathPixels, OffsetsWrapInSixteenBits) {
    clatichemin c;
    c.setchemin("A9A9A9A9A9A9A9A9A9A9A9A9A9A9A9A9A9A9A9A9A9A9A9A9A9A9A9A9A9A9A9A9A9A9A9A9A9A9A9A9A9A9A9A9"
                "A9A9A9A9A9A9A9A9A9A9A9A9A9A9A9A9A9A9A9A9A9A9A9A9A9A9A9A9A9A9A9A9A9A9A9A9A9A9A9A9A9A9A9A9"
                "A9A9A9A9A9A9A9A9A9A9A9A9A9A9A9A9A9A9A9A9A9A9A9A9A9A9A9A9A9A9A9A9A9A9A9A9A9A9A9A9A9A9A9A9");
    // 1188 steps of 30 pixels is 35640, which wraps to 35640 - 65536.
    EXPECT_EQ(c.valcheminx(), 35640 - 65536);
}

TEST(HexagonPolygons, SixTrianglesAndCentres) {
    clatichemin c;
    pointpix tri[19];
    EXPECT_EQ(c.givesixtriangles(tri, 100, 200), 4);
    EXPECT_EQ(tri[0].x, 100);
    EXPECT_EQ(tri[1].x, 130);
    EXPECT_EQ(tri[1].y, 200);
    EXPECT_EQ(tri[2].x, 115);
    EXPECT_EQ(tri[2].y, 226);
    EXPECT_EQ(tri[16].x, 115); // triangle 5 ends at direction A
    EXPECT_EQ(tri[17].x, 130);
    EXPECT_EQ(tri[18].x, 100);
    EXPECT_EQ(tri[18].y, 200);
    pointpix centres[6];
    EXPECT_EQ(c.givesixcentres(centres, 100, 200), 6);
    const int expected[6][2] = {{115, 192}, {100, 183}, {85, 192}, {85, 208}, {100, 217}, {115, 208}};
    for (int k = 0; k < 6; ++k) {
        EXPECT_EQ(centres[k].x, expected[k][0]) << k;
        EXPECT_EQ(centres[k].y, expected[k][1]) << k;
    }
}
