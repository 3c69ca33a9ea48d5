#include <gtest/gtest.h>

#include "platform/messagebox.h"
#include "platform/window.h"
#include "platform/windowobject.h"
#include "shell/buttoncolumn.h"
#include "shell/buttons.h"
#include "shell/chronometre.h"
#include "shell/numberpicker.h"
#include "shell/shellstate.h"
#include "shell/tooltip.h"
#include "tests/shell/gamedriver.h"

#include <QAbstractButton>
#include <QCoreApplication>

#include <string>

namespace {

// The game started once, headless, with the chronometer in use (no settings file).
class Buttons : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        ASSERT_TRUE(jeuaffiche("tikobut"));
    }
    void SetUp() override {
        messageboxhook().answer = [](const boxcall &) { return short{answer_ok}; };
    }
    void TearDown() override { messageboxhook().answer = nullptr; }
};

class place {
  public:
    winhandle *control;
    std::uint16_t ident;
    const char *caption;
    int x, y, width, height;
};

// Client rectangle of a control, read back from the platform.
void rectangle(winhandle control, int &x, int &y, int &width, int &height) {
    const winrect r = getwinrect(control);
    std::int16_t left = static_cast<std::int16_t>(r.left), top = static_cast<std::int16_t>(r.top);
    screentoclient(hwndmainwin, left, top);
    x = left;
    y = top;
    width = static_cast<int>(r.right - r.left);
    height = static_cast<int>(r.bottom - r.top);
}

std::string caption(winhandle control) {
    const auto *button = qobject_cast<QAbstractButton *>(windowwidget(control));
    return button == nullptr ? std::string() : button->text().toStdString();
}

void paint() {
    paintnow(hwndmainwin);
    QCoreApplication::processEvents();
}

} // namespace

TEST_F(Buttons, EveryControlStandsAtItsPlaceWithItsZone) {
    const place places[] = {
        {&hbtrosbif, 35, "FR/EN", 30, 20, 50, 20},  {&hbtgriun, 33, "Gr1", 40, 40, 30, 20},
        {&hbtgrideux, 30, "Gr2", 40, 60, 30, 20},   {&hbtgritrois, 32, "Gr3", 40, 80, 30, 20},
        {&hbtgriquat, 31, "Gr4", 40, 100, 30, 20},  {&hbtgricinq, 29, "Gr5", 40, 120, 30, 20},
        {&hboutpetit, 20, "-", 40, 160, 15, 20},    {&hboutgros, 10, "+", 55, 160, 15, 20},
        {&hboutregle, 23, "?", 45, 180, 20, 20},    {&hboutinfo, 12, "I", 45, 200, 20, 20},
        {&hbtlicolo, 27, nullptr, 30, 230, 50, 15}, {&hbtdefaire, 8, "<", 40, 250, 15, 20},
        {&hbtfaire, 9, ">", 55, 250, 15, 20},       {&hbtnuzero, 13, "0", 40, 350, 30, 20},
        {&hbtchrono, 27, nullptr, 30, 375, 50, 15}, {&hboutrefixe, 26, "F", 45, 395, 20, 20},
        {&hboutsave, 28, "S", 45, 415, 20, 20},     {&hboutquit, 21, "X", 45, 445, 20, 20},
        {&hboutregprec, 24, "<", 30, 530, 30, 30},  {&hboutregsui, 25, ">", 730, 530, 30, 30},
        {&hboutfinregle, 22, "R", 30, 490, 30, 30},
    };
    std::size_t zone = 0;
    for (const place &p : places) {
        ASSERT_NE(*p.control, nullptr) << p.ident;
        int x = 0, y = 0, width = 0, height = 0;
        rectangle(*p.control, x, y, width, height);
        EXPECT_EQ(x, p.x) << p.ident;
        EXPECT_EQ(y, p.y) << p.ident;
        EXPECT_EQ(width, p.width) << p.ident;
        EXPECT_EQ(height, p.height) << p.ident;
        EXPECT_EQ((*p.control)->ident, p.ident);
        if (p.caption == nullptr)
            continue;
        EXPECT_EQ(caption(*p.control), p.caption) << p.ident;
        // Buttons, and only they, register their zone, in creation order.
        ASSERT_LT(zone, montooltip.zones.size());
        const zonetip &z = montooltip.zones[zone++];
        EXPECT_EQ(z.ident, p.ident);
        EXPECT_EQ(z.x1, p.x);
        EXPECT_EQ(z.x2, p.x + p.width);
        EXPECT_EQ(z.y1, p.y);
        EXPECT_EQ(z.y2, p.y + p.height);
    }
    EXPECT_EQ(zone, montooltip.zones.size());
    EXPECT_EQ(ysuibou, 465);
    EXPECT_EQ(versy, 10);
    EXPECT_EQ(gr1y, 40);
    EXPECT_EQ(gr6y, 150);
    EXPECT_EQ(bt3y, 282);
    EXPECT_EQ(boutritop, 290);
    EXPECT_EQ(tabou, 15);
}

TEST_F(Buttons, RulesPagesHideThePlayControlsAndDisableWhatDoesNotApply) {
    ASSERT_EQ(mode, 4);
    paint();
    winhandle jeu[] = {hbtrosbif,  hbtgriun,  hbtgricinq, hboutregle,  hboutinfo, hbtlicolo,
                       hbtdefaire, hbtnuzero, hbtchrono,  hboutrefixe, hboutsave, hboutquit};
    for (winhandle control : jeu)
        EXPECT_TRUE(iswinvisible(control)) << control->ident;
    for (winhandle control :
         {hbtrosbif, hbtgriun, hbtgricinq, hboutinfo, hbtnuzero, hboutrefixe, hboutsave, hboutquit})
        EXPECT_TRUE(iswinenabled(control)) << control->ident;
    for (winhandle control : {hboutregprec, hboutregsui, hboutfinregle})
        EXPECT_FALSE(iswinvisible(control)) << control->ident;

    commande(23);
    ASSERT_EQ(mode, 5);
    for (winhandle control : jeu)
        EXPECT_FALSE(iswinvisible(control)) << control->ident;
    paint();
    for (winhandle control : {hbtrosbif, hbtgriun, hbtgricinq, hbtlicolo, hbtchrono, hboutpetit, hboutgros,
                              hboutinfo, hbtnuzero, hboutrefixe, hboutsave, hbtdefaire, hbtfaire})
        EXPECT_FALSE(iswinenabled(control)) << control->ident;
    EXPECT_TRUE(iswinenabled(hboutregle));
    EXPECT_TRUE(iswinenabled(hboutfinregle));
    EXPECT_TRUE(iswinenabled(hboutquit));

    // Back in play, the rules pages' buttons go before the next paint.
    commande(22);
    ASSERT_EQ(mode, 4);
    for (winhandle control : {hboutregprec, hboutregsui, hboutfinregle})
        EXPECT_FALSE(iswinvisible(control)) << control->ident;
    for (winhandle control : jeu)
        EXPECT_TRUE(iswinvisible(control)) << control->ident;
    paint();
    for (winhandle control : {hbtrosbif, hbtgriun, hboutinfo, hbtnuzero, hboutrefixe, hboutsave})
        EXPECT_TRUE(iswinenabled(control)) << control->ident;
}
