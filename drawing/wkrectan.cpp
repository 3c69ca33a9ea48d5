#include "drawing/wkrectan.h"

#include <utility>

wkrectan::wkrectan(std::int16_t ordered) : ordonne(ordered > 0) {}

void wkrectan::setcarre(std::int16_t side) {
    xb = yb = static_cast<std::int16_t>(side / 2);
    xa = ya = static_cast<std::int16_t>(-xb);
}

void wkrectan::ordonner() {
    if (xb < xa)
        std::swap(xa, xb);
    if (yb < ya)
        std::swap(ya, yb);
}

void wkrectan::setxyaxyb(std::int16_t a, std::int16_t b, std::int16_t c, std::int16_t d) {
    xa = a;
    ya = b;
    xb = c;
    yb = d;
    if (ordonne)
        ordonner();
}

void wkrectan::setxwid(std::int16_t x, std::int16_t y, std::int16_t w, std::int16_t h) {
    setxyaxyb(x, y, static_cast<std::int16_t>(x + w), static_cast<std::int16_t>(y + h));
}

void wkrectan::shift(std::int16_t dx, std::int16_t dy) {
    xa = static_cast<std::int16_t>(xa + dx);
    xb = static_cast<std::int16_t>(xb + dx);
    ya = static_cast<std::int16_t>(ya + dy);
    yb = static_cast<std::int16_t>(yb + dy);
}
