#pragma once
#include <cstdint>

#include "foundation/gstring.h"
#include "lattice/clatichemin.h"

// One line of a grid definition: a hexagon, a cell with its number and level threshold, or both.
class clagridefiligne {
  public:
    clatichemin chemin;      // the point P of the line
    gstring textechemin;     // the path as read; the full form of P once a name was given
    std::int16_t valeur = 0; // 1..6, 0 for no number
    std::int16_t niveau = 0; // level threshold, 0 when absent
    bool hexa = false;       // declares the hexagon centred at P
    bool cellule = false;    // declares a cell at P
    bool typeab = false;     // the cell is P:AB, otherwise P:AF

    void clear();
    void setfromlignecond(const char *line);
    void givelitihex(gstring &target);
    void giveliticase(gstring &target);
    void decompactechem();
};
