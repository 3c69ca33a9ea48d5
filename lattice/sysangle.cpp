#include "lattice/sysangle.h"

#include <cmath>
#include <limits>

namespace {
constexpr float pi = 3.14159265358979323846f;

// Truncates toward zero into 16 bits; values beyond the range stop at its ends, NaN gives 0.
std::int16_t truncate16(float v) {
    if (std::isnan(v))
        return 0;
    if (v >= static_cast<float>(std::numeric_limits<std::int16_t>::max()))
        return std::numeric_limits<std::int16_t>::max();
    if (v <= static_cast<float>(std::numeric_limits<std::int16_t>::min()))
        return std::numeric_limits<std::int16_t>::min();
    return static_cast<std::int16_t>(v);
}
} // namespace

void sysangle::clear() {
    degres = 0.0f;
    radians = 0.0f;
    droit = false;
    quart = 0;
}

void sysangle::setadeg(float degrees) {
    degres = degrees;
    radians = degrees * pi / 180.0f;
    droit = false;
    quart = 0;
    const float shifted = degrees + 0.25f;
    // Angles too large to truncate into an integer cannot be told apart from their neighbours anyway.
    if (!(std::fabs(shifted) < 1.0e9f))
        return;
    const long whole = static_cast<long>(shifted) % 360;
    const long wrapped = whole < 0 ? whole + 360 : whole;
    if (wrapped % 90 == 0) {
        droit = true;
        quart = static_cast<std::int16_t>(wrapped);
    }
}

void sysangle::setadix(std::int16_t tenths) {
    // A new angle in tenths never takes the shortcut, so an earlier right angle must not linger.
    degres = static_cast<float>(tenths) / 10.0f;
    radians = degres * pi / 180.0f;
    droit = false;
    quart = 0;
}

void sysangle::setxy(float vx, float vy) {
    x = vx;
    y = vy;
}

float sysangle::getxf() const {
    if (droit) {
        switch (quart) {
        case 90:
            return -y;
        case 180:
            return -x;
        case 270:
            return y;
        default:
            return x;
        }
    }
    const double a = radians;
    return static_cast<float>(static_cast<double>(x) * std::cos(a) - static_cast<double>(y) * std::sin(a));
}

float sysangle::getyf() const {
    if (droit) {
        switch (quart) {
        case 90:
            return x;
        case 180:
            return -y;
        case 270:
            return -x;
        default:
            return y;
        }
    }
    const double a = radians;
    return static_cast<float>(static_cast<double>(x) * std::sin(a) + static_cast<double>(y) * std::cos(a));
}

std::int16_t sysangle::getx() const {
    return truncate16(getxf());
}

std::int16_t sysangle::gety() const {
    return truncate16(getyf());
}
