#pragma once
#include <cstdint>

#include "foundation/gstring.h"
#include "foundation/lichati.h"

// The play history: entries "value,cell" for a placement and "/value,cell" for an erasure, oldest
// first. Entries 1 to niveau are done; those above can be redone.
class defairefaire {
  public:
    lichati liste;
    std::int16_t niveau = 0;

    defairefaire() { clear(); }
    void clear();
    std::int16_t effectif() const { return liste.effectif(); }
    // Drops everything that could have been redone, then appends the entry.
    void ajoute(const char *text);
    void gaffeniv();
    bool peutreculer() const { return niveau > 0; }
    bool peutavancer() const { return niveau < liste.effectif(); }
    void retire(gstring &out);
    void avance(gstring &out);
    void viredeux();
    // Moves every entry to the end of chain, emptied first; answers niveau, which keeps its value.
    std::int16_t moveto(lichati &chain);
    // A copy of chain's entries with niveau n kept within 0 and their count.
    void setfrom(std::int16_t n, const lichati &chain);
};
