#include "shell/defairefaire.h"

#include <algorithm>

void defairefaire::clear() {
    liste.clear();
    niveau = 0;
}

void defairefaire::ajoute(const char *text) {
    for (std::int16_t count = liste.effectif(); count > niveau && count > 0; --count)
        liste.kill(count);
    liste.padd(text);
    niveau = liste.effectif();
}

void defairefaire::gaffeniv() {
    niveau = std::min(niveau, liste.effectif());
}

void defairefaire::retire(gstring &out) {
    if (niveau <= 0) {
        out.clear();
        return;
    }
    out.set(liste.adr(niveau));
    --niveau;
}

void defairefaire::avance(gstring &out) {
    if (!peutavancer()) {
        out.clear();
        return;
    }
    ++niveau;
    out.set(liste.adr(niveau));
}

void defairefaire::viredeux() {
    for (int k = 0; k < 2; ++k)
        if (liste.notempty())
            liste.kill(liste.effectif());
    gaffeniv();
}

std::int16_t defairefaire::moveto(lichati &chain) {
    chain.clear();
    chain = std::move(liste);
    liste.clear();
    return niveau;
}

void defairefaire::setfrom(std::int16_t n, const lichati &chain) {
    liste.clear();
    liste.mergekeep(chain);
    niveau = std::clamp<std::int16_t>(n, 0, chain.effectif());
}
