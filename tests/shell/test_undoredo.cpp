#include "shellfixture.h"

#include "shell/rulesparking.h"
#include "shell/undoredo.h"

#include <string>

namespace {

std::string histoire() {
    std::string s;
    for (std::int16_t k = 1; k <= boutondefaire.effectif(); ++k)
        s += std::string(boutondefaire.liste.adr(k)) + " ";
    return s + "@" + std::to_string(boutondefaire.niveau);
}

// Writes or erases a value as the play input does, recording the action.
void pose(std::int16_t value, std::int16_t cell) {
    grilleram[0].setcaseval(cell, value);
    memorisaction(1, value, cell);
}
void efface(std::int16_t cell) {
    const std::int16_t value = grilleram[0].getcaseval(cell);
    grilleram[0].setcaseval(cell, 0);
    memorisaction(0, value, cell);
}

} // namespace

TEST(Defairefaire, StepsMovesAndCopies) {
    defairefaire h;
    h.ajoute("1,1");
    h.ajoute("2,2");
    h.ajoute("3,3");
    gstring out;
    h.retire(out);
    EXPECT_STREQ(out.adr(), "3,3");
    h.retire(out);
    h.avance(out);
    EXPECT_STREQ(out.adr(), "2,2");
    EXPECT_TRUE(h.peutavancer());
    h.ajoute("4,4");
    EXPECT_EQ(h.effectif(), 3);
    EXPECT_FALSE(h.peutavancer());

    lichati parked;
    parked.padd("old");
    h.retire(out);
    EXPECT_EQ(h.moveto(parked), 2);
    EXPECT_TRUE(h.liste.isempty());
    EXPECT_STREQ(parked.adr(1), "1,1");
    EXPECT_EQ(parked.effectif(), 3);
    h.setfrom(9, parked);
    EXPECT_EQ(h.niveau, 3);
    EXPECT_EQ(parked.effectif(), 3);
    h.setfrom(-4, parked);
    EXPECT_EQ(h.niveau, 0);
    h.retire(out);
    EXPECT_TRUE(out.isempty());

    h.viredeux();
    h.viredeux();
    h.viredeux();
    EXPECT_EQ(h.effectif(), 0);
    h.avance(out);
    EXPECT_TRUE(out.isempty());
}

using UndoRedo = ShellTest;

TEST_F(UndoRedo, PlacementAndItsErasureCancel) {
    pose(3, 5);
    efface(5);
    EXPECT_EQ(histoire(), "@0");
    EXPECT_FALSE(boutondefaire.peutreculer());
}

TEST_F(UndoRedo, NewActionDropsWhatCouldBeRedone) {
    pose(3, 6);
    pose(5, 2);
    refaitaction(0);
    pose(4, 1);
    EXPECT_EQ(histoire(), "3,6 4,1 @2");
    EXPECT_FALSE(boutondefaire.peutavancer());
}

TEST_F(UndoRedo, OldErasureIsCompactedWithItsPlacements) {
    pose(3, 6);
    pose(1, 4);
    pose(2, 5);
    efface(6);
    EXPECT_EQ(histoire(), "3,6 1,4 2,5 /3,6 @4");
    pose(4, 1);
    pose(5, 2);
    EXPECT_EQ(histoire(), "3,6 1,4 2,5 /3,6 4,1 5,2 @6");
    pose(6, 3);
    EXPECT_EQ(histoire(), "1,4 2,5 4,1 5,2 6,3 @5");
    while (boutondefaire.peutreculer()) {
        refaitaction(0);
        EXPECT_NE(grilleram[0].getcaseval(6), 3);
    }
    for (std::int16_t i = 1; i <= 6; ++i)
        EXPECT_EQ(grilleram[0].getcaseval(i), 0) << i;
}

TEST_F(UndoRedo, UndoAndRedoOfBothKindsAndTheLowBeep) {
    pose(2, 1);
    pose(6, 3);
    pose(4, 2);
    efface(1);
    refaitaction(0);
    EXPECT_EQ(grilleram[0].getcaseval(1), 2);
    refaitaction(1);
    EXPECT_EQ(grilleram[0].getcaseval(1), 0);
    refaitaction(0);
    refaitaction(0);
    EXPECT_EQ(grilleram[0].getcaseval(2), 0);
    refaitaction(1);
    EXPECT_EQ(grilleram[0].getcaseval(2), 4);
    EXPECT_TRUE(beeprecorder().tones.empty());

    refaitaction(1);
    refaitaction(1);
    ASSERT_EQ(beeprecorder().tones.size(), 1u);
    EXPECT_EQ(beeprecorder().tones[0].frequency, 200);
    EXPECT_EQ(beeprecorder().tones[0].milliseconds, 50);
    while (boutondefaire.peutreculer())
        refaitaction(0);
    refaitaction(0);
    EXPECT_EQ(beeprecorder().tones.size(), 2u);
}

TEST_F(UndoRedo, RulesPagesParkAndRestoreValuesHistoryAndTime) {
    pose(1, 1);
    pose(2, 2);
    pose(3, 3);
    refaitaction(0);
    chronometrer(1);
    stepticks(5000);
    const std::string before = histoire();

    garerjeu();
    EXPECT_TRUE(boutondefaire.liste.isempty());
    setmode(5);
    EXPECT_EQ(grillactu, 1);
    stepticks(60000);
    // Leaving reloads the grid, which empties it and its history.
    remplir(0);
    boutondefaire.clear();
    reprendrejeu();

    EXPECT_EQ(mode, 4);
    EXPECT_EQ(grillactu, 0);
    EXPECT_EQ(histoire(), before);
    EXPECT_EQ(grilleram[0].getcaseval(1), 1);
    EXPECT_EQ(grilleram[0].getcaseval(2), 2);
    EXPECT_EQ(grilleram[0].getcaseval(3), 0);
    refaitaction(1);
    EXPECT_EQ(grilleram[0].getcaseval(3), 3);
    stepticks(2000);
    EXPECT_EQ(resolutime[1].getsec(), 7);
}

TEST_F(UndoRedo, OpeningTheRulesPagesAgainKeepsWhatWasParked) {
    pose(1, 1);
    pose(2, 2);
    refaitaction(0);
    const std::string before = histoire();
    garerjeu();
    setmode(5);
    garerjeu();
    boutondefaire.clear();
    reprendrejeu();
    EXPECT_EQ(histoire(), before);
}

TEST_F(UndoRedo, LeavingTheRulesPagesWithoutAGrid) {
    pose(1, 1);
    grillenjeu = 0;
    garerjeu();
    setmode(5);
    reprendrejeu();
    EXPECT_EQ(mode, 1);
    EXPECT_TRUE(boutondefaire.liste.isempty());
}
