#include <gtest/gtest.h>

#include "drawing/drawingobjects.h"
#include "tests/drawing/gridscene.h"

TEST(GridPage, NewPageDefaults) {
    clagripage page;
    EXPECT_EQ(page.modeaffi, 6);
    EXPECT_EQ(page.taillecase, 15);
    EXPECT_EQ(page.taillechiffre, 10);
    EXPECT_EQ(page.niveaupage, 100);
    EXPECT_EQ(page.anglepage, 0);
    EXPECT_EQ(page.posgrillex, 0);
    EXPECT_EQ(page.posgrilley, 0);
    EXPECT_EQ(page.possolux, 0);
    EXPECT_EQ(page.possoluy, 0);
    EXPECT_EQ(page.devpage, nullptr);
    EXPECT_TRUE(page.testaffi(6));
    EXPECT_FALSE(page.testaffi(7, 8));
    EXPECT_TRUE(page.testaffi(7, 6));
}

TEST(GridPage, DigitHeightFollowsTheCellSize) {
    const struct { std::int16_t size, digits; } cases[] = {{40, 22}, {50, 27}, {60, 33}, {70, 38}};
    for (const auto &c : cases) {
        clagripage page;
        page.settaillemmpix(0, c.size);
        EXPECT_EQ(page.taillecase, c.size);
        EXPECT_EQ(page.taillechiffre, c.digits) << c.size;
        EXPECT_EQ(page.taillepix, c.size);
    }
}

TEST(GridPage, SameGridNameInAnyCaseIsNotRebuilt) {
    globinitticalcul();
    grilledeja.clear();
    clagripage page;
    page.setnom("Etoile");
    page.lignesdef.padd("X");
    page.lignesdef.padd("XA");
    page.metgrillenhexa();
    EXPECT_EQ(page.nbcases, 10);

    page.lignesdef.clear();
    page.lignesdef.padd("X");
    page.setnom("ETOILE");
    page.taillecase = 50;
    page.metgrillenhexa();
    EXPECT_EQ(page.nbcases, 10) << "the model keeps its records";
    EXPECT_EQ(page.taillepix, 50) << "the size is still applied";

    page.setnom("Autre");
    page.metgrillenhexa();
    EXPECT_EQ(page.nbcases, 6);
    EXPECT_STREQ(grilledeja.adr(), "Autre,");
}

TEST(GridPage, GridPositionIsTheLocalOrigin) {
    canvas surface(100);
    clagripage page;
    surface.device.setlocal(10, 10);
    page.setlocagrille(surface.device);
    EXPECT_EQ(surface.device.localx, surface.device.centrex);
    EXPECT_EQ(surface.device.localy, surface.device.centrey);
    page.posgrillex = 10; // 37 pixels at 96 dpi
    page.possoluy = -10;
    page.setlocagrideux(0, surface.device);
    EXPECT_EQ(surface.device.localx, surface.device.centrex + 37);
    page.setlocagrideux(1, surface.device);
    EXPECT_EQ(surface.device.localx, surface.device.centrex);
    EXPECT_EQ(surface.device.localy, surface.device.centrey + 37);
}

TEST(GridPage, CurrentPageIsThePageMadeCurrentLast) {
    grilleram[3].setgrillactu(3);
    EXPECT_EQ(ptgriactu, &grilleram[3]);
    EXPECT_EQ(grillactu, 3);
    grilleram[0].setgrillactu(0);
    EXPECT_EQ(ptgriactu, &grilleram[0]);
    EXPECT_EQ(grillactu, 0);
}

TEST(GridPage, FrameInWholeMillimetres) {
    gridscene scene({"X", "XA"}, 40);
    cadrepix frame;
    scene.page.posicadremax(frame);
    scene.page.cadreblocsel(scene.surface.device);
    // 96 dpi: a pixel is 25.4 / 96 mm, truncated toward zero.
    EXPECT_EQ(blokadre.xa, static_cast<std::int16_t>(frame.left * 25.4 / 96));
    EXPECT_EQ(blokadre.xb, static_cast<std::int16_t>(frame.right * 25.4 / 96));
    EXPECT_EQ(blokadre.ya, static_cast<std::int16_t>(frame.bottom * 25.4 / 96));
    EXPECT_EQ(blokadre.yb, static_cast<std::int16_t>(frame.top * 25.4 / 96));
    EXPECT_LT(blokadre.xa, 0);
    EXPECT_GT(blokadre.xb, 0);
    EXPECT_LT(blokadre.ya, 0);
    EXPECT_GT(blokadre.yb, 0);
}
