#include <string>

#include "foundation/textfold.h"
#include "foundation/texttools.h"
#include "grid/clagritiko.h"

lichati listepossuval;

void clagritiko::getactudata(std::int16_t, gstring &out) const {
    std::string groups;
    for (std::int16_t i = 1; i <= nbcases; ++i) {
        const std::int16_t v = getcaseval(i);
        const int marks = estcase(i) ? (tabcases[i].possuser & 63) : 0;
        if (v >= 1 && v <= 6) {
            groups += static_cast<char>('@' + v);
        } else if (marks == 0) {
            groups += 'G';
        } else {
            groups += static_cast<char>('0' + (marks & 7));
            groups += static_cast<char>('0' + (marks >> 3));
        }
    }
    out.set(groups.c_str());
    out.replaceall("GGG", "K");
    out.replaceall("GG", "H");
}

namespace {

bool chiffreoctal(char c) {
    return c >= '0' && c <= '7';
}

// The text folded, with the runs of empty cells written out again: H is two G, K three.
std::string deplie(const char *text) {
    std::string out;
    for (const char *p = text ? text : ""; *p; ++p) {
        const char c = static_cast<char>(foldbyte(static_cast<unsigned char>(*p)));
        if (c == 'H') {
            out += "GG";
        } else if (c == 'K') {
            out += "GGG";
        } else {
            out += c;
        }
    }
    return out;
}

} // namespace

void clagritiko::setactudatabis(const char *text) {
    const std::string groups = deplie(text);
    listepossuval.clear();
    bool accord = true;
    std::int16_t i = 0;
    for (std::size_t at = 0; at < groups.size(); ++at) {
        const char c = groups[at];
        ++i;
        if (i > nbcases) {
            // Surplus characters: the text was written for a larger grid.
            accord = false;
            break;
        }
        // A given keeps its value whatever the text says: a given left empty could never be filled.
        const bool donnee = casestfixe(i);
        if (c == 'G') {
            if (!donnee)
                setcaseval(i, 0);
            razpuser(i);
        } else if (c >= 'A' && c <= 'F') {
            const auto v = static_cast<std::int16_t>(c - '@');
            if (donnee) {
                if (getcaseval(i) != v)
                    accord = false;
            } else {
                listepossuval.padd(("v," + std::to_string(i) + "," + std::to_string(v)).c_str());
                setcaseval(i, v);
            }
            razpuser(i);
        } else if (chiffreoctal(c) && at + 1 < groups.size() && chiffreoctal(groups[at + 1])) {
            const auto m = static_cast<std::int16_t>((groups[at + 1] - '0') * 8 + (c - '0'));
            ++at;
            listepossuval.padd(("p," + std::to_string(i) + "," + std::to_string(m)).c_str());
            if (!donnee)
                setcaseval(i, 0);
            if (estcase(i))
                tabcases[i].possuser = m;
        } else {
            // Outside the format (a foreign byte, a lone or broken digit pair): the cell keeps
            // its state and the text is not a game of this grid.
            if (chiffreoctal(c))
                ++at;
            accord = false;
        }
    }
    if (!accord) {
        retourafixe();
        razallpuser();
    }
}

void clagritiko::injecterpossuval() {
    gstring entry;
    gstring kind;
    while (listepossuval.notempty()) {
        listepossuval.gpopto(entry);
        kind.depilufrom(entry);
        const auto i = static_cast<std::int16_t>(depilint(entry));
        const auto n = static_cast<std::int16_t>(depilint(entry));
        if (kind.uqual("V")) {
            if (!casestfixe(i))
                setcaseval(i, n);
        } else if (kind.uqual("P")) {
            setvaluposs(i, n);
        }
    }
}
