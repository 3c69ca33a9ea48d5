#include "drawing/clagripage.h"
#include "drawing/devices.h"
#include "drawing/drawingobjects.h"
#include "drawing/gamecolours.h"
#include "drawing/gridview.h"
#include "drawing/mousecursors.h"

#include <algorithm>

namespace {

constexpr colour noir = rgb(0, 0, 0);
constexpr colour bleu = rgb(0, 0, 255);
constexpr colour vert = rgb(0, 255, 0);
constexpr colour rouge = rgb(255, 0, 0);

// How far above its place a mark's glyph starts, for the chosen cell size.
std::int16_t levee(std::int16_t taillechoisie) {
    if (taillechoisie >= 70)
        return 9;
    if (taillechoisie >= 60)
        return 8;
    if (taillechoisie >= 50)
        return 6;
    return 5;
}

// One grid-shift arrow: its window points drawn back at their window positions.
void dessinefleche(const dcpoint *window, bool offered) {
    pdevactu->setcreabrosse(offered ? rouge : grisvingt);
    dcpoint points[4];
    for (int k = 0; k < 4; ++k)
        points[k] = {static_cast<std::int16_t>(window[k].x - pdevactu->localx),
                     static_cast<std::int16_t>(-(window[k].y - pdevactu->localy))};
    pdevactu->devepolygopix(0, 0, points, 4);
}

void dessinefleches(const etatvue &vue) {
    if (vue.flechokdroite || vue.flechokgauche) {
        dessinefleche(vue.grifledroite, vue.flechokdroite);
        dessinefleche(vue.griflegauche, vue.flechokgauche);
    }
    if (vue.flechokhaut || vue.flechokbas) {
        dessinefleche(vue.griflehaut, vue.flechokhaut);
        dessinefleche(vue.griflebas, vue.flechokbas);
    }
}

} // namespace

void clagripage::dessingrifin(cladevout &device, std::int16_t solution, colour, colour colour2) {
    const etatvue vue = etatvueactu();
    for (std::int16_t i = 1; i <= nbcases; ++i) {
        const std::int16_t v = getcaseval(i);
        if (v > 0) {
            const colour ink = casestfixe(i) ? grischiffrefixe : grischiffrejoue;
            grichiffroulettres(indice, *this, *this, device, ink, i, boncarac(indice, v), 1.0f, anglepage);
        }
        if (vue.contraffi)
            dessinecontraintes(i);
        else if (!vue.pagesregles && casestvide(i))
            affipossofuser(i);
    }
    if (vue.mainone) {
        const std::int16_t r = device.poursixcent(10);
        device.setgeocrayonpix(static_cast<std::int16_t>(std::max(1, taillecase / 40)), noir);
        for (std::int16_t h = 1; h <= nbhexacomplets; ++h)
            device.devecerclepix(gethexacentrix(h), gethexacentry(h), r);
    }
    setlocagrideux(solution, device);
    dessincontourtritop(indice, solution, static_cast<std::int16_t>(taillecase / 6 + 1), colour2);
    dessinefleches(vue);
    device.locapop();
    sablierfin();
}

// Each pair of related cells joined once by a green line, and a green disc on the cell.
void clagripage::dessinecontraintes(std::int16_t cell) {
    pdevactu->setgeocrayonpix(1, vert);
    pdevactu->setcreabrosse(vert);
    const std::int16_t cx = getcacentrix(cell);
    const std::int16_t cy = getcacentry(cell);
    for (std::int16_t k = 0; k < 12; ++k) {
        const std::int16_t n = casevoisine(cell, k);
        if (n > 0 && n < cell)
            pdevactu->atrasegpur(cx, cy, getcacentrix(n), getcacentry(n));
    }
    pdevactu->devecerclepix(cx, cy, 4);
}

void clagripage::affipossofuser(std::int16_t cell) {
    if (!estcase(cell))
        return;
    const std::int16_t taillechoisie = etatvueactu().taillechoisie;
    const auto h = static_cast<std::int16_t>(taillechoisie / 4);
    mapolice.create(h, static_cast<std::int16_t>(h / 2), 0, 0, 200, "Arial");
    mapolice.useon(pdevactu->dc);
    mapolice.setcentrage(1);
    mapolice.colornoback(bleu);
    const std::int16_t lift = levee(taillechoisie);
    const std::int16_t marks = tabcases[static_cast<std::size_t>(cell)].possuser;
    for (std::int16_t v = 1; v <= 6; ++v) {
        if ((marks & (1 << (v - 1))) == 0)
            continue;
        std::int16_t px = 0;
        std::int16_t py = 0;
        givepossofuser(cell, v, px, py);
        const char digit[2] = {static_cast<char>('0' + v), 0};
        mapolice.print(static_cast<std::int16_t>(pdevactu->localx + px),
                       static_cast<std::int16_t>(pdevactu->localy - (py + lift)), digit);
    }
    mapolice.enduse();
}

void grichiffroulettres(std::int16_t, const clagripage &page, clagritiko &model, cladevout &device, colour c,
                        std::int16_t cell, char character, float scale, std::int16_t angle) {
    const auto h = static_cast<std::int16_t>(static_cast<float>(page.taillechiffre) * scale);
    mapolice.createbis(h, static_cast<std::int16_t>(h / 2), static_cast<std::int16_t>(angle * 10), 0, 200,
                       "Arial");
    mapolice.useon(device.dc);
    mapolice.colornoback(c);
    mapolice.setcentrage(1);
    const char text[2] = {character, 0};
    mapolice.printpix(static_cast<std::int16_t>(device.localx + model.getcacentrix(cell)),
                      static_cast<std::int16_t>(device.localy - model.getcacentry(cell)), text);
}
