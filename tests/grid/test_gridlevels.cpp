#include <gtest/gtest.h>

#include "grid/levelcodes.h"
#include "tests/grid/gridfixture.h"

namespace {
// One hexagon surrounded by six: the best-connected hexagon touches six others.
constexpr std::initializer_list<const char *> compacte = {"X", "XA", "XB", "XC", "XD", "XE", "XF"};

// Builds the grid, then asks for a level as the shell does once the givens are in place.
void auniveau(clagritiko &g, std::initializer_list<const char *> lines, std::int16_t level) {
    charge(g, lines);
    g.bonsniveaux(level);
    g.fautappliquerniveau();
}
} // namespace

TEST(LevelCodes, ConversionsAndText) {
    const std::int16_t codes[] = {75, 75, 80, 85, 90, 95, 100, 120, 75};
    for (std::int16_t level = 0; level <= 8; ++level)
        EXPECT_EQ(sixtocent(level), codes[level]);
    EXPECT_EQ(centosix(95), 5);
    EXPECT_EQ(centosix(120), 7);
    EXPECT_EQ(centosix(99), 1);
    gstring t;
    texteniv(t, 0);
    EXPECT_STREQ(t.adr(), "x");
    texteniv(t, 7);
    EXPECT_STREQ(t.adr(), "7");
}

TEST(Levels, CompactAndLooseGrids) {
    struct cas {
        bool compact;
        std::int16_t asked, effective, threshold, offset;
    };
    const cas table[] = {
        {true, 4, 4, 90, 0},   {true, 1, 1, 75, 0},  {false, 4, 6, 100, 3},
        {false, 5, 6, 100, 3}, {false, 2, 5, 95, 3},
    };
    for (const cas &c : table) {
        clagritiko g;
        if (c.compact) {
            auniveau(g, compacte, c.asked);
        } else {
            auniveau(g, {"X", "XA"}, c.asked);
        }
        EXPECT_EQ(g.declassement, c.offset);
        EXPECT_EQ(g.niveaueffectif, c.effective) << c.asked;
        EXPECT_EQ(g.niveauaffiche, c.asked);
        EXPECT_EQ(g.niveaucalcule, c.threshold);
        gstring shown;
        g.libniveaubis(shown, 11, nullptr);
        EXPECT_EQ(shown.adr(), std::to_string(c.asked));
    }
}

TEST(Levels, LevelSevenPresentAndAbsent) {
    clagritiko present;
    auniveau(present, {"X", "WPK%100", "DWQK%120"}, 7);
    EXPECT_EQ(present.niveaucalcule, 120);
    EXPECT_EQ(present.niveauaffiche, 7);
    EXPECT_EQ(present.getcaseval(present.numerodelacase("D:AB")), 2);
    EXPECT_EQ(present.getcaseval(present.numerodelacase(":AB")), 0);

    clagritiko absent;
    auniveau(absent, {"X", "WPK%120", "DWQK%120"}, 7);
    EXPECT_EQ(absent.niveaueffectif, 6);
    EXPECT_EQ(absent.niveaucalcule, 100);
    EXPECT_EQ(absent.tabcases[absent.numerodelacase(":AB")].nivdef, 100);
    EXPECT_EQ(absent.fixenivoulu(120), 100);

    clagritiko avant;
    EXPECT_FALSE(avant.yaniveausept());
}

TEST(Levels, AGivenIsShownUpToItsCode) {
    const std::int16_t shown[] = {1, 1, 1, 1, 1, 0, 0};
    for (std::int16_t level = 1; level <= 7; ++level) {
        clagritiko g;
        std::initializer_list<const char *> lines = {"X",  "XA", "XB",     "XC",       "XD",
                                                     "XE", "XF", "WPK%95", "DWQK%100", "AWRK%120"};
        auniveau(g, lines, level);
        EXPECT_EQ(g.casenonvide(g.numerodelacase(":AB")), shown[level - 1] != 0) << level;
        EXPECT_EQ(g.casestfixe(g.numerodelacase(":AB")), shown[level - 1] != 0) << level;
    }
}

TEST(Levels, UnsetWishIsLevelSixAndApplyingTwiceChangesNothing) {
    clagritiko g;
    charge(g, {"X", "XA", "WPK%100", "AWQK%90"});
    g.niveauvoulu = 0;
    g.nivajour = false;
    EXPECT_TRUE(g.yaleuboniveau());
    EXPECT_EQ(g.niveaueffectif, 6);
    EXPECT_EQ(g.niveaucalcule, 100);
    g.setcaseval(4, 5);
    g.fautappliquerniveau();
    EXPECT_EQ(g.getcaseval(4), 5);
    g.appliquerniveau();
    EXPECT_EQ(g.getcaseval(4), 0);
    EXPECT_EQ(g.getcaseval(1), 1);
    EXPECT_EQ(g.niveauapplique, 100);
}
