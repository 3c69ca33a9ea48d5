#include "lattice/topology.h"

namespace {
// Calls f for each comma item of a text.
template <typename F> void foritems(const gstring &text, F f) {
    gstring rest(text), item;
    while (rest.notempty()) {
        item.depilefrom(rest);
        f(item.adr());
    }
}
} // namespace

void topocompletecases(lichati &cells, const lichati &hexagons) {
    gstring six;
    for (const lichati::lxnoeud *h = hexagons.head; h; h = h->next) {
        topocasespotcethexa(six, h->text.adr());
        foritems(six, [&](const char *cell) {
            if (cells.trouvexact(cell) == 0)
                cells.padd(cell);
        });
    }
    cells.trikilldoubles();
}

void topocalculipoint(lichati &points, const lichati &cells) {
    gstring three;
    points.clear();
    for (const lichati::lxnoeud *c = cells.head; c; c = c->next) {
        topogivetroispointscase(three, c->text.adr());
        foritems(three, [&](const char *point) { points.padd(point); });
    }
    points.trikilldoubles();
}

void topoajoutcompartiels(lichati &complete, lichati &partial, const lichati &cells) {
    lichati points;
    topocalculipoint(points, cells);
    partial.clear();
    for (const lichati::lxnoeud *p = points.head; p; p = p->next) {
        const std::int16_t n = nbrecasesreelleshexa(p->text.adr(), cells);
        if (n == 6) {
            complete.paddone(p->text.adr());
        } else if (n >= 3) {
            partial.paddone(p->text.adr());
        }
    }
    complete.trikilldoubles();
    partial.trikilldoubles();
}

void toponouvoisidouze(lichati &neighbours, const lichati &cells, const lichati &hexagons,
                       const lichati &partial) {
    gstring corners, six, entry, line;
    neighbours.clear();
    for (const lichati::lxnoeud *c = cells.head; c; c = c->next) {
        const char *cell = c->text.adr();
        lichati found;
        topogivetroispointscase(corners, cell);
        foritems(corners, [&](const char *corner) {
            if (hexagons.trouvexact(corner) == 0 && partial.trouvexact(corner) == 0)
                return;
            topocasespotcethexa(six, corner);
            foritems(six, [&](const char *other) {
                if (!c->text.uqual(other) && cells.trouvexact(other) > 0)
                    found.paddone(other);
            });
        });
        if (found.isempty())
            continue;
        found.movetogstring(entry);
        line.set(cell, ",", entry.adr());
        neighbours.padd(line.adr());
    }
}
