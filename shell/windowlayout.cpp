#include "shell/windowlayout.h"

#include "drawing/clagripage.h"
#include "drawing/devices.h"
#include "drawing/drawingobjects.h"
#include "drawing/offscreenlayers.h"
#include "platform/window.h"
#include "shell/buttoncolumn.h"
#include "shell/shellstate.h"
#include "shell/windowplace.h"

clawinregion regionprin;
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

void windecalagautres(winhandle window) {
    regionprin.decalaset(window);
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
    fenetrebouthgt = static_cast<std::int16_t>(regionprin.dy + ysuibou + 10);
    posiregok = 1;
}
