#include <cmath>
#include <limits>

#include "lattice/clatichemin.h"

std::int16_t floatopix(float v) {
    if (std::isnan(v))
        return 0;
    const float r = std::round(v);
    if (r >= static_cast<float>(std::numeric_limits<std::int16_t>::max()))
        return std::numeric_limits<std::int16_t>::max();
    if (r <= static_cast<float>(std::numeric_limits<std::int16_t>::min()))
        return std::numeric_limits<std::int16_t>::min();
    return static_cast<std::int16_t>(r);
}

std::int16_t modulosix(std::int16_t n) {
    const int m = n % 6;
    return static_cast<std::int16_t>(m < 0 ? m + 6 : m);
}

namespace {
// Sums and differences of vectors wrap in 16 bits, as every pixel offset does.
std::int16_t wrap16(int v) {
    return static_cast<std::int16_t>(v);
}
} // namespace

clatidirections::clatidirections() {
    calcupix();
}

void clatidirections::settaille(std::int16_t size) {
    taille = size;
    calcupix();
}

void clatidirections::setangle(std::int16_t degrees) {
    angle = degrees;
    calcupix();
}

void clatidirections::settaillangle(std::int16_t size, std::int16_t degrees) {
    taille = size;
    angle = degrees;
    calcupix();
}

std::int16_t clatidirections::reulatx(std::int16_t direction) const {
    return x[modulosix(direction)];
}

std::int16_t clatidirections::reulaty(std::int16_t direction) const {
    return y[modulosix(direction)];
}

std::int16_t clatidirections::relatcentx(std::int16_t kind) const {
    return (kind == 0 || kind == 1) ? centrex[kind] : 0;
}

std::int16_t clatidirections::relatcenty(std::int16_t kind) const {
    return (kind == 0 || kind == 1) ? centrey[kind] : 0;
}

void clatidirections::calcupix() {
    // The largest odd size cannot be raised within 16 bits; it is lowered to the nearest even size instead.
    if (taille % 2 != 0)
        taille = (taille == std::numeric_limits<std::int16_t>::max()) ? static_cast<std::int16_t>(taille - 1)
                                                                      : static_cast<std::int16_t>(taille + 1);
    constexpr float twopi = 6.28318530717958647692f;
    const float theta = static_cast<float>(angle) / 360.0f * twopi;
    const float theta2 = static_cast<float>(angle + 60) / 360.0f * twopi;
    const float size = static_cast<float>(taille);
    x[0] = floatopix(std::cos(theta) * size);
    y[0] = floatopix(std::sin(theta) * size);
    x[1] = floatopix(std::cos(theta2) * size);
    y[1] = floatopix(std::sin(theta2) * size);
    x[2] = wrap16(x[1] - x[0]);
    y[2] = wrap16(y[1] - y[0]);
    for (int i = 0; i < 3; ++i) {
        x[i + 3] = wrap16(-x[i]);
        y[i + 3] = wrap16(-y[i]);
    }
    centrex[0] = wrap16((x[0] + x[5]) / 3);
    centrey[0] = wrap16((y[0] + y[5]) / 3);
    centrex[1] = wrap16((x[0] + x[1]) / 3);
    centrey[1] = wrap16((y[0] + y[1]) / 3);
}
