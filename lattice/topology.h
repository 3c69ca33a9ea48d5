#pragma once
#include <cstdint>

#include "foundation/gstring.h"
#include "foundation/lichati.h"

// Every neighbourhood relation of a grid, computed from canonical names alone. Lists are chains of
// full-form names; a text result lists items each followed by ",".

// Relative names, built once at program start; each item is followed by ",".
extern gstring sixcasesdunhexa;          // the six cells around a point, sectors AB..FA
extern gstring sixvoisineshexapcote;     // cells outside a hexagon sharing an edge with it
extern gstring douzevoisineshexapsommet; // cells outside a hexagon touching one outer vertex
extern gstring dixhuitvoisineshexa;      // both of the above
extern gstring sixsegminternes;          // edges from a centre to its outer vertices
extern gstring sixsegmexternes;          // the outline edges of a hexagon
extern const char *const xtroissommetscab;
extern const char *const xtroissommetscaf;
extern const char *const xtroiscasevoisicab;
extern const char *const xtroiscasevoisicaf;

// Every direction letter moved to the next one (A->B ... F->A), lower case folded first.
void tirotagausoixante(gstring &text);
void topochainesdebase();
void globinittikotopo();

// Relations of one name.
// The six cells of the hexagon around the centre, in sector order AB..FA.
void topocasespotcethexa(gstring &target, const char *centre);
// How many of those six cells are in the list.
std::int16_t nbrecasesreelleshexa(const char *centre, const lichati &cells);
// The three corners of the cell: P, P+A and P+B (":AB") or P+F (":AF").
void topogivetroispointscase(gstring &target, const char *cell);
// The three cells sharing an edge with the cell.
void topogivetroisvoisicase(gstring &target, const char *cell);
// The path's step counts, as written, summed over the letters.
std::int16_t topodistanseg(const char *path, const char *letters);

// List operations run once per grid.
// Adds every cell of every hexagon to the cells; sorts them.
void topocompletecases(lichati &cells, const lichati &hexagons);
// Points with six cells join the complete list; those with 3 to 5 replace the partial list.
void topoajoutcompartiels(lichati &complete, lichati &partial, const lichati &cells);
// Every corner of every cell, sorted.
void topocalculipoint(lichati &points, const lichati &cells);
// Per cell with any: "cell,neighbour,...," with the cells sharing a complete or partial hexagon corner.
void toponouvoisidouze(lichati &neighbours, const lichati &cells, const lichati &hexagons,
                       const lichati &partial);
// The cells outside the grid touching its hexagons: enclosed ones and those reachable from outside.
void topocasesautourgri(lichati &holes, lichati &exterior, const lichati &cells, const lichati &hexagons);
// The edges inside the hexagons and their outline, as runs of edges grouped by letter A, B, C.
void topocontourtritop(const lichati &hexagons, lichati &inner, lichati &outline);
// Outline edges that are inside, or shared by two hexagons, move to the inner list; both sorted.
void topotraquefauxext(lichati &inner, lichati &outer);
// Edges of one letter joined end to end into runs.
void topocombinetop(lichati &edges);
