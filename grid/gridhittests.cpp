#include <cstdlib>

#include "grid/clagritiko.h"

namespace {

// The lowest-indexed item nearest to (x, y), when within the radius; 0 otherwise. Distances are
// summed without wrapping, so a far point never looks near.
template <class Position>
std::int16_t plusproche(std::int16_t count, std::int16_t x, std::int16_t y, int radius, Position position) {
    int best = 32760;
    std::int16_t item = 0;
    for (std::int16_t k = 1; k <= count; ++k) {
        std::int16_t px = 0;
        std::int16_t py = 0;
        if (!position(k, px, py))
            continue;
        const int d = std::abs(x - px) + std::abs(y - py);
        if (d < best) {
            best = d;
            item = k;
        }
    }
    return best <= radius ? item : 0;
}

// The nearest of the first count points named in a list, by their pixel positions.
std::int16_t pointplusproche(clagritiko &grid, const lichati &list, std::int16_t count, std::int16_t x,
                             std::int16_t y, int radius) {
    const lichati::lxnoeud *node = list.head;
    return plusproche(count, x, y, radius, [&](std::int16_t, std::int16_t &px, std::int16_t &py) {
        if (node == nullptr)
            return false;
        grid.giveposipoint(node->text.adr(), px, py);
        node = node->next;
        return true;
    });
}

} // namespace

std::int16_t clagritiko::caseproche(std::int16_t x, std::int16_t y) const {
    return plusproche(nbcases, x, y, taillepix / 2,
                      [this](std::int16_t i, std::int16_t &px, std::int16_t &py) {
                          if (!estcase(i))
                              return false;
                          px = tabcases[i].x;
                          py = tabcases[i].y;
                          return true;
                      });
}

std::int16_t clagritiko::hexaproche(std::int16_t x, std::int16_t y) {
    return pointplusproche(*this, lichemhexas, nbhexacomplets, x, y, taillepix / 6);
}

std::int16_t clagritiko::hexapartproche(std::int16_t x, std::int16_t y) {
    const std::int16_t h = hexaproche(x, y);
    if (h > 0)
        return h;
    const std::int16_t k = pointplusproche(*this, lichemhexapart, nbhexapartiels, x, y, taillepix / 4);
    return k > 0 ? static_cast<std::int16_t>(nbhexacomplets + k) : 0;
}

std::int16_t clagritiko::pointproche(std::int16_t x, std::int16_t y) {
    fautunelitipoint();
    return pointplusproche(*this, lipoints, nbpoints, x, y, taillepix / 6);
}
