#include "shell/startupwindow.h"

#include <algorithm>
#include <cstdlib>

#include "drawing/clapolice.h"
#include "platform/gdiobjects.h"
#include "platform/screen.h"
#include "platform/window.h"
#include "shell/builtingrids.h"
#include "shell/decryptiko.h"
#include "shell/shellstate.h"
#include "storedtexts.h"

clafendemarrage fenetredem;

void clafendemarrage::clear() {
    *this = clafendemarrage{};
}

void clafendemarrage::fixetaille(std::int16_t width, std::int16_t height, colour background) {
    largeur = width;
    hauteur = height;
    fond = background;
}

void clafendemarrage::sethwndprin(winhandle window) {
    fenprin = window;
    princonnue = window != nullptr;
}

void clafendemarrage::creawinklassefendem() {
    if (!registerwinclass(classe, fendemproc, fond))
        std::exit(0);
}

void clafendemarrage::creafendem() {
    creawinklassefendem();
    fenetre = createwin(classe, "", style_popup, x, y, largeur, hauteur);
    cree = fenetre != nullptr;
    fixaucentrecran();
}

void clafendemarrage::repositionner() {
    if (!cree)
        return;
    setwinpos(fenetre, x, y, largeur, hauteur, visible ? pos_show : pos_hide);
    deplacee = false;
}

void clafendemarrage::fixesurecran(std::int16_t left, std::int16_t top) {
    x = left;
    y = top;
    deplacee = true;
    repositionner();
}

void clafendemarrage::fixaucentrecran() {
    fixesurecran(static_cast<std::int16_t>((screenwidth() - largeur) / 2),
                 static_cast<std::int16_t>((screenheight() - hauteur) / 2 - 20));
}

void clafendemarrage::fixaucentremain() {
    if (!princonnue) {
        fixaucentrecran();
        return;
    }
    const winrect r = getwinrect(fenprin);
    const std::int32_t cx = (r.left + r.right) / 2;
    const std::int32_t cy = (r.top + r.bottom) / 2 - 20;
    fixesurecran(static_cast<std::int16_t>(std::max<std::int32_t>(0, cx - largeur / 2)),
                 static_cast<std::int16_t>(std::max<std::int32_t>(0, cy - hauteur / 2)));
}

void clafendemarrage::simplaffidem(bool show) {
    if (!cree)
        return;
    if (show && !visible) {
        visible = true;
        showwin(fenetre, true);
        paintnow(fenetre);
    } else if (!show && visible) {
        visible = false;
        showwin(fenetre, false);
    }
}

void clafendemarrage::fixafficentrecran(bool show) {
    if (!show)
        simplaffidem(false);
    fixaucentrecran();
    if (show)
        simplaffidem(true);
}

void clafendemarrage::fixafficentremain(bool show) {
    if (!show)
        simplaffidem(false);
    fixaucentremain();
    if (show)
        simplaffidem(true);
}

void montrefendem() {
    fenetredem.fixesurecran(static_cast<std::int16_t>(prinleft + 180), static_cast<std::int16_t>(printop + 180));
    fenetredem.simplaffidem(true);
}

void dessinfendem(dchandle context) {
    const std::int16_t milieu = static_cast<std::int16_t>(fenetredem.largeur / 2);
    clapolice police;
    police.create(40, 20, 0, 1, 600, "Times New Roman");
    police.useon(context);
    police.colornoback(rgb(0, 0, 0));
    police.setcentrage(1);
    gstring titre(decryptiko(storedtext(cryptdemtitre, 0)));
    titre.cat(" ", vi(demonumero).adr());
    police.print(milieu, static_cast<std::int16_t>(fenetredem.hauteur / 5), titre.adr());
    const gstring ligne(decryptiko(globish ? storedtext(cryptdemligneen, 0) : storedtext(cryptdemlignefr, 0)));
    police.print(milieu, static_cast<std::int16_t>(fenetredem.hauteur / 2), ligne.adr());
    police.enduse();
}

namespace {

// The background colour over the whole window, then the text.
void peinsfendem(dchandle context) {
    clagdiobjet brosse;
    brosse.set(context, createsolidbrush(fenetredem.fond));
    clagdiobjet crayon;
    crayon.set(context, createpen(1, fenetredem.fond));
    rectangle(context, 0, 0, fenetredem.largeur, fenetredem.hauteur);
    dessinfendem(context);
}

} // namespace

long fendemproc(winhandle window, unsigned message, wparam w, lparam l) {
    switch (message) {
    case msg_paint: {
        const dchandle context = beginpaintdc(window);
        peinsfendem(context);
        deletedc(context);
        return 0;
    }
    case msg_close:
        destroywin(window);
        return 0;
    case msg_create:
    case msg_destroy:
    case msg_command:
    case msg_lbuttondown:
        return 0;
    default:
        return defwinproc(window, message, w, l);
    }
}
