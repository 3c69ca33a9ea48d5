// tikogrid: the grid author's tool. Each subcommand prints what the game's own libraries make of
// a grid definition, in a fixed format.
#include <cstdio>
#include <cstring>

#include "tools/tikogrid/builtincommand.h"
#include "tools/tikogrid/checkcommand.h"
#include "tools/tikogrid/makecommand.h"
#include "tools/tikogrid/modelcommand.h"
#include "tools/tikogrid/rendercommand.h"
#include "tools/tikogrid/scramblecommand.h"
#include "tools/tikogrid/subcommand.h"
#include "tools/tikogrid/topologycommand.h"
#include "tools/tikogrid/unscramblecommand.h"

namespace {
struct subcommand {
    const char* name;
    subcommandrun run;
};

constexpr subcommand subcommands[] = {
    {"topology", topologycommand},
    {"scramble", scramblecommand},
    {"unscramble", unscramblecommand},
    {"model", modelcommand},
    {"check", checkcommand},
    {"make", makecommand},
    {"builtin", builtincommand},
    {"render", rendercommand},
};

int generalusage() {
    std::fprintf(stderr, "usage: tikogrid SUBCOMMAND ARGUMENTS\nsubcommands:");
    for (const subcommand& s : subcommands) std::fprintf(stderr, " %s", s.name);
    std::fprintf(stderr, "\n");
    return 2;
}
} // namespace

int usage(const char* line) {
    std::fprintf(stderr, "usage: %s\n", line);
    return 2;
}

int main(int argc, char** argv) {
    if (argc < 2) return generalusage();
    for (const subcommand& s : subcommands) {
        if (std::strcmp(argv[1], s.name) == 0) return s.run(argc - 2, argv + 2);
    }
    return generalusage();
}
