#include <gtest/gtest.h>

#include <string>

#include "drawing/devices.h"
#include "platform/drawcontext.h"
#include "shell/decryptiko.h"
#include "shell/rulesoverlay.h"
#include "shell/rulespages.h"
#include "shell/shellstate.h"
#include "tests/platform/offscreenapp.h"

// Made by the resource compiler with the pictures.
int qInitResources_rulespictures();
int qCleanupResources_rulespictures();

namespace {
constexpr colour blanc = rgb(255, 255, 255);
constexpr colour cyan = rgb(0, 255, 255);

bool sombre(colour c) {
    return redof(c) + greenof(c) + blueof(c) < 3 * 100;
}

// The main window's device drawing into a white 800 x 600 surface, at a resolution and base
// origin of its own, as a grid in play would leave it.
class RulesPages : public ::testing::Test {
  protected:
    dchandle dc = 0;
    gdihandle bitmap = 0;

    void SetUp() override {
        startoffscreen();
        dc = creatememdc();
        bitmap = createbitmap(fenetreglewid, fenetreglehgt);
        selectobject(dc, bitmap);
        blanchir();
    }
    void TearDown() override {
        fenecrout.dc = 0;
        deletedc(dc);
        deleteobject(bitmap);
        globish = 0;
    }

    // A white surface under a window device in French, as a grid in play leaves it.
    void blanchir() {
        const gdihandle pen = selectobject(dc, createpen(1, blanc));
        const gdihandle brush = selectobject(dc, createsolidbrush(blanc));
        rectangle(dc, 0, 0, fenetreglewid, fenetreglehgt);
        deleteobject(selectobject(dc, pen));
        deleteobject(selectobject(dc, brush));
        fenecrout.clear();
        fenecrout.dc = dc;
        fenecrout.setdpi(96, 96);
        fenecrout.setfeuillepix(fenetreglewid, fenetreglehgt);
        fenecrout.setpagepix(fenetreglewid, fenetreglehgt);
        fenecrout.centrex = 123;
        fenecrout.centrey = 45;
        fenecrout.setlocal(0, 0);
        globish = 0;
    }

    colour at(std::int16_t x, std::int16_t y) const { return bitmappixel(bitmap, x, y); }
    int sombres(std::int16_t x1, std::int16_t y1, std::int16_t x2, std::int16_t y2) const {
        int n = 0;
        for (std::int16_t y = y1; y < y2; ++y)
            for (std::int16_t x = x1; x < x2; ++x)
                n += sombre(at(x, y)) ? 1 : 0;
        return n;
    }
    int autresque(colour c) const {
        int n = 0;
        for (std::int16_t y = 0; y < fenetreglehgt; y += 7)
            for (std::int16_t x = 0; x < fenetreglewid; x += 7)
                n += at(x, y) != c ? 1 : 0;
        return n;
    }
};

TEST_F(RulesPages, EveryPageWritesItsNumberInTheUpperRightCornerInBothLanguages) {
    for (char langue : {0, 1}) {
        for (std::int16_t page = 1; page <= 9; ++page) {
            blanchir();
            globish = langue;
            pagereglaffi(page);
            // 95 mm right of and 70 mm above the centre at 100 dpi: about (774, 25).
            EXPECT_GT(sombres(760, 10, 790, 42), 20) << "page " << page << " language " << int(langue);
            EXPECT_EQ(sombres(700, 10, 740, 42), 0) << "page " << page;
        }
    }
}

TEST_F(RulesPages, PagesOutsideTheBookDrawNothing) {
    reglepafin = 4;
    for (std::int16_t page : {0, 10, -1, 32767}) {
        pagereglaffi(page);
        pageregledef(page);
        EXPECT_EQ(autresque(blanc), 0) << page;
    }
    EXPECT_EQ(reglepafin, 9);
}

TEST_F(RulesPages, PictureStretchedOverTheAreaAndKept) {
    pagereg2.clear();
    pagereglaffi(2);
    ASSERT_TRUE(pagereg2.charge);
    EXPECT_EQ(pagereg2.largeur, 2364);
    EXPECT_EQ(pagereg2.hauteur, 1771);
    // The picture's light grey page shows in the bottom right corner and its cyan band at the top.
    EXPECT_EQ(at(790, 590), rgb(229, 229, 229));
    EXPECT_EQ(at(400, 5), cyan);
    const gdihandle kept = pagereg2.bitmap;
    pagereglaffi(2);
    EXPECT_EQ(pagereg2.bitmap, kept);
}

TEST_F(RulesPages, MissingPictureLeavesTheCyanBackgroundUnderTheTexts) {
    pagereg5.clear();
    qCleanupResources_rulespictures();
    pagereglaffi(5);
    qInitResources_rulespictures();
    EXPECT_FALSE(pagereg5.charge);
    EXPECT_EQ(at(790, 590), cyan);
    EXPECT_EQ(at(5, 300), cyan);
    // The lines of the right half and the title are there all the same.
    EXPECT_GT(sombres(420, 100, 790, 500), 500);
    EXPECT_GT(sombres(200, 0, 700, 60), 100);
}

TEST_F(RulesPages, WindowDeviceGivenBackAfterAPage) {
    pagereglaffi(3);
    EXPECT_EQ(fenecrout.dpix, 96);
    EXPECT_EQ(fenecrout.dpiy, 96);
    EXPECT_EQ(fenecrout.centrex, 123);
    EXPECT_EQ(fenecrout.centrey, 45);
    EXPECT_EQ(fenecrout.localx, 123);
    EXPECT_EQ(fenecrout.localy, 45);
    EXPECT_EQ(pdevactu, &fenecrout);
}

TEST_F(RulesPages, LanguagesWriteDifferentTexts) {
    pagereglaffi(4);
    std::string francais;
    for (std::int16_t y = 100; y < 500; y += 3)
        for (std::int16_t x = 420; x < 790; x += 3)
            francais += sombre(at(x, y)) ? '1' : '0';
    globish = 1;
    pagereglaffi(4);
    std::string anglais;
    for (std::int16_t y = 100; y < 500; y += 3)
        for (std::int16_t x = 420; x < 790; x += 3)
            anglais += sombre(at(x, y)) ? '1' : '0';
    EXPECT_NE(francais, anglais);
}

TEST(RulesOverlay, EveryTextLineHasItsTextInBothLanguages) {
    // Text lines and font changes of each page.
    const int lignes[10] = {0, 4, 18, 16, 15, 11, 19, 19, 19, 18};
    for (std::int16_t page = 1; page <= 9; ++page) {
        const overlayregle *overlay = overlaypage(page);
        ASSERT_NE(overlay, nullptr);
        int textes = 0;
        int polices = 0;
        int deposees = 0;
        for (std::int16_t i = 0; i < overlay->nombre; ++i) {
            const elementregle &e = overlay->elements[i];
            textes += e.sorte == sorteregle::texte ? 1 : 0;
            polices += e.sorte == sorteregle::police ? 1 : 0;
            deposees += e.sorte == sorteregle::deposee ? 1 : 0;
            if (e.sorte == sorteregle::police) {
                EXPECT_GT(std::string(decryptiko(storedtext(policesregles(), e.police))).size(), 0u);
            }
        }
        EXPECT_EQ(textes, lignes[page]) << page;
        EXPECT_EQ(deposees, 1) << page;
        EXPECT_GE(polices, 2) << page;
        EXPECT_LE(polices, 3) << page;
        for (const storedlist *liste : {overlay->textesfr, overlay->textesen}) {
            ASSERT_EQ(liste->count, textes) << page;
            for (std::int16_t k = 0; k < liste->count; ++k) {
                const std::string texte = decryptiko(storedtext(*liste, k));
                EXPECT_GT(texte.size(), 0u) << page << " " << k;
                EXPECT_LE(texte.size(), 151u) << page << " " << k;
            }
        }
    }
    EXPECT_EQ(overlaypage(0), nullptr);
    EXPECT_EQ(overlaypage(10), nullptr);
}

TEST(RulesTurning, PagesTurnWithinTheFirstAndLastPages) {
    reglepadeb = 1;
    reglepafin = 9;
    reglepage = 1;
    pagereglepreced();
    EXPECT_EQ(reglepage, 1);
    for (int k = 0; k < 8; ++k)
        pagereglesuivante();
    EXPECT_EQ(reglepage, 9);
    mgridraw = 0;
    pagereglesuivante();
    EXPECT_EQ(reglepage, 9);
    EXPECT_EQ(mgridraw, 1) << "a repaint is asked all the same";
    for (int k = 0; k < 8; ++k)
        pagereglepreced();
    EXPECT_EQ(reglepage, 1);
    reglepage = 40;
    pagereglepreced();
    EXPECT_EQ(reglepage, 9) << "a page beyond the book comes back into it";
}
} // namespace
