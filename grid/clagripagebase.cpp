#include "grid/clagripagebase.h"

gstring grilledeja;

void clagripagebase::clear() {
    nom.clear();
    lignesdef.clear();
    indice = 0;
    posgrillex = posgrilley = 0;
    possolux = possoluy = 0;
    taillecase = 15;
    taillechiffre = 10;
    niveaupage = 100;
    anglepage = 0;
    modeaffi = 6;
}

void clagripagebase::settaillemmpix(std::int16_t, std::int16_t pixels) {
    taillecase = pixels;
    taillechiffre = static_cast<std::int16_t>(static_cast<float>(pixels) * 0.55f);
    settaillepix(pixels);
}

void clagripagebase::setmodaffi(std::int16_t mode) {
    modeaffi = mode;
    if (mode == 6)
        calposipusertri();
}

void clagripagebase::metgrillenhexa() {
    gstring key;
    key.set(nom.adr(), ",");
    if (!key.uqual(grilledeja.adr())) {
        grilledeja = key;
        setfromgrivecdef(lignesdef);
    }
    fixenivoulu(niveaupage);
    setangle(anglepage);
    settaillepix(taillecase);
}
