#include <gtest/gtest.h>

#include "drawing/clagripage.h"
#include "platform/beep.h"
#include "platform/messagebox.h"
#include "platform/window.h"
#include "shell/playinput.h"
#include "shell/shellstate.h"
#include "tests/shell/gamedriver.h"

#include <QCoreApplication>

#include <vector>

namespace {

class MainPaint : public ::testing::Test {
  protected:
    void SetUp() override {
        if (hwndmainwin == nullptr) {
            ASSERT_TRUE(demarrejeuvide("tikopaint"));
            ASSERT_TRUE(fenetreexposee());
            QCoreApplication::processEvents();
        }
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

// Fills the empty cells from the k-th on with allowed values, backtracking.
bool resoudre(clagripage &page, const std::vector<std::int16_t> &vides, std::size_t k) {
    if (k == vides.size())
        return true;
    page.ajustepossicase();
    for (std::int16_t v = 1; v <= 6; ++v) {
        if (!page.isautorisee(vides[k], v))
            continue;
        page.setcaseval(vides[k], v);
        if (resoudre(page, vides, k + 1))
            return true;
        page.setcaseval(vides[k], 0);
        page.ajustepossicase();
    }
    return false;
}

} // namespace

// The congratulations box runs its own message loop: a paint that comes meanwhile (a click on the
// grid asks for one) must not congratulate a second time.
TEST_F(MainPaint, APaintWhileTheCongratulationsAreShownDoesNotRepeatThem) {
    clagripage &page = grilleram[0];
    std::vector<std::int16_t> vides;
    for (std::int16_t c = 1; c <= page.nbcases; ++c)
        if (page.getcaseval(c) == 0)
            vides.push_back(c);
    ASSERT_FALSE(vides.empty());
    ASSERT_TRUE(resoudre(page, vides, 0));
    const std::int16_t derniere = vides.back();
    const std::int16_t valeur = page.getcaseval(derniere);
    page.setcaseval(derniere, 0);
    page.ajustepossicase();
    nombreclic(valeur);
    cliccase(derniere);
    ASSERT_EQ(bravo, 1);
    messageboxhook().answer = [](const boxcall &) {
        if (messageboxhook().calls.size() == 1)
            WindProc(hwndmainwin, msg_paint, 0, 0);
        return short{answer_ok};
    };
    paintnow(hwndmainwin);
    EXPECT_EQ(bravo, 0);
    EXPECT_EQ(messageboxhook().calls.size(), 1u);
    EXPECT_EQ(beeprecorder().tones.size(), 3u);
    page.retourafixe();
    boutondefaire.clear();
}
