#include <gtest/gtest.h>

#include "platform/screen.h"
#include "platform/window.h"
#include "platform/windowobject.h"
#include "shell/grillecharger.h"
#include "shell/shellstate.h"
#include "shell/startup.h"
#include "shell/startupwindow.h"
#include "tests/shell/gamedriver.h"

#include <QCoreApplication>
#include <QImage>
#include <QTest>
#include <QWidget>

#include <algorithm>

#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

// The game started once, headless, in an empty folder: the main window at (60, 60).
class StartupWindow : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        ASSERT_TRUE(demarrejeuvide("tikodemfen"));
    }
};

} // namespace

TEST_F(StartupWindow, ShownAtStartHiddenByPaintShownAgainByEachGridLoad) {
    ASSERT_TRUE(fenetredem.cree);
    EXPECT_TRUE(iswinvisible(fenetredem.fenetre)) << "after start-up";
    const winrect taille = getwinrect(fenetredem.fenetre);
    EXPECT_EQ(taille.right - taille.left, demarrafenlarge);
    EXPECT_EQ(taille.bottom - taille.top, demarrafenhaut);
    ASSERT_TRUE(fenetreexposee());

    paintnow(hwndmainwin);
    EXPECT_FALSE(iswinvisible(fenetredem.fenetre)) << "after the first paint";
    EXPECT_FALSE(fenetredem.visible);

    ASSERT_EQ(prinleft, 60);
    ASSERT_EQ(printop, 60);
    ASSERT_TRUE(grillecharger(hwndmainwin, 2, "", 0));
    EXPECT_TRUE(iswinvisible(fenetredem.fenetre)) << "during a grid load";
    const winrect place = getwinrect(fenetredem.fenetre);
    EXPECT_EQ(place.left, 240);
    EXPECT_EQ(place.top, 240);

    paintnow(hwndmainwin);
    EXPECT_FALSE(iswinvisible(fenetredem.fenetre)) << "after the next paint";
    // Hidden, it waits centred on the main window.
    const winrect prin = getwinrect(hwndmainwin);
    EXPECT_EQ(fenetredem.x, std::max(0, (prin.left + prin.right) / 2 - demarrafenlarge / 2));
    EXPECT_EQ(fenetredem.y, std::max(0, (prin.top + prin.bottom) / 2 - 20 - demarrafenhaut / 2));
}

TEST_F(StartupWindow, NeverTakesTheFocusAndIgnoresClicks) {
    fenetredem.simplaffidem(true);
    EXPECT_EQ(sendmsg(fenetredem.fenetre, msg_lbuttondown, 0, pointparam(10, 10)), 0);
    EXPECT_TRUE(iswinvisible(fenetredem.fenetre));
    QCoreApplication::processEvents();
    EXPECT_FALSE(hasfocus(fenetredem.fenetre));
    fenetredem.simplaffidem(false);
    EXPECT_FALSE(iswinvisible(fenetredem.fenetre));
}

// Both lines drawn in black on the light blue, each whole inside the window.
TEST_F(StartupWindow, DrawsBothLinesWhollyOnTheLightBlue) {
    const QImage image = windowwidget(fenetredem.fenetre)->grab().toImage();
    ASSERT_EQ(image.width(), demarrafenlarge);
    EXPECT_EQ(image.pixel(2, 2), qRgb(153, 153, 255));
    const auto encre = [&image](int top, int bottom, int left, int right) {
        int n = 0;
        for (int y = top; y < bottom; ++y)
            for (int x = left; x < right; ++x)
                n += qGray(image.pixel(x, y)) < 60;
        return n;
    };
    EXPECT_GT(encre(25, 72, 0, image.width()), 0) << "first line";
    EXPECT_GT(encre(75, 125, 0, image.width()), 0) << "second line";
    EXPECT_EQ(encre(0, image.height(), 0, 8), 0) << "cut off on the left";
    EXPECT_EQ(encre(0, image.height(), image.width() - 8, image.width()), 0) << "cut off on the right";
    EXPECT_EQ(encre(image.height() - 8, image.height(), 0, image.width()), 0) << "cut off below";
}

TEST(StartupWindowPlacement, CentresOnTheScreenWhenTheMainWindowIsUnknown) {
    clafendemarrage fen;
    fen.fixetaille(demarrafenlarge, demarrafenhaut, rgb(153, 153, 255));
    fen.fixaucentremain();
    EXPECT_EQ(fen.x, (screenwidth() - demarrafenlarge) / 2);
    EXPECT_EQ(fen.y, (screenheight() - demarrafenhaut) / 2 - 20);
    fen.clear();
    EXPECT_EQ(fen.largeur, 100);
    EXPECT_EQ(fen.x, 0);
    EXPECT_EQ(std::string(fen.classe), "DEMFEN");
}
