#include "shell/windowlayout.h"

#include <algorithm>

#include "drawing/clagripage.h"
#include "drawing/devices.h"
#include "drawing/drawingobjects.h"
#include "drawing/offscreenlayers.h"
#include "lattice/clatichemin.h"
#include "platform/regions.h"
#include "platform/window.h"
#include "shell/buttoncolumn.h"
#include "shell/gridshift.h"
#include "shell/shellstate.h"
#include "shell/windowplace.h"

clawinregion regionprin;
clawinregion hexaregion;
std::int16_t besoingrigauche = 0;
std::int16_t besoingridroite = 0;
std::int16_t besoingrihaut = 0;
std::int16_t besoingribas = 0;
std::int16_t margauche = 80;
std::int16_t centregrillx = 0;
std::int16_t centregrilly = 0;
std::int16_t maxifenlarg = 0;
std::int16_t maxifenhaut = 0;
dcpoint grifledroite[4] = {};
dcpoint griflegauche[4] = {};
dcpoint griflehaut[4] = {};
dcpoint griflebas[4] = {};
std::int16_t largecranpix = 0;
std::int16_t hautecranpix = 0;

namespace {

std::int16_t absolu(std::int16_t v) {
    return static_cast<std::int16_t>(v < 0 ? -v : v);
}

dcpoint point(std::int32_t x, std::int32_t y) {
    return {static_cast<std::int16_t>(x), static_cast<std::int16_t>(y)};
}

void triangle(dcpoint *out, dcpoint a, dcpoint b, dcpoint c) {
    out[0] = a;
    out[1] = b;
    out[2] = c;
    out[3] = a;
}

// The arrows' rectangles for the click test and their triangles for the drawing and the outline.
void calculefleches() {
    const std::int32_t l = (fenetregriwid + fenetregrihgt) / 40;
    const std::int32_t h = l / 2;
    const std::int32_t q = l / 4;
    const std::int32_t cx = (besoingrigauche + besoingridroite - manquedroite) / 2 + margauche;
    const std::int32_t cy = (besoingrihaut + besoingribas - manquebas) / 2;
    const std::int32_t xr = margauche + besoingrigauche + besoingridroite - (manquedroite + h);
    posifleche[0] = {xr - q, cy - l, xr + q, cy + l};
    triangle(grifledroite, point(xr - q, cy - l), point(xr - q, cy + l), point(xr + q, cy));
    const std::int32_t xl = margauche + h;
    posifleche[1] = {xl - q, cy - l, xl + q, cy + l};
    triangle(griflegauche, point(xl + q, cy - l), point(xl + q, cy + l), point(xl - q, cy));
    const std::int32_t yu = h;
    posifleche[2] = {cx - l, yu - q, cx + l, yu + q};
    triangle(griflehaut, point(cx + l, yu + q), point(cx - l, yu + q), point(cx, yu - q));
    const std::int32_t yd = besoingrihaut + besoingribas - (manquebas + h);
    posifleche[3] = {cx - l, yd - q, cx + l, yd + q};
    triangle(griflebas, point(cx + l, yd - q), point(cx - l, yd - q), point(cx, yd + q));
}

// A triangle moved into window coordinates, added to the grid's outline.
void ajoutefleche(const dcpoint *fleche) {
    dcpoint points[4];
    for (int k = 0; k < 4; ++k)
        points[k] = point(fleche[k].x + regionprin.dx, fleche[k].y + regionprin.dy);
    hexaregion.addpolygone(points, 4);
}

} // namespace

void clawinregion::decalaset(winhandle window) {
    if (!iswindow(window))
        return;
    const winrect outer = getwinrect(window);
    std::int16_t x = 0;
    std::int16_t y = 0;
    clienttoscreen(window, x, y);
    dx = static_cast<std::int16_t>(x - outer.left);
    dy = static_cast<std::int16_t>(y - outer.top);
}

void clawinregion::add(const QRegion &other) {
    region = region.united(other);
}

void clawinregion::intersec(const QRegion &other) {
    region = region.intersected(other);
}

void clawinregion::addrectanglen(std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h) {
    add(QRegion(x, y, w, h));
}

void clawinregion::addpolygone(const dcpoint *points, std::int16_t n) {
    add(polygonregion(points, n));
}

void windecalagautres(winhandle window) {
    regionprin.decalaset(window);
}

void appliqueregprin(winhandle window) {
    setwinregion(window, regionprin.region);
}

void calcuregmini(winhandle window) {
    posiregok = 1;
    windecalagautres(window);
    appliqueregprin(window);
}

void crearegiongrille() {
    clagripage &page = *ptgriactu;
    page.fautcoordentableaux();
    hexaregion = clawinregion();
    hexaregion.dx = regionprin.dx;
    hexaregion.dy = regionprin.dy;
    if (!page.tabcasesfaite || !page.tabhexasfaite)
        return;
    clatidirections vecteurs;
    vecteurs.settaillangle(static_cast<std::int16_t>(page.taillepix * 12 / 10), 0);
    const cladevout &device = *pdevactu;
    for (std::int16_t h = 1; h <= page.nbhexacomplets && static_cast<std::size_t>(h) < page.tabhexas.size(); ++h) {
        const structhexa &hexa = page.tabhexas[static_cast<std::size_t>(h)];
        const auto cx = static_cast<std::int16_t>(regionprin.dx + device.localx + hexa.x);
        const auto cy = static_cast<std::int16_t>(regionprin.dy + device.localy - hexa.y);
        dcpoint points[7];
        for (int k = 0; k < 7; ++k)
            points[k] = {static_cast<std::int16_t>(cx + vecteurs.x[k % 6]),
                         static_cast<std::int16_t>(cy + vecteurs.y[k % 6])};
        hexaregion.addpolygone(points, 7);
    }
    if (flechokdroite || flechokgauche) {
        ajoutefleche(grifledroite);
        ajoutefleche(griflegauche);
    }
    if (flechokhaut || flechokbas) {
        ajoutefleche(griflehaut);
        ajoutefleche(griflebas);
    }
    // Nothing of the grid reaches into the button column or beyond the grid's own frame.
    hexaregion.intersec(QRegion(regionprin.dx + margauche, regionprin.dy, besoingrigauche + besoingridroite,
                                besoingrihaut + besoingribas));
}

void composeregionprin() {
    const std::int16_t dx = regionprin.dx;
    const std::int16_t dy = regionprin.dy;
    clawinregion outline;
    outline.dx = dx;
    outline.dy = dy;
    outline.addrectanglen(dx + xprembou - 20, 0, 110, dy);
    outline.addrectanglen(dx + xprembou - 10, dy, 50, ysuibou + 10);
    fenetrebouthgt = static_cast<std::int16_t>(dy + ysuibou + 10);
    outline.add(hexaregion.region);
    regionprin = outline;
}

void calcuposiregion() {
    clagripage &page = *ptgriactu;
    if (!page.tabhexasfaite)
        return;
    cladevout &device = *pdevactu;
    page.cadreblocsel(device);
    besoingrigauche = absolu(device.ammxtopix(blokadre.xa));
    besoingridroite = device.ammxtopix(blokadre.xb);
    besoingrihaut = device.ammytopix(blokadre.yb);
    besoingribas = absolu(device.ammytopix(blokadre.ya));
    margauche = static_cast<std::int16_t>(xprembou + 40);
    centregrillx = static_cast<std::int16_t>(margauche + besoingrigauche);
    centregrilly = besoingrihaut;
    fenetregriwid =
        static_cast<std::int16_t>(margauche + besoingrigauche + besoingridroite + 2 * regionprin.dx);
    fenetregrihgt = static_cast<std::int16_t>(besoingrihaut + besoingribas + regionprin.dy + regionprin.dx);
    maxifenhaut = static_cast<std::int16_t>(hautecranpix - printop - 30);
    maxifenlarg = static_cast<std::int16_t>(largecranpix - prinleft);
    manquebas = static_cast<std::int16_t>(std::max(0, fenetregrihgt - maxifenhaut));
    manquedroite = static_cast<std::int16_t>(std::max(0, fenetregriwid - maxifenlarg));
    decalaccordfleches();
    const std::int16_t u = page.taillepix;
    device.centrex = static_cast<std::int16_t>(centregrillx + static_cast<std::int32_t>(u * decalagrilladroite));
    device.centrey = static_cast<std::int16_t>(centregrilly - static_cast<std::int32_t>(u * decalagrillenhaut));
    device.setlocal(0, 0);
    calculefleches();
    setgriwinposition(hwndmainwin);
}

void recalcureg(winhandle window) {
    ptgriactu->fautcoordentableaux();
    windecalagautres(window);
    killfenetrefond();
    calcuposiregion();
    crearegiongrille();
    composeregionprin();
    posiregok = 1;
}
