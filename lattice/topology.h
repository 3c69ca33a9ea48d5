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

// Relations.
void topocasespotcethexa(gstring &target, const char *centre);
std::int16_t nbrecasesreelleshexa(const char *centre, const lichati &cells);
void topogivetroispointscase(gstring &target, const char *cell);
void topogivetroisvoisicase(gstring &target, const char *cell);
std::int16_t topodistanseg(const char *path, const char *letters);

// List operations run once per grid.
void topocompletecases(lichati &cells, const lichati &hexagons);
void topoajoutcompartiels(lichati &complete, lichati &partial, const lichati &cells);
void topocalculipoint(lichati &points, const lichati &cells);
void toponouvoisidouze(lichati &neighbours, const lichati &cells, const lichati &hexagons,
                       const lichati &partial);
void topocasesautourgri(lichati &holes, lichati &exterior, const lichati &cells, const lichati &hexagons);
void topocontourtritop(const lichati &hexagons, lichati &inner, lichati &outline);
void topotraquefauxext(lichati &inner, lichati &outer);
void topocombinetop(lichati &edges);
