#pragma once
#include <cstdint>

#include "foundation/gstring.h"
#include "foundation/lichati.h"
#include "grid/clagripagebase.h"
#include "shell/storedlist.h"

// One built-in grid: its identifier, its difficulty level and its stored definition texts.
struct grilleinterne {
    const char *nom;
    std::int16_t niveau;
    const storedlist *lignes;
};

constexpr int nbgrillesinternes = 10;
extern const grilleinterne grillesinternes[nbgrillesinternes];

// The definition lines (unscrambled, level items still in them) and level of the last grid
// found by grilledef.
extern lichati ligridef;
extern std::int16_t nigridef;
// Identifiers of the grids offered on buttons 1 to 5, as comma words in button order.
extern gstring nomdegrinu;
extern std::int16_t grinombre;
extern std::int16_t demonumero;
// Display mode given to the page after a load.
extern std::int16_t grafficher;

// Looks the grid up without regard to case; on a match sets nigridef and appends the grid's
// unscrambled texts to ligridef. Sets the edition number and the number of offered grids in any case.
bool grilledef(const char *name);
void nomgrinit();
// The definition lines a load of built-in grid name gives its page: the grid's texts with their
// level items turned into suffixes. Leaves lines as they were and answers false when no grid has
// that name.
bool lignesgrilleinterne(const char *name, lichati &lines);
// Loads built-in grid name into the page: its lines and name, the grid built (unless the page
// already holds it), the grid's own level, the candidates. An unknown name leaves the page as it was.
void grilleload(clagripagebase &page, const char *name);
