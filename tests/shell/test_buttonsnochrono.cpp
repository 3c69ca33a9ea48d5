#include <gtest/gtest.h>

#include "platform/window.h"
#include "shell/buttoncolumn.h"
#include "shell/buttons.h"
#include "shell/chronometre.h"
#include "shell/shellstate.h"
#include "tests/shell/gamedriver.h"

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

// Client top of a control.
int haut(winhandle control) {
    const winrect r = getwinrect(control);
    std::int16_t x = static_cast<std::int16_t>(r.left), y = static_cast<std::int16_t>(r.top);
    screentoclient(hwndmainwin, x, y);
    return y;
}

} // namespace

// A settings file that turns the chronometer off: the column is 15 pixels shorter below "0".
TEST(ButtonsWithoutChronometer, NoChronometerStaticAndTheLastButtonsHigher) {
    const auto folder = std::filesystem::temp_directory_path() / ("tikonochro" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    std::ofstream(folder / "TIKO101.TXT") << "chro=0\n";
    ASSERT_TRUE(demarrejeuvide("tikonochro"));
    ASSERT_TRUE(fenetreexposee());
    EXPECT_EQ(avechrono, 0);
    EXPECT_EQ(hbtchrono, nullptr);
    EXPECT_EQ(haut(hbtnuzero), 350);
    EXPECT_EQ(haut(hboutrefixe), 380);
    EXPECT_EQ(haut(hboutsave), 400);
    EXPECT_EQ(haut(hboutquit), 430);
    EXPECT_EQ(ysuibou, 450);
    EXPECT_TRUE(iswinvisible(hboutquit));
    std::filesystem::remove_all(folder);
}
