#include "drawing/cladevout.h"

#include "drawing/drawingobjects.h"
#include "lattice/clatichemin.h"
#include "lattice/sysangle.h"

#include <cmath>
#include <vector>

void cladevout::setgeocrayonpix(std::int16_t width, colour c) {
    moncrayon.set(dc, createpen(width, c));
}

void cladevout::setgeocrayonmilli(float widthmm, colour c) {
    setgeocrayonpix(ammxtopix(widthmm), c);
}

void cladevout::setcreabrosse(colour c) {
    mabrosse.set(dc, createsolidbrush(c));
}

void cladevout::transpabrosse() {
    mabrosse.set(dc, stock_hollowbrush);
}

void cladevout::atrasegpur(std::int16_t x1, std::int16_t y1, std::int16_t x2, std::int16_t y2) {
    line(dc, static_cast<std::int16_t>(localx + x1), static_cast<std::int16_t>(localy - y1),
         static_cast<std::int16_t>(localx + x2), static_cast<std::int16_t>(localy - y2));
}

void cladevout::devepolygopix(std::int16_t x, std::int16_t y, const dcpoint *points, std::int16_t n) {
    if (points == nullptr || n <= 0)
        return;
    std::vector<dcpoint> placed(static_cast<std::size_t>(n));
    for (std::int16_t k = 0; k < n; ++k) {
        placed[k].x = static_cast<std::int16_t>(localx + x + points[k].x);
        placed[k].y = static_cast<std::int16_t>(localy - (y + points[k].y));
    }
    polygon(dc, placed.data(), n);
}

void cladevout::devellipsepix(std::int16_t x, std::int16_t y, std::int16_t rx, std::int16_t ry) {
    const int cx = localx + x;
    const int cy = localy - y;
    ellipse(dc, static_cast<std::int16_t>(cx - rx), static_cast<std::int16_t>(cy - ry),
            static_cast<std::int16_t>(cx + rx), static_cast<std::int16_t>(cy + ry));
}

void cladevout::devecerclepix(std::int16_t x, std::int16_t y, std::int16_t r) {
    devellipsepix(x, y, r, r);
}

void cladevout::deverectanpix(std::int16_t x, std::int16_t y, float angle, std::int16_t w, std::int16_t h) {
    const auto hw = static_cast<std::int16_t>(w / 2);
    const auto hh = static_cast<std::int16_t>(h / 2);
    dcpoint corners[5] = {{static_cast<std::int16_t>(-hw), static_cast<std::int16_t>(-hh)},
                          {hw, static_cast<std::int16_t>(-hh)},
                          {hw, hh},
                          {static_cast<std::int16_t>(-hw), hh},
                          {static_cast<std::int16_t>(-hw), static_cast<std::int16_t>(-hh)}};
    incliner(angle, corners, 5);
    devepolygopix(x, y, corners, 5);
}

void cladevout::devehexagopix(std::int16_t x, std::int16_t y, std::int16_t angle, std::int16_t size) {
    // The corners are direction steps; the directions raise an odd size to the next even one.
    clatidirections directions;
    directions.settaillangle(size, angle);
    dcpoint corners[7];
    for (std::int16_t k = 0; k < 6; ++k)
        corners[k] = {directions.x[k], directions.y[k]};
    corners[6] = corners[0];
    devepolygopix(x, y, corners, 7);
}

void cladevout::incliner(float angle, dcpoint *points, std::int16_t n) const {
    if (points == nullptr)
        return;
    sysangle turn;
    turn.setadeg(angle);
    for (std::int16_t k = 0; k < n; ++k) {
        turn.setxy(points[k].x, points[k].y);
        points[k] = {turn.getx(), turn.gety()};
    }
}

void cladevout::ecripixlo(std::int16_t x, std::int16_t y, const char *text, std::int16_t centred) {
    mapolice.setcentrage(centred);
    mapolice.printpix(static_cast<std::int16_t>(localx + x), static_cast<std::int16_t>(localy - y), text);
}

void cladevout::ecrimm(float xmm, float ymm, const char *text, std::int16_t centred) {
    ecripixlo(ammxtopix(xmm), ammytopix(ymm), text, centred);
}

void cladevout::deveregistredmmbon(float xmm, float ymm, float sizemm) {
    const std::int16_t h = ammxtopix(2 * sizemm);
    mapolice.createbis(h, static_cast<std::int16_t>(h / 3), 0, 0, 0, "Times New Roman");
    mapolice.useon(dc);
    ecrimm(std::trunc(xmm), std::trunc(ymm), "\xAE", 1);
    mapolice.enduse();
}
