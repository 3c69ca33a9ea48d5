#include "drawing/clabitmap.h"
#include "drawing/claminibitmap.h"
#include "drawing/colourshades.h"
#include "drawing/drawingobjects.h"
#include "tests/drawing/canvas.h"

#include <gtest/gtest.h>

namespace {

TEST(colourshades, clairLightensEachComponent) {
    EXPECT_EQ(clair(rgb(255, 255, 0)), rgb(255, 255, 153));
    EXPECT_EQ(clair(rgb(0, 0, 0)), rgb(153, 153, 153));
    EXPECT_EQ(clair(rgb(0, 0, 255)), rgb(153, 153, 255));
}

TEST(colourshades, nuancegrisIsPercentDarkness) {
    const struct {
        std::int16_t percent;
        std::uint8_t grey;
    } cases[] = {{0, 255}, {20, 204}, {30, 178}, {60, 102}, {80, 51}, {100, 0}};
    for (const auto &c : cases)
        EXPECT_EQ(nuancegris(c.percent), rgb(c.grey, c.grey, c.grey)) << c.percent;
}

TEST(clapolice, createbisOffsetsLiftTheTextByHalfItsHeight) {
    const struct {
        std::int16_t height;
        std::int16_t escapement;
        std::int16_t x;
        std::int16_t y;
    } cases[] = {
        {22, 0, 0, 11},    {22, 450, -9, 9},  // 11 x 1.2 = 13, then turned by 45 degrees
        {22, 900, -11, 0},                    // a right angle keeps 11
        {21, 0, 0, 10},    {22, -450, 0, 13}, // only positive escapements turn
    };
    clapolice font;
    for (const auto &c : cases) {
        font.createbis(c.height, 0, c.escapement, 0, 400, "Arial");
        EXPECT_EQ(font.offsetx, c.x) << c.escapement;
        EXPECT_EQ(font.offsety, c.y) << c.escapement;
    }
    font.create(22, 0, 450, 0, 400, "Arial");
    EXPECT_EQ(font.offsetx, 0);
    EXPECT_EQ(font.offsety, 0);
}

TEST(clapolice, opaqueTextFillsItsBackground) {
    canvas c;
    clapolice font;
    font.create(30, 0, 0, 0, 400, "Arial");
    font.useon(c.dc);
    font.colorandback(rgb(0, 0, 0), rgb(255, 255, 0));
    font.setcentrage(0);
    font.printpix(10, 10, "-");
    EXPECT_EQ(c.at(11, 12), rgb(255, 255, 0));
    font.colornoback(rgb(0, 0, 0));
    font.printpix(10, 60, "-");
    EXPECT_EQ(c.at(11, 62), rgb(255, 255, 255));
}

TEST(clagdiobjet, enduseRestoresTheDefaultPenOfTheFirstContext) {
    canvas c;
    clacrayon pen;
    pen.set(c.dc, createpen(5, rgb(0, 255, 0)));
    EXPECT_EQ(pen.deplace, static_cast<gdihandle>(stock_blackpen));
    const gdihandle green = pen.objet;
    line(c.dc, 10, 10, 90, 10);
    EXPECT_EQ(c.at(50, 12), rgb(0, 255, 0));
    pen.set(c.dc, createpen(5, rgb(0, 0, 255)));
    EXPECT_FALSE(objectexists(green));
    pen.clear();
    EXPECT_FALSE(pen.possede);
    line(c.dc, 10, 30, 90, 30);
    EXPECT_EQ(c.at(50, 30), rgb(0, 0, 0));
    EXPECT_EQ(c.at(50, 32), rgb(255, 255, 255));
}

TEST(clagdiobjet, aWrapperOutlivingItsContextDoesNoHarm) {
    clabrosse brush;
    {
        canvas c;
        brush.set(c.dc, createsolidbrush(rgb(1, 2, 3)));
    }
    brush.clear();
    brush.set(stock_hollowbrush);
    brush.clear();
    EXPECT_TRUE(objectexists(stock_hollowbrush));
}

TEST(clabitmap, copiesAndStretchesPartsOfItself) {
    canvas c;
    clabitmap picture;
    picture.set(createbitmap(4, 2));
    picture.calcupix();
    EXPECT_EQ(picture.largeur, 4);
    EXPECT_EQ(picture.hauteur, 2);
    picture.blitimage(c.dc, 10, 10, 4, 2, 0, 0);
    EXPECT_EQ(c.at(13, 11), rgb(0, 0, 0));
    EXPECT_EQ(c.at(14, 11), rgb(255, 255, 255));
    picture.stretchimage(c.dc, 20, 20, 40, 20, 0, 0, 4, 2);
    EXPECT_EQ(c.at(59, 39), rgb(0, 0, 0));
    EXPECT_EQ(c.at(60, 40), rgb(255, 255, 255));
    picture.set(createbitmap(1, 1));
    EXPECT_FALSE(picture.taillesue);
}

TEST(claminibitmap, aMissingResourceLoadsNothingAndCopiesNothing) {
    canvas c;
    claminibitmap picture;
    EXPECT_FALSE(picture.loadbmpressource(99));
    EXPECT_EQ(picture.largeur, 0);
    EXPECT_FALSE(picture.stretchblt(c.dc, 0, 0, 10, 10, 0, 0, 0, 0));
    EXPECT_EQ(c.at(5, 5), rgb(255, 255, 255));
}

TEST(wkrectan, squaresOrderingAndShifts) {
    wkrectan square;
    square.setcarre(40);
    EXPECT_EQ(square.xa, -20);
    EXPECT_EQ(square.yb, 20);
    wkrectan ordered(1);
    ordered.setxwid(5, 5, -10, 0);
    EXPECT_EQ(ordered.xa, -5);
    EXPECT_EQ(ordered.xb, 5);
    wkrectan loose(0);
    loose.setxwid(5, 5, -10, 0);
    EXPECT_EQ(loose.xa, 5);
    EXPECT_EQ(loose.xb, -5);
    loose.shift(2, -3);
    EXPECT_EQ(loose.xb, -3);
    EXPECT_EQ(loose.ya, 2);
}

} // namespace
