#include <string>

#include "foundation/textfold.h"
#include "foundation/texttools.h"
#include "lattice/clatichemin.h"
#include "lattice/topology.h"

namespace {
// The point part of a cell name: everything before its ":".
std::string pointpart(const char *cell) {
    const std::string name(cell ? cell : "");
    return name.substr(0, name.find(':'));
}

// Each item of the relative list appended to the base, normalised, into target as comma items.
void relative(gstring &target, const std::string &base, const char *items) {
    gstring rest(items), item, name;
    target.clear();
    while (rest.notempty()) {
        item.depilefrom(rest);
        chemieuxcasedec(name, (base + item.adr()).c_str());
        target.cat(name.adr(), ",");
    }
}

bool kindaf(const char *cell) {
    return finli(cell, ":AF");
}
} // namespace

void topocasespotcethexa(gstring &target, const char *centre) {
    topochainesdebase();
    relative(target, centre ? centre : "", sixcasesdunhexa.adr());
}

std::int16_t nbrecasesreelleshexa(const char *centre, const lichati &cells) {
    gstring six, cell;
    topocasespotcethexa(six, centre);
    std::int16_t n = 0;
    while (six.notempty()) {
        cell.depilefrom(six);
        if (cells.trouvexact(cell.adr()) > 0)
            ++n;
    }
    return n;
}

void topogivetroispointscase(gstring &target, const char *cell) {
    relative(target, pointpart(cell), kindaf(cell) ? xtroissommetscaf : xtroissommetscab);
}

void topogivetroisvoisicase(gstring &target, const char *cell) {
    relative(target, pointpart(cell), kindaf(cell) ? xtroiscasevoisicaf : xtroiscasevoisicab);
}

std::int16_t topodistanseg(const char *path, const char *letters) {
    clatichemin steps;
    steps.setchemin(path);
    std::int32_t sum = 0;
    for (const char *p = letters ? letters : ""; *p; ++p) {
        const unsigned char letter = foldbyte(static_cast<unsigned char>(*p));
        if (letter >= 'A' && letter <= 'F')
            sum += steps.counts[letter - 'A'];
    }
    return static_cast<std::int16_t>(sum);
}
