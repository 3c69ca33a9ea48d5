#include "drawing/gamecolours.h"

#include "drawing/colourshades.h"
#include "drawing/gridview.h"

colour grisvingt = 0;
colour gristrente = 0;
colour grissoixante = 0;
colour grisquatvingt = 0;
colour grispapier = 0;
colour fuchsia = 0;
colour griscontour = 0;
colour grisinterne = 0;
colour grischiffrefixe = 0;
colour grischiffrejoue = 0;
colour grisfondcase = 0;
colour cjeutourcase = 0;
colour cjeucapossible = 0;

namespace {
constexpr colour noir = rgb(0, 0, 0);
constexpr colour blanc = rgb(255, 255, 255);
constexpr colour bleu = rgb(0, 0, 255);
constexpr colour magenta = rgb(255, 0, 255);
constexpr colour jaune = rgb(255, 255, 0);
constexpr colour vert = rgb(0, 255, 0);
} // namespace

void jeucouleurs() {
    grisvingt = nuancegris(20);
    gristrente = nuancegris(30);
    grissoixante = nuancegris(60);
    grisquatvingt = nuancegris(80);
    grisoubleu();
    grischiffrefixe = noir;
    grischiffrejoue = magenta;
    grisfondcase = clair(jaune);
    cjeutourcase = noir;
    cjeucapossible = clair(vert);
}

void grisoubleu() {
    grischiffrefixe = noir;
    grischiffrejoue = magenta;
    cjeucapossible = clair(vert);
    cjeutourcase = noir;
    grisfondcase = etatvueactu().mainone ? clair(jaune) : blanc;
    griscontour = grisquatvingt;
    grisinterne = grispapier;
    bonnesdemocouleurs();
}

void bonnesdemocouleurs() {
    grispapier = nuancegris(30);
    fuchsia = rgb(255, 0, 156);
    grisquatvingt = nuancegris(80);
    if (etatvueactu().mainone) {
        griscontour = bleu;
        grischiffrefixe = noir;
        grischiffrejoue = magenta;
        grisinterne = clair(bleu);
        grisfondcase = clair(jaune);
    }
    cjeutourcase = griscontour;
}

colour coulfondecase(std::int16_t, std::int16_t, colour c) {
    return c;
}
