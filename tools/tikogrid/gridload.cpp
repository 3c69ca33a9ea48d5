#include "tools/tikogrid/gridload.h"

#include <string>

#include "grid/candidatemasks.h"

void chargepremieraffichage(clagripagebase &page, const char *name, const lichati &lines, std::int16_t level,
                            const char *state) {
    globinitticalcul();
    page.setnom(name);
    page.lignesdef.clear();
    for (const lichati::lxnoeud *p = lines.head; p; p = p->next)
        page.lignesdef.padd(p->text.adr());
    page.niveaupage = 100;
    page.anglepage = 0;
    page.taillecase = 40;
    page.metgrillenhexa();
    if (level != 0)
        page.setnidem(level);
    page.ajustepossicase();
    if (state != nullptr)
        page.setactudatabis(state);
    page.debutdaffichagrille();
    page.ajustepossicase();
}

bool readlevel(const char *text, std::int16_t &level) {
    if (text[0] < '1' || text[0] > '7' || text[1] != 0)
        return false;
    level = static_cast<std::int16_t>(text[0] - '0');
    return true;
}

void ecritmodele(std::FILE *out, const clagripagebase &page) {
    std::int16_t i = 1;
    for (const lichati::lxnoeud *p = page.lichemcases.head; p && page.estcase(i); p = p->next, ++i) {
        const structcase &c = page.tabcases[static_cast<std::size_t>(i)];
        std::string voisins;
        for (std::int16_t k = 0; k < 12; ++k) {
            const std::int16_t n = page.casevoisine(i, k);
            if (n != 0)
                voisins += std::to_string(n) + ",";
        }
        std::fprintf(out, "cell %d %s: row %d col %d value %d given %d possibles %d marks %d neighbours %s\n",
                     i, p->text.adr(), c.ligne, c.colonne, c.valeur, c.fixe ? 1 : 0, c.possibles, c.possuser,
                     voisins.c_str());
    }
    std::fprintf(out, "level: asked %d effective %d shown %d threshold %d offset %d\n", page.niveaunominal,
                 page.niveaueffectif, page.niveauaffiche, page.niveaucalcule, page.declassement);
    gstring state;
    page.getactudata(3, state);
    std::fprintf(out, "state: %s\n", state.adr());
}
