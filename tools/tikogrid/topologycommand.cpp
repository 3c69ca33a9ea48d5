#include "tools/tikogrid/topologycommand.h"

#include <cstdio>

#include "lattice/clagridefiligne.h"
#include "lattice/clatichemin.h"
#include "lattice/topology.h"
#include "tools/tikogrid/definitioninput.h"
#include "tools/tikogrid/subcommand.h"

namespace {
constexpr const char *usageline = "tikogrid topology (FILE | --builtin ID)";

// "label N: item,item," with N the number of items.
void printlist(const char *label, const lichati &list) {
    std::printf("%s %d: ", label, list.effectif());
    for (const lichati::lxnoeud *p = list.head; p; p = p->next)
        std::printf("%s,", p->text.adr());
    std::printf("\n");
}

// Hexagon and cell names of the lines, sorted without duplicates, as a grid is built from them.
void namesfromlines(const lichati &lines, lichati &hexagons, lichati &cells) {
    clagridefiligne line;
    gstring name;
    for (const lichati::lxnoeud *p = lines.head; p; p = p->next) {
        line.setfromlignecond(p->text.adr());
        if (line.hexa) {
            line.givelitihex(name);
            hexagons.padd(name.adr());
        }
        if (line.cellule) {
            line.giveliticase(name);
            cells.padd(name.adr());
        }
    }
    hexagons.trikilldoubles();
    cells.trikilldoubles();
}
} // namespace

int topologycommand(int argc, char **argv) {
    definitioninput input;
    int at = 0;
    if (!takedefinition(argc, argv, at, input) || at != argc)
        return usage(usageline);
    const int status = readdefinition(input);
    if (status != 0)
        return status;

    globinittikotopo();
    lichati hexagons, cells, partial, points, neighbours, inner, outline, holes, exterior;
    namesfromlines(input.lines, hexagons, cells);
    topocompletecases(cells, hexagons);
    topoajoutcompartiels(hexagons, partial, cells);
    topocalculipoint(points, cells);
    toponouvoisidouze(neighbours, cells, hexagons, partial);
    topocontourtritop(hexagons, inner, outline);
    topocasesautourgri(holes, exterior, cells, hexagons);
    clatichemin crowding;

    printlist("cells", cells);
    printlist("hexagons", hexagons);
    printlist("partial", partial);
    printlist("points", points);
    for (const lichati::lxnoeud *p = neighbours.head; p; p = p->next)
        std::printf("neighbours: %s\n", p->text.adr());
    printlist("inner", inner);
    printlist("outline", outline);
    printlist("holes", holes);
    printlist("exterior", exterior);
    std::printf("crowding: %d\n", crowding.valeurdeclasst(hexagons));
    return 0;
}
