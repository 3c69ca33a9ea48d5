#include <gtest/gtest.h>

#include "platform/messagebox.h"
#include "platform/window.h"
#include "platform/windowobject.h"
#include "shell/buttons.h"
#include "shell/numberpicker.h"
#include "shell/rulespages.h"
#include "shell/shellstate.h"
#include "shell/startup.h"
#include "shell/tooltip.h"
#include "shell/windproc.h"
#include "tests/shell/gamedriver.h"

#include <QCoreApplication>
#include <QLabel>
#include <QTest>

#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

// The game started once, headless, in an empty folder; its tooltips are tested through WindProc.
class Tooltips : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        ASSERT_TRUE(jeuaffiche("tikotip"));
    }
    void SetUp() override {
        messageboxhook().answer = [](const boxcall &) { return short{answer_ok}; };
        survole(5, 5);
    }
    void TearDown() override { messageboxhook().answer = nullptr; }

    // The mouse over client point (x, y), as the platform reports it.
    static void survole(std::int16_t x, std::int16_t y) {
        WindProc(hwndmainwin, msg_setcursor, reinterpret_cast<wparam>(hwndmainwin), pointparam(x, y));
    }
    static void peint() {
        paintnow(hwndmainwin);
        QCoreApplication::processEvents();
    }
    static bool montre() { return montooltip.popup != nullptr && iswinvisible(montooltip.popup); }
    static std::string texte() {
        const auto *label = qobject_cast<QLabel *>(windowwidget(montooltip.textcontrol));
        return label == nullptr ? std::string() : label->text().trimmed().toStdString();
    }
};

// A point of the picker over which boutriproche answers n.
bool pointdutriangle(std::int16_t n, std::int16_t &x, std::int16_t &y) {
    for (y = 270; y < 370; ++y)
        for (x = 0; x < 110; ++x)
            if (boutriproche(x, y) == n)
                return true;
    return false;
}

} // namespace

TEST_F(Tooltips, HoveringAButtonShowsItsTextBesideTheMouseAndLeavingHidesIt) {
    ASSERT_EQ(globish, 0);
    survole(50, 185);
    ASSERT_TRUE(montre());
    EXPECT_EQ(texte(), "R\u00e8gle du jeu");
    EXPECT_EQ(montooltip.texteactu.adr(), std::string("  R\xE8gle du jeu  "));
    std::int16_t sx = 50, sy = 185;
    clienttoscreen(hwndmainwin, sx, sy);
    EXPECT_EQ(getwinrect(montooltip.popup).left, sx + 25);
    EXPECT_EQ(getwinrect(montooltip.popup).top, sy);

    // Moving inside the zone leaves the popup where it is.
    survole(60, 195);
    EXPECT_TRUE(montre());
    EXPECT_EQ(getwinrect(montooltip.popup).left, sx + 25);

    // Another zone replaces the text; a point outside every zone hides it.
    survole(47, 165);
    EXPECT_EQ(texte(), "Diminuer");
    survole(5, 5);
    EXPECT_FALSE(montre());
    EXPECT_EQ(montooltip.identactu, 0);
}

TEST_F(Tooltips, PickerTrianglesShowTheirNumberAndALeftPressHidesTheTooltip) {
    std::int16_t x = 0, y = 0;
    ASSERT_TRUE(pointdutriangle(6, x, y));
    survole(x, y);
    ASSERT_TRUE(montre());
    EXPECT_EQ(texte(), "S\u00e9lec. chiffre 6");
    WindProc(hwndmainwin, msg_lbuttondown, 0, pointparam(x, y));
    EXPECT_FALSE(montre());
    // The next move over the triangle brings it back.
    survole(x, y);
    EXPECT_TRUE(montre());
}

TEST_F(Tooltips, ChangingTheLanguageHidesTheTooltipAndTheNextHoverUsesTheNewLanguage) {
    survole(50, 30);
    ASSERT_TRUE(montre());
    EXPECT_EQ(texte(), "Langue");
    commande(35);
    EXPECT_EQ(globish, 1);
    EXPECT_FALSE(montre());
    survole(5, 5);
    survole(50, 30);
    EXPECT_EQ(texte(), "Language");
    std::int16_t x = 0, y = 0;
    ASSERT_TRUE(pointdutriangle(6, x, y));
    survole(x, y);
    EXPECT_EQ(texte(), "Select number 6");
    commande(35);
    EXPECT_EQ(globish, 0);
}

TEST_F(Tooltips, RulesPagesShowOnlyTheirOwnButtonsTexts) {
    survole(47, 165);
    ASSERT_TRUE(montre());
    commande(23);
    ASSERT_EQ(mode, 5);
    EXPECT_FALSE(montre());
    peint();
    survole(5, 5);
    survole(47, 165);
    EXPECT_FALSE(montre());
    survole(45, 505);
    ASSERT_TRUE(montre());
    EXPECT_EQ(texte(), "Retour \u00e0 la grille");
    commande(22);
    ASSERT_EQ(mode, 4);
    EXPECT_FALSE(montre());
    survole(5, 5);
    survole(47, 165);
    EXPECT_EQ(texte(), "Diminuer");
}

TEST_F(Tooltips, AHiddenRulesPageButtonShowsNoText) {
    commande(23);
    ASSERT_EQ(reglepage, reglepadeb);
    peint();
    ASSERT_FALSE(iswinvisible(hboutregprec));
    survole(45, 545);
    EXPECT_FALSE(montre());
    commande(25);
    peint();
    survole(5, 5);
    survole(45, 545);
    ASSERT_TRUE(montre());
    EXPECT_EQ(texte(), "Page pr\u00e9c\u00e9dente");
    commande(22);
    ASSERT_EQ(mode, 4);
}
