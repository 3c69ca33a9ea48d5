#include <gtest/gtest.h>

#include "drawing/rulesdrawing.h"
#include "tests/drawing/gridscene.h"

namespace {
constexpr colour rouge = rgb(255, 0, 0);
}

TEST(RulesDrawing, MarkerIsTheHexagonAroundItsLatticePoint) {
    gridscene scene({"X", "XA"}, 40);
    const std::int16_t p = scene.page.lipoints.trouvexact("A");
    ASSERT_GT(p, 0);
    hexaplacer(p, rouge);
    // A's hexagon passes through the lattice points around A, one cell side from it.
    std::int16_t ax = 0, ay = 0;
    scene.page.giveposipoint("A", ax, ay);
    std::int16_t bx = 0, by = 0;
    scene.page.giveposipoint("AA", bx, by);
    EXPECT_GT(scene.count(bx, by, 1, rouge), 0);
    EXPECT_EQ(scene.count(ax, ay, 3, rouge), 0) << "hollow";
    EXPECT_EQ(scene.count(-bx, -by, 3, rouge), 0) << "nothing far from it";
}

TEST(RulesDrawing, MarkerNumbersOutOfRangeDrawNothing) {
    gridscene scene({"X", "XA"}, 40, 200);
    hexaplacer(0, rouge);
    hexaplacer(static_cast<std::int16_t>(scene.page.nbhexas + 51), rouge);
    hexaplacer(-3, rouge);
    EXPECT_EQ(scene.count(0, 0, 99, rouge), 0);
}

TEST(RulesDrawing, MarkerBeyondThePointListSurroundsTheOrigin) {
    gridscene scene({"X", "XA"}, 40, 200);
    hexaplacer(static_cast<std::int16_t>(scene.page.nbhexas + 50), rouge);
    EXPECT_GT(scene.count(40, 0, 1, rouge), 0);
}

TEST(RulesDrawing, TextInThePenColourAtItsPlace) {
    gridscene scene({}, 40, 200);
    reglecrayon(1, rouge);
    EXPECT_EQ(reglecraycou, rouge);
    reglebrosse(rgb(0, 255, 0));
    EXPECT_EQ(reglebrocou, rgb(0, 255, 0));
    regletexte(10, 0, 0, 5, 0, 700, 1, "H");
    // 10 mm right of the centre at 96 dpi is 37 pixels.
    EXPECT_GT(scene.count(37, 0, 6, rouge), 3);
    EXPECT_EQ(scene.count(-37, 0, 6, rouge), 0);
}
