#include <cstdlib>

#include "grid/candidatemasks.h"
#include "grid/clagritiko.h"

bool clagritiko::isautorisee(std::int16_t i, std::int16_t v) const {
    const std::int16_t mask = possunevaleur(v);
    return mask != 0 && (getvaluposs(i) & mask) != 0;
}

void clagritiko::swapossuser(std::int16_t i, std::int16_t v) {
    if (!estcase(i))
        return;
    std::int16_t &marks = tabcases[i].possuser;
    if ((marks & possunevaleur(v)) != 0) {
        marks = shortet(marks, possunevalinv(v));
    } else {
        marks = shortou(marks, possunevaleur(v));
    }
}

void clagritiko::razpuser(std::int16_t i) {
    if (estcase(i))
        tabcases[i].possuser = 0;
}

void clagritiko::razallpuser() {
    for (std::int16_t i = 1; i <= nbcases; ++i)
        razpuser(i);
}

bool clagritiko::yadespossusers() const {
    for (std::int16_t i = 1; i <= nbcases; ++i) {
        if (estcase(i) && tabcases[i].possuser > 0)
            return true;
    }
    return false;
}

void clagritiko::calposipusertri() {
    // Marks form a small triangle pointing like the cell: three rows, shifted by c towards its base.
    static constexpr int plat[6][2] = {{0, 1}, {-1, 0}, {1, 0}, {-2, -1}, {0, -1}, {2, -1}};
    static constexpr int pointe[6][2] = {{-2, 1}, {0, 1}, {2, 1}, {-1, 0}, {1, 0}, {0, -1}};
    const int h = gravcases.posicheminy("B");
    const int sx = taillepix / 8;
    const int sy = h / 4;
    const int c = static_cast<int>(static_cast<float>(h) / 12.0f + 0.5f);
    for (int k = 0; k < 6; ++k) {
        posmarquesplat[k] = {plat[k][0] * sx, plat[k][1] * sy + c};
        posmarquespointe[k] = {pointe[k][0] * sx, pointe[k][1] * sy - c};
    }
}

void clagritiko::givepossofuser(std::int16_t i, std::int16_t v, std::int16_t &x, std::int16_t &y) const {
    x = getcacentrix(i);
    y = getcacentry(i);
    if (v < 1 || v > 6)
        return;
    const pointpix &offset = triaplat(i) ? posmarquesplat[v - 1] : posmarquespointe[v - 1];
    x = static_cast<std::int16_t>(x + offset.x);
    y = static_cast<std::int16_t>(y + offset.y);
}

std::int16_t clagritiko::possiproche(std::int16_t i, std::int16_t px, std::int16_t py) const {
    if (!estcase(i))
        return 0;
    const pointpix *table = triaplat(i) ? posmarquesplat : posmarquespointe;
    int best = 32760;
    int bestk = 0;
    for (int k = 0; k < 6; ++k) {
        const std::int16_t mx = static_cast<std::int16_t>(getcacentrix(i) + table[k].x);
        const std::int16_t my = static_cast<std::int16_t>(getcacentry(i) + table[k].y);
        // Summed without wrapping, so a far point never looks near.
        const int d = std::abs(px - mx) + std::abs(py - my);
        if (d < best) {
            best = d;
            bestk = k;
        }
    }
    return best <= taillepix / 6 ? static_cast<std::int16_t>(bestk + 1) : 0;
}
