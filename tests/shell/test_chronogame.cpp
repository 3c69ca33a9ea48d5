#include <gtest/gtest.h>

#include "platform/messagebox.h"
#include "platform/ticks.h"
#include "shell/chronometre.h"
#include "shell/shellstate.h"
#include "tests/shell/gamedriver.h"

#include <QLabel>

#include <string>

namespace {

std::string affiche() {
    const auto *label = qobject_cast<QLabel *>(windowwidget(hbtchrono));
    return label != nullptr ? label->text().toStdString() : "no static";
}

// The chronometer of the real game, on ticks that move only when a test steps them; every box
// costs ten seconds of reading.
class ChronoGame : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { setsteppedticks(1000); }

    void SetUp() override {
        ASSERT_TRUE(jeuaffiche("tikochrono"));
        paintnow(hwndmainwin);
        repondre(answer_no);
        messageboxhook().calls.clear();
    }
    void TearDown() override { messageboxhook().answer = nullptr; }

    static void repondre(short answer) {
        messageboxhook().answer = [answer](const boxcall &) {
            stepticks(10000);
            return answer;
        };
    }
    static std::int32_t temps(std::int16_t grid) { return resolutime[grid].getsec(); }
};

} // namespace

// Runs first, while the time of grid 1 has not moved since the game loaded it.
TEST_F(ChronoGame, TheStaticShowsTheTimeFromTheFirstTick) {
    ASSERT_NE(hbtchrono, nullptr);
    WindProc(hwndmainwin, msg_timer, 1, 0);
    EXPECT_EQ(affiche(), "   0s");
}

TEST_F(ChronoGame, NoTimeCountsOverTheRulesPagesEvenAfterABoxThere) {
    const std::int32_t avant = temps(grillenjeu);
    commande(23);
    ASSERT_EQ(mode, 5);
    stepticks(5000);
    WindProc(hwndmainwin, msg_close, 0, 0);
    EXPECT_EQ(messageboxhook().calls.size(), 1u);
    stepticks(5000);
    EXPECT_EQ(temps(grillenjeu), avant);
    commande(22);
    ASSERT_EQ(mode, 4);
    stepticks(3000);
    EXPECT_EQ(temps(grillenjeu), avant + 3);
}

TEST_F(ChronoGame, BoxesOfEveryCommandAddNoReadingTime) {
    const std::int32_t avant = temps(grillenjeu);
    WindProc(hwndmainwin, msg_close, 0, 0);
    commande(12);
    commande(26);
    commande(28);
    commande(30);
    commande(35);
    commande(35);
    EXPECT_EQ(messageboxhook().calls.size(), 7u);
    EXPECT_EQ(temps(grillenjeu), avant);
    stepticks(2000);
    EXPECT_EQ(temps(grillenjeu), avant + 2);
}

TEST_F(ChronoGame, AnotherGridAndBackResumesWhereItStopped) {
    repondre(answer_yes);
    commande(33);
    stepticks(4000);
    const std::int32_t un = temps(1);
    commande(30);
    paintnow(hwndmainwin);
    stepticks(6000);
    EXPECT_EQ(temps(1), un);
    EXPECT_EQ(temps(2), 6);
    commande(33);
    paintnow(hwndmainwin);
    stepticks(1000);
    EXPECT_EQ(temps(1), un + 1);
    EXPECT_EQ(temps(2), 6);
}

// A solved grid keeps its time over the rules pages, also once saved, left and loaded again
// complete; "F" starts it anew.
TEST_F(ChronoGame, ASolvedGridsTimeStaysFrozen) {
    ASSERT_EQ(grillenjeu, 1);
    // Saved unsolved first: leaving the rules pages reloads that state before giving back the
    // solved one.
    repondre(answer_yes);
    commande(28);
    repondre(answer_no);
    const std::int32_t avant = temps(1);
    stepticks(3000);
    ASSERT_TRUE(placeladerniere());
    peintettraite();
    const std::int32_t fige = temps(1);
    EXPECT_EQ(fige, avant + 3);
    WindProc(hwndmainwin, msg_timer, 1, 0);
    const std::string texte = affiche();
    stepticks(5000);
    commande(23);
    commande(22);
    peintettraite();
    ASSERT_TRUE(grilleram[0].cestfini());
    stepticks(5000);
    EXPECT_EQ(temps(1), fige) << "back from the rules pages";
    repondre(answer_yes);
    commande(28);
    commande(30);
    paintnow(hwndmainwin);
    commande(33);
    peintettraite();
    ASSERT_TRUE(grilleram[0].cestfini());
    stepticks(5000);
    WindProc(hwndmainwin, msg_timer, 1, 0);
    EXPECT_EQ(temps(1), fige);
    EXPECT_EQ(affiche(), texte);

    commande(26);
    EXPECT_EQ(temps(1), 0);
    stepticks(2000);
    EXPECT_EQ(temps(1), 2);
}
