#include <gtest/gtest.h>

#include "drawing/clagripage.h"
#include "drawing/devices.h"
#include "platform/beep.h"
#include "platform/messagebox.h"
#include "platform/ticks.h"
#include "platform/window.h"
#include "platform/windowobject.h"
#include "shell/shellstate.h"
#include "shell/startup.h"
#include "shell/windproc.h"
#include "tests/platform/offscreenapp.h"

#include <QCoreApplication>
#include <QImage>
#include <QTest>
#include <QPixmap>

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {

constexpr colour jauneclair = rgb(255, 255, 153);
constexpr colour cyan = rgb(0, 255, 255);

// The game started once per test program, in an empty folder (no settings file), headless.
void startgame() {
    if (hwndmainwin != nullptr)
        return;
    const auto folder = std::filesystem::temp_directory_path() / ("tikogame" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    ASSERT_EQ(chdir(folder.c_str()), 0);
    startoffscreen();
    ASSERT_TRUE(demarrejeu(0));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(windowwidget(hwndmainwin)));
    QCoreApplication::processEvents();
}

// The window's client area as its paint draws it.
QImage peinture() {
    return clientwidget(hwndmainwin)->grab().toImage();
}

colour pixel(const QImage &image, int x, int y) {
    const QRgb p = image.pixel(x, y);
    return rgb(static_cast<std::uint8_t>(qRed(p)), static_cast<std::uint8_t>(qGreen(p)),
               static_cast<std::uint8_t>(qBlue(p)));
}

// Where a cell's centre is in the client area.
void centrecase(std::int16_t cell, int &x, int &y) {
    x = fenecrout.centrex + grilleram[0].getcacentrix(cell);
    y = fenecrout.centrey - grilleram[0].getcacentry(cell);
}

long commande(std::uint16_t ident) {
    return WindProc(hwndmainwin, msg_command, commandparam(ident, 0), 0);
}

class GameWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        startgame();
        beeprecorder().recording = true;
        beeprecorder().tones.clear();
        messageboxhook().answer = [](const boxcall &) { return short{answer_no}; };
        messageboxhook().calls.clear();
    }
    void TearDown() override {
        messageboxhook().answer = nullptr;
        beeprecorder().recording = false;
    }
};

} // namespace

TEST_F(GameWindow, StartsOnGridOneAndPaintsItsCellsWhereTheyAre) {
    EXPECT_EQ(mode, 4);
    EXPECT_EQ(grillenjeu, 1);
    EXPECT_EQ(nombractu, 1);
    EXPECT_TRUE(iswinvisible(hwndmainwin));
    EXPECT_EQ(goodname.adr(), std::string("TIKO101"));
    const QImage image = peinture();
    int empties = 0;
    for (std::int16_t cell = 1; cell <= grilleram[0].nbcases; ++cell) {
        if (grilleram[0].getcaseval(cell) != 0)
            continue;
        int x = 0, y = 0;
        centrecase(cell, x, y);
        ASSERT_TRUE(image.rect().contains(x, y)) << "cell " << cell;
        EXPECT_EQ(pixel(image, x, y), jauneclair) << "cell " << cell;
        ++empties;
    }
    EXPECT_GT(empties, 0);
    EXPECT_EQ(pixel(image, image.width() - 3, image.height() - 3), cyan) << "below and right of the grid";
}

TEST_F(GameWindow, CellSizeMovesByTensWithinItsBoundsAndTheWindowFollows) {
    const auto largeur = [] {
        paintnow(hwndmainwin);
        const winrect r = getwinrect(hwndmainwin);
        return r.right - r.left;
    };
    const std::int32_t at40 = largeur();
    for (std::int16_t expected : {50, 60, 70, 70}) {
        commande(10);
        EXPECT_EQ(taillechoisie, expected);
    }
    EXPECT_GT(largeur(), at40);
    for (std::int16_t expected : {60, 50, 40, 40}) {
        commande(20);
        EXPECT_EQ(taillechoisie, expected);
    }
    EXPECT_EQ(largeur(), at40);
    const QImage image = peinture();
    for (std::int16_t cell = 1; cell <= grilleram[0].nbcases; ++cell) {
        int x = 0, y = 0;
        centrecase(cell, x, y);
        if (grilleram[0].getcaseval(cell) == 0) {
            EXPECT_EQ(pixel(image, x, y), jauneclair) << "cell " << cell;
        }
    }
}

TEST_F(GameWindow, CommandWhileAnotherIsInProgressBeepsTwiceAndDoesNothing) {
    boutignore = 1;
    commande(10);
    boutignore = 0;
    EXPECT_EQ(taillechoisie, 40);
    ASSERT_EQ(beeprecorder().tones.size(), 2u);
    EXPECT_EQ(beeprecorder().tones[0].frequency, 800);
    EXPECT_EQ(beeprecorder().tones[1].frequency, 1200);
}

TEST_F(GameWindow, ClosingAnsweredNoKeepsTheGameAndAsksLikeTheXButton) {
    WindProc(hwndmainwin, msg_close, 0, 0);
    commande(21);
    ASSERT_EQ(messageboxhook().calls.size(), 2u);
    EXPECT_EQ(messageboxhook().calls[0].text, messageboxhook().calls[1].text);
    EXPECT_TRUE(messageboxhook().calls[0].flags & box_yesno);
    EXPECT_TRUE(iswindow(hwndmainwin));
    EXPECT_EQ(boutignore, 0);
}

TEST_F(GameWindow, GridButtonAnsweredNoKeepsTheGridAndYesLoadsIt) {
    commande(30);
    EXPECT_EQ(grillenjeu, 1);
    messageboxhook().answer = [](const boxcall &) { return short{answer_yes}; };
    commande(30);
    EXPECT_EQ(grillenjeu, 2);
    commande(33);
    EXPECT_EQ(grillenjeu, 1);
    ASSERT_EQ(messageboxhook().calls.size(), 3u);
    EXPECT_NE(messageboxhook().calls[0].text.find('2'), std::string::npos) << "the grid's number";
}

// A "killexe=" command line deletes an earlier copy of this program and nothing else.
TEST(ControleNomExe, DeletesOnlyAnEarlierCopyOfThisProgram) {
    setsteppedticks(0);
    const auto folder = std::filesystem::temp_directory_path() / ("tikokill" + std::to_string(getpid()));
    std::filesystem::create_directories(folder / "dossier");
    const auto write = [&](const char *name, const char *bytes) {
        std::ofstream(folder / name, std::ios::binary) << bytes;
        return (folder / name).string();
    };
    const std::string programme = write("TIKO101", "program bytes");
    const std::string copie = write("OLDTIKO", "program bytes");
    const std::string autre = write("notes.txt", "something else");
    programmexe.set(programme.c_str());
    struct cas {
        std::string ligne;
        std::string fichier;
        bool supprime;
    };
    for (const cas &c : {cas{"killexe=" + autre, autre, false}, cas{"killexe=" + programme, programme, false},
                         cas{"killexe=" + (folder / "dossier").string(), (folder / "dossier").string(), false},
                         cas{"killexe=" + copie, copie, true}}) {
        licommande.set(c.ligne.c_str());
        controlenomexe("TIKO101", 0);
        EXPECT_EQ(std::filesystem::exists(c.fichier), !c.supprime) << c.ligne;
    }
    setrealticks();
    std::filesystem::remove_all(folder);
}
