#include "drawing/cursorpictures.h"
#include "drawing/mousecursors.h"
#include "tests/platform/offscreenapp.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>

namespace {

cursorshape shapeof(const masquecurseur &m) {
    cursorshape shape;
    std::copy(std::begin(m.et), std::end(m.et), shape.andmask);
    std::copy(std::begin(m.ouex), std::end(m.ouex), shape.xormask);
    return shape;
}

bool black(const cursorshape &s, int x, int y) {
    return !s.andbit(x, y) && !s.xorbit(x, y);
}

bool white(const cursorshape &s, int x, int y) {
    return !s.andbit(x, y) && s.xorbit(x, y);
}

// The box of the drawn (not transparent) pixels: width and height.
void extent(const cursorshape &s, int &width, int &height) {
    int left = 32, right = -1, top = 32, bottom = -1;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            if (!s.andbit(x, y)) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    width = right - left + 1;
    height = bottom - top + 1;
}

bool noxor(const masquecurseur &m) {
    return std::all_of(std::begin(m.ouex), std::end(m.ouex), [](std::uint8_t b) { return b == 0; });
}

TEST(cursorpictures, digitArrowsPointAtTheHotSpotAndDiffer) {
    for (std::int16_t digit = 1; digit <= 6; ++digit) {
        const cursorshape s = shapeof(flechif(digit));
        EXPECT_TRUE(black(s, 1, 1)) << digit;
        EXPECT_TRUE(white(s, 2, 5)) << digit;
        EXPECT_TRUE(s.andbit(0, 0)) << digit;
        EXPECT_TRUE(s.andbit(31, 31)) << digit;
        int inked = 0;
        for (int y = 8; y < 22; ++y)
            for (int x = 15; x < 25; ++x)
                inked += black(s, x, y) ? 1 : 0;
        EXPECT_GT(inked, 20) << digit;
    }
    const masquecurseur one = flechif(1);
    const masquecurseur two = flechif(2);
    EXPECT_FALSE(std::equal(std::begin(one.et), std::end(one.et), std::begin(two.et)));
}

TEST(cursorpictures, blackPicturesOnATransparentBackground) {
    const struct {
        masquecurseur masks;
        int hotx, hoty, width, height;
    } cases[] = {{croix(), 16, 16, 19, 21}, {bomb(), 15, 22, 28, 29}, {petithex(), 16, 16, 23, 21}};
    for (const auto &c : cases) {
        EXPECT_TRUE(noxor(c.masks));
        const cursorshape s = shapeof(c.masks);
        EXPECT_TRUE(black(s, c.hotx, c.hoty));
        int width = 0;
        int height = 0;
        extent(s, width, height);
        EXPECT_NEAR(width, c.width, 2);
        EXPECT_NEAR(height, c.height, 2);
    }
    // The small hexagon: hollow between its outline and its three lines.
    const cursorshape hex = shapeof(petithex());
    EXPECT_TRUE(hex.andbit(16, 10));
}

sourisetat shell;

class hourglass : public ::testing::Test {
  protected:
    void SetUp() override {
        startoffscreen();
        shell = sourisetat{};
        shell.mode = 4;
        shell.nombractu = 3;
        lireetatsouris = [] { return shell; };
        creacursouris();
        sabletat = 0;
        fixecursouris(1);
    }
    void TearDown() override {
        destrucursou();
        lireetatsouris = nullptr;
    }
};

TEST_F(hourglass, waitCursorStaysUntilTheLastEnd) {
    EXPECT_EQ(currentcursor(), hcurchiffretrois);
    sablierdeb();
    sablierdeb();
    EXPECT_EQ(currentcursor(), hcursablier);
    sablierfin();
    EXPECT_EQ(currentcursor(), hcursablier);
    sablierfin();
    EXPECT_EQ(currentcursor(), hcurchiffretrois);
    sablierfin();
    EXPECT_EQ(sabletat, 0);
}

TEST_F(hourglass, theSameStateSetsTheCursorOnceUnlessForced) {
    setcursor(hcurfleche);
    fixecursouris(0);
    EXPECT_EQ(currentcursor(), hcurfleche);
    fixecursouris(1);
    EXPECT_EQ(currentcursor(), hcurchiffretrois);
}

TEST_F(hourglass, theStateChoosesTheCursor) {
    const struct {
        std::int16_t mode;
        bool hexa;
        bool efface;
        std::int16_t number;
        cursorhandle *expected;
    } cases[] = {
        {5, true, true, 2, &hcurfleche},       {4, true, true, 2, &hcurpetithex},
        {4, false, true, 2, &hcurscratbombe},  {4, false, false, 0, &hcurscratcroix},
        {4, false, false, 6, &hcurchiffresix}, {1, false, false, 1, &hcurchiffrehun},
    };
    for (const auto &c : cases) {
        shell.mode = c.mode;
        shell.souronhexa = c.hexa;
        shell.sourefface = c.efface;
        shell.nombractu = c.number;
        fixecursouris(0);
        EXPECT_EQ(currentcursor(), *c.expected) << c.mode << c.number;
    }
    // A number out of range sets nothing.
    shell.nombractu = 12;
    fixecursouris(1);
    EXPECT_EQ(currentcursor(), hcurchiffrehun);
}

} // namespace
