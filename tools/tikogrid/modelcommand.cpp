#include "tools/tikogrid/modelcommand.h"

#include <cstdio>
#include <cstring>

#include "tools/tikogrid/definitioninput.h"
#include "tools/tikogrid/gridload.h"
#include "tools/tikogrid/subcommand.h"

namespace {
constexpr const char *usageline = "tikogrid model (FILE | --builtin ID) [--level L] [--state TEXT]";
} // namespace

int modelcommand(int argc, char **argv) {
    definitioninput input;
    int at = 0;
    if (!takedefinition(argc, argv, at, input))
        return usage(usageline);
    std::int16_t level = 0;
    const char *state = nullptr;
    for (; at < argc; at += 2) {
        if (at + 1 >= argc)
            return usage(usageline);
        if (std::strcmp(argv[at], "--level") == 0 && level == 0 && readlevel(argv[at + 1], level))
            continue;
        if (std::strcmp(argv[at], "--state") == 0 && state == nullptr) {
            state = argv[at + 1];
            continue;
        }
        return usage(usageline);
    }
    const int status = readdefinition(input);
    if (status != 0)
        return status;

    static clagripagebase page;
    chargepremieraffichage(page, input.name.adr(), input.lines, level, state);
    ecritmodele(stdout, page);
    return 0;
}
