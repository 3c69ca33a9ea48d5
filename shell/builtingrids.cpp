#include "shell/builtingrids.h"

#include "foundation/textfold.h"
#include "lattice/lignesdef.h"
#include "shell/decryptiko.h"
#include "storedtexts.h"

const grilleinterne grillesinternes[nbgrillesinternes] = {
    {"1805-18", 4, &cryptgri1805_18}, {"1939-2", 4, &cryptgri1939_2},   {"1605-5", 5, &cryptgri1605_5},
    {"1932-4", 6, &cryptgri1932_4},   {"1803-12", 6, &cryptgri1803_12}, {"1251-1", 2, &cryptgri1251_1},
    {"1251-2", 3, &cryptgri1251_2},   {"1251-3", 4, &cryptgri1251_3},   {"1222-65", 5, &cryptgri1222_65},
    {"1239-1", 6, &cryptgri1239_1},
};

lichati ligridef;
std::int16_t nigridef = 0;
gstring nomdegrinu;
std::int16_t grinombre = 0;
std::int16_t demonumero = 0;
std::int16_t grafficher = 0;

bool grilledef(const char *name) {
    demonumero = 101;
    bool found = false;
    for (const grilleinterne &g : grillesinternes) {
        if (!foldequal(name, g.nom))
            continue;
        nigridef = g.niveau;
        for (std::int16_t k = 0; k < g.lignes->count; ++k)
            ligridef.padd(decryptiko(storedtext(*g.lignes, k)));
        found = true;
        break;
    }
    grinombre = 5;
    return found;
}

void nomgrinit() {
    nomdegrinu.set(decryptiko(storedtext(cryptgrinu, 0)));
}

bool lignesgrilleinterne(const char *name, lichati &lines) {
    ligridef.clear();
    nigridef = 0;
    if (!grilledef(name))
        return false;
    lines.clear();
    lichati one;
    for (const lichati::lxnoeud *p = ligridef.head; p; p = p->next) {
        givelignesdef(p->text.adr(), one);
        lines.mergeclean(one);
    }
    ligridef.clear();
    return true;
}

void grilleload(clagripagebase &page, const char *name) {
    grafficher = 6;
    if (!lignesgrilleinterne(name, page.lignesdef))
        return;
    page.setnom(name);
    page.metgrillenhexa();
    if (nigridef > 0)
        page.setnidem(nigridef);
    page.ajustepossicase();
}
