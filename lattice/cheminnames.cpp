#include <algorithm>
#include <string>

#include "foundation/texttools.h"
#include "lattice/clatichemin.h"

clatichemin topochemin;

namespace {
struct suffixrule {
    const char *ending;
    const char *replacement;
};

// Replaces the ending of the name by the first rule whose ending it carries, each rule tested on the
// result of the ones before.
void applyrules(std::string &name, const suffixrule *rules, int count) {
    for (int i = 0; i < count; ++i) {
        if (finli(name.c_str(), rules[i].ending)) {
            const std::size_t n = std::char_traits<char>::length(rules[i].ending);
            name.replace(name.size() - n, n, rules[i].replacement);
        }
    }
}

// The path before ":" in canonical full form, the part from ":" on kept as it is.
void normalisepath(gstring &target, const char *name) {
    const std::string whole(name ? name : "");
    const std::size_t colon = whole.find(':');
    const std::string suffix = (colon == std::string::npos) ? std::string() : whole.substr(colon);
    topochemin.setchemin(whole.c_str());
    topochemin.givedecompacte(target);
    target.cat(suffix.c_str());
}
} // namespace

void normafincase(gstring &target, const char *name) {
    static const suffixrule rules[] = {{":BC", "C:AF"}, {":CD", "D:AB"}, {":DE", "D:AF"}, {":EF", "E:AB"}};
    std::string s(name ? name : "");
    const std::size_t colon = s.find(':');
    if (colon != std::string::npos) {
        std::sort(s.begin() + static_cast<std::ptrdiff_t>(colon) + 1, s.end(), [](char a, char b) {
            return static_cast<unsigned char>(a) < static_cast<unsigned char>(b);
        });
        applyrules(s, rules, 4);
    }
    target.set(s.c_str());
}

void normafinseg(gstring &target, const char *name) {
    static const suffixrule rules[] = {{":D", "D:A"}, {":E", "E:B"}, {":F", "F:C"}};
    std::string s(name ? name : "");
    applyrules(s, rules, 3);
    target.set(s.c_str());
}

// Only the full form exists for names; the mode is kept for the callers that pass "D".
void chemieuxcase(char, gstring &target, const char *name) {
    normafincase(target, name);
    normalisepath(target, target.adr());
}

void chemieuxcasedec(gstring &target, const char *name) {
    chemieuxcase('D', target, name);
}

void chemieuxseg(char, gstring &target, const char *name) {
    normafinseg(target, name);
    normalisepath(target, target.adr());
}

void chemieuxsegdec(gstring &target, const char *name) {
    chemieuxseg('D', target, name);
}
