#include "shell/playinput.h"

#include <algorithm>
#include <cstdlib>

#include "drawing/clagripage.h"
#include "drawing/devices.h"
#include "drawing/mousecursors.h"
#include "foundation/textfold.h"
#include "platform/beep.h"
#include "platform/window.h"
#include "shell/buttons.h"
#include "shell/gridshift.h"
#include "shell/numberpicker.h"
#include "shell/shellstate.h"
#include "shell/undoredo.h"

namespace {

void refus() {
    Beep(800, 5);
    Beep(1200, 5);
}

void effacement() {
    sourefface = 1;
    fixecursouris(1);
    Beep(250, 80);
    Beep(200, 80);
    Beep(150, 80);
    sourefface = 0;
    fixecursouris(1);
}

// Client pixels to the window device's coordinates, y growing upward.
void versdevice(std::int32_t x, std::int32_t y, std::int16_t &dx, std::int16_t &dy) {
    dx = static_cast<std::int16_t>(x - fenecrout.localx);
    dy = static_cast<std::int16_t>(fenecrout.localy - y);
}

std::int16_t logique(std::int16_t v) {
    return static_cast<std::int16_t>(static_cast<float>(v) / fenecrout.zoom);
}

// A click on a lattice point: the newest marker again clears all three, another point becomes
// the newest.
void marquepoint(std::int16_t point) {
    if (point == hexadernier) {
        hexadernier = hexavantder = hexantepen = 0;
    } else {
        hexantepen = hexavantder;
        hexavantder = hexadernier;
        hexadernier = point;
    }
    reaffigri();
}

// The cell label shows the line and column of the cell under the mouse, updated only on change.
void affichelicolo(std::int16_t cell) {
    static gstring gruplico;
    gstring texte;
    if (cell > 0)
        grilleram[0].ecricalignouv(texte, 1, cell, " ");
    if (foldequal(texte.adr(), gruplico.adr()))
        return;
    gruplico = texte;
    setwintext(hbtlicolo, texte.adr());
}

bool dansfleche(std::int16_t k) {
    const winrect &r = posifleche[k];
    return mxup >= r.left && mxup <= r.right && myup >= r.top && myup <= r.bottom;
}

// The arrows offered under the release point; several may fire when their rectangles overlap.
bool cliquefleches() {
    bool fait = false;
    const char offertes[4] = {flechokdroite, flechokgauche, flechokhaut, flechokbas};
    const std::int16_t codes[4] = {3, 2, 4, 5};
    for (std::int16_t k = 0; k < 4; ++k) {
        if (offertes[k] && dansfleche(k)) {
            decalagribouton(codes[k]);
            fait = true;
        }
    }
    return fait;
}

} // namespace

void nombreclic(std::int16_t n) {
    nombractu = n;
    reaffigri();
    gestafficontraintes(n);
    fixecursouris(0);
}

void cliquechiffre(char origin, std::int16_t n) {
    if (n < 0 || n > 6)
        return;
    nombractu = n;
    if (origin == 'F' || origin == 'T')
        nombreclic(n);
}

void gestafficontraintes(std::int16_t n) {
    const char avant = contraffi;
    if (n == 6) {
        contranombre = static_cast<std::int8_t>(std::min(contranombre + 1, 6));
        if (contranombre == 6)
            contraffi = 1;
    } else {
        contranombre = 0;
        contraffi = 0;
    }
    if (contraffi != avant)
        reaffigri();
}

void posevaleur() {
    clagripage &page = grilleram[0];
    const std::int16_t c = casactu;
    const std::int16_t n = nombractu;
    const std::int16_t v = page.getcaseval(c);
    if (v <= 0) {
        if (page.isautorisee(c, n)) {
            page.setcaseval(c, n);
            memorisaction(1, n, c);
            if (page.cestfini()) {
                bravo = 1;
                reaffigri();
            }
        } else if (n == 0 && page.yadespossusers()) {
            page.razpuser(c);
            Beep(200, 50);
            reaffigri();
        } else {
            refus();
        }
        return;
    }
    if (page.casestfixe(c)) {
        nombractu = v;
        cliquechiffre('F', v);
    } else if (v == n) {
        page.setcaseval(c, 0);
        memorisaction(0, v, c);
        effacement();
    } else if (n == 0) {
        page.setcaseval(c, 0);
        page.defixercase(c);
        memorisaction(0, v, c);
        effacement();
    } else {
        refus();
    }
}

void sourisbouge(lparam point) {
    fixecursouris(1);
    if (mode == 5)
        return;
    mxdown = pointx(point);
    mydown = pointy(point);
    versdevice(mxdown, mydown, screenmovex, screenmovey);
    clagripage &page = grilleram[0];
    const std::int16_t cell = page.caseproche(screenmovex, screenmovey);
    affichelicolo(cell);
    souronhexa = static_cast<char>(cell <= 0 && page.hexapartproche(screenmovex, screenmovey) > 0);
}

void gauchebas(lparam point) {
    mxdown = pointx(point);
    mydown = pointy(point);
    versdevice(mxdown, mydown, screendownx, screendowny);
    logicdownx = logique(screendownx);
    logicdowny = logique(screendowny);
}

void gauchehaut(lparam point) {
    mxup = pointx(point);
    myup = pointy(point);
    versdevice(mxup, myup, screenupx, screenupy);
    logicupx = logique(screenupx);
    logicupy = logique(screenupy);
    if (cliquefleches() || mode != 4)
        return;
    clagripage &page = grilleram[0];
    const std::int16_t cell = page.caseproche(screendownx, screendowny);
    const std::int16_t lattice = page.pointproche(screendownx, screendowny);
    if (cell > 0) {
        casactu = cell;
        reaffigri();
        page.ajustepossicase();
        posevaleur();
    } else if (lattice > 0) {
        const int d = std::abs(screendownx - screenupx) + std::abs(screendowny - screenupy);
        if (d > 24)
            decalagrisouris(static_cast<std::int16_t>(screenupx - screendownx),
                            static_cast<std::int16_t>(screenupy - screendowny));
        else if (d <= 5)
            marquepoint(lattice);
    } else {
        const std::int16_t n = boutriproche(static_cast<std::int16_t>(mxup), static_cast<std::int16_t>(myup));
        if (n >= 1 && n <= 6)
            cliquechiffre('T', n);
    }
}

void droitehaut(lparam point) {
    mxup = pointx(point);
    myup = pointy(point);
    versdevice(mxdown, mydown, screendownx, screendowny);
    if (mode != 4)
        return;
    clagripage &page = grilleram[0];
    const std::int16_t cell = page.caseproche(screendownx, screendowny);
    if (cell <= 0)
        return;
    casactu = cell;
    reaffigri();
    if (cavipozerini == 0 && page.tabcases[static_cast<std::size_t>(cell)].possuser == 0) {
        page.tabcases[static_cast<std::size_t>(cell)].possuser = 63;
        return;
    }
    const std::int16_t mark = page.possiproche(cell, screendownx, screendowny);
    if (mark > 0) {
        page.swapossuser(cell, mark);
        reaffigri();
    }
}
