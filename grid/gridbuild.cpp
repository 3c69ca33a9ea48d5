#include "grid/clagritiko.h"
#include "lattice/clagridefiligne.h"

void clagritiko::setfromgrivecdef(const lichati &lines) {
    videlitikototale();
    clagridefiligne ligne;
    gstring name;
    gstring given;
    for (const lichati::lxnoeud *p = lines.head; p; p = p->next) {
        ligne.setfromlignecond(p->text.adr());
        if (ligne.hexa) {
            ligne.givelitihex(name);
            lichemhexas.padd(name.adr());
        }
        if (ligne.cellule) {
            ligne.giveliticase(name);
            lichemcases.padd(name.adr());
            if (ligne.valeur != 0) {
                given.set(vi(ligne.valeur).adr(), ",", vi(ligne.niveau).adr());
                valdonnees.setparam(name.adr(), given.adr());
                avaldonnees = true;
            }
        }
    }
    lichemcases.trikilldoubles();
    lichemhexas.trikilldoubles();
    fautbasexhaustive();
}

void clagritiko::debutdaffichagrille() {
    fautbasexhaustive();
    fautunelitipoint();
    fautunetabledeshexas();
    fautunetabledescases();
    fautcoordentableaux();
    if (avaldonnees)
        fautappliquerniveau();
    injecterpossuval();
    fautdeslistesegtour();
}
