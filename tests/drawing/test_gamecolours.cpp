#include <gtest/gtest.h>

#include "drawing/gamecolours.h"
#include "drawing/gridview.h"

namespace {
bool enjeu = false;
etatvue vue() {
    etatvue v;
    v.mainone = enjeu;
    return v;
}
} // namespace

TEST(GameColours, PlayColoursAfterAModeChange) {
    lireetatvue = vue;
    enjeu = true;
    jeucouleurs();
    EXPECT_EQ(cjeutourcase, rgb(0, 0, 0)) << "the start-up set ends with a black border";
    bonnesdemocouleurs();
    EXPECT_EQ(griscontour, rgb(0, 0, 255));
    EXPECT_EQ(cjeutourcase, rgb(0, 0, 255));
    EXPECT_EQ(grisinterne, rgb(153, 153, 255));
    EXPECT_EQ(grisfondcase, rgb(255, 255, 153));
    EXPECT_EQ(grischiffrefixe, rgb(0, 0, 0));
    EXPECT_EQ(grischiffrejoue, rgb(255, 0, 255));
    EXPECT_EQ(cjeucapossible, rgb(153, 255, 153));
    EXPECT_EQ(grisvingt, rgb(204, 204, 204));
    EXPECT_EQ(fuchsia, rgb(255, 0, 156));
    EXPECT_EQ(coulfondecase(0, 3, rgb(1, 2, 3)), rgb(1, 2, 3));
}

TEST(GameColours, GreysWhenNoGridIsPlayed) {
    lireetatvue = vue;
    enjeu = false;
    jeucouleurs();
    bonnesdemocouleurs();
    EXPECT_EQ(grisfondcase, rgb(255, 255, 153)) << "the start-up set makes the cells light yellow";
    grisoubleu();
    EXPECT_EQ(grisfondcase, rgb(255, 255, 255));
    EXPECT_EQ(griscontour, grisquatvingt);
    EXPECT_EQ(cjeutourcase, grisquatvingt);
    lireetatvue = nullptr;
}
