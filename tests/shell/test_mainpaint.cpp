#include <gtest/gtest.h>

#include "drawing/clagripage.h"
#include "drawing/offscreenlayers.h"
#include "platform/beep.h"
#include "platform/messagebox.h"
#include "platform/window.h"
#include "shell/buttoncolumn.h"
#include "shell/grillecharger.h"
#include "shell/messages.h"
#include "shell/playinput.h"
#include "shell/settingsfile.h"
#include "shell/shellstate.h"
#include "tests/shell/gamedriver.h"

#include <QCoreApplication>
#include <QImage>

#include <vector>

namespace {

class MainPaint : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(jeuaffiche("tikopaint"));
        paintnow(hwndmainwin);
        beeprecorder().recording = true;
        beeprecorder().tones.clear();
        messageboxhook().calls.clear();
    }
    void TearDown() override {
        messageboxhook().answer = nullptr;
        beeprecorder().recording = false;
    }
};

// The first empty cell of the grid in play and a value it allows; false when there is none.
bool caselibre(std::int16_t &cell, std::int16_t &value) {
    clagripage &page = grilleram[0];
    page.ajustepossicase();
    for (cell = 1; cell <= page.nbcases; ++cell)
        for (value = 1; value <= 6 && page.getcaseval(cell) == 0; ++value)
            if (page.isautorisee(cell, value))
                return true;
    return false;
}

// Whether some pixel of the rectangle is of the colour.
bool couleurdans(const QImage &image, int x, int y, int w, int h, colour c) {
    for (int j = y; j < y + h; ++j)
        for (int i = x; i < x + w; ++i)
            if (pixel(image, i, j) == c)
                return true;
    return false;
}

std::string question(std::int16_t number, const char *grid) {
    gstring text;
    createmsg(text, number, grid);
    return text.adr();
}

} // namespace

// The congratulations box runs its own message loop: a paint that comes meanwhile (a click on the
// grid asks for one) must not congratulate a second time.
TEST_F(MainPaint, APaintWhileTheCongratulationsAreShownDoesNotRepeatThem) {
    clagripage &page = grilleram[0];
    ASSERT_TRUE(placeladerniere());
    ASSERT_EQ(bravo, 1);
    messageboxhook().answer = [](const boxcall &) {
        if (messageboxhook().calls.size() == 1)
            WindProc(hwndmainwin, msg_paint, 0, 0);
        return short{answer_ok};
    };
    peintettraite();
    QCoreApplication::sendPostedEvents(); // and what the paint inside the box may have left
    EXPECT_EQ(bravo, 0);
    EXPECT_EQ(messageboxhook().calls.size(), 1u);
    EXPECT_EQ(beeprecorder().tones.size(), 3u);
    page.retourafixe();
    boutondefaire.clear();
}

TEST_F(MainPaint, AGridLoadAsksTakesBackThatGridsSavedValuesAndForgetsTheOldPlay) {
    short reponse = answer_yes;
    messageboxhook().answer = [&reponse](const boxcall &) { return reponse; };
    ASSERT_TRUE(grillecharger(hwndmainwin, 2, "", 0));
    paintnow(hwndmainwin);
    std::int16_t cell = 0, value = 0;
    ASSERT_TRUE(caselibre(cell, value));
    nombreclic(value);
    cliccase(cell);
    ASSERT_EQ(grilleram[0].getcaseval(cell), value);
    gstring saved;
    grilleram[0].getactudata(3, saved);
    memogrilluser(2, saved.adr());
    hexadernier = 1;

    reponse = answer_no;
    EXPECT_FALSE(grillecharger(hwndmainwin, 3, "", 1));
    ASSERT_EQ(messageboxhook().calls.size(), 1u);
    EXPECT_EQ(messageboxhook().calls[0].text, question(4, "3"));
    EXPECT_EQ(grillenjeu, 2);
    EXPECT_EQ(grilleram[0].getcaseval(cell), value) << "no keeps the play";
    EXPECT_EQ(boutondefaire.effectif(), 1);
    EXPECT_EQ(hexadernier, 1);

    paintnow(hwndmainwin);
    ASSERT_TRUE(fenfondcreated);
    reponse = answer_yes;
    EXPECT_TRUE(grillecharger(hwndmainwin, 3, "", 1));
    EXPECT_EQ(grillenjeu, 3);
    EXPECT_FALSE(fenfondcreated || grifondcreated || gritoutcreated) << "the layers dropped";
    EXPECT_EQ(posiregok, 0);
    EXPECT_EQ(boutondefaire.effectif(), 0);
    EXPECT_EQ(hexadernier, 0);
    paintnow(hwndmainwin);

    EXPECT_TRUE(grillecharger(hwndmainwin, 2, "", 1));
    paintnow(hwndmainwin);
    EXPECT_EQ(grilleram[0].getcaseval(cell), value) << "grid 2's saved values";
    EXPECT_EQ(boutondefaire.effectif(), 0);

    reponse = answer_no;
    EXPECT_FALSE(grillecharger(hwndmainwin, 2, "", 1));
    ASSERT_EQ(messageboxhook().calls.size(), 4u);
    EXPECT_EQ(messageboxhook().calls[3].text, question(1, "2")) << "the grid in play";
    EXPECT_EQ(grilleram[0].getcaseval(cell), value);

    memogrilluser(2, "");
    reponse = answer_yes;
    EXPECT_TRUE(grillecharger(hwndmainwin, 1, "", 0));
    paintnow(hwndmainwin);
}

TEST_F(MainPaint, NoGridLayerBeforeTheMessageLoopRuns) {
    killfenetrefond();
    messaboucle = 0;
    paintnow(hwndmainwin);
    EXPECT_FALSE(grifondcreated || gritoutcreated);
    messaboucle = 1;
    paintnow(hwndmainwin);
    EXPECT_TRUE(grifondcreated && gritoutcreated);
}

TEST_F(MainPaint, TheStarStandsBesideTheButtonOfTheGridInPlay) {
    constexpr colour bleu = rgb(0, 0, 255);
    ASSERT_TRUE(grillecharger(hwndmainwin, 3, "", 0));
    paintnow(hwndmainwin);
    const int x = xboutaxe + 20 - 4;
    QImage image = peinture();
    EXPECT_TRUE(couleurdans(image, x, 92, 9, 16, bleu)) << "beside Gr3: 40 + 3 x 20 - 8";
    EXPECT_FALSE(couleurdans(image, x, 52, 9, 16, bleu));
    ASSERT_TRUE(grillecharger(hwndmainwin, 1, "", 0));
    paintnow(hwndmainwin);
    image = peinture();
    EXPECT_TRUE(couleurdans(image, x, 52, 9, 16, bleu));
    EXPECT_FALSE(couleurdans(image, x, 92, 9, 16, bleu));
}
