#include <gtest/gtest.h>

#include <string>

#include "foundation/gstring.h"
#include "foundation/texttools.h"

TEST(Gstring, SetAndCatJoinTextsAndTreatNullAsEmpty) {
    gstring s;
    EXPECT_TRUE(s.isempty());
    s.set("ab", nullptr, "cd");
    EXPECT_STREQ(s.adr(), "abcd");
    s.cat("-", "e");
    EXPECT_STREQ(s.adr(), "abcd-e");
    s.set(s.adr(), s.adr()); // its own text as argument
    EXPECT_STREQ(s.adr(), "abcd-eabcd-e");
    s.set(nullptr);
    EXPECT_TRUE(s.isempty());
}

TEST(Gstring, SetmangeTakesTheHeadOfTheSource) {
    gstring source(std::string(60, 'a').append(40, 'b').c_str());
    gstring head;
    head.setmange(source, 60);
    EXPECT_EQ(head.len(), 60);
    EXPECT_EQ(std::string(source.adr()), std::string(40, 'b'));

    head.set("x");
    head.setmange(source, 0);
    EXPECT_TRUE(head.isempty());
    EXPECT_EQ(source.len(), 40);

    head.setmange(source, 1000);
    EXPECT_EQ(head.len(), 40);
    EXPECT_TRUE(source.isempty());
}

TEST(Gstring, Setxdiese) {
    gstring s;
    s.setxdiese("# of #", 3, 12);
    EXPECT_STREQ(s.adr(), "3 of 12");
    s.setxdiese("n=#", -7);
    EXPECT_STREQ(s.adr(), "n=-7");
    s.setxdiese("none", 5);
    EXPECT_STREQ(s.adr(), "none");
}

TEST(Gstring, SetrepetAndPadding) {
    gstring s;
    s.setrepet(3, "ab");
    EXPECT_STREQ(s.adr(), "ababab");
    s.setrepet(-1, "ab");
    EXPECT_TRUE(s.isempty());
    s.set("ab");
    s.padding(5);
    EXPECT_STREQ(s.adr(), "ab   ");
    s.padding(2);
    EXPECT_STREQ(s.adr(), "ab   ");
}

TEST(Gstring, DepilefromTakesTrimmedCommaItems) {
    gstring source("a, b,c,");
    gstring item;
    const char* expected[] = {"a", "b", "c"};
    for (const char* e : expected) {
        item.depilefrom(source);
        EXPECT_STREQ(item.adr(), e);
    }
    EXPECT_TRUE(source.isempty());
    item.depilefrom(source);
    EXPECT_TRUE(item.isempty());

    source.set("  x y  ");
    item.depilufrom(source);
    EXPECT_STREQ(item.adr(), "X Y");
    EXPECT_TRUE(source.isempty());
}

TEST(Gstring, ReplaceIsFoldedAndNeverRescansInsertedText) {
    gstring s("aa");
    s.replaceall("a", "ab");
    EXPECT_STREQ(s.adr(), "abab");
    s.set("xAyAz");
    s.replaceone("a", "-");
    EXPECT_STREQ(s.adr(), "x-yAz");
    s.replaceall("", "q");
    EXPECT_STREQ(s.adr(), "x-yAz");
    s.set("aaa");
    s.replaceall("A", "");
    EXPECT_TRUE(s.isempty());
}

TEST(Gstring, UqualFoldsOnlyAsciiLetters) {
    gstring s("c:ab");
    EXPECT_TRUE(s.uqual("C:AB"));
    EXPECT_FALSE(s.uqual("C:AB "));
    gstring accented("\xE9");                // small e acute
    EXPECT_FALSE(accented.uqual("\xC9"));   // capital E acute is another byte
}

TEST(Gstring, OverlongResultsAreCutAtTheLimit) {
    gstring s;
    s.setrepet(20000, "ab");
    EXPECT_EQ(s.len(), gstring::maxlen);
    s.cat("more");
    EXPECT_EQ(s.len(), gstring::maxlen);
}

TEST(Gstring, CopiesAndMovesOwnTheirText) {
    gstring a("one");
    gstring b(a);
    b.cat("!");
    EXPECT_STREQ(a.adr(), "one");
    gstring c(std::move(b));
    EXPECT_STREQ(c.adr(), "one!");
    EXPECT_TRUE(b.isempty());
}

TEST(TextTools, DebuliDebuteFinli) {
    gstring t("X A2");
    EXPECT_TRUE(debuli(t.adr(), "x"));
    EXPECT_TRUE(debute(t, "x"));
    EXPECT_STREQ(t.adr(), "A2");

    t.set("AX");
    EXPECT_FALSE(debute(t, "X"));
    EXPECT_STREQ(t.adr(), "AX");
    EXPECT_FALSE(debute(t, ""));

    EXPECT_TRUE(debuli("  abc", "AB"));
    EXPECT_FALSE(debuli("a", "ab"));
    EXPECT_TRUE(finli("B:cd", ":CD"));
    EXPECT_FALSE(finli("B:cd", ""));
    EXPECT_FALSE(finli("d", ":CD"));
}

TEST(TextTools, DepilintReadsCommaItems) {
    gstring t("12, -5,x");
    EXPECT_EQ(depilint(t), 12);
    EXPECT_EQ(depilint(t), -5);
    EXPECT_EQ(depilint(t), 0);
    EXPECT_TRUE(t.isempty());
    t.set("7abc");
    EXPECT_EQ(depilint(t), 7);
    EXPECT_EQ(readinteger("4294967297"), 1); // overlong numbers wrap instead of overflowing
    EXPECT_EQ(readinteger("-"), 0);
}

TEST(TextTools, ViWritesDecimal) {
    EXPECT_STREQ(vi(0).adr(), "0");
    EXPECT_STREQ(vi(-32768).adr(), "-32768");
    EXPECT_STREQ(vi(123456).adr(), "123456");
}
