#include "tools/tikogrid/checkcommand.h"

#include <cstdio>

#include "tools/authoring/comptesolutions.h"
#include "tools/tikogrid/definitioninput.h"
#include "tools/tikogrid/gridload.h"
#include "tools/tikogrid/subcommand.h"

namespace {
constexpr const char *usageline = "tikogrid check (FILE | --builtin ID)";
}

int checkcommand(int argc, char **argv) {
    definitioninput input;
    int at = 0;
    if (!takedefinition(argc, argv, at, input) || at != argc)
        return usage(usageline);
    const int status = readdefinition(input);
    if (status != 0)
        return status;

    // One page for every level, as the game reloads a grid: from the second load on the model keeps
    // its lists and records.
    static clagripagebase page;
    for (std::int16_t level = 1; level <= 7; ++level) {
        chargepremieraffichage(page, input.name.adr(), input.lines, level, nullptr);
        int givens = 0;
        for (std::int16_t i = 1; i <= page.nbcases; ++i)
            givens += page.casestfixe(i) ? 1 : 0;
        const std::int16_t solutions = comptesolutions(page, 2);
        std::printf("level %d: effective %d threshold %d givens %d solutions %s\n", level,
                    page.niveaueffectif, page.niveaucalcule, givens,
                    solutions == 0   ? "0"
                    : solutions == 1 ? "1"
                                     : "2+");
    }
    return 0;
}
