#include "shell/mainpaint.h"

#include "drawing/clagripage.h"
#include "drawing/devices.h"
#include "drawing/drawingobjects.h"
#include "drawing/mousecursors.h"
#include "drawing/offscreenlayers.h"
#include "drawing/rulesdrawing.h"
#include "platform/beep.h"
#include "platform/messagebox.h"
#include "platform/window.h"
#include "shell/buttoncolumn.h"
#include "shell/buttons.h"
#include "shell/rulespages.h"
#include "shell/chronometre.h"
#include "shell/currentdevice.h"
#include "shell/decryptiko.h"
#include "shell/messages.h"
#include "shell/numberpicker.h"
#include "shell/shellstate.h"
#include "shell/startupwindow.h"
#include "storedtexts.h"
#include "shell/windowlayout.h"
#include "shell/windowplace.h"

namespace {

constexpr colour bleu = rgb(0, 0, 255);

void preparepage(clagripage &page) {
    page.setindice(0);
    page.setdevice(0, &fenecrout);
    page.taillemilli = kasemilli;
    page.taillemillipix = fenecrout.ammxtopix(kasemilli);
}

void peinscouches(winhandle window, dchandle context, clagripage &page) {
    peinturecouches couches = ouvrecouches(window, context, page, fenecrout);
    if (mode != 5)
        page.dessingrifin(fenecrout, 0, bleu, bleu);
    page.setlocagrideux(0, fenecrout);
    if (mode == 4) {
        hexaplacer(hexantepen, rgb(255, 165, 0));
        hexaplacer(hexavantder, rgb(0, 255, 0));
        hexaplacer(hexadernier, rgb(255, 0, 0));
    }
    if (mode != 5)
        appliqueregprin(window);
    fermecouches(couches, fenecrout);
}

// The version, the star beside the grid in play, the level and the selected number.
void peinscolonne(dchandle context) {
    fenecrout.setgeocrayonpix(1, rgb(0, 0, 0));
    fenecrout.setcreabrosse(rgb(0, 255, 255));
    rectangle(context, static_cast<std::int16_t>(xprembou - 10), 0, static_cast<std::int16_t>(xprembou + 40),
              static_cast<std::int16_t>(ysuibou + 10));
    mapolice.create(16, 5, 0, 0, 600, "Arial");
    mapolice.useon(context);
    mapolice.colornoback(bleu);
    mapolice.setcentrage(1);
    gstring texte;
    texte.set("V.", vi(proversion).adr(), ".");
    texte.cat(vi(sousversion).adr());
    mapolice.print(xboutaxe, versy, texte.adr());
    mapolice.print(static_cast<std::int16_t>(xboutaxe + 20),
                   static_cast<std::int16_t>(gr1y + grillenjeu * yhgtbou - static_cast<std::int16_t>(yhgtbou * 0.4)),
                   "*");
    gstring niveau;
    grilleram[0].libgriniveaubis(niveau, 11, "");
    texte.set("Niv.", niveau.adr());
    mapolice.print(xboutaxe, gr6y, texte.adr());
    mapolice.create(24, 8, 0, 0, 600, "Arial");
    mapolice.useon(context);
    mapolice.colornoback(bleu);
    mapolice.setcentrage(1);
    mapolice.print(xboutaxe, bt3y, vi(nombractu).adr());
    mapolice.enduse();
    dessinboutri(context);
}

// The arrow help waits for the first paint with an arrow offered.
bool aidefleches() {
    return flechaide && (flechokdroite || flechokgauche || flechokhaut || flechokbas);
}

} // namespace

void messagesapres() {
    if (aidefleches()) {
        flechaide = 0;
        gstring texte;
        createmsg(texte, 2);
        winvalider(texte.adr(), box_iconinformation);
    }
    if (bravo) {
        // Cleared first: the box's own message loop may bring another paint.
        bravo = 0;
        Beep(800, 80);
        Beep(1200, 35);
        Beep(1600, 35);
        chronometrer(0);
        gstring texte;
        createmsg(texte, 5, vi(grillenjeu).adr());
        winvalider(texte.adr(), box_iconinformation);
    }
}

void wpaintgrillajouer() {
    boutaffiches();
}

void wpaintpagederegle() {
    boutaffiches();
    pagereglaffi(reglepage);
    grivide = 0;
}

void getalldevice(dchandle context) {
    if (devoutok)
        return;
    devoutok = 1;
    posiregok = 0;
    screeninfo(ecrout, context, "ecran");
    screeninfo(fenecrout, context, decryptiko(storedtext(cryptfenetre, 0)));
    fenecrout.setfeuillepix(largeurfenetre, hauteurfenetre);
    fenecrout.setpagepix(largeurfenetre, hauteurfenetre);
    fenecrout.centrajuste();
}

void wpaintfenetre(winhandle window) {
    sablierdeb();
    const dchandle context = beginpaintdc(window);
    getalldevice(context);
    if (!posiregok) {
        recalcureg(window);
        taillegrifen();
        mainwinposornot();
    }
    bondevactu();
    fenecrout.dc = context;
    if (effacetout) {
        effacetout = 0;
        verifenetrefond(window, context);
    }
    clagripage &page = grilleram[0];
    preparepage(page);
    if (messaboucle) {
        peinscouches(window, context, page);
        fenetredem.fixafficentremain(false);
        showwin(window, true);
    }
    if (mode == 5)
        wpaintpagederegle();
    else
        wpaintgrillajouer();
    if (mode == 4)
        peinscolonne(context);
    showwin(window, true);
    deletedc(context);
    fenecrout.dc = 0;
    sablierfin();
    if (bravo || aidefleches())
        postmsg(window, msg_apreslapeinture, 0, 0);
}
