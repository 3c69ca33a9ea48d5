#include "foundation/textfold.h"
#include "lattice/clatichemin.h"
#include "lattice/topology.h"

namespace {
// Index 0..2 of an edge's direction letter A, B or C; -1 for anything else.
int letterof(const gstring &edge) {
    const std::int16_t n = edge.len();
    const char c = n > 0 ? edge.adr()[n - 1] : 0;
    return (c >= 'A' && c <= 'C') ? c - 'A' : -1;
}

// Each centre's relative edges, normalised, into the list of their letter.
void spread(const lichati &hexagons, const gstring &relative, lichati *lists, bool once) {
    gstring rest, item, edge;
    for (const lichati::lxnoeud *h = hexagons.head; h; h = h->next) {
        rest = relative;
        while (rest.notempty()) {
            item.depilefrom(rest);
            edge.set(h->text.adr(), item.adr());
            chemieuxsegdec(edge, edge.adr());
            const int letter = letterof(edge);
            if (letter < 0)
                continue;
            if (once) {
                lists[letter].pinsertone(edge.adr());
            } else {
                lists[letter].pinsert(edge.adr());
            }
        }
    }
}
} // namespace

void topotraquefauxext(lichati &inner, lichati &outer) {
    for (std::int16_t k = outer.effectif(); k >= 1; --k) {
        if (inner.trouvexact(outer.adr(k)) > 0)
            outer.kill(k);
    }
    // An edge met twice in the outlines lies between two hexagons.
    for (std::int16_t k = outer.effectif(); k >= 2; --k) {
        if (k <= outer.effectif() && foldequal(outer.adr(k), outer.adr(k - 1))) {
            inner.pinsert(outer.adr(k));
            outer.kill(k);
            outer.kill(static_cast<std::int16_t>(k - 1));
        }
    }
    inner.trikilldoubles();
    outer.trikilldoubles();
}

void topocombinetop(lichati &edges) {
    edges.trikilldoubles();
    gstring start, end;
    for (bool joined = true; joined;) {
        joined = false;
        for (std::int16_t k = edges.effectif(); k >= 1; --k) {
            const char *run = edges.adr(k);
            start.set(run);
            start.replaceone(":", "");
            topochemin.setchemin(start.adr());
            topochemin.givedecompacte(end);
            end.cat(":");
            const std::int16_t i = edges.trouvedeb(end.adr());
            // A run that would continue itself comes only from malformed names: left alone.
            if (i == 0 || i == k)
                continue;
            const char *next = edges.adr(i);
            while (*next == ' ')
                ++next;
            gstring longer;
            longer.set(run, next + end.len());
            edges.modif(k, longer.adr());
            edges.kill(i);
            joined = true;
        }
    }
}

void topocontourtritop(const lichati &hexagons, lichati &inner, lichati &outline) {
    topochainesdebase();
    lichati innerby[3], outerby[3];
    spread(hexagons, sixsegminternes, innerby, true);
    spread(hexagons, sixsegmexternes, outerby, false);
    inner.clear();
    outline.clear();
    for (int letter = 0; letter < 3; ++letter) {
        topotraquefauxext(innerby[letter], outerby[letter]);
        topocombinetop(innerby[letter]);
        topocombinetop(outerby[letter]);
        inner.mergeclean(innerby[letter]);
        outline.mergeclean(outerby[letter]);
    }
}
