#include <algorithm>
#include <initializer_list>

#include "lattice/clatichemin.h"

// Six less the most neighbouring centres any hexagon has, at most 3: the more crowded the
// hexagons, the lower.
std::int16_t clatichemin::valeurdeclasst(const lichati &hexagons) {
    gstring compact, step;
    lichati centres;
    for (const lichati::lxnoeud *h = hexagons.head; h; h = h->next) {
        setchemin(h->text.adr());
        givecompacte(compact);
        centres.padd(compact.adr());
    }
    int most = 0;
    for (const lichati::lxnoeud *h = hexagons.head; h; h = h->next) {
        int around = 0;
        for (const char *letter : {"A", "B", "C", "D", "E", "F"}) {
            step.set(h->text.adr(), letter);
            setchemin(step.adr());
            givecompacte(compact);
            if (centres.trouvexact(compact.adr()) > 0)
                ++around;
        }
        most = std::max(most, around);
    }
    return static_cast<std::int16_t>(std::min(3, 6 - most));
}
