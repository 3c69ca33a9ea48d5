#include "shell/tooltiptexts.h"

#include "shell/decryptiko.h"
#include "shell/shellstate.h"
#include "shell/storedlist.h"
#include "shell/tooltip.h"
#include "storedtexts.h"

#include <cstdint>

namespace {

// The identifiers whose texts the stored lists hold, in list order; the rules pages' three
// buttons come last.
constexpr std::int16_t tipidents[] = {35, 33, 30, 32, 31, 29, 20, 10, 23, 12, 8,  9,  13,
                                      26, 28, 21, 14, 15, 16, 17, 18, 19, 24, 25, 22};
constexpr int nombretips = sizeof tipidents / sizeof tipidents[0];
constexpr int premierregle = nombretips - 3;

} // namespace

void textipenvoi() {
    identizero = 13;
    montooltip.virefentooltip();
    montooltip.cleartextips();
    const storedlist &textes = globish ? crypttipen : crypttipfr;
    const int debut = mode == 5 ? premierregle : 0;
    const int fin = mode == 5 ? nombretips : premierregle;
    for (int k = debut; k < fin; ++k)
        montooltip.settextip(tipidents[k], decryptiko(storedtext(textes, static_cast<std::int16_t>(k))));
}
