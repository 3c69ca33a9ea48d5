#include "shell/windowlayout.h"

#include "drawing/clagripage.h"
#include "drawing/devices.h"
#include "drawing/drawingobjects.h"
#include "drawing/offscreenlayers.h"
#include "lattice/clatichemin.h"
#include "platform/regions.h"
#include "platform/window.h"
#include "shell/buttoncolumn.h"
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
std::int16_t largecranpix = 0;
std::int16_t hautecranpix = 0;

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

void clawinregion::addrectanglen(std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h) {
    region = region.united(QRegion(x, y, w, h));
}

void clawinregion::addpolygone(const dcpoint *points, std::int16_t n) {
    region = region.united(polygonregion(points, n));
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
    // Nothing of the grid reaches into the button column or beyond the grid's own frame.
    hexaregion.region = hexaregion.region.intersected(
        QRegion(regionprin.dx + margauche, regionprin.dy, besoingrigauche + besoingridroite,
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
    outline.region = outline.region.united(hexaregion.region);
    regionprin = outline;
}

namespace {

std::int16_t absolu(std::int16_t v) {
    return static_cast<std::int16_t>(v < 0 ? -v : v);
}

} // namespace

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
    device.centrex = centregrillx;
    device.centrey = centregrilly;
    device.setlocal(0, 0);
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
