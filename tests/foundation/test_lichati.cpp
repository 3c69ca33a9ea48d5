#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "foundation/lichati.h"

namespace {

std::vector<std::string> entries(const lichati& c) {
    std::vector<std::string> out;
    for (std::int16_t k = 1; c.adr(k); ++k) out.emplace_back(c.adr(k));
    return out;
}

lichati chain(std::initializer_list<const char*> texts) {
    lichati c;
    for (const char* t : texts) c.padd(t);
    return c;
}

using V = std::vector<std::string>;

} // namespace

TEST(Lichati, AdrOutsideTheChainGivesNoText) {
    lichati c = chain({"a", "b"});
    EXPECT_EQ(c.adr(0), nullptr);
    EXPECT_EQ(c.adr(-1), nullptr);
    EXPECT_EQ(c.adr(3), nullptr);
    EXPECT_STREQ(c.adr(2), "b");
    gstring s("x");
    s.set(c.adr(3));
    EXPECT_TRUE(s.isempty());
    EXPECT_EQ(c.effectif(), 2);
}

TEST(Lichati, PinsertPutsEqualEntriesBeforeTheirTwins) {
    lichati c;
    for (const char* t : {"b", "A", "a", "B:AB", "BC:AF"}) c.pinsert(t);
    EXPECT_EQ(entries(c), (V{"a", "A", "b", "B:AB", "BC:AF"}));
    EXPECT_EQ(c.pinsertone("b"), 0);
    EXPECT_EQ(c.pinsertone(":"), 1);
    EXPECT_STREQ(c.adr(1), ":");
}

TEST(Lichati, TrialphaReversesTwinsAndTrikilldoublesKeepsOne) {
    lichati c = chain({"x", "b", "X", "a"});
    c.trialpha();
    EXPECT_EQ(entries(c), (V{"a", "b", "X", "x"}));
    lichati d = chain({"x", "X", "x"});
    d.trikilldoubles();
    EXPECT_EQ(d.effectif(), 1);
}

TEST(Lichati, SearchesAreFolded) {
    lichati c = chain({"C:AB", "  topx=3", "top=1"});
    EXPECT_EQ(c.trouvexact("c:ab"), 1);
    EXPECT_EQ(c.trouvexact("c:a"), 0);
    EXPECT_EQ(c.trouvedeb("TOPX"), 2);
    EXPECT_EQ(c.trouvedeb("top="), 3);
    EXPECT_EQ(c.trouvedeb("top=12"), 0);
    c.paddone("C:ab");
    EXPECT_EQ(c.effectif(), 3);
}

TEST(Lichati, MovesBetweenChainsAndToText) {
    lichati a = chain({"A", "B"});
    lichati b = chain({"z"});
    a.moveitemto(b, 0);
    a.moveitemto(b, 3);
    EXPECT_EQ(entries(a), (V{"A", "B"}));
    EXPECT_EQ(entries(b), (V{"z"}));
    a.moveitemto(b, 1);
    EXPECT_EQ(entries(a), (V{"B"}));
    EXPECT_EQ(entries(b), (V{"z", "A"}));

    b.mergekeep(a);
    EXPECT_EQ(entries(b), (V{"z", "A", "B"}));
    EXPECT_EQ(entries(a), (V{"B"}));
    a.mergeclean(b);
    EXPECT_EQ(entries(a), (V{"B", "z", "A", "B"}));
    EXPECT_TRUE(b.isempty());

    gstring text;
    lichati two = chain({"A", "B"});
    two.movetogstring(text);
    EXPECT_STREQ(text.adr(), "A,B,");
    EXPECT_TRUE(two.isempty());
    gstring item;
    item.depilefrom(text);
    EXPECT_STREQ(item.adr(), "A");
    item.depilefrom(text);
    EXPECT_STREQ(item.adr(), "B");
    EXPECT_TRUE(text.isempty());
}

TEST(Lichati, PopKillModif) {
    lichati c = chain({"a", "b", "c"});
    gstring t;
    c.gpopto(t);
    EXPECT_STREQ(t.adr(), "a");
    c.kill(5);
    c.kill(0);
    c.modif(9, "q");
    EXPECT_EQ(entries(c), (V{"b", "c"}));
    c.modif(2, "C2");
    c.kill(1);
    EXPECT_EQ(entries(c), (V{"C2"}));
    c.clear();
    c.gpopto(t);
    EXPECT_TRUE(t.isempty());
}

class LichatiFile : public ::testing::Test {
protected:
    std::filesystem::path path = std::filesystem::temp_directory_path() /
                                 ("tiko_lichati_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
    void write(const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }
    void TearDown() override { std::filesystem::remove(path); }
};

TEST_F(LichatiFile, ReadsEveryLineEndingAndSkipsEmptyLines) {
    for (const char* end : {"\r\n", "\n", "\r"}) {
        const std::string e(end);
        write("a" + e + e + "b   " + e + "c");
        lichati c;
        c.addfromfilebkill(path.c_str());
        EXPECT_EQ(entries(c), (V{"a", "b", "c"})) << "line end " << e.size();
    }
}

TEST_F(LichatiFile, MissingFileLeavesTheChainAndWriteRoundTrips) {
    lichati c = chain({"keep"});
    c.addfromfilebkill((path.string() + ".absent").c_str());
    EXPECT_EQ(entries(c), (V{"keep"}));

    lichati out = chain({"x=1", "y"});
    ASSERT_TRUE(out.copycreafile(path.c_str()));
    std::ifstream in(path, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(bytes, "x=1\r\ny\r\n");
    EXPECT_FALSE(out.copycreafile((path.string() + "/no/such/folder").c_str()));
}

TEST_F(LichatiFile, JunkAndHugeLinesAreReadSafely) {
    std::string junk;
    for (int i = 0; i < 256; ++i) junk += static_cast<char>(i);
    write(junk + std::string(40000, 'z') + "\n");
    lichati c;
    c.addfromfilebkill(path.c_str());
    ASSERT_GE(c.effectif(), 1);
    for (std::int16_t k = 1; c.adr(k); ++k) EXPECT_LE(std::string(c.adr(k)).size(), std::size_t(gstring::maxlen));
}
