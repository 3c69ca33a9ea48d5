#include <initializer_list>

#include "lattice/clatichemin.h"
#include "lattice/topology.h"

namespace {
// Position of the ring cell reaching furthest along the pair of directions; ties go to the later
// entry, and with nothing beyond 0 the first entry is taken.
std::int16_t extreme(const lichati &ring, const char *pair) {
    std::int16_t best = 0, position = 1;
    for (std::int16_t k = ring.effectif(); k >= 1; --k) {
        const std::int16_t v = topodistanseg(ring.adr(k), pair);
        if (v > best) {
            best = v;
            position = k;
        }
    }
    return position;
}
} // namespace

void topocasesautourgri(lichati &holes, lichati &exterior, const lichati &cells, const lichati &hexagons) {
    topochainesdebase();
    holes.clear();
    exterior.clear();
    lichati &ring = holes; // what stays unreached is the holes
    gstring rest, item, name;
    for (const lichati::lxnoeud *h = hexagons.head; h; h = h->next) {
        rest = dixhuitvoisineshexa;
        while (rest.notempty()) {
            item.depilefrom(rest);
            name.set(h->text.adr(), item.adr());
            chemieuxcasedec(name, name.adr());
            if (cells.trouvexact(name.adr()) == 0)
                ring.padd(name.adr());
        }
    }
    ring.trikilldoubles();

    for (const char *pair : {"AB", "BC", "CD", "DE", "EF", "FA"}) {
        if (ring.notempty())
            ring.moveitemto(exterior, extreme(ring, pair));
    }

    lichati work;
    work.mergeclean(exterior);
    gstring cell, three, neighbour;
    while (work.notempty()) {
        work.gpopto(cell);
        topogivetroisvoisicase(three, cell.adr());
        while (three.notempty()) {
            neighbour.depilefrom(three);
            const std::int16_t k = ring.trouvexact(neighbour.adr());
            if (k > 0)
                ring.moveitemto(work, k);
        }
        exterior.padd(cell.adr());
    }
    holes.trikilldoubles();
    exterior.trikilldoubles();
}
