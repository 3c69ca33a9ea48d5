#include "lattice/lignesdef.h"

#include <algorithm>
#include <cstring>

namespace {
// Room the level suffix is held in; a longer item is cut to its first bytes.
constexpr std::size_t suffixroom = 15;
} // namespace

void givelignesdef(const char *stored, lichati &lines) {
    lines.clear();
    gstring rest(stored);
    gstring item;
    char suffix[suffixroom + 1] = "";
    while (rest.notempty()) {
        item.depilefrom(rest);
        const char *text = item.adr();
        if (text[0] == '%') {
            const std::size_t n = std::strcmp(text, "%0") == 0 ? 0 : std::min(std::strlen(text), suffixroom);
            std::memcpy(suffix, text, n);
            suffix[n] = 0;
        } else if (text[0] != '#' && text[0] != 0) {
            lines.padd(text, suffix);
        }
    }
}
