#include "grid/clagritiko.h"

clagritiko::clagritiko() {
    clear('C');
    settaillepix(40);
}

clagritiko::~clagritiko() {
    clear('N');
}

void clagritiko::clear(char mode) {
    if (mode == 'C') {
        basefaite = pointsfaits = voisinsfaits = segmentsfaits = autourfaits = false;
        tabcasesfaite = tabhexasfaite = coordfaites = false;
        tabvoisinsfaite = tabvoisinsremplie = false;
        avaldonnees = valplacees = false;
        niveaunominal = 6;
        niveaueffectif = 6;
    } else if (mode == 'N') {
        videlitikototale();
    }
    // The neighbour table goes with its flags, so no flag ever announces a table that is gone.
    killtablecommune();
    nbhexacomplets = nbhexapartiels = nbhexas = nbcases = nbpoints = 0;
    nblignes = nbcolonnes = 0;
    angle = 0;
    declassement = 0;
    nivajour = false;
    niveauapplique = 0;
    interdouze = true;
    nom.clear();
    niveauvoulu = 100;
    niveaucalcule = 100;
    settaillepix(40);
}

void clagritiko::vidertoutsauflitiko() {
    killtabledescases();
    killtabledeshexas();
    killtablecommune();
    videlititri();
    videlitipartie();
    videlistevoisidouble();
    videlisegmentour();
    videlicasesautour();
    videlivalcafixes();
    valplacees = false;
}

void clagritiko::videlitikototale() {
    vidertoutsauflitiko();
    lichemhexas.clear();
    nbhexas = 0;
    nbhexacomplets = 0;
}

void clagritiko::setnom(const char *text) {
    nom.set(text);
}

void clagritiko::settaillepix(std::int16_t size) {
    taillepix = size;
    geretaille();
}

void clagritiko::setangle(std::int16_t degrees) {
    angle = degrees;
    directions.setangle(degrees);
    gravcases.setangle(degrees);
    gravhexas.setangle(degrees);
    geretaille();
}

clatichemin &clagritiko::tichemad() {
    return gravcases.chemin;
}
