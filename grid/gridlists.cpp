#include "grid/clagritiko.h"
#include "lattice/topology.h"

void clagritiko::fautbasexhaustive() {
    if (basefaite)
        return;
    topocompletecases(lichemcases, lichemhexas);
    nbcases = lichemcases.effectif();
    topoajoutcompartiels(lichemhexas, lichemhexapart, lichemcases);
    nbhexacomplets = lichemhexas.effectif();
    nbhexapartiels = lichemhexapart.effectif();
    nbhexas = static_cast<std::int16_t>(nbhexacomplets + nbhexapartiels);
    basefaite = true;
}

void clagritiko::fautunelitipoint() {
    if (pointsfaits)
        return;
    fautbasexhaustive();
    topocalculipoint(lipoints, lichemcases);
    pointsfaits = true;
    nbpoints = lipoints.effectif();
}

void clagritiko::fautunelistevoisidouble() {
    if (voisinsfaits)
        return;
    fautbasexhaustive();
    toponouvoisidouze(livoisins, lichemcases, lichemhexas, lichemhexapart);
    voisinsfaits = true;
}

void clagritiko::fautdeslistesegtour() {
    if (segmentsfaits)
        return;
    topocontourtritop(lichemhexas, liseginternes, lisegcontour);
    segmentsfaits = true;
}

void clagritiko::fautdeslistescasautour() {
    if (autourfaits)
        return;
    topocasesautourgri(licasestrous, licasesexter, lichemcases, lichemhexas);
    autourfaits = true;
}

void clagritiko::videlititri() {
    lichemcases.clear();
    nbcases = 0;
    basefaite = false;
    videlitipoint();
}

void clagritiko::videlitipoint() {
    lipoints.clear();
    nbpoints = 0;
    pointsfaits = false;
}

void clagritiko::videlitipartie() {
    lichemhexapart.clear();
    nbhexapartiels = 0;
}

void clagritiko::videlistevoisidouble() {
    livoisins.clear();
    voisinsfaits = false;
}

void clagritiko::videlisegmentour() {
    liseginternes.clear();
    lisegcontour.clear();
    segmentsfaits = false;
}

void clagritiko::videlicasesautour() {
    licasestrous.clear();
    licasesexter.clear();
    autourfaits = false;
}

void clagritiko::videlivalcafixes() {
    valdonnees.clear();
    avaldonnees = false;
}
