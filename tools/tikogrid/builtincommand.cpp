#include "tools/tikogrid/builtincommand.h"

#include <cstdio>

#include "foundation/textfold.h"
#include "shell/builtingrids.h"
#include "tools/tikogrid/subcommand.h"

namespace {
// The grid button offering the grid, 0 when none does.
int bouton(const char *name) {
    gstring rest(nomdegrinu.adr());
    gstring word;
    for (int k = 1; rest.notempty(); ++k) {
        word.depilefrom(rest);
        if (foldequal(word.adr(), name))
            return k;
    }
    return 0;
}
} // namespace

int builtincommand(int argc, char **argv) {
    if (argc > 1)
        return usage("tikogrid builtin [ID]");
    if (argc == 0) {
        nomgrinit();
        for (const grilleinterne &g : grillesinternes)
            std::printf("%s %d offered %d\n", g.nom, g.niveau, bouton(g.nom));
        return 0;
    }
    lichati lines;
    if (!lignesgrilleinterne(argv[0], lines)) {
        std::fprintf(stderr, "tikogrid: no built-in grid is named %s\n", argv[0]);
        return 1;
    }
    for (const lichati::lxnoeud *p = lines.head; p; p = p->next)
        std::printf("%s\n", p->text.adr());
    return 0;
}
