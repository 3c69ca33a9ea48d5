#include "grid/levelcodes.h"

namespace {
constexpr std::int16_t codes[8] = {0, 75, 80, 85, 90, 95, 100, 120};
}

std::int16_t sixtocent(std::int16_t level) {
    return (level >= 2 && level <= 7) ? codes[level] : codes[1];
}

std::int16_t centosix(std::int16_t code) {
    for (std::int16_t level = 2; level <= 7; ++level) {
        if (codes[level] == code)
            return level;
    }
    return 1;
}

void texteniv(gstring &out, std::int16_t level) {
    if (level >= 1 && level <= 7) {
        out = vi(level);
    } else {
        out.set("x");
    }
}
