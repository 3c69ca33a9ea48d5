#pragma once
#include <initializer_list>
#include <string>

#include "foundation/lichati.h"
#include "grid/candidatemasks.h"
#include "grid/clagritiko.h"

// Definition lines written inline, as the grids of the tests are.
inline void lignes(lichati &out, std::initializer_list<const char *> lines) {
    out.clear();
    for (const char *l : lines)
        out.padd(l);
}

// Builds the grid from the lines as a first display does: lists, records, givens, level.
inline void charge(clagritiko &g, std::initializer_list<const char *> lines) {
    globinitticalcul();
    lichati def;
    lignes(def, lines);
    g.setfromgrivecdef(def);
    g.debutdaffichagrille();
}

// The neighbour slots of a cell, as a comma list of indices ("6,7,0,...").
inline std::string slots(const clagritiko &g, std::int16_t i) {
    std::string s;
    for (std::int16_t k = 0; k < 12; ++k)
        s += std::to_string(g.casevoisine(i, k)) + ",";
    return s;
}
