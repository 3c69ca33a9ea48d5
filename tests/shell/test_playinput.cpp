#include <gtest/gtest.h>

#include "drawing/clagripage.h"
#include "drawing/devices.h"
#include "platform/beep.h"
#include "platform/messagebox.h"
#include "shell/buttoncolumn.h"
#include "shell/gridshift.h"
#include "shell/numberpicker.h"
#include "shell/playinput.h"
#include "shell/shellstate.h"
#include "tests/shell/gamedriver.h"


#include <utility>
#include <vector>

namespace {

class PlayInput : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(jeuaffiche("tikoplay"));
        paintnow(hwndmainwin);
        ASSERT_EQ(mode, 4);
        beeprecorder().recording = true;
        beeprecorder().tones.clear();
        messageboxhook().answer = [](const boxcall &) { return short{answer_no}; };
    }
    void TearDown() override {
        grilleram[0].razallpuser();
        boutondefaire.clear();
        hexadernier = hexavantder = hexantepen = 0;
        messageboxhook().answer = nullptr;
        beeprecorder().recording = false;
    }

    static std::vector<std::pair<int, int>> tons() {
        std::vector<std::pair<int, int>> t;
        for (const auto &tone : beeprecorder().tones)
            t.emplace_back(tone.frequency, tone.milliseconds);
        return t;
    }
};

// Where lattice point p (its position in the page's point list) is in the client area.
void pointclient(std::int16_t p, int &x, int &y) {
    clagripage &page = grilleram[0];
    page.fautunelitipoint();
    std::int16_t px = 0, py = 0;
    page.giveposipoint(page.lipoints.adr(p), px, py);
    x = fenecrout.centrex + px;
    y = fenecrout.centrey - py;
}

void gauche(int xdown, int ydown, int xup, int yup) {
    WindProc(hwndmainwin, msg_lbuttondown, 0,
             pointparam(static_cast<std::int16_t>(xdown), static_cast<std::int16_t>(ydown)));
    WindProc(hwndmainwin, msg_lbuttonup, 0, pointparam(static_cast<std::int16_t>(xup), static_cast<std::int16_t>(yup)));
}

// An empty cell of the grid in play, or 0.
std::int16_t premierevide() {
    for (std::int16_t c = 1; c <= grilleram[0].nbcases; ++c)
        if (grilleram[0].getcaseval(c) == 0)
            return c;
    return 0;
}

} // namespace

TEST_F(PlayInput, ALatticePointIsMarkedWithinFivePixelsAndDraggedBeyondTwentyFour) {
    ASSERT_GE(grilleram[0].nbpoints, 3);
    int x = 0, y = 0;
    pointclient(1, x, y);
    struct cas {
        int dx, dy;
        std::int16_t marque;
        bool decale;
    };
    for (const cas &c : {cas{3, 2, 1, false}, cas{6, 0, 0, false}, cas{0, 24, 0, false}, cas{-25, 0, 0, true}}) {
        hexadernier = 0;
        decalagrilladroite = decalagrillenhaut = 0;
        gauche(x, y, x + c.dx, y + c.dy);
        EXPECT_EQ(hexadernier, c.marque) << c.dx << "," << c.dy;
        EXPECT_EQ(decalagrilladroite != 0, c.decale) << c.dx << "," << c.dy;
    }
    EXPECT_FLOAT_EQ(decalagrilladroite, -25.0f / static_cast<float>(grilleram[0].taillepix));
    EXPECT_EQ(decalagrillenhaut, 0.0f);
    paintnow(hwndmainwin);
    EXPECT_EQ(decalagrilladroite, 0.0f) << "the window fits: the layout takes the shift back";
}

TEST_F(PlayInput, MarkersMoveDownOnePlaceAndTheNewestClickedAgainClearsThem) {
    int x[4] = {}, y[4] = {};
    for (std::int16_t p = 1; p <= 3; ++p) {
        pointclient(p, x[p], y[p]);
        gauche(x[p], y[p], x[p], y[p]);
    }
    EXPECT_EQ(hexadernier, 3);
    EXPECT_EQ(hexavantder, 2);
    EXPECT_EQ(hexantepen, 1);
    gauche(x[1], y[1], x[1], y[1]);
    EXPECT_EQ(hexantepen, 2);
    EXPECT_EQ(hexadernier, 1);
    gauche(x[1], y[1], x[1], y[1]);
    EXPECT_EQ(hexadernier + hexavantder + hexantepen, 0);
}

TEST_F(PlayInput, TheEraserOnAnEmptyCellClearsItsMarksOnlyWhenTheGridHasMarks) {
    clagripage &page = grilleram[0];
    const std::int16_t cell = premierevide();
    ASSERT_GT(cell, 0);
    page.razallpuser();
    nombreclic(0);
    cliccase(cell);
    EXPECT_EQ(tons(), (std::vector<std::pair<int, int>>{{800, 5}, {1200, 5}})) << "no marks anywhere: refused";
    beeprecorder().tones.clear();
    const std::int16_t autre = static_cast<std::int16_t>(cell == 1 ? 2 : 1);
    page.swapossuser(autre, 2);
    cliccase(cell);
    EXPECT_EQ(tons(), (std::vector<std::pair<int, int>>{{200, 50}}));
    EXPECT_EQ(page.tabcases[static_cast<std::size_t>(autre)].possuser, 2);
    page.swapossuser(cell, 5);
    cliccase(cell);
    EXPECT_EQ(page.tabcases[static_cast<std::size_t>(cell)].possuser, 0);
    EXPECT_EQ(casactu, cell);
}

TEST_F(PlayInput, TheEraserEmptiesAPlayedCellWithThreeFallingBeeps) {
    clagripage &page = grilleram[0];
    page.ajustepossicase();
    const std::int16_t cell = premierevide();
    ASSERT_GT(cell, 0);
    std::int16_t v = 1;
    while (v <= 6 && !page.isautorisee(cell, v))
        ++v;
    ASSERT_LE(v, 6);
    nombreclic(v);
    cliccase(cell);
    ASSERT_EQ(page.getcaseval(cell), v);
    nombreclic(0);
    cliccase(cell);
    EXPECT_EQ(page.getcaseval(cell), 0);
    EXPECT_EQ(tons(), (std::vector<std::pair<int, int>>{{250, 80}, {200, 80}, {150, 80}}));
    EXPECT_EQ(sourefface, 0);
    EXPECT_EQ(boutondefaire.effectif(), 0) << "the placement and its erasure cancel";
}

TEST_F(PlayInput, SixSixesInARowShowTheConstraintsAnyOtherNumberHidesThem) {
    nombreclic(1);
    for (int k = 1; k <= 7; ++k) {
        nombreclic(6);
        EXPECT_EQ(contraffi, k >= 6 ? 1 : 0) << k;
    }
    EXPECT_EQ(contranombre, 6);
    cliquechiffre('T', 7);
    EXPECT_EQ(nombractu, 6) << "no such number";
    cliquechiffre('T', 5);
    EXPECT_EQ(nombractu, 5);
    EXPECT_EQ(contraffi, 0);
    EXPECT_EQ(contranombre, 0);
}

TEST_F(PlayInput, RightClicksSetAllSixMarksThenToggleTheNearest) {
    clagripage &page = grilleram[0];
    const std::int16_t cell = premierevide();
    ASSERT_GT(cell, 0);
    const auto marque = [&](std::int16_t v) {
        std::int16_t mx = 0, my = 0;
        page.givepossofuser(cell, v, mx, my);
        clic(msg_rbuttondown, msg_rbuttonup, fenecrout.centrex + mx, fenecrout.centrey - my);
        return page.tabcases[static_cast<std::size_t>(cell)].possuser;
    };
    EXPECT_EQ(marque(4), 63);
    EXPECT_EQ(marque(4), 63 - 8);
    EXPECT_EQ(marque(4), 63);
    page.razpuser(cell);
    cavipozerini = 1;
    EXPECT_EQ(marque(2), 2) << "without the fill, the first right click toggles one mark";
    cavipozerini = 0;
}

TEST_F(PlayInput, ShiftsAreKeptWithinWhatTheScreenHidesAndTheArrowsFollow) {
    const float u = static_cast<float>(ptgriactu->taillepix);
    struct cas {
        std::int16_t manque;
        float avant, apres;
        char recule, avance;
    };
    // Horizontal shifts run from -manquedroite / u to 0, vertical ones from 0 to manquebas / u.
    for (const cas &c : {cas{0, -2, 0, 0, 0}, cas{100, 5, 0, 0, 1}, cas{100, -1, -1, 1, 1},
                         cas{100, -9, -100 / u, 1, 0}}) {
        manquedroite = c.manque;
        manquebas = c.manque;
        decalagrilladroite = c.avant;
        decalagrillenhaut = -c.avant;
        decalaccordfleches();
        EXPECT_FLOAT_EQ(decalagrilladroite, c.apres) << c.manque << " " << c.avant;
        EXPECT_FLOAT_EQ(decalagrillenhaut, -c.apres) << c.manque << " " << c.avant;
        EXPECT_EQ(flechokgauche, c.recule);
        EXPECT_EQ(flechokdroite, c.avance);
        EXPECT_EQ(flechokhaut, c.recule);
        EXPECT_EQ(flechokbas, c.avance);
    }
    posiregok = 0;
    paintnow(hwndmainwin);
    EXPECT_EQ(flechokdroite + flechokgauche + flechokhaut + flechokbas, 0);
}

TEST(NumberPicker, PointsAreThoseOfTheThirtyAndSixtyPixelVectors) {
    calcuboutri();
    EXPECT_EQ(boutriposx, xboutaxe);
    EXPECT_EQ(boutriposy, boutritop + 30);
    const int centres[12][2] = {{15, -8},  {0, -17},  {-15, -8}, {-15, 8}, {0, 17}, {15, 8},
                                {30, -17}, {0, -34}, {-30, -17}, {-30, 17}, {0, 34}, {30, 17}};
    for (int k = 0; k < 12; ++k) {
        EXPECT_EQ(boutricentres[k].x - boutriposx, centres[k][0]) << k;
        EXPECT_EQ(boutricentres[k].y - boutriposy, centres[k][1]) << k;
    }
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(boutrichiffres[i].x, boutricentres[i].x);
        EXPECT_EQ(boutrichiffres[i].y, boutricentres[i].y - 8);
        EXPECT_EQ(boutrisommets[3 * i].x, boutriposx);
        EXPECT_EQ(boutrisommets[3 * i + 2].x, boutrisommets[3 * ((i + 1) % 6) + 1].x);
    }
    EXPECT_EQ(boutrisommets[1].x - boutriposx, 30);
    EXPECT_EQ(boutrisommets[4].y - boutriposy, 26);
}
