#include "tools/tikorules/picturegrid.h"

#include "drawing/clagripage.h"
#include "drawing/devices.h"
#include "drawing/gamecolours.h"
#include "drawing/gridview.h"
#include "drawing/rulesdrawing.h"
#include "grid/candidatemasks.h"
#include "shell/builtingrids.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace {
constexpr colour bleu = rgb(0, 0, 255);
constexpr std::int16_t tailleessai = 40;

std::int16_t tailleaffichee = tailleessai;

etatvue vueimage() {
    etatvue vue;
    vue.mainone = true;
    vue.taillechoisie = tailleaffichee;
    return vue;
}

void mettaille(clagripage &page, std::int16_t size, cadrepix &frame) {
    page.settaillemmpix(0, size);
    page.setmodaffi(6);
    page.debutdaffichagrille();
    page.posicadremax(frame);
}

bool seulcandidat(std::int16_t mask) {
    return mask != 0 && (mask & (mask - 1)) == 0;
}

std::int16_t valeurdumasque(std::int16_t mask) {
    std::int16_t v = 1;
    while ((mask >> (v - 1)) != 1)
        ++v;
    return v;
}

void joue(clagripage &page, std::int16_t jouees, std::int16_t marquees) {
    for (std::int16_t i = 1; i <= page.nbcases && jouees > 0; ++i) {
        page.ajustepossicase();
        const std::int16_t mask = page.tabcases[static_cast<std::size_t>(i)].possibles;
        if (page.casestvide(i) && seulcandidat(mask)) {
            page.setcaseval(i, valeurdumasque(mask));
            --jouees;
        }
    }
    page.ajustepossicase();
    for (std::int16_t i = 1; i <= page.nbcases && marquees > 0; ++i) {
        structcase &c = page.tabcases[static_cast<std::size_t>(i)];
        if (page.casestvide(i) && !seulcandidat(c.possibles)) {
            c.possuser = c.possibles;
            --marquees;
        }
    }
}

std::int32_t distance2(const char *a, const char *b) {
    clagripage &page = grilleram[0];
    std::int16_t ax = 0, ay = 0, bx = 0, by = 0;
    page.giveposipoint(a, ax, ay);
    page.giveposipoint(b, bx, by);
    return (ax - bx) * (ax - bx) + (ay - by) * (ay - by);
}
} // namespace

void dessinegrille(picturesurface &surface, const picturegrid &grid) {
    clagripage &page = grilleram[0];
    tailleaffichee = tailleessai;
    lireetatvue = vueimage;
    jeucouleurs();
    grisinterne = grid.trous;
    globinitticalcul();
    grilleload(page, grid.id);
    if (grid.niveau > 0)
        page.setnidem(grid.niveau);
    page.ajustepossicase();
    cadrepix frame;
    mettaille(page, tailleessai, frame);
    const float sx = static_cast<float>(surface.device.ammxtopix(grid.largeurmm)) /
                     static_cast<float>(std::max(1, frame.right - frame.left));
    const float sy = static_cast<float>(surface.device.ammytopix(grid.hauteurmm)) /
                     static_cast<float>(std::max(1, frame.top - frame.bottom));
    tailleaffichee = static_cast<std::int16_t>(
        std::min<float>(grid.taillemax, static_cast<float>(tailleessai) * std::min(sx, sy)));
    tailleaffichee = static_cast<std::int16_t>(tailleaffichee & ~1);
    mettaille(page, tailleaffichee, frame);
    joue(page, grid.jouees, grid.marquees);
    page.posgrillex =
        grid.xmm - surface.device.apixtommx(static_cast<std::int16_t>((frame.left + frame.right) / 2));
    page.posgrilley =
        grid.ymm - surface.device.apixtommy(static_cast<std::int16_t>((frame.top + frame.bottom) / 2));
    page.setgrillactu(0);
    page.setdevice(0, &surface.device);
    page.dessingrifond(surface.device, 0, bleu, bleu);
    page.dessingrifin(surface.device, 0, bleu, bleu);
}

const char *hexacomplet(std::int16_t k) {
    const char *path = grilleram[0].lichemhexas.adr(k);
    return path != nullptr ? path : "";
}

const char *hexavoisin(const char *path, const char *sauf) {
    clagripage &page = grilleram[0];
    const std::int32_t side2 = page.taillepix * page.taillepix;
    for (std::int16_t k = 1; k <= page.nbhexacomplets; ++k) {
        const char *other = hexacomplet(k);
        if (std::abs(distance2(path, other) - side2) <= side2 / 10 &&
            (sauf == nullptr || std::strcmp(other, sauf) != 0))
            return other;
    }
    return path;
}

const char *hexapartiel(bool pres) {
    clagripage &page = grilleram[0];
    cadrepix frame;
    page.posicadremax(frame);
    const auto cx = static_cast<std::int16_t>((frame.left + frame.right) / 2);
    const auto cy = static_cast<std::int16_t>((frame.top + frame.bottom) / 2);
    const char *best = "";
    std::int32_t bestd = pres ? INT32_MAX : -1;
    for (const lichati::lxnoeud *p = page.lichemhexapart.head; p != nullptr; p = p->next) {
        std::int16_t x = 0, y = 0;
        page.giveposipoint(p->text.adr(), x, y);
        const std::int32_t d = (x - cx) * (x - cx) + (y - cy) * (y - cy);
        if (pres ? d < bestd : d > bestd) {
            bestd = d;
            best = p->text.adr();
        }
    }
    return best;
}

void entoure(picturesurface &surface, const char *path, colour c) {
    clagripage &page = grilleram[0];
    surface.device.locapush();
    page.setlocagrille(surface.device);
    surface.device.transpabrosse();
    reglecrayon(static_cast<std::int16_t>(page.taillepix / 7), c);
    regletikopix(0, 0, path, page.taillepix);
    surface.device.locapop();
}
