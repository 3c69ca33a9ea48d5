#include <cstring>

#include "lattice/topology.h"

namespace {
// Built on first use from the letters and their images one turn of 60 degrees on.
const unsigned char *rotatisoixante() {
    static unsigned char table[256];
    static bool built = false;
    if (!built) {
        for (int i = 0; i < 256; ++i)
            table[i] = static_cast<unsigned char>(i);
        const char *from = "ABCDEF-abcdef";
        const char *to = "BCDEFA-BCDEFA";
        for (std::size_t i = 0; i < std::strlen(from); ++i)
            table[static_cast<unsigned char>(from[i])] = static_cast<unsigned char>(to[i]);
        built = true;
    }
    return table;
}
} // namespace

void tirotagausoixante(gstring &text) {
    const unsigned char *table = rotatisoixante();
    for (char *p = text.adr(); *p; ++p)
        *p = static_cast<char>(table[static_cast<unsigned char>(*p)]);
}
