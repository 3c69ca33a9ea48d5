#pragma once
#include "foundation/gstring.h"

// A character translation table: entry c is the byte that replaces byte c. Bytes are taken as
// unsigned values 0 to 255. A null text counts as the empty text.
class clatraducara {
  public:
    unsigned char entree[256];
    // Some pair set through settable involved a control character (below 32).
    bool aveccontrole;

    clatraducara() { clear(); }

    void clear();
    // Pairs from[i] -> to[i], later pairs winning; nothing happens unless both have the same
    // length above 0.
    void settable(const char *from, const char *to);
    void pokechar(unsigned char a, unsigned char b) { entree[a] = b; }
    void translat(char *text) const;
    void translat(char *text, const char *from, const char *to);
    // Every byte value occurs exactly once among the entries.
    bool isinversable() const;
    // The pairs of printable bytes (32 and above) the table changes, in byte order.
    void givetrachaines(gstring &from, gstring &to) const;
};
