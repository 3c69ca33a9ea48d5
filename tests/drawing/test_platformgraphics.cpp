#include "platform/cursors.h"
#include "platform/drawcontext.h"
#include "platform/regions.h"
#include "platform/window.h"
#include "platform/windowobject.h"
#include "tests/platform/offscreenapp.h"

#include <gtest/gtest.h>

#include <QBitmap>
#include <QCursor>
#include <QGuiApplication>
#include <QImage>
#include <QWidget>

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <string>
#include <unistd.h>

namespace {

TEST(regions, boxesExcludeTheirRightAndBottomEdges) {
    const QRegion box = rectregion(10, 10, 20, 20);
    EXPECT_TRUE(inregion(box, 10, 10));
    EXPECT_TRUE(inregion(box, 19, 19));
    EXPECT_FALSE(inregion(box, 20, 15));
    const QRegion round = ellipseregion(0, 0, 40, 40);
    EXPECT_TRUE(inregion(round, 20, 20));
    EXPECT_FALSE(inregion(round, 2, 2));
}

TEST(regions, polygonsUseAlternateFillAndCombine) {
    // A five-pointed star: its middle is enclosed twice and stays out.
    const dcpoint star[] = {{50, 0}, {79, 90}, {2, 35}, {98, 35}, {21, 90}};
    const QRegion shape = polygonregion(star, 5);
    EXPECT_FALSE(inregion(shape, 50, 50));
    EXPECT_TRUE(inregion(shape, 50, 10));
    EXPECT_TRUE(polygonregion(star, 2).isEmpty());
    const QRegion both = rectregion(0, 0, 10, 10).united(rectregion(20, 0, 30, 10));
    EXPECT_TRUE(inregion(both, 25, 5));
    EXPECT_FALSE(inregion(both, 15, 5));
    EXPECT_TRUE(inregion(both.intersected(rectregion(5, 5, 25, 25)), 22, 7));
    EXPECT_FALSE(inregion(both.intersected(rectregion(5, 5, 25, 25)), 2, 7));
}

TEST(drawcontext, aDeletedContextOrObjectIsHarmless) {
    startoffscreen();
    const dchandle dc = creatememdc();
    const gdihandle bitmap = createbitmap(10, 10);
    selectobject(dc, bitmap);
    // The bitmap goes while selected; the context keeps drawing on its own surface.
    EXPECT_TRUE(deleteobject(bitmap));
    rectangle(dc, 0, 0, 10, 10);
    deletedc(dc);
    rectangle(dc, 0, 0, 10, 10);
    EXPECT_EQ(selectobject(dc, stock_blackpen), 0u);
    EXPECT_EQ(devicecaps(dc, cap_logpixelsx), 0);
    EXPECT_FALSE(deleteobject(stock_whitebrush));
    EXPECT_EQ(createbitmap(0, 5), 0u);
    EXPECT_EQ(createbitmap(32767, 32767), 0u);
    std::int16_t w = 1;
    std::int16_t h = 1;
    EXPECT_FALSE(bitmapsize(bitmap, w, h));
    EXPECT_EQ(w, 0);
}

TEST(drawcontext, copiesClipToTheSourceAndMayOverlapThemselves) {
    startoffscreen();
    const dchandle dc = creatememdc();
    const gdihandle bitmap = createbitmap(20, 20);
    selectobject(dc, bitmap);
    selectobject(dc, stock_whitebrush);
    rectangle(dc, 0, 0, 10, 10);
    EXPECT_TRUE(bitblt(dc, 5, 5, 10, 10, dc, 0, 0));
    EXPECT_EQ(bitmappixel(bitmap, 14, 14), rgb(0, 0, 0));
    EXPECT_EQ(bitmappixel(bitmap, 7, 7), rgb(255, 255, 255));
    EXPECT_FALSE(bitblt(dc, 0, 0, 5, 5, dc, 40, 40));
    // Hanging over the source's edge: only the part inside arrives.
    const dchandle small = creatememdc();
    EXPECT_TRUE(bitblt(dc, 0, 0, 20, 20, small, 0, 0));
    EXPECT_EQ(bitmappixel(bitmap, 7, 7), rgb(255, 255, 255));
    deletedc(small);
    EXPECT_FALSE(stretchblt(dc, 0, 0, 5, 5, dc, 0, 0, 0, 5));
    deletedc(dc);
    deleteobject(bitmap);
}

TEST(drawcontext, textExtentGrowsWithTheFontAndEmptyTextHasNoWidth) {
    startoffscreen();
    const dchandle dc = creatememdc();
    const gdihandle small = createfont(12, 0, 0, false, 400, "Arial");
    const gdihandle large = createfont(36, 0, 0, false, 700, "Arial");
    std::int16_t w1 = 0, h1 = 0, w2 = 0, h2 = 0, w3 = 1, h3 = 0;
    selectobject(dc, small);
    textextent(dc, "TIKO", w1, h1);
    selectobject(dc, large);
    textextent(dc, "TIKO", w2, h2);
    textextent(dc, "", w3, h3);
    EXPECT_GT(w2, w1);
    EXPECT_GT(h2, h1);
    EXPECT_EQ(w3, 0);
    deletedc(dc);
    deleteobject(small);
    deleteobject(large);
}

} // namespace

namespace {

long paintred(winhandle window, unsigned message, wparam w, lparam l) {
    if (message != msg_paint)
        return defwinproc(window, message, w, l);
    const dchandle dc = beginpaintdc(window);
    const gdihandle red = createsolidbrush(rgb(255, 0, 0));
    selectobject(dc, red);
    rectangle(dc, 10, 10, 30, 30);
    deletedc(dc);
    deleteobject(red);
    return 0;
}

TEST(drawcontext, aPaintContextDrawsOnTheClientArea) {
    startoffscreen();
    ASSERT_TRUE(registerwinclass("GRAPHICSTEST", paintred, rgb(255, 255, 255)));
    const winhandle window = createwin("GRAPHICSTEST", "", style_popup, 0, 0, 60, 60);
    ASSERT_NE(window, nullptr);
    const QImage shot = clientwidget(window)->grab().toImage();
    EXPECT_EQ(shot.pixelColor(20, 20), QColor(255, 0, 0));
    EXPECT_EQ(shot.pixelColor(10, 10), QColor(0, 0, 0));
    EXPECT_EQ(beginpaintdc(nullptr), 0u);
    destroywin(window);
}

} // namespace

namespace {

TEST(gdiobjects, pngPicturesLoadWithTheirSizeAndPixels) {
    startoffscreen();
    const dchandle dc = creatememdc();
    const gdihandle bitmap = createbitmap(7, 5);
    selectobject(dc, bitmap);
    const gdihandle pen = createpen(1, rgb(10, 200, 30));
    selectobject(dc, pen);
    line(dc, 0, 2, 7, 2);
    const std::string file = "/tmp/tiko-drawing-" + std::to_string(getpid()) + ".png";
    const char *path = file.c_str();
    ASSERT_TRUE(savebitmappng(bitmap, path));
    const gdihandle loaded = loadbitmapfile(path);
    std::int16_t w = 0;
    std::int16_t h = 0;
    ASSERT_TRUE(bitmapsize(loaded, w, h));
    EXPECT_EQ(w, 7);
    EXPECT_EQ(h, 5);
    EXPECT_EQ(bitmappixel(loaded, 3, 2), rgb(10, 200, 30));
    EXPECT_EQ(bitmappixel(loaded, 3, 3), rgb(0, 0, 0));
    EXPECT_EQ(bitmappixel(loaded, 7, 2), 0u);
    EXPECT_EQ(loadbitmapfile("/nonexistent/picture.png"), 0u);
    std::remove(path);
    deletedc(dc);
    deleteobject(bitmap);
    deleteobject(pen);
    deleteobject(loaded);
}

TEST(cursors, drawnCursorsShowBlackWhiteAndTransparentPixelsAsTheirMasksSay) {
    startoffscreen();
    // Row 0: black, white, transparent, inverted in the first four pixels; the rest transparent.
    std::uint8_t andmask[cursorshape::masksize];
    std::uint8_t xormask[cursorshape::masksize] = {};
    std::fill(std::begin(andmask), std::end(andmask), 0xFF);
    andmask[0] = 0x3F;
    xormask[0] = 0x50;
    const cursorhandle cursor = createcursor(0, 0, andmask, xormask);
    setcursor(cursor);
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    const QImage bits = QGuiApplication::overrideCursor()->bitmap().toImage();
    const QImage mask = QGuiApplication::overrideCursor()->mask().toImage();
    // Qt's cursor bitmap is black where set (color1) and its mask opaque where set.
    const auto set = [](const QImage &image, int x) { return qGray(image.pixel(x, 0)) < 128; };
    EXPECT_TRUE(set(bits, 0) && set(mask, 0));
    EXPECT_TRUE(!set(bits, 1) && set(mask, 1));
    EXPECT_TRUE(!set(bits, 2) && !set(mask, 2));
    EXPECT_TRUE(set(bits, 3) && !set(mask, 3));
    EXPECT_FALSE(set(mask, 20));
    destroycursor(cursor);
}

} // namespace
