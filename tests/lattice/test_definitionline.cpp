#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lattice/clagridefiligne.h"
#include "lattice/lignesdef.h"

namespace {

struct Reading {
    bool hexa;
    std::string hexname;
    bool cell;
    std::string cellname;
    int value;
    int level;
    bool operator==(const Reading &) const = default;
};

std::ostream &operator<<(std::ostream &os, const Reading &r) {
    return os << "hexa " << r.hexa << " '" << r.hexname << "' cell " << r.cell << " '" << r.cellname
              << "' value " << r.value << " level " << r.level;
}

Reading read(const char *line) {
    clagridefiligne d;
    d.setfromlignecond(line);
    gstring hex, cell;
    d.givelitihex(hex);
    d.giveliticase(cell);
    return {d.hexa, hex.adr(), d.cellule, cell.adr(), d.valeur, d.niveau};
}

std::vector<std::string> lines(const char *stored) {
    lichati c;
    givelignesdef(stored, c);
    std::vector<std::string> out;
    for (std::int16_t k = 1; c.adr(k); ++k)
        out.emplace_back(c.adr(k));
    return out;
}

using S = std::vector<std::string>;

} // namespace

TEST(DefinitionLine, GrammarTable) {
    struct Case {
        const char *line;
        Reading expected;
    } cases[] = {
        {"XA2B", {true, "AAB", false, "", 0, 0}},
        {"A2BWPK%100", {false, "", true, "AAB:AB", 1, 100}},
        {"XBVUJ", {true, "B", true, "B:AF", 6, 0}},
        {"C2:AF", {false, "", true, "CC:AF", 0, 0}},
        {"X", {true, "", false, "", 0, 0}},
        {"WPK", {false, "", true, ":AB", 1, 0}},
        {"xa2bwpk%100", {true, "AAB", true, "AAB:AB", 1, 100}},
        {"X A2", {true, "AA", false, "", 0, 0}},
        {"A2BW", {false, "", true, "AAB:AB", 0, 0}},
        {"A0BWPK", {false, "", true, "A:AB", 1, 0}},
        {"BA:AF", {false, "", true, "AB:AF", 0, 0}},
        {"A2BWPK%-5", {false, "", true, "AAB:AB", 1, -5}},
        {"A2BWPK%", {false, "", true, "AAB:AB", 1, 0}},
        {"AWJK", {false, "", true, "A:AB", 1, 0}},
        {"AWOK", {false, "", true, "A:AB", 6, 0}},
        {"AWZK%100", {false, "", true, "A:AB", 0, 100}}, // any other value letter is no number
        {"AW PK % 120 , rest", {false, "", true, "A:AB", 1, 120}},
        {"AWP", {false, "", true, "A:AB", 1, 0}},     // no state letter
        {"AWP%100", {false, "", true, "A:AB", 1, 0}}, // "%" taken as the state letter
        {"AWPK%99999", {false, "", true, "A:AB", 1, 32767}},
        {" AWPK", {false, "", false, "", 0, 0}}, // a leading space hides the path
        {"A:AC", {false, "", false, "", 0, 0}},
        {"3AVQ", {false, "", true, "A:AF", 2, 0}}, // a digit before any letter counts nothing
        {"", {false, "", false, "", 0, 0}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(read(c.line), c.expected) << c.line;
}

TEST(DefinitionLine, ReadingAgainStartsClean) {
    clagridefiligne d;
    d.setfromlignecond("XAWPK%100");
    d.setfromlignecond("B");
    EXPECT_FALSE(d.hexa || d.cellule || d.typeab);
    EXPECT_EQ(d.valeur, 0);
    EXPECT_EQ(d.niveau, 0);
    EXPECT_STREQ(d.textechemin.adr(), "B");
    d.setfromlignecond(nullptr);
    EXPECT_TRUE(d.textechemin.isempty());
}

TEST(DefinitionLine, NamesLeaveTheFullFormInThePathText) {
    clagridefiligne d;
    d.setfromlignecond("XA3C2VQK");
    EXPECT_STREQ(d.textechemin.adr(), "A3C2");
    gstring name;
    d.giveliticase(name);
    EXPECT_STREQ(name.adr(), "ABB:AF");
    EXPECT_STREQ(d.textechemin.adr(), "ABB");
}

TEST(DefinitionLine, OverlongPathsAreReadSafely) {
    std::string line = "X";
    for (int i = 0; i < 3000; ++i)
        line += "A9F9";
    line += "WPK";
    clagridefiligne d;
    d.setfromlignecond(line.c_str());
    gstring hex, cell;
    d.givelitihex(hex);
    d.giveliticase(cell);
    EXPECT_EQ(std::string(hex.adr()), std::string(80, 'A'));
    EXPECT_EQ(std::string(cell.adr()), std::string(80, 'A') + ":AB");
    EXPECT_EQ(d.valeur, 1);
}

TEST(StoredGrid, LevelSuffixesAndNotes) {
    struct Case {
        const char *stored;
        S lines;
    } cases[] = {
        {"XA,%100,AWPK,%0,BWQJ,#note", {"XA", "AWPK%100", "BWQJ"}},
        {"AWPK,%100,BVQK,CWRJ", {"AWPK", "BVQK%100", "CWRJ%100"}},
        {" XA , %120 , AWPK ,", {"XA", "AWPK%120"}},
        {"%100,%85,AWPK,#%0,BWQJ", {"AWPK%85", "BWQJ%85"}},
        {"AWPK,,BWQJ", {"AWPK", "BWQJ"}},
        {"%1234567890123456789,AWPK", {"AWPK%12345678901234"}},
        {"", {}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(lines(c.stored), c.lines) << c.stored;
}

TEST(StoredGrid, ReplacesWhatTheChainHeld) {
    lichati c;
    c.padd("old");
    givelignesdef("XA", c);
    EXPECT_EQ(c.effectif(), 1);
    EXPECT_STREQ(c.adr(1), "XA");
    givelignesdef(nullptr, c);
    EXPECT_TRUE(c.isempty());
}
