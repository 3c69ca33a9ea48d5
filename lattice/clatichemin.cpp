#include <algorithm>
#include <iterator>
#include <limits>

#include "lattice/clatichemin.h"

namespace {
constexpr std::int32_t maxcount = std::numeric_limits<std::int16_t>::max();
constexpr char letters[] = "ABCDEF";

// Direction index of a path letter; lower case reads as upper case, as every name compares folded.
int directionof(char c) {
    if (c >= 'A' && c <= 'F')
        return c - 'A';
    if (c >= 'a' && c <= 'f')
        return c - 'a';
    return -1;
}

void addsteps(std::int16_t &count, std::int32_t steps) {
    count = static_cast<std::int16_t>(std::min(count + steps, maxcount));
}

// Offsets wrap in 16 bits; the products are summed wide so the wrap is the only loss.
std::int16_t weightedsum(const std::int16_t *counts, const std::int16_t *steps) {
    std::int64_t sum = 0;
    for (int i = 0; i < 6; ++i)
        sum += static_cast<std::int64_t>(counts[i]) * steps[i];
    return static_cast<std::int16_t>(sum);
}

// Only whole chunks are written: a form cut at its room stays a path, never a letter missing its digit.
void writecompact(const std::int16_t *counts, char *buffer) {
    int n = 0;
    for (int i = 0; i < 6; ++i) {
        for (int left = counts[i]; left > 0;) {
            const int chunk = std::min(left, 9);
            const int width = chunk > 1 ? 2 : 1;
            if (n + width > clatichemin::compactroom) {
                buffer[n] = 0;
                return;
            }
            buffer[n++] = letters[i];
            if (chunk > 1)
                buffer[n++] = static_cast<char>('0' + chunk);
            left -= chunk;
        }
    }
    buffer[n] = 0;
}
} // namespace

void clatichemin::setchemin(const char *path) {
    std::fill(std::begin(counts), std::end(counts), std::int16_t{0});
    int current = -1;
    for (const char *p = path ? path : ""; *p; ++p) {
        const int direction = directionof(*p);
        if (direction >= 0) {
            current = direction;
            addsteps(counts[current], 1);
        } else if (*p >= '1' && *p <= '9') {
            // A count digit with no letter before it has no direction to count for.
            if (current >= 0)
                addsteps(counts[current], *p - '1');
        } else {
            break;
        }
    }
    text.clear();
    normalised = false;
    fullready = false;
    compactready = false;
}

void clatichemin::bonchemin() {
    if (normalised)
        return;
    // Whole runs cancel or merge at once, so a path of tens of thousands of steps costs a few rounds.
    std::int32_t c[6];
    std::copy(std::begin(counts), std::end(counts), c);
    bool changed = true;
    while (changed) {
        changed = false;
        for (int i = 0; i < 3; ++i) {
            const std::int32_t m = std::min(c[i], c[i + 3]);
            if (m > 0) {
                c[i] -= m;
                c[i + 3] -= m;
                changed = true;
            }
        }
        for (int i = 0; i < 6; ++i) {
            const int far = (i + 2) % 6;
            const std::int32_t m = std::min(c[i], c[far]);
            if (m > 0) {
                c[i] -= m;
                c[far] -= m;
                c[(i + 1) % 6] += m;
                changed = true;
            }
        }
    }
    for (int i = 0; i < 6; ++i)
        counts[i] = static_cast<std::int16_t>(std::min(c[i], maxcount));
    normalised = true;
    fullready = false;
    compactready = false;
}

void clatichemin::givecompacte(gstring &target) {
    bonchemin();
    if (!compactready) {
        char buffer[compactroom + 1];
        writecompact(counts, buffer);
        text.set(buffer);
        compactready = true;
        fullready = false;
    }
    target.set(text.adr());
}

void clatichemin::givedecompacte(gstring &target) {
    bonchemin();
    if (!fullready) {
        char buffer[fullroom + 1];
        int n = 0;
        for (int i = 0; i < 6; ++i) {
            const int take = std::min<int>(counts[i], fullroom - n);
            std::fill(buffer + n, buffer + n + take, letters[i]);
            n += take;
        }
        buffer[n] = 0;
        text.set(buffer);
        fullready = true;
        compactready = false;
    }
    target.set(text.adr());
}

std::int16_t clatichemin::valcheminx() const {
    return weightedsum(counts, directions.x);
}

std::int16_t clatichemin::valcheminy() const {
    return weightedsum(counts, directions.y);
}

std::int16_t clatichemin::valducheminx(const char *path) {
    setchemin(path);
    return valcheminx();
}

std::int16_t clatichemin::valducheminy(const char *path) {
    setchemin(path);
    return valcheminy();
}

std::int16_t clatichemin::valchemincasix(std::int16_t kind) const {
    return static_cast<std::int16_t>(valcheminx() + directions.relatcentx(kind));
}

std::int16_t clatichemin::valchemincasy(std::int16_t kind) const {
    return static_cast<std::int16_t>(valcheminy() + directions.relatcenty(kind));
}

std::int16_t clatichemin::givesixtriangles(pointpix *points19, std::int32_t cx, std::int32_t cy) const {
    for (int k = 0; k < 6; ++k) {
        const int next = (k + 1) % 6;
        points19[3 * k] = {cx, cy};
        points19[3 * k + 1] = {cx + directions.x[k], cy + directions.y[k]};
        points19[3 * k + 2] = {cx + directions.x[next], cy + directions.y[next]};
    }
    points19[18] = {cx, cy};
    return 4;
}

std::int16_t clatichemin::givesixcentres(pointpix *points6, std::int32_t cx, std::int32_t cy) const {
    for (int k = 0; k < 6; ++k) {
        const int next = (k + 1) % 6;
        points6[k] = {cx + (directions.x[k] + directions.x[next]) / 3,
                      cy - (directions.y[k] + directions.y[next]) / 3};
    }
    return 6;
}
