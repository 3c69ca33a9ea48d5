#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lattice/clatichemin.h"

namespace {

std::vector<int> countsof(const char *path) {
    clatichemin c;
    c.setchemin(path);
    return std::vector<int>(c.counts, c.counts + 6);
}

std::string full(const char *path) {
    clatichemin c;
    gstring out;
    c.setchemin(path);
    c.givedecompacte(out);
    return out.adr();
}

std::string compact(const char *path) {
    clatichemin c;
    gstring out;
    c.setchemin(path);
    c.givecompacte(out);
    return out.adr();
}

using V = std::vector<int>;

} // namespace

TEST(PathParse, GrammarTable) {
    struct Case {
        const char *path;
        V counts;
    } cases[] = {
        {"", {0, 0, 0, 0, 0, 0}},      {"A9A3", {12, 0, 0, 0, 0, 0}}, {"A1", {1, 0, 0, 0, 0, 0}},
        {"A0B", {1, 0, 0, 0, 0, 0}},                                // "0" ends the path
        {"AB:AF", {1, 1, 0, 0, 0, 0}},                              // ":" ends the path
        {"F2E3D", {0, 0, 0, 1, 3, 2}}, {"3AB", {1, 1, 0, 0, 0, 0}}, // a digit with no letter before it counts
                                                                    // for nothing
        {"ab2", {1, 2, 0, 0, 0, 0}},                                // lower case reads as upper case
        {"AGB", {1, 0, 0, 0, 0, 0}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(countsof(c.path), c.counts) << c.path;
}

TEST(PathParse, NullTextIsTheOrigin) {
    EXPECT_EQ(countsof(nullptr), V(6, 0));
}

TEST(PathParse, StepCountsSaturateInsteadOfWrapping) {
    std::string huge;
    for (int i = 0; i < 5000; ++i)
        huge += "A9";
    EXPECT_EQ(countsof(huge.c_str())[0], 32767);
}

TEST(PathNormalise, CanonicalFormsTable) {
    struct Case {
        const char *path;
        const char *full;
        const char *compact;
    } cases[] = {
        {"DA", "", ""},
        {"BE", "", ""},
        {"CF", "", ""},
        {"ACE", "", ""},
        {"AC", "B", "B"},
        {"AAAABBBDD", "AABBB", "A2B3"},
        {"A9A3", "AAAAAAAAAAAA", "A9A3"},
        {"FA", "AF", "AF"},
        {"EC", "D", "D"},
        {"FB", "A", "A"},
        {"BDF", "", ""},
        {"C2E", "CD", "CD"},
        {"A3C3", "BBB", "B3"},
        {"ABCDEF", "", ""},
        {"F5A2D", "AFFFFF", "AF5"},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(full(c.path), c.full) << c.path;
        EXPECT_EQ(compact(c.path), c.compact) << c.path;
    }
}

TEST(PathNormalise, FormsAlternateAndReuseTheText) {
    clatichemin c;
    gstring out;
    c.setchemin("A3B2C");
    c.givecompacte(out);
    EXPECT_STREQ(out.adr(), "A2B3");
    EXPECT_TRUE(c.compactready);
    EXPECT_FALSE(c.fullready);
    c.givedecompacte(out);
    EXPECT_STREQ(out.adr(), "AABBB");
    EXPECT_STREQ(c.text.adr(), "AABBB");
    EXPECT_FALSE(c.compactready);
    c.setchemin("D");
    EXPECT_TRUE(c.text.isempty());
    EXPECT_FALSE(c.normalised || c.fullready || c.compactready);
}

TEST(PathNormalise, HugeCountsCancelAtOnce) {
    clatichemin c;
    c.counts[0] = 32767;
    c.counts[3] = 32766;
    c.counts[1] = 32767;
    c.counts[5] = 32767;
    c.bonchemin();
    // F and B merge into A, which then lies beyond 16 bits and is held at the largest count.
    EXPECT_EQ(std::vector<int>(c.counts, c.counts + 6), (V{32767, 0, 0, 0, 0, 0}));
    std::string longest;
    for (int i = 0; i < 2700; ++i)
        longest += "A9C9E9";
    EXPECT_EQ(full(longest.c_str()), "");
    EXPECT_EQ(compact((longest + "B").c_str()), "B");
}

TEST(PathNormalise, OverlongFormsAreCutAtTheirRoom) {
    clatichemin c;
    gstring out;
    c.setchemin("A9A9B9B9C");
    c.givecompacte(out);
    EXPECT_STREQ(out.adr(), "A9A8B9B9B");
    std::string many;
    for (int i = 0; i < 20; ++i)
        many += "A9";
    c.setchemin(many.c_str());
    c.givecompacte(out);
    EXPECT_STREQ(out.adr(), "A9A9A9A9A9A9A9"); // whole chunks only: 14 bytes
    c.givedecompacte(out);
    EXPECT_EQ(std::string(out.adr()), std::string(80, 'A'));
    c.setchemin("A9A9A9A9A9A9A9A");
    c.givecompacte(out);
    EXPECT_STREQ(out.adr(), "A9A9A9A9A9A9A9A"); // exactly 15 bytes still fits
}
