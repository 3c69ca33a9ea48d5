#include "drawing/offscreenlayers.h"

#include "drawing/clagripage.h"
#include "drawing/drawingobjects.h"
#include "platform/window.h"

gdihandle fenetrefond = 0;
gdihandle grillefond = 0;
gdihandle grilletout = 0;
bool fenfondcreated = false;
bool grifondcreated = false;
bool gritoutcreated = false;
std::int32_t fenfondwid = 0;
std::int32_t fenfondhgt = 0;
colour fondecran = rgb(0, 255, 255);

namespace {

constexpr colour bleu = rgb(0, 0, 255);

std::int16_t largeur() {
    return static_cast<std::int16_t>(fenfondwid);
}

std::int16_t hauteur() {
    return static_cast<std::int16_t>(fenfondhgt);
}

// A new layer of the recorded size holding a plain copy of another.
gdihandle copiecouche(gdihandle source) {
    const gdihandle layer = createbitmap(largeur(), hauteur());
    const dchandle from = creatememdc();
    const dchandle to = creatememdc();
    selectobject(from, source);
    selectobject(to, layer);
    bitblt(to, 0, 0, largeur(), hauteur(), from, 0, 0);
    deletedc(to);
    deletedc(from);
    return layer;
}

void supprime(gdihandle &layer, bool &created) {
    deleteobject(layer);
    layer = 0;
    created = false;
}

} // namespace

void creafenetrefond(winhandle window, dchandle) {
    std::int16_t width = 0;
    std::int16_t height = 0;
    getclientsize(window, width, height);
    creafenetrefondtaille(width, height);
}

void creafenetrefondtaille(std::int32_t width, std::int32_t height) {
    fenfondwid = width;
    fenfondhgt = height;
    killfenetrefond();
    fenetrefond = createbitmap(largeur(), hauteur());
    fenfondcreated = true;
    const dchandle dc = creatememdc();
    selectobject(dc, fenetrefond);
    mabrosse.set(dc, createsolidbrush(fondecran));
    rectangle(dc, 0, 0, largeur(), hauteur());
    deletedc(dc);
}

std::int16_t verifenetrefond(winhandle window, dchandle context) {
    std::int16_t width = 0;
    std::int16_t height = 0;
    getclientsize(window, width, height);
    std::int16_t changed = 0;
    if (width != fenfondwid || height != fenfondhgt) {
        fenfondwid = width;
        fenfondhgt = height;
        killfenetrefond();
        changed = 1;
    }
    if (!fenfondcreated)
        creafenetrefond(window, context);
    return changed;
}

void creagrillefond(winhandle window, dchandle context) {
    if (!fenfondcreated)
        creafenetrefond(window, context);
    killgrillefond();
    grillefond = copiecouche(fenetrefond);
    grifondcreated = true;
}

void creagrilletout(winhandle window, dchandle context) {
    killgrilletout();
    if (!fenfondcreated)
        creafenetrefond(window, context);
    if (!grifondcreated)
        creagrillefond(window, context);
    grilletout = copiecouche(grillefond);
    gritoutcreated = true;
}

void killgrilletout() {
    if (gritoutcreated)
        supprime(grilletout, gritoutcreated);
}

void killgrillefond() {
    if (!grifondcreated)
        return;
    supprime(grillefond, grifondcreated);
    killgrilletout();
}

void killfenetrefond() {
    if (!fenfondcreated)
        return;
    supprime(fenetrefond, fenfondcreated);
    killgrilletout();
    killgrillefond();
}

peinturecouches ouvrecouches(winhandle window, dchandle context, clagripage &page, cladevout &device) {
    peinturecouches paint;
    paint.ancien = device.dc;
    paint.fond = creatememdc();
    if (grifondcreated) {
        selectobject(paint.fond, grillefond);
    } else {
        creagrillefond(window, context);
        selectobject(paint.fond, grillefond);
        device.dc = paint.fond;
        page.dessingrifond(device, 0, bleu, bleu);
    }
    creagrilletout(window, context);
    paint.tout = creatememdc();
    selectobject(paint.tout, grilletout);
    device.dc = paint.tout;
    bitblt(paint.tout, 0, 0, largeur(), hauteur(), paint.fond, 0, 0);
    return paint;
}

void fermecouches(peinturecouches &paint, cladevout &device) {
    bitblt(paint.ancien, 0, 0, largeur(), hauteur(), paint.tout, 0, 0);
    device.dc = paint.ancien;
    deletedc(paint.fond);
    deletedc(paint.tout);
    paint.fond = paint.tout = 0;
}
