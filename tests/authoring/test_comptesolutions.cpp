#include <gtest/gtest.h>

#include <string>

#include "tests/grid/gridfixture.h"
#include "tools/authoring/comptesolutions.h"

TEST(SolutionCount, SmallGridsUpToTwo) {
    struct cas {
        std::initializer_list<const char *> lines;
        std::int16_t solutions;
    };
    const cas table[] = {
        {{}, 1},
        {{"X", "WPK%100", "CVQK%100", "DWRK%100", "DVSK%100", "EWTK%100"}, 1},
        {{"X", "WPK%100", "DWQK%100"}, 2},
        {{"X", "WPK%100", "DWPK%100"}, 0},
        // Hidden below the threshold: the clash does not count.
        {{"X", "WPK%100", "DWPK%90"}, 2},
    };
    for (const cas &c : table) {
        clagritiko g;
        charge(g, c.lines);
        g.ajustepossicase();
        EXPECT_EQ(comptesolutions(g, 2), c.solutions) << g.nbcases;
    }
}

TEST(SolutionCount, LargeGridWithFewGivensIsDecided) {
    clagritiko g;
    lichati def;
    for (int i = 0; i < 11; ++i) {
        for (int j = 0; j < 11; ++j)
            def.padd(("X" + std::string(static_cast<std::size_t>(i), 'A') +
                      std::string(static_cast<std::size_t>(j), 'B'))
                         .c_str());
    }
    def.padd("WPK%100");
    def.padd("A5B5WQK%100");
    globinitticalcul();
    g.setfromgrivecdef(def);
    g.debutdaffichagrille();
    ASSERT_GT(g.nbcases, 280);
    EXPECT_EQ(comptesolutions(g, 2), 2);
    EXPECT_EQ(comptesolutions(g, 1), 1);
    EXPECT_EQ(g.getcaseval(2), 0);
}
