#include "drawing/cladevout.h"
#include "drawing/drawingobjects.h"
#include "tests/drawing/canvas.h"

#include <gtest/gtest.h>

namespace {

cladevout at96() {
    cladevout device;
    device.setdpi(96, 96);
    return device;
}

TEST(cladevout, clearGivesThreeHundredDpiAndCutsThePageToAnEmptySheet) {
    cladevout device;
    EXPECT_EQ(device.dpix, 300);
    EXPECT_EQ(device.dpiy, 300);
    EXPECT_FLOAT_EQ(device.zoom, 1.0f);
    EXPECT_FALSE(device.nomme);
    device.setpagepix(800, 600);
    EXPECT_EQ(device.pagewidpix, 0);
    EXPECT_EQ(device.utilehgtpix, 0);
}

TEST(cladevout, conversionsTruncateAsAt96Dpi) {
    const cladevout device = at96();
    const struct {
        float mm;
        std::int16_t pixels;
    } cases[] = {{12, 45}, {1, 3}, {-1, -3}, {0.2f, 0}, {25.4f, 96}, {-12, -45}};
    for (const auto &c : cases)
        EXPECT_EQ(device.ammxtopix(c.mm), c.pixels) << c.mm;
    EXPECT_NEAR(device.apixtommx(96), 25.4f, 1e-5f);
    EXPECT_EQ(device.poursixcent(10), 2);
    EXPECT_EQ(device.poursixcent(600), 96);
}

TEST(cladevout, hugeOrUndefinedMillimetresGiveDefinedPixels) {
    cladevout device = at96();
    EXPECT_EQ(device.ammxtopix(1.0e30f), device.ammxtopix(1.0e30f));
    EXPECT_EQ(device.ammxtopix(std::numeric_limits<float>::quiet_NaN()), 0);
    // 65536 pixels wrap to 0 in 16 bits.
    EXPECT_EQ(device.ammxtopix(65536.0f * 25.4f / 96.0f + 0.001f), 0);
    device.setdpi(0, 0);
    EXPECT_FLOAT_EQ(device.apixtommx(10), 0.0f);
}

TEST(cladevout, zoomScalesMillimetres) {
    cladevout device = at96();
    device.zoom = 2.0f;
    EXPECT_EQ(device.ammytopix(12), 90);
    EXPECT_NEAR(device.apixtommy(90), 11.90625f, 1e-4f);
}

TEST(cladevout, millimetreSizesFollowThePixelSizes) {
    cladevout device = at96();
    device.setfeuillepix(800, 600);
    device.setpagepix(900, 300);
    EXPECT_EQ(device.pagewidpix, 800);
    EXPECT_EQ(device.utilewidpix, 800);
    EXPECT_EQ(device.feuillewidmm, 211);
    EXPECT_EQ(device.feuillehgtmm, 158);
    EXPECT_EQ(device.utilehgtmm, 79);
    device.setdpi(0, 96);
    device.setfeuillepix(100, 100);
    EXPECT_EQ(device.feuillewidmm, 211);
}

TEST(cladevout, baseOriginIsTheTruncatedMiddle) {
    cladevout device = at96();
    device.setfeuillepix(1000, 1000);
    device.setpagepix(801, 601);
    device.centrajuste();
    EXPECT_EQ(device.centrex, 400);
    EXPECT_EQ(device.centrey, 300);
    device.setlocal(12, 12);
    EXPECT_EQ(device.localx, 445);
    EXPECT_EQ(device.localy, 255);
    device.setlocadroite();
    EXPECT_EQ(device.localx, 801);
    device.setlocamid();
    EXPECT_EQ(device.localx, 400);
    device.setlocagauche();
    EXPECT_EQ(device.localx, 0);
    EXPECT_EQ(device.localy, 255);
}

TEST(cladevout, originStackRestoresNestedAndNegativeOrigins) {
    cladevout device = at96();
    device.localx = -7;
    device.localy = -300;
    device.locapush();
    device.setlocal(10, 10);
    device.locapush();
    device.setlocal(-20, 5);
    device.locapop();
    EXPECT_EQ(device.localx, 37);
    EXPECT_EQ(device.localy, -37);
    device.locapop();
    EXPECT_EQ(device.localx, -7);
    EXPECT_EQ(device.localy, -300);
    device.locapop();
    EXPECT_EQ(device.localx, 0);
    EXPECT_EQ(device.localy, 0);
}

TEST(cladevout, copyfromallTakesGeometryAndName) {
    cladevout source = at96();
    source.setfeuillepix(640, 480);
    source.setpagepix(640, 480);
    source.centrajuste();
    source.setname("ecran");
    source.zoom = 1.5f;
    cladevout copy;
    copy.copyfromall(source);
    EXPECT_EQ(copy.dpix, 96);
    EXPECT_EQ(copy.centrex, 320);
    EXPECT_EQ(copy.utilehgtmm, source.utilehgtmm);
    EXPECT_TRUE(copy.nom.uqual("ecran"));
    EXPECT_TRUE(copy.nomme);
    EXPECT_FLOAT_EQ(copy.zoom, 1.5f);
}

TEST(cladevout, inclinerIsExactAtRightAnglesAndTruncatesElsewhere) {
    const cladevout device;
    const struct {
        float angle;
        dcpoint from;
        dcpoint to;
    } cases[] = {
        {90, {10, 0}, {0, 10}}, {180, {3, 4}, {-3, -4}}, {270, {3, 4}, {4, -3}},  {89.9f, {10, 0}, {0, 10}},
        {45, {10, 0}, {7, 7}},  {45, {0, 10}, {-7, 7}},  {-45, {10, 0}, {7, -7}}, {0, {-5, 6}, {-5, 6}},
    };
    for (const auto &c : cases) {
        dcpoint p = c.from;
        device.incliner(c.angle, &p, 1);
        EXPECT_EQ(p.x, c.to.x) << c.angle;
        EXPECT_EQ(p.y, c.to.y) << c.angle;
    }
}

// A red shape with a red outline on a white canvas.
void redshape(canvas &c) {
    c.device.setgeocrayonpix(1, rgb(255, 0, 0));
    c.device.setcreabrosse(rgb(255, 0, 0));
}

TEST(cladevout, hexagonOfOddSizeIsDrawnAtTheNextEvenSize) {
    canvas odd;
    canvas even;
    redshape(odd);
    odd.device.devehexagopix(0, 0, 0, 31);
    redshape(even);
    even.device.devehexagopix(0, 0, 0, 32);
    // Corner to the right at 50 + 32, flat top at 50 - 28 (y up becomes y down).
    EXPECT_EQ(odd.at(81, 50), rgb(255, 0, 0));
    EXPECT_EQ(odd.at(84, 50), rgb(255, 255, 255));
    EXPECT_EQ(odd.at(50, 23), rgb(255, 0, 0));
    EXPECT_EQ(odd.at(50, 20), rgb(255, 255, 255));
    for (std::int16_t y = 0; y < 100; y += 3)
        for (std::int16_t x = 0; x < 100; x += 3)
            ASSERT_EQ(odd.at(x, y), even.at(x, y)) << x << "," << y;
}

TEST(cladevout, primitivesUseLocalCoordinatesWithYUp) {
    canvas c;
    c.device.setgeocrayonpix(3, rgb(0, 0, 255));
    c.device.atrasegpur(-40, 20, 40, 20);
    EXPECT_EQ(c.at(50, 30), rgb(0, 0, 255));
    EXPECT_EQ(c.at(50, 70), rgb(255, 255, 255));
    redshape(c);
    c.device.devecerclepix(-30, -30, 5);
    EXPECT_EQ(c.at(20, 80), rgb(255, 0, 0));
    EXPECT_EQ(c.at(80, 20), rgb(255, 255, 255));
}

TEST(cladevout, rectangleTurnedByFortyFiveDegreesStandsOnACorner) {
    canvas c;
    redshape(c);
    c.device.deverectanpix(0, 0, 45, 40, 40);
    // The half-diagonal of 20 x 20 turned: corners near (0, +-28) and (+-28, 0).
    EXPECT_EQ(c.at(50, 50 - 26), rgb(255, 0, 0));
    EXPECT_EQ(c.at(50 + 26, 50), rgb(255, 0, 0));
    EXPECT_EQ(c.at(50 + 18, 50 - 18), rgb(255, 255, 255));
    canvas hollow;
    hollow.device.setgeocrayonpix(1, rgb(0, 0, 0));
    hollow.device.transpabrosse();
    hollow.device.deverectanpix(0, 0, 0, 40, 20);
    EXPECT_EQ(hollow.at(30, 40), rgb(0, 0, 0));
    EXPECT_EQ(hollow.at(50, 50), rgb(255, 255, 255));
}

// The box of the ink on a canvas.
class inkbox {
  public:
    int left = 1000, right = -1, top = 1000, bottom = -1;

    explicit inkbox(const canvas &c) {
        for (std::int16_t y = 0; y < 100; ++y) {
            for (std::int16_t x = 0; x < 100; ++x) {
                if (c.dark(x, y)) {
                    left = std::min<int>(left, x);
                    right = std::max<int>(right, x);
                    top = std::min<int>(top, y);
                    bottom = std::max<int>(bottom, y);
                }
            }
        }
    }
    double middlex() const { return (left + right) / 2.0; }
    double middley() const { return (top + bottom) / 2.0; }
};

void inkwith(canvas &c, std::int16_t height, std::int16_t escapement) {
    mapolice.createbis(height, 0, escapement, 0, 700, "Arial");
    mapolice.useon(c.dc);
    mapolice.colornoback(rgb(0, 0, 0));
}

TEST(cladevout, centredTextIsCentredOnThePointInBothDirections) {
    canvas c;
    inkwith(c, 40, 0);
    c.device.ecripixlo(0, 0, "8", 1);
    const inkbox ink(c);
    ASSERT_GE(ink.right, ink.left);
    EXPECT_NEAR(ink.middlex(), 50, 3);
    EXPECT_NEAR(ink.middley(), 50, 6);
    mapolice.enduse();
}

TEST(cladevout, leftAlignedTextStartsAtThePoint) {
    canvas c;
    inkwith(c, 30, 0);
    c.device.ecripixlo(-30, 0, "88", 0);
    const inkbox ink(c);
    EXPECT_NEAR(ink.left, 20, 4);
    EXPECT_GT(ink.right, 40);
    mapolice.enduse();
}

TEST(cladevout, aQuarterTurnedTextRunsUpwardCentredOnItsLine) {
    canvas c;
    inkwith(c, 30, 900);
    c.device.ecripixlo(0, -30, "888", 0);
    const inkbox ink(c);
    // Written counter-clockwise from (50, 80): upward, centred on x = 50 by the turned offset.
    EXPECT_NEAR(ink.middlex(), 50, 4);
    EXPECT_LE(ink.bottom, 82);
    EXPECT_LT(ink.top, 50);
    mapolice.enduse();
}

TEST(cladevout, registeredSignInksAroundItsPositionAndLeavesTheFontCurrent) {
    canvas c;
    mapolice.colornoback(rgb(0, 0, 0));
    c.device.deveregistredmmbon(5.7f, 0, 4);
    EXPECT_TRUE(mapolice.possede);
    int inked = 0;
    for (std::int16_t y = 35; y < 65; ++y)
        for (std::int16_t x = 55; x < 85; ++x)
            inked += c.dark(x, y) ? 1 : 0;
    EXPECT_GT(inked, 10);
    EXPECT_FALSE(c.dark(20, 50));
}

TEST(cladevout, screeninfoTakesTheContextsResolutionAndTheScreen) {
    canvas c;
    cladevout device;
    screeninfo(device, c.dc, "ecran");
    EXPECT_EQ(device.dpix, 96);
    EXPECT_GT(device.feuillewidpix, 0);
    EXPECT_EQ(device.centrex, device.utilewidpix / 2);
    EXPECT_TRUE(device.nom.uqual("ecran"));
}

} // namespace
