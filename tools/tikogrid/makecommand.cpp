#include "tools/tikogrid/makecommand.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "tools/authoring/gridmaker.h"
#include "tools/tikogrid/definitioninput.h"
#include "tools/tikogrid/subcommand.h"

namespace {
constexpr const char *usageline = "tikogrid make (FILE | --builtin ID) --as NAME [--seed N]";

void printfigures(const char *label, const std::int16_t (&figures)[7]) {
    std::printf("# %s:", label);
    for (const std::int16_t f : figures)
        std::printf(" %d", f);
    std::printf("\n");
}
} // namespace

int makecommand(int argc, char **argv) {
    definitioninput input;
    int at = 0;
    if (!takedefinition(argc, argv, at, input))
        return usage(usageline);
    const char *name = nullptr;
    unsigned long seed = 1;
    for (; at + 1 < argc; at += 2) {
        if (std::strcmp(argv[at], "--as") == 0)
            name = argv[at + 1];
        else if (std::strcmp(argv[at], "--seed") == 0)
            seed = std::strtoul(argv[at + 1], nullptr, 10);
        else
            return usage(usageline);
    }
    if (at != argc || name == nullptr)
        return usage(usageline);
    const int status = readdefinition(input);
    if (status != 0)
        return status;

    grillefabriquee made;
    if (!fabriquegrille(input.lines, static_cast<std::uint32_t>(seed), made)) {
        std::fprintf(stderr, "tikogrid: %s: no filling found for this shape with seed %lu\n",
                     input.name.adr(), seed);
        return 1;
    }
    std::printf(
        "# %s from %s, seed %lu: cells %d, hexagons %d complete %d partial, hole cells %d, offset %d\n", name,
        input.name.adr(), seed, made.cells, made.complete, made.partial, made.holes, made.offset);
    printfigures("givens at levels 1-7", made.givens);
    printfigures("settled by propagation alone at levels 1-7", made.settled);
    for (const std::string &text : made.texts)
        std::printf("%s: %s\n", name, text.c_str());
    return 0;
}
