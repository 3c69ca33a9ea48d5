#include "tools/tikorules/rulespictures.h"

#include "drawing/colourshades.h"
#include "drawing/rulesdrawing.h"
#include "tools/tikorules/picturegrid.h"

namespace {
constexpr colour rouge = rgb(255, 0, 0);
constexpr colour vert = rgb(0, 200, 0);
constexpr colour orange = rgb(255, 150, 0);
constexpr colour cyan = rgb(0, 255, 255);
constexpr colour rose = rgb(255, 170, 210);

// The page is 203 x 152 mm around its centre.
constexpr float bordx = 102;
constexpr float bordy = 77;
// The title band of the pages after the first, and the box of their example grid.
constexpr float bandebas = 58;
constexpr float grillex = -50;
constexpr float grilley = 4;
constexpr float grillelarge = 90;
constexpr float grillehaute = 92;

picturegrid grilleagauche(const char *id, std::int16_t niveau) {
    picturegrid grid;
    grid.id = id;
    grid.niveau = niveau;
    grid.xmm = grillex;
    grid.ymm = grilley;
    grid.largeurmm = grillelarge;
    grid.hauteurmm = grillehaute;
    return grid;
}

void fondpage(picturesurface &surface) {
    surface.aplat(-bordx, -bordy, bordx, bordy, nuancegris(10));
    surface.aplat(-bordx, bandebas, bordx, bordy, cyan);
}

void pagetitre(picturesurface &surface) {
    surface.aplat(-bordx, -bordy, bordx, bordy, cyan);
    surface.aplat(-bordx, bordy - 2 * bordy / 5, bordx, bordy, rose);
    const char *ids[3] = {"1239-1", "1805-18", "1222-65"};
    const float xs[3] = {-66, 0, 66};
    for (int k = 0; k < 3; ++k) {
        picturegrid grid;
        grid.id = ids[k];
        grid.niveau = 3;
        grid.xmm = xs[k];
        grid.ymm = -14;
        grid.largeurmm = 64;
        grid.hauteurmm = 86;
        // The holes of the title page's grids are grey.
        grid.trous = nuancegris(45);
        dessinegrille(surface, grid);
    }
}

void troishexagones(picturesurface &surface, const char *rouges, const char *verts, const char *oranges) {
    entoure(surface, rouges, rouge);
    entoure(surface, verts, vert);
    if (oranges != nullptr)
        entoure(surface, oranges, orange);
}

void autresgrilles(picturesurface &surface) {
    const char *ids[4] = {"1932-4", "1803-12", "1939-2", "1605-5"};
    for (int k = 0; k < 4; ++k) {
        picturegrid grid;
        grid.id = ids[k];
        grid.niveau = static_cast<std::int16_t>(2 + k);
        grid.xmm = grillex + (k % 2 == 0 ? -23 : 23);
        grid.ymm = grilley + (k < 2 ? 23 : -23);
        grid.largeurmm = 42;
        grid.hauteurmm = 42;
        dessinegrille(surface, grid);
    }
    entoure(surface, hexacomplet(1), rouge);
}

void pointdinterrogation(picturesurface &surface) {
    surface.device.setlocal(0, 0);
    reglepoli.set("Arial");
    reglecrayon(1, rouge);
    regletexte(grillex, grilley, 0, 75, 0, 900, 1, "?");
}
} // namespace

void dessineimage(picturesurface &surface, std::int16_t page) {
    if (page == 1) {
        pagetitre(surface);
        return;
    }
    fondpage(surface);
    picturegrid grid;
    switch (page) {
    case 2:
        dessinegrille(surface, grilleagauche("1251-1", 2));
        troishexagones(surface, hexacomplet(2), hexavoisin(hexacomplet(2)), nullptr);
        break;
    case 3:
        dessinegrille(surface, grilleagauche("1251-2", 3));
        troishexagones(surface, hexacomplet(1), hexapartiel(false), nullptr);
        break;
    case 4:
        dessinegrille(surface, grilleagauche("1805-18", 4));
        troishexagones(surface, hexacomplet(1), hexapartiel(true), hexapartiel(false));
        break;
    case 5:
        grid = grilleagauche("1251-3", 4);
        grid.jouees = 6;
        dessinegrille(surface, grid);
        troishexagones(surface, hexacomplet(3), hexavoisin(hexacomplet(3)), nullptr);
        break;
    case 6:
        grid = grilleagauche("1939-2", 6);
        grid.marquees = 60;
        dessinegrille(surface, grid);
        entoure(surface, hexacomplet(1), vert);
        break;
    case 7: {
        dessinegrille(surface, grilleagauche("1605-5", 4));
        const char *premier = hexacomplet(1);
        const char *second = hexavoisin(premier);
        troishexagones(surface, premier, second, hexavoisin(second, premier));
        break;
    }
    case 8:
        autresgrilles(surface);
        break;
    case 9:
        grid = grilleagauche("1222-65", 5);
        grid.jouees = 10;
        dessinegrille(surface, grid);
        pointdinterrogation(surface);
        break;
    default:
        break;
    }
}
