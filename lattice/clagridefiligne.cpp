#include "lattice/clagridefiligne.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "foundation/textfold.h"
#include "foundation/texttools.h"

namespace {
bool pathbyte(char c) {
    return (c >= 'A' && c <= 'F') || (c >= '0' && c <= '9');
}

// "P".."U" are the numbers 1..6, and so are "J".."O".
std::int16_t valueofletter(char c) {
    if (c >= 'P' && c <= 'U')
        return static_cast<std::int16_t>(c - 'P' + 1);
    if (c >= 'J' && c <= 'O')
        return static_cast<std::int16_t>(c - 'J' + 1);
    return 0;
}

// The level up to the first ",", blanks trimmed; thresholds beyond 16 bits stop at its ends.
std::int16_t readlevel(gstring &rest) {
    gstring item;
    item.depilefrom(rest);
    const std::int32_t level = readinteger(item.adr());
    return static_cast<std::int16_t>(std::clamp<std::int32_t>(level, std::numeric_limits<std::int16_t>::min(),
                                                              std::numeric_limits<std::int16_t>::max()));
}
} // namespace

void clagridefiligne::clear() {
    chemin.setchemin("");
    textechemin.clear();
    valeur = 0;
    niveau = 0;
    hexa = false;
    cellule = false;
    typeab = false;
}

void clagridefiligne::setfromlignecond(const char *line) {
    clear();
    gstring rest(line);
    for (char *p = rest.adr(); *p; ++p)
        *p = static_cast<char>(foldbyte(static_cast<unsigned char>(*p)));
    hexa = debute(rest, "X");
    const char *text = rest.adr();
    const auto pathlength =
        static_cast<std::int16_t>(std::find_if_not(text, text + std::strlen(text), pathbyte) - text);
    textechemin.setmange(rest, pathlength);
    chemin.setchemin(textechemin.adr());
    bool letters = false;
    if (debute(rest, "W")) {
        cellule = typeab = letters = true;
    } else if (debute(rest, "V")) {
        cellule = letters = true;
    } else if (debute(rest, ":AB")) {
        cellule = typeab = true;
    } else if (debute(rest, ":AF")) {
        cellule = true;
    }
    if (!letters)
        return;
    const char *p = rest.adr();
    if (*p)
        valeur = valueofletter(*p++);
    if (*p)
        ++p; // the state letter is passed over
    rest.set(p);
    if (debute(rest, "%"))
        niveau = readlevel(rest);
}

void clagridefiligne::decompactechem() {
    chemin.givedecompacte(textechemin);
}

void clagridefiligne::givelitihex(gstring &target) {
    if (!hexa) {
        target.clear();
        return;
    }
    decompactechem();
    target.set(textechemin.adr());
}

void clagridefiligne::giveliticase(gstring &target) {
    if (!cellule) {
        target.clear();
        return;
    }
    decompactechem();
    target.set(textechemin.adr(), typeab ? ":AB" : ":AF");
}
