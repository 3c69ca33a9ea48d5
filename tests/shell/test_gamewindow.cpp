#include <gtest/gtest.h>

#include "drawing/clagripage.h"
#include "drawing/devices.h"
#include "platform/beep.h"
#include "platform/messagebox.h"
#include "platform/regions.h"
#include "platform/ticks.h"
#include "platform/window.h"
#include "platform/windowobject.h"
#include "shell/shellstate.h"
#include "shell/buttoncolumn.h"
#include "shell/buttons.h"
#include "shell/gridshift.h"
#include "shell/messages.h"
#include "shell/numberpicker.h"
#include "shell/playinput.h"
#include "shell/rulespages.h"
#include "shell/startup.h"
#include "shell/windowlayout.h"
#include "shell/windproc.h"
#include "tests/shell/gamedriver.h"

#include <QCoreApplication>
#include <QImage>
#include <QLabel>
#include <QTest>
#include <QPixmap>

#include <filesystem>
#include <vector>
#include <fstream>
#include <unistd.h>

namespace {

constexpr colour jauneclair = rgb(255, 255, 153);
constexpr colour cyan = rgb(0, 255, 255);

class GameWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(jeuaffiche("tikogame"));
        // A loaded grid gets its given values when it is first painted.
        paintnow(hwndmainwin);
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

// "+" clicked while the grid button's question is open is turned away; afterwards it works.
TEST_F(GameWindow, CommandWhileAnotherIsInProgressBeepsTwiceAndDoesNothing) {
    messageboxhook().answer = [](const boxcall &) {
        commande(10);
        return short{answer_no};
    };
    commande(30);
    EXPECT_EQ(grillenjeu, 1);
    EXPECT_EQ(taillechoisie, 40);
    EXPECT_EQ(boutignore, 0);
    commande(10);
    EXPECT_EQ(taillechoisie, 50);
    commande(20);
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

namespace {

// Whether a magenta (played) digit is painted near the cell's centre.
bool chiffrejoue(std::int16_t cell) {
    paintnow(hwndmainwin);
    const QImage image = peinture();
    int x = 0, y = 0;
    centrecase(cell, x, y);
    for (int dy = -8; dy <= 8; ++dy)
        for (int dx = -6; dx <= 6; ++dx)
            if (pixel(image, x + dx, y + dy) == rgb(255, 0, 255))
                return true;
    return false;
}

// An empty cell and a number it allows (first found), or 0.
std::int16_t casevide(std::int16_t &allowed, std::int16_t &refused) {
    clagripage &page = grilleram[0];
    page.ajustepossicase();
    for (std::int16_t c = 1; c <= page.nbcases; ++c) {
        if (page.getcaseval(c) != 0)
            continue;
        allowed = refused = 0;
        for (std::int16_t v = 1; v <= 6; ++v)
            (page.isautorisee(c, v) ? allowed : refused) = v;
        if (allowed > 0 && refused > 0)
            return c;
    }
    return 0;
}

// The picker triangle of number n, by its centre.
dcpoint triangle(std::int16_t n) {
    for (std::int16_t i = 0; i < 6; ++i)
        if (valeurboutri(i) == n)
            return boutricentres[i];
    return {};
}

} // namespace

TEST_F(GameWindow, PickingANumberAndClickingACellPlacesItUndoTakesItBack) {
    std::int16_t allowed = 0, refused = 0;
    const std::int16_t cell = casevide(allowed, refused);
    ASSERT_GT(cell, 0);
    const dcpoint t = triangle(allowed);
    clic(msg_lbuttondown, msg_lbuttonup, t.x, t.y);
    EXPECT_EQ(nombractu, allowed);
    cliccase(cell);
    EXPECT_EQ(casactu, cell);
    EXPECT_EQ(grilleram[0].getcaseval(cell), allowed);
    EXPECT_TRUE(beeprecorder().tones.empty());
    EXPECT_TRUE(chiffrejoue(cell));
    commande(8);
    EXPECT_EQ(grilleram[0].getcaseval(cell), 0);
    EXPECT_FALSE(chiffrejoue(cell));
    commande(9);
    EXPECT_EQ(grilleram[0].getcaseval(cell), allowed);
    cliccase(cell);
    EXPECT_EQ(grilleram[0].getcaseval(cell), 0) << "its own number empties a played cell";
    ASSERT_EQ(beeprecorder().tones.size(), 3u);
    EXPECT_EQ(beeprecorder().tones[2].frequency, 150);
}

TEST_F(GameWindow, ANumberTheCellDoesNotAllowIsRefusedWithTwoBeeps) {
    std::int16_t allowed = 0, refused = 0;
    const std::int16_t cell = casevide(allowed, refused);
    ASSERT_GT(cell, 0);
    WindProc(hwndmainwin, msg_command, commandparam(13, 0), 0);
    EXPECT_EQ(nombractu, 0);
    nombreclic(refused);
    cliccase(cell);
    EXPECT_EQ(grilleram[0].getcaseval(cell), 0);
    ASSERT_EQ(beeprecorder().tones.size(), 2u);
    EXPECT_EQ(beeprecorder().tones[0].frequency, 800);
    EXPECT_EQ(beeprecorder().tones[1].frequency, 1200);
    EXPECT_EQ(boutondefaire.effectif(), 0);
}

TEST_F(GameWindow, ClickingAFixedCellSelectsItsNumber) {
    clagripage &page = grilleram[0];
    std::int16_t fixed = 0;
    for (std::int16_t c = 1; c <= page.nbcases && fixed == 0; ++c)
        if (page.casestfixe(c))
            fixed = c;
    ASSERT_GT(fixed, 0);
    nombreclic(0);
    cliccase(fixed);
    EXPECT_EQ(nombractu, page.getcaseval(fixed));
    EXPECT_TRUE(page.casestfixe(fixed));
}

TEST_F(GameWindow, RightClickOnAnUnmarkedEmptyCellSetsAllSixMarks) {
    std::int16_t allowed = 0, refused = 0;
    const std::int16_t cell = casevide(allowed, refused);
    ASSERT_GT(cell, 0);
    grilleram[0].razpuser(cell);
    int x = 0, y = 0;
    centrecase(cell, x, y);
    clic(msg_rbuttondown, msg_rbuttonup, x, y);
    EXPECT_EQ(grilleram[0].tabcases[static_cast<std::size_t>(cell)].possuser, 63);
    grilleram[0].razpuser(cell);
}

TEST(NumberPicker, HitTestsFollowTheTrianglesAndTheirOrder) {
    calcuboutri();
    const std::int16_t cx = boutriposx, cy = boutriposy;
    struct cas {
        int dx, dy;
        std::int16_t n;
    };
    for (const cas &c : {cas{15, -8, 1}, cas{0, -17, 6}, cas{-15, -8, 5}, cas{-15, 8, 4}, cas{0, 17, 3},
                         cas{15, 8, 2}, cas{15, 0, 1}, cas{30, -17, 0}, cas{46, -8, 0}}) {
        EXPECT_EQ(boutriproche(static_cast<std::int16_t>(cx + c.dx), static_cast<std::int16_t>(cy + c.dy)), c.n)
            << c.dx << "," << c.dy;
    }
    EXPECT_EQ(valeurboutri(6), 0);
    EXPECT_EQ(valeurboutri(-1), 0);
}

TEST_F(GameWindow, SizeButtonsAreDisabledAtTheBoundsAndUndoFollowsTheHistory) {
    paintnow(hwndmainwin);
    EXPECT_FALSE(iswinenabled(hboutpetit)) << "at 40";
    EXPECT_TRUE(iswinenabled(hboutgros));
    for (int k = 0; k < 3; ++k)
        commande(10);
    paintnow(hwndmainwin);
    EXPECT_TRUE(iswinenabled(hboutpetit));
    EXPECT_FALSE(iswinenabled(hboutgros)) << "at 70";
    for (int k = 0; k < 3; ++k)
        commande(20);
    std::int16_t allowed = 0, refused = 0;
    const std::int16_t cell = casevide(allowed, refused);
    ASSERT_GT(cell, 0);
    paintnow(hwndmainwin);
    EXPECT_FALSE(iswinenabled(hbtdefaire));
    nombreclic(allowed);
    cliccase(cell);
    paintnow(hwndmainwin);
    EXPECT_TRUE(iswinenabled(hbtdefaire));
    EXPECT_FALSE(iswinenabled(hbtfaire));
    commande(8);
    paintnow(hwndmainwin);
    EXPECT_FALSE(iswinenabled(hbtdefaire));
    EXPECT_TRUE(iswinenabled(hbtfaire));
}

// "R" outside the rules pages changes nothing; through them, the play comes back whole.
TEST_F(GameWindow, RulesPagesRoundTripGivesBackValuesAndHistory) {
    std::int16_t allowed = 0, refused = 0;
    const std::int16_t cell = casevide(allowed, refused);
    ASSERT_GT(cell, 0);
    nombreclic(allowed);
    cliccase(cell);
    const std::int16_t niveau = boutondefaire.niveau;
    commande(22);
    EXPECT_EQ(mode, 4);
    EXPECT_EQ(grilleram[0].getcaseval(cell), allowed) << "not reloaded";
    EXPECT_EQ(boutondefaire.niveau, niveau);
    commande(23);
    EXPECT_EQ(mode, 5);
    EXPECT_FALSE(iswinvisible(hbtgriun));
    paintnow(hwndmainwin);
    EXPECT_TRUE(iswinvisible(hboutfinregle));
    commande(25);
    commande(22);
    EXPECT_EQ(mode, 4);
    EXPECT_TRUE(iswinvisible(hbtgriun));
    paintnow(hwndmainwin);
    EXPECT_EQ(grilleram[0].getcaseval(cell), allowed);
    EXPECT_EQ(boutondefaire.niveau, niveau);
    commande(8);
    EXPECT_EQ(grilleram[0].getcaseval(cell), 0) << "the history came back with the grid";
}

// The book opens at page 1 without "<", turns to page 9 where ">" goes, and back; "R" always shows.
TEST_F(GameWindow, RulesPagesTurnFromOneToNineAndBackWithTheirButtons) {
    const auto turn = [this](std::uint16_t command, std::int16_t expected) {
        commande(command);
        paintnow(hwndmainwin);
        EXPECT_EQ(reglepage, expected);
        EXPECT_EQ(iswinvisible(hboutregprec), expected > 1) << "page " << expected;
        EXPECT_EQ(iswinvisible(hboutregsui), expected < 9) << "page " << expected;
        EXPECT_TRUE(iswinvisible(hboutfinregle)) << "page " << expected;
    };
    turn(23, 1);
    for (std::int16_t page = 2; page <= 9; ++page)
        turn(25, page);
    turn(25, 9);
    for (std::int16_t page = 8; page >= 1; --page)
        turn(24, page);
    turn(24, 1);
    commande(22);
    EXPECT_EQ(mode, 4);
}

// Thousands of random clicks over the buttons, the picker, the grid and around it, with boxes
// answered at random (never closing the game), leave a window that still paints its grid.
TEST_F(GameWindow, RandomClicksEndClean) {
    // The close question in both languages, since the language button is clicked too.
    std::string questions[2];
    const char langue = globish;
    for (char g : {0, 1}) {
        globish = g;
        gstring fermer;
        createmsg(fermer, 7);
        questions[static_cast<int>(g)] = fermer.adr();
    }
    globish = langue;
    unsigned graine = 12345;
    const auto hasard = [&graine](unsigned n) {
        graine = graine * 1103515245u + 12345u;
        return (graine >> 16) % n;
    };
    messageboxhook().answer = [&](const boxcall &call) {
        if (call.text == questions[0] || call.text == questions[1])
            return short{answer_no};
        return short{hasard(2) == 0 ? answer_yes : answer_no};
    };
    const std::uint16_t commandes[] = {8, 9, 10, 20, 12, 13, 21, 22, 23, 24, 25, 26, 28, 29, 30, 31, 32, 33, 35, 2, 99};
    const unsigned souris[] = {msg_lbuttondown, msg_lbuttonup, msg_rbuttondown, msg_rbuttonup, msg_mousemove,
                               msg_setcursor};
    for (int k = 0; k < 5000; ++k) {
        if (hasard(4) == 0) {
            commande(commandes[hasard(sizeof commandes / sizeof commandes[0])]);
        } else {
            const auto x = static_cast<std::int16_t>(static_cast<int>(hasard(420)) - 10);
            const auto y = static_cast<std::int16_t>(static_cast<int>(hasard(620)) - 10);
            WindProc(hwndmainwin, souris[hasard(6)], 0, pointparam(x, y));
        }
        if (hasard(50) == 0)
            paintnow(hwndmainwin);
    }
    if (mode == 5)
        commande(22);
    paintnow(hwndmainwin);
    EXPECT_TRUE(iswindow(hwndmainwin));
    EXPECT_EQ(boutignore, 0);
    EXPECT_TRUE(mode == 4 || mode == 1);
}

TEST_F(GameWindow, InformationPagesGoOnWithOkAndStopAtCancel) {
    messageboxhook().answer = [](const boxcall &) { return short{answer_ok}; };
    commande(12);
    ASSERT_EQ(messageboxhook().calls.size(), 6u);
    EXPECT_NE(messageboxhook().calls[0].text.find(std::to_string(grilleram[0].nbcases)), std::string::npos);
    EXPECT_EQ(messageboxhook().calls[5].flags & box_okcancel, 0u);
    messageboxhook().calls.clear();
    messageboxhook().answer = [](const boxcall &) { return short{answer_cancel}; };
    commande(12);
    EXPECT_EQ(messageboxhook().calls.size(), 1u);
}

TEST_F(GameWindow, OutlineHoldsTheHexagonsTheColumnAndTheCaptionStripOnly) {
    const std::int16_t dx = regionprin.dx, dy = regionprin.dy;
    for (std::int16_t cell = 1; cell <= grilleram[0].nbcases; ++cell) {
        int x = 0, y = 0;
        centrecase(cell, x, y);
        EXPECT_TRUE(inregion(regionprin.region, static_cast<std::int16_t>(x + dx), static_cast<std::int16_t>(y + dy)))
            << "cell " << cell;
    }
    EXPECT_TRUE(inregion(regionprin.region, static_cast<std::int16_t>(dx + 30), static_cast<std::int16_t>(dy + 100)));
    EXPECT_TRUE(inregion(regionprin.region, static_cast<std::int16_t>(dx + 129), 2));
    EXPECT_FALSE(inregion(regionprin.region, static_cast<std::int16_t>(dx + 130), 2));
    EXPECT_FALSE(inregion(regionprin.region, static_cast<std::int16_t>(dx + 29), static_cast<std::int16_t>(dy + 100)));
    const winrect r = getwinrect(hwndmainwin);
    EXPECT_FALSE(inregion(regionprin.region, static_cast<std::int16_t>(r.right - r.left - 2),
                          static_cast<std::int16_t>(r.bottom - r.top - 2)));
}

TEST_F(GameWindow, OnASmallScreenArrowsWalkTheGridAndTheirHelpComesOnce) {
    const std::int16_t left = prinleft, top = printop;
    flechaide = 1;
    prinleft = static_cast<std::int16_t>(largecranpix - 150);
    printop = static_cast<std::int16_t>(hautecranpix - 150);
    commande(10);
    commande(20);
    peintettraite();
    EXPECT_GT(manquedroite, 0);
    EXPECT_GT(manquebas, 0);
    EXPECT_TRUE(flechokdroite && flechokbas);
    EXPECT_FALSE(flechokgauche || flechokhaut);
    ASSERT_EQ(messageboxhook().calls.size(), 1u) << "the arrow help";
    const winrect r = posifleche[0];
    const auto x = static_cast<std::int16_t>((r.left + r.right) / 2);
    const auto y = static_cast<std::int16_t>((r.top + r.bottom) / 2);
    const std::int16_t avant = fenecrout.centrex;
    clic(msg_lbuttondown, msg_lbuttonup, x, y);
    EXPECT_EQ(decalagrilladroite, -1.0f);
    peintettraite();
    EXPECT_EQ(fenecrout.centrex, avant - grilleram[0].taillepix) << "one side left";
    EXPECT_TRUE(flechokgauche);
    EXPECT_EQ(messageboxhook().calls.size(), 1u) << "the help only once";
    EXPECT_TRUE(inregion(regionprin.region, static_cast<std::int16_t>(x + regionprin.dx),
                         static_cast<std::int16_t>(y + regionprin.dy)));
    prinleft = left;
    printop = top;
    commande(10);
    commande(20);
    paintnow(hwndmainwin);
    EXPECT_FALSE(flechokdroite || flechokgauche || flechokhaut || flechokbas);
    EXPECT_EQ(decalagrilladroite, 0.0f);
}

TEST_F(GameWindow, PlacingTheLastValueCongratulatesOnceWithRisingTones) {
    clagripage &page = grilleram[0];
    ASSERT_TRUE(placeladerniere());
    EXPECT_EQ(bravo, 1);
    paintnow(hwndmainwin);
    EXPECT_TRUE(messageboxhook().calls.empty()) << "no box inside the paint itself";
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(bravo, 0);
    ASSERT_EQ(beeprecorder().tones.size(), 3u);
    EXPECT_EQ(beeprecorder().tones[0].frequency, 800);
    EXPECT_EQ(beeprecorder().tones[1].frequency, 1200);
    EXPECT_EQ(beeprecorder().tones[2].frequency, 1600);
    ASSERT_EQ(messageboxhook().calls.size(), 1u);
    EXPECT_NE(messageboxhook().calls[0].text.find("BRAVO"), std::string::npos);
    peintettraite();
    EXPECT_EQ(messageboxhook().calls.size(), 1u) << "once";
    page.retourafixe();
    boutondefaire.clear();
}

TEST_F(GameWindow, TheCellLabelShowsTheLineAndColumnUnderTheMouse) {
    int x = 0, y = 0;
    centrecase(1, x, y);
    WindProc(hwndmainwin, msg_mousemove, 0, pointparam(static_cast<std::int16_t>(x), static_cast<std::int16_t>(y)));
    gstring attendu;
    grilleram[0].ecricalignouv(attendu, 1, 1, " ");
    const auto *label = qobject_cast<QLabel *>(windowwidget(hbtlicolo));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text().toStdString(), attendu.adr());
    EXPECT_EQ(attendu.adr()[0], 'L');
    WindProc(hwndmainwin, msg_mousemove, 0, pointparam(2, 2));
    EXPECT_TRUE(label->text().isEmpty());
}

namespace {

// The bounding box of the pixels of one colour in a part of the client area.
QRect encadre(const QImage &image, const QRect &zone, colour couleur) {
    QRect box;
    for (int y = zone.top(); y <= zone.bottom(); ++y)
        for (int x = zone.left(); x <= zone.right(); ++x)
            if (pixel(image, x, y) == couleur)
                box |= QRect(x, y, 1, 1);
    return box;
}

} // namespace

TEST_F(GameWindow, ColumnTextsAndPickerDigitsAreDrawnInTheNarrowFont) {
    constexpr colour bleu = rgb(0, 0, 255);
    nombreclic(4);
    paintnow(hwndmainwin);
    const QImage image = peinture();
    const QRect version = encadre(image, QRect(xboutaxe - 25, versy, 50, 20 - versy), bleu);
    ASSERT_FALSE(version.isEmpty());
    EXPECT_LE(version.width(), 26) << "five pixels a character";
    EXPECT_FALSE(encadre(image, QRect(xboutaxe - 20, bt3y, 40, 10), bleu).isEmpty()) << "the selected number";
    const QRect quatre = encadre(image, QRect(xboutaxe - 30, boutritop, 60, 60), rgb(255, 0, 255));
    ASSERT_FALSE(quatre.isEmpty());
    EXPECT_LE(quatre.width(), 6) << "the picker's 4";
}
