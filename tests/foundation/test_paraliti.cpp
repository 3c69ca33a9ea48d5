#include <gtest/gtest.h>

#include "foundation/paraliti.h"
#include "foundation/shortabunedim.h"

TEST(Paraliti, SetparamInsertsInOrderAndUpdatesInPlace) {
    paraliti p;
    p.setparam("top", "12");
    p.setparam("left", "5");
    EXPECT_STREQ(p.lines.adr(1), "left=5");
    EXPECT_STREQ(p.lines.adr(2), "top=12");
    p.setparam("TOP", "7");
    EXPECT_STREQ(p.lines.adr(2), "TOP=7");
    EXPECT_EQ(p.lines.effectif(), 2);
}

TEST(Paraliti, NamesMatchOnlyWithTheirEqualsSign) {
    paraliti p;
    p.lines.padd("topx=3");
    EXPECT_EQ(p.xipara("top"), 0);
    gstring v("junk");
    EXPECT_EQ(p.getparam(v, "top"), 0);
    EXPECT_TRUE(v.isempty());
}

TEST(Paraliti, ValuesSkipBlanksAndReadIntegers) {
    paraliti p;
    p.lines.padd("  gri=  4");
    p.lines.padd("neg=-15,2");
    p.lines.padd("word=abc");
    gstring v;
    EXPECT_EQ(p.getparam(v, "gri"), 1);
    EXPECT_STREQ(v.adr(), "4");
    EXPECT_EQ(p.getival("GRI"), 4);
    EXPECT_EQ(p.getival("neg"), -15);
    EXPECT_EQ(p.getival("word"), 0);
    EXPECT_EQ(p.getival("absent"), 0);
}

TEST(Paraliti, AddivalCreatesThenIncrements) {
    paraliti p;
    p.addival("n", 5);
    EXPECT_STREQ(p.lines.adr(1), "n=5");
    p.incremival("n");
    EXPECT_STREQ(p.lines.adr(1), "n=6");
}

TEST(Paraliti, GetdeuxSplitsAtTheFirstEquals) {
    paraliti p;
    p.lines.padd("A:AB=4,100");
    p.lines.padd("header");
    gstring name, value;
    p.getdeux(name, value, 1);
    EXPECT_STREQ(name.adr(), "A:AB");
    EXPECT_STREQ(value.adr(), "4,100");
    p.getdeux(name, value, 2);
    EXPECT_TRUE(name.isempty());
    EXPECT_TRUE(value.isempty());
    name.set("x");
    p.getdeux(name, value, 7);
    EXPECT_TRUE(name.isempty());
}

TEST(Shortabunedim, AddoneFillsInOrderWithoutRepeats) {
    std::int16_t slots[12];
    for (auto& s : slots) s = -1;
    shortruc.setraztab(12, slots);
    for (std::int16_t v : {5, 9, 5, 3, 0}) shortruc.addone(v);
    const std::int16_t expected[12] = {5, 9, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    for (int i = 0; i < 12; ++i) EXPECT_EQ(slots[i], expected[i]) << i;

    std::int16_t full[2] = {1, 2};
    shortruc.setontab(2, full);
    shortruc.addone(7);
    EXPECT_EQ(full[0], 1);
    EXPECT_EQ(full[1], 2);
}

TEST(Shortabunedim, SetontabByBoundsClearsExactlyThoseSlots) {
    std::int16_t a[4] = {1, 1, 1, 1};
    shortabunedim v;
    v.setontab(0, 2, a);
    EXPECT_EQ(v.count, 3);
    v.raz();
    EXPECT_EQ(a[2], 0);
    EXPECT_EQ(a[3], 1);
}
