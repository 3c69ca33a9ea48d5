#include <gtest/gtest.h>

#include "drawing/offscreenlayers.h"
#include "platform/window.h"
#include "tests/drawing/gridscene.h"

namespace {

constexpr colour cyan = rgb(0, 255, 255);
constexpr colour jauneclair = rgb(255, 255, 153);

long plainproc(winhandle window, unsigned message, wparam w, lparam l) {
    return defwinproc(window, message, w, l);
}

// A hidden window whose client area the layers follow.
class layerwindow : public ::testing::Test {
  protected:
    winhandle window = nullptr;

    void SetUp() override {
        startoffscreen();
        registerwinclass("layers", plainproc, 0);
        window = createwin("layers", "", style_popup, 0, 0, 120, 90);
        ASSERT_NE(window, nullptr);
        killfenetrefond();
        fenfondwid = fenfondhgt = 0;
    }
    void TearDown() override {
        killfenetrefond();
        destroywin(window);
    }
};

std::int16_t side(gdihandle bitmap) {
    std::int16_t w = 0, h = 0;
    bitmapsize(bitmap, w, h);
    return w;
}

// One paint as the window does it: the layers, the foreground, the origin put back on the grid.
void paint(winhandle window, gridscene &scene) {
    peinturecouches layers = ouvrecouches(window, 0, scene.page, scene.surface.device);
    scene.page.dessingrifin(scene.surface.device, 0, rgb(0, 0, 255), rgb(0, 0, 255));
    scene.page.setlocagrideux(0, scene.surface.device);
    fermecouches(layers, scene.surface.device);
}

} // namespace

TEST_F(layerwindow, FullPictureWithNoLayerMakesAllThree) {
    creagrilletout(window, 0);
    EXPECT_TRUE(fenfondcreated && grifondcreated && gritoutcreated);
    std::int16_t w = 0, h = 0;
    getclientsize(window, w, h);
    EXPECT_EQ(fenfondwid, w);
    EXPECT_EQ(fenfondhgt, h);
    for (gdihandle layer : {fenetrefond, grillefond, grilletout}) {
        EXPECT_EQ(side(layer), w);
        EXPECT_EQ(bitmappixel(layer, 0, 0), rgb(0, 0, 0)) << "a 1-pixel black frame";
        EXPECT_EQ(bitmappixel(layer, 1, 1), cyan);
        EXPECT_EQ(bitmappixel(layer, w / 2, h / 2), cyan) << "a plain copy, without the grid";
    }
}

TEST_F(layerwindow, DroppingALayerDropsThoseAboveIt) {
    creagrilletout(window, 0);
    killgrillefond();
    EXPECT_TRUE(fenfondcreated);
    EXPECT_FALSE(grifondcreated || gritoutcreated);
    creagrilletout(window, 0);
    killgrilletout();
    EXPECT_TRUE(fenfondcreated && grifondcreated);
    EXPECT_FALSE(gritoutcreated);
    killfenetrefond();
    EXPECT_FALSE(fenfondcreated || grifondcreated || gritoutcreated);
    EXPECT_EQ(fenetrefond, 0u);
}

TEST_F(layerwindow, TwoPaintsDrawTheGridBackgroundOnce) {
    gridscene scene({"X", "XA"}, 20, 120);
    EXPECT_EQ(verifenetrefond(window, 0), 1);
    paint(window, scene);
    const gdihandle background = grillefond;
    const double x = scene.page.getcacentrix(1);
    const double y = scene.page.getcacentry(1);
    const auto atcell = [&](gdihandle layer) {
        return bitmappixel(layer, static_cast<std::int16_t>(scene.surface.device.centrex + x),
                           static_cast<std::int16_t>(scene.surface.device.centrey - y));
    };
    EXPECT_EQ(atcell(grilletout), jauneclair);
    EXPECT_EQ(atcell(scene.surface.bitmap), jauneclair) << "copied to the paint context";

    // Marked on the cached background, the change shows at the next paint: it was not redrawn.
    const dchandle dc = creatememdc();
    selectobject(dc, grillefond);
    const gdihandle pen = selectobject(dc, createpen(3, rgb(255, 0, 0)));
    line(dc, 4, 4, 20, 4);
    deleteobject(selectobject(dc, pen));
    deletedc(dc);
    paint(window, scene);
    EXPECT_EQ(grillefond, background);
    EXPECT_EQ(bitmappixel(grilletout, 12, 4), rgb(255, 0, 0));
    EXPECT_EQ(atcell(grilletout), jauneclair);
}

TEST_F(layerwindow, ResizeRemakesAllThreeAtTheNewSize) {
    EXPECT_EQ(verifenetrefond(window, 0), 1);
    creagrilletout(window, 0);
    EXPECT_EQ(verifenetrefond(window, 0), 0) << "same size: kept";
    EXPECT_TRUE(gritoutcreated);
    setwinpos(window, 0, 0, 150, 100, 0);
    std::int16_t w = 0, h = 0;
    getclientsize(window, w, h);
    ASSERT_NE(w, 120);
    EXPECT_EQ(verifenetrefond(window, 0), 1);
    EXPECT_TRUE(fenfondcreated);
    EXPECT_FALSE(grifondcreated || gritoutcreated);
    creagrilletout(window, 0);
    EXPECT_EQ(side(fenetrefond), w);
    EXPECT_EQ(side(grillefond), w);
    EXPECT_EQ(side(grilletout), w);
}
