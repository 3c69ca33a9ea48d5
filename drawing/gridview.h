#pragma once
#include "platform/drawcontext.h"

#include <cstdint>

// What the shell shows around the grid, read by the renderer at each drawing: the constraint
// view, whether a grid is played, whether the rules pages are up, the chosen cell size and the
// grid-shift arrows (4 points each, in window pixels).
class etatvue {
  public:
    bool contraffi = false;
    bool mainone = false;
    bool pagesregles = false;
    std::int16_t taillechoisie = 40;
    bool flechokdroite = false;
    bool flechokgauche = false;
    bool flechokhaut = false;
    bool flechokbas = false;
    dcpoint grifledroite[4] = {};
    dcpoint griflegauche[4] = {};
    dcpoint griflehaut[4] = {};
    dcpoint griflebas[4] = {};
};

// The shell installs the function that reads its state; until then the defaults above hold.
using lecturevue = etatvue (*)();
extern lecturevue lireetatvue;

etatvue etatvueactu();
