#include <gtest/gtest.h>

#include "lattice/clagravec.h"
#include "lattice/sysangle.h"

TEST(Sysangle, RightAngleDetection) {
    struct Case {
        float degrees;
        bool right;
        int quarter;
    } cases[] = {{89.8f, true, 90},  {270.0f, true, 270}, {630.0f, true, 270},
                 {-90.0f, false, 0}, {45.0f, false, 0},   {0.0f, true, 0},
                 {-0.2f, true, 0},   {179.7f, false, 0},  {1.0e20f, false, 0}};
    for (const Case &c : cases) {
        sysangle a;
        a.setadeg(c.degrees);
        EXPECT_EQ(a.droit, c.right) << c.degrees;
        EXPECT_EQ(a.quart, c.quarter) << c.degrees;
        EXPECT_FLOAT_EQ(a.degres, c.degrees);
    }
}

TEST(Sysangle, TurningAtRightAnglesIsExact) {
    struct Case {
        float degrees;
        float x, y;
    } cases[] = {{0.0f, 3, 1}, {90.0f, -1, 3}, {180.0f, -3, -1}, {270.0f, 1, -3}, {450.0f, -1, 3}};
    for (const Case &c : cases) {
        sysangle a;
        a.setadeg(c.degrees);
        a.setxy(3, 1);
        EXPECT_EQ(a.getxf(), c.x) << c.degrees;
        EXPECT_EQ(a.getyf(), c.y) << c.degrees;
    }
}

TEST(Sysangle, GeneralTurnTruncates) {
    sysangle a;
    a.setadeg(45);
    a.setxy(10, 0);
    EXPECT_EQ(a.getx(), 7);
    EXPECT_EQ(a.gety(), 7);
    a.setadeg(-90); // not taken as a right angle: the general formula, then truncation
    a.setxy(10, 0);
    EXPECT_EQ(a.getx(), 0);
    EXPECT_EQ(a.gety(), -10);
    a.setxy(1.0e9f, 0);
    EXPECT_EQ(a.gety(), -32768);
}

TEST(Sysangle, TenthsUseTheGeneralFormula) {
    sysangle a;
    a.setadeg(90);
    a.setadix(450);
    EXPECT_FALSE(a.droit);
    EXPECT_FLOAT_EQ(a.degres, 45.0f);
    a.setxy(10, 0);
    EXPECT_EQ(a.getx(), 7);
    a.clear();
    EXPECT_EQ(a.degres, 0.0f);
    EXPECT_EQ(a.radians, 0.0f);
    EXPECT_FALSE(a.droit);
}

TEST(Clagravec, DefaultStepsAndPositions) {
    clagravec g;
    ASSERT_EQ(g.nombre, 6);
    ASSERT_EQ(g.pas.size(), 6u);
    const int expected[6][2] = {{20, 0}, {10, 17}, {-10, 17}, {-20, 0}, {-10, -17}, {10, -17}};
    for (int k = 0; k < 6; ++k) {
        EXPECT_EQ(g.pas[k].x, expected[k][0]) << k;
        EXPECT_EQ(g.pas[k].y, expected[k][1]) << k;
    }
    EXPECT_TRUE(g.depuisvecteurs);
    EXPECT_EQ(g.posicheminx("AB:AF"), 30);
    EXPECT_EQ(g.posicheminy("AB:AF"), 17);
    EXPECT_EQ(g.posicheminx("A2"), 40);
}

TEST(Clagravec, SizeAndAngleRefillTheTable) {
    clagravhexa g;
    g.setbase(6, 31);
    EXPECT_EQ(g.pas[0].x, 32);
    EXPECT_EQ(g.pas[1].y, 28);
    g.setangle(90.0f);
    EXPECT_EQ(g.pas[0].x, 0);
    EXPECT_EQ(g.pas[0].y, 32);
    EXPECT_EQ(g.posicheminy("A"), 32);
    g.clear();
    EXPECT_TRUE(g.pas.empty());
    EXPECT_FALSE(g.depuisvecteurs);
    EXPECT_EQ(g.nombre, 0);
}
