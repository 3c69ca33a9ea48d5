#include <algorithm>

#include "grid/clagritiko.h"
#include "grid/levelcodes.h"

std::int16_t clagritiko::fixenivoulu(std::int16_t code) {
    if (code == 120 && !yaniveausept())
        code = 100;
    niveauvoulu = code;
    nivajour = false;
    return niveauvoulu;
}

void clagritiko::bonsniveaux(std::int16_t level) {
    niveaunominal = level;
    declassecalc();
    if (level == 7) {
        niveaueffectif = yaniveausept() ? 7 : 6;
        niveauaffiche = niveaueffectif;
    } else {
        niveaueffectif = static_cast<std::int16_t>(std::min(6, level + declassement));
        niveauaffiche = level;
    }
    niveauvoulu = sixtocent(niveaunominal);
    niveaucalcule = sixtocent(niveaueffectif);
    nivajour = true;
}

bool clagritiko::yaleuboniveau() {
    if (!nivajour) {
        if (niveauvoulu <= 74)
            niveauvoulu = 100;
        bonsniveaux(centosix(niveauvoulu));
    }
    return niveaucalcule == niveauapplique;
}

void clagritiko::fautappliquerniveau() {
    if (!avaldonnees) {
        valplacees = false;
        return;
    }
    if (!valplacees)
        mettrevalfixentables();
    if (!yaleuboniveau())
        appliquerniveau();
}

void clagritiko::appliquerniveau() {
    if (!avaldonnees)
        return;
    if (!valplacees) {
        // Placing the given values applies the level itself.
        mettrevalfixentables();
        return;
    }
    for (std::int16_t i = 1; i <= nbcases; ++i) {
        if (!estcase(i))
            continue;
        structcase &c = tabcases[i];
        if (c.nivdef < niveaucalcule) {
            c.valeur = 0;
            c.fixe = 0;
        } else {
            c.valeur = c.valdef;
            c.fixe = 1;
        }
    }
    niveauapplique = niveaucalcule;
}

bool clagritiko::yaniveausept() {
    if (!tabcasesfaite)
        return false;
    bool cent = false;
    bool centvingt = false;
    for (std::int16_t i = 1; i <= nbcases; ++i) {
        if (!estcase(i))
            continue;
        cent = cent || tabcases[i].nivdef == 100;
        centvingt = centvingt || tabcases[i].nivdef == 120;
    }
    if (cent && centvingt)
        return true;
    if (centvingt) {
        for (std::int16_t i = 1; i <= nbcases; ++i) {
            if (estcase(i) && tabcases[i].nivdef > 100)
                tabcases[i].nivdef = 100;
        }
    }
    return false;
}

void clagritiko::declassecalc() {
    declassement = valeurdeclasst(lichemhexas);
}

void clagritiko::libniveaubis(gstring &out, std::int16_t selector, const char *) const {
    if (selector == 11) {
        texteniv(out, niveauaffiche);
    } else {
        out.clear();
    }
}
