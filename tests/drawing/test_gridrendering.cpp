#include <gtest/gtest.h>

#include "drawing/mousecursors.h"
#include "tests/drawing/gridscene.h"

#include <cmath>

namespace {

constexpr colour blanc = rgb(255, 255, 255);
constexpr colour noir = rgb(0, 0, 0);
constexpr colour bleu = rgb(0, 0, 255);
constexpr colour jauneclair = rgb(255, 255, 153);
constexpr colour bleuclair = rgb(153, 153, 255);
constexpr colour magenta = rgb(255, 0, 255);
constexpr colour vert = rgb(0, 255, 0);
constexpr colour rouge = rgb(255, 0, 0);

// Six hexagons around a hexagonal hole.
const std::initializer_list<const char *> couronne = {"XAB", "XBC", "XCD", "XDE", "XEF", "XFA"};
const std::initializer_list<const char *> deuxhexagones = {"X", "XA"};

// The two ends of an edge run ('B:AAA' from B to BAAA) in model pixels.
struct segment {
    double x1, y1, x2, y2;
};
segment extremites(clagripage &page, const char *run) {
    std::string start(run);
    std::string end(run);
    start = start.substr(0, start.find(':'));
    end.erase(end.find(':'), 1);
    clatichemin &path = page.tichemad();
    path.setchemin(start.c_str());
    segment s{double(path.valcheminx()), double(path.valcheminy()), 0, 0};
    path.setchemin(end.c_str());
    s.x2 = path.valcheminx();
    s.y2 = path.valcheminy();
    return s;
}

// The colours across an edge at its middle, from -reach to +reach pixels along its normal.
std::vector<colour> travers(const gridscene &scene, const segment &s, int reach) {
    const double mx = (s.x1 + s.x2) / 2;
    const double my = (s.y1 + s.y2) / 2;
    const double length = std::hypot(s.x2 - s.x1, s.y2 - s.y1);
    const double nx = -(s.y2 - s.y1) / length;
    const double ny = (s.x2 - s.x1) / length;
    std::vector<colour> colours;
    for (int k = -reach; k <= reach; ++k)
        colours.push_back(scene.at(mx + k * nx, my + k * ny));
    return colours;
}

} // namespace

TEST(GridRendering, CellsHolesAndOutline) {
    gridscene scene(couronne, 40);
    scene.dessine();
    ASSERT_EQ(scene.page.nbcases, 36);
    for (std::int16_t i = 1; i <= scene.page.nbcases; ++i)
        EXPECT_EQ(scene.centre(i), jauneclair) << "cell " << i;
    ASSERT_EQ(scene.page.licasestrous.effectif(), 6);
    pointpix hole[4];
    scene.page.givetripoints(hole, scene.page.licasestrous.adr(1));
    EXPECT_EQ(scene.at((hole[0].x + hole[1].x + hole[2].x) / 3.0, (hole[0].y + hole[1].y + hole[2].y) / 3.0),
              bleuclair);
    EXPECT_EQ(scene.surface.at(2, 2), blanc) << "triangles outside the grid are not drawn";
    for (const lichati::lxnoeud *p = scene.page.lisegcontour.head; p != nullptr; p = p->next) {
        const segment s = extremites(scene.page, p->text.adr());
        EXPECT_EQ(scene.at((s.x1 + s.x2) / 2, (s.y1 + s.y2) / 2), bleu) << p->text.adr();
    }
}

TEST(GridRendering, OutlineThickAndInnerEdgesThinAtSixty) {
    gridscene scene(deuxhexagones, 60);
    scene.dessine();
    const std::vector<colour> outline =
        travers(scene, extremites(scene.page, scene.page.lisegcontour.adr(1)), 8);
    for (int k = 8 - 4; k <= 8 + 4; ++k)
        EXPECT_EQ(outline[k], bleu) << k - 8;
    EXPECT_NE(outline.front(), bleu);
    EXPECT_NE(outline.back(), bleu);
    const std::vector<colour> inner =
        travers(scene, extremites(scene.page, scene.page.liseginternes.adr(1)), 3);
    EXPECT_EQ(inner[3], bleu);
    EXPECT_EQ(inner.front(), jauneclair);
    EXPECT_EQ(inner.back(), jauneclair);
}

TEST(GridRendering, GivenDigitsBlackPlayedDigitsMagentaCentred) {
    gridscene scene({"X", "XA", "AWPK%100"}, 40);
    std::int16_t given = 0;
    for (std::int16_t i = 1; i <= scene.page.nbcases; ++i)
        if (scene.page.casestfixe(i))
            given = i;
    ASSERT_NE(given, 0);
    const std::int16_t played = given == 1 ? 2 : 1;
    scene.page.setcaseval(played, 4);
    scene.dessine();
    const auto cx = [&](std::int16_t i) { return double(scene.page.getcacentrix(i)); };
    const auto cy = [&](std::int16_t i) { return double(scene.page.getcacentry(i)); };
    EXPECT_GT(scene.count(cx(given), cy(given), 6, noir), 5);
    EXPECT_EQ(scene.count(cx(given), cy(given), 6, magenta), 0);
    EXPECT_GT(scene.count(cx(played), cy(played), 6, magenta), 5);
    // The ink of the played digit lies about evenly around the cell centre.
    int left = 0, right = 0, above = 0, below = 0;
    for (int d = 1; d <= 11; ++d)
        for (int e = -11; e <= 11; ++e) {
            left += proche(scene.at(cx(played) - d, cy(played) + e), magenta);
            right += proche(scene.at(cx(played) + d, cy(played) + e), magenta);
            above += proche(scene.at(cx(played) + e, cy(played) + d), magenta);
            below += proche(scene.at(cx(played) + e, cy(played) - d), magenta);
        }
    EXPECT_GT(left, 3);
    EXPECT_GT(right, 3);
    EXPECT_GT(above, 3);
    EXPECT_GT(below, 3);
}

TEST(GridRendering, CandidateMarksSmallAndBlueAtTheirPlaces) {
    gridscene bare(deuxhexagones, 40);
    bare.dessine();
    gridscene marked(deuxhexagones, 40);
    marked.page.swapossuser(1, 1);
    marked.page.swapossuser(1, 3);
    ASSERT_EQ(marked.page.tabcases[1].possuser, 5);
    marked.dessine();
    // Pixels around a mark's place (raised by lift) that the marks changed.
    const auto changed = [&](std::int16_t v, int lift) {
        std::int16_t px = 0, py = 0;
        marked.page.givepossofuser(1, v, px, py);
        int n = 0;
        for (int dy = -2; dy <= 2; ++dy)
            for (int dx = -2; dx <= 2; ++dx)
                n += marked.at(px + dx, py + lift + dy) != bare.at(px + dx, py + lift + dy) ? 1 : 0;
        return n;
    };
    EXPECT_GT(changed(1, 0), 0);
    EXPECT_GT(changed(3, 0), 0);
    EXPECT_EQ(changed(5, 0), 0);
    EXPECT_EQ(changed(1, 9), 0) << "10 pixels high at size 40";
    EXPECT_EQ(changed(1, -9), 0);
    std::int16_t px = 0, py = 0;
    marked.page.givepossofuser(1, 1, px, py);
    EXPECT_GT(marked.count(px, py, 2, bleu), 0);
}

TEST(GridRendering, ConstraintViewJoinsRelatedCells) {
    gridscene scene(deuxhexagones, 40);
    scene.page.swapossuser(10, 2);
    vuetest.contraffi = true;
    scene.dessine();
    const std::int16_t cell = 10;
    const double x = scene.page.getcacentrix(cell);
    const double y = scene.page.getcacentry(cell);
    EXPECT_EQ(scene.at(x, y), vert) << "the disc";
    int joined = 0;
    for (std::int16_t k = 0; k < 12; ++k) {
        const std::int16_t n = scene.page.casevoisine(cell, k);
        if (n <= 0 || n >= cell)
            continue;
        ++joined;
        const double mx = (3 * x + scene.page.getcacentrix(n)) / 4;
        const double my = (3 * y + scene.page.getcacentry(n)) / 4;
        EXPECT_GT(scene.count(mx, my, 1, vert), 0) << "line to " << n;
    }
    EXPECT_GT(joined, 0);
    std::int16_t px = 0, py = 0;
    scene.page.givepossofuser(cell, 2, px, py);
    EXPECT_EQ(scene.count(px, py, 3, bleu), 0) << "the marks give way to the constraint view";
}

TEST(GridRendering, RingsAtCompleteHexagonCentres) {
    gridscene scene(deuxhexagones, 40);
    scene.dessine();
    for (std::int16_t h = 1; h <= scene.page.nbhexacomplets; ++h)
        EXPECT_GT(scene.count(scene.page.gethexacentrix(h), scene.page.gethexacentry(h), 2, noir), 0);
    vuetest.mainone = false;
    gridscene unplayed(deuxhexagones, 40);
    vuetest.mainone = false;
    unplayed.dessine();
    EXPECT_EQ(unplayed.count(unplayed.page.gethexacentrix(1), unplayed.page.gethexacentry(1), 2, noir), 0);
}

TEST(GridRendering, OnlyTheOfferedVerticalArrows) {
    gridscene scene({}, 40, 100);
    const auto square = [](dcpoint *points, std::int16_t x, std::int16_t y) {
        points[0] = {x, y};
        points[1] = {static_cast<std::int16_t>(x + 10), y};
        points[2] = {static_cast<std::int16_t>(x + 10), static_cast<std::int16_t>(y + 10)};
        points[3] = {x, static_cast<std::int16_t>(y + 10)};
    };
    square(vuetest.griflehaut, 45, 5);
    square(vuetest.griflebas, 45, 85);
    square(vuetest.grifledroite, 85, 45);
    square(vuetest.griflegauche, 5, 45);
    vuetest.flechokhaut = true;
    scene.surface.device.setlocal(5, -3);
    scene.dessine();
    EXPECT_EQ(scene.surface.at(50, 10), rouge);
    EXPECT_EQ(scene.surface.at(50, 90), rgb(204, 204, 204));
    EXPECT_EQ(scene.surface.at(90, 50), blanc);
    EXPECT_EQ(scene.surface.at(10, 50), blanc);
}

TEST(GridRendering, LayersLeaveTheOriginAndHourglassAsFound) {
    gridscene scene(deuxhexagones, 40);
    scene.surface.device.setlocal(2, 3);
    const std::int16_t x = scene.surface.device.localx;
    const std::int16_t y = scene.surface.device.localy;
    scene.page.dessingrifond(scene.surface.device, 0, bleu, bleu);
    EXPECT_EQ(scene.surface.device.localx, scene.surface.device.centrex) << "on the grid";
    EXPECT_EQ(sabletat, 1);
    scene.page.dessingrifin(scene.surface.device, 0, bleu, bleu);
    EXPECT_EQ(scene.surface.device.localx, x);
    EXPECT_EQ(scene.surface.device.localy, y);
    EXPECT_EQ(sabletat, 0);
    EXPECT_TRUE(scene.surface.device.pileorigines.isempty());
}

TEST(GridRendering, EmptyPageDrawsNothing) {
    gridscene scene({}, 40, 100);
    scene.dessine();
    for (std::int16_t y = 0; y < 100; y += 7)
        for (std::int16_t x = 0; x < 100; x += 7)
            EXPECT_EQ(scene.surface.at(x, y), blanc) << x << "," << y;
}
