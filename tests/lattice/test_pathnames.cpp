#include <gtest/gtest.h>

#include <string>

#include "lattice/clatichemin.h"

namespace {

std::string cellname(const char *name) {
    gstring out;
    chemieuxcasedec(out, name);
    return out.adr();
}

std::string edgename(const char *name) {
    gstring out;
    chemieuxsegdec(out, name);
    return out.adr();
}

} // namespace

TEST(CellNames, NormalisationTable) {
    struct Case {
        const char *name;
        const char *canonical;
    } cases[] = {
        {"E:BC", "D:AF"},  {"F:EF", "EF:AB"},    {":FA", ":AF"},     {"B:CB", "BC:AF"}, {"ACE", ""},
        {":BA", ":AB"},    {"A2B:AB", "AAB:AB"}, {"BA:AF", "AB:AF"}, {"AC:AF", "B:AF"}, {"AE:AB", "F:AB"},
        {"C:DC", "CD:AB"}, {"E:ED", "DE:AF"},    {"A:ef", "F:AB"}, // suffixes compare folded
        {"A:AC", "A:AC"},                                          // not a cell: the suffix stays
        {"", ""},          {"D:", "D:"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(cellname(c.name), c.canonical) << c.name;
}

TEST(CellNames, HexagonAroundAIsSixCells) {
    const char *raw[] = {"A:AB", "AC:AF", "AD:AB", "AD:AF", "AE:AB", "A:AF"};
    const char *expected[] = {"A:AB", "B:AF", ":AB", ":AF", "F:AB", "A:AF"};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(cellname(raw[i]), expected[i]) << raw[i];
}

TEST(EdgeNames, NormalisationTable) {
    struct Case {
        const char *name;
        const char *canonical;
    } cases[] = {
        {":E", "E:B"},      {"AB:D", "B:A"}, {"C:F", ":C"},  {"A2:A", "AA:A"},
        {"B:AAA", "B:AAA"}, {"ACE:b", ":b"}, {"B:d", "C:A"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(edgename(c.name), c.canonical) << c.name;
}

TEST(Names, SuffixStepsAlone) {
    gstring out;
    normafincase(out, "E:CB");
    EXPECT_STREQ(out.adr(), "EC:AF");
    normafinseg(out, "AB:D");
    EXPECT_STREQ(out.adr(), "ABD:A");
}

TEST(Names, TargetMayHoldTheName) {
    gstring s("A2E:CB");
    chemieuxcasedec(s, s.adr());
    EXPECT_STREQ(s.adr(), "A:AF");
    s.set("AAD:F");
    chemieuxseg('D', s, s.adr());
    EXPECT_STREQ(s.adr(), "AF:C");
}
