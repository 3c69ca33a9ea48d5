#include "shell/buttons.h"

#include "platform/controls.h"
#include "platform/window.h"
#include "shell/buttoncolumn.h"
#include "shell/chronometre.h"
#include "shell/numberpicker.h"
#include "shell/rulespages.h"
#include "shell/shellstate.h"
#include "shell/tooltip.h"

winhandle hbtrosbif = nullptr;
winhandle hbtgriun = nullptr;
winhandle hbtgrideux = nullptr;
winhandle hbtgritrois = nullptr;
winhandle hbtgriquat = nullptr;
winhandle hbtgricinq = nullptr;
winhandle hboutpetit = nullptr;
winhandle hboutgros = nullptr;
winhandle hboutregle = nullptr;
winhandle hboutinfo = nullptr;
winhandle hbtlicolo = nullptr;
winhandle hbtdefaire = nullptr;
winhandle hbtfaire = nullptr;
winhandle hbtnuzero = nullptr;
winhandle hboutrefixe = nullptr;
winhandle hboutsave = nullptr;
winhandle hboutquit = nullptr;
winhandle hboutregprec = nullptr;
winhandle hboutregsui = nullptr;
winhandle hboutfinregle = nullptr;

namespace {

winhandle fenetre = nullptr;

// Every button registers its tooltip zone; the controls start hidden until the column is shown.
winhandle creabouton(std::uint16_t ident, const char *caption, std::int16_t x, std::int16_t y, std::int16_t width,
                     std::int16_t height) {
    const winhandle bouton = createbutton(fenetre, ident, caption, x, y, width, height, 0);
    montooltip.addboutcoo(static_cast<std::int16_t>(ident), x, static_cast<std::int16_t>(x + width), y,
                          static_cast<std::int16_t>(y + height), bouton);
    return bouton;
}

winhandle bouton(std::uint16_t ident, const char *caption, std::int16_t x, std::int16_t width) {
    return creabouton(ident, caption, x, ysuibou, width, yhgtbou);
}

void ligne() {
    ysuibou = static_cast<std::int16_t>(ysuibou + yhgtbou);
}

// The play controls: everything of the column but the rules pages' own buttons.
winhandle *const controlesjeu[] = {&hbtrosbif, &hbtgriun,   &hbtgrideux, &hbtgritrois, &hbtgriquat,
                                   &hbtgricinq, &hboutpetit, &hboutgros,  &hboutregle,  &hboutinfo,
                                   &hbtlicolo, &hbtdefaire, &hbtfaire,   &hbtnuzero,   &hboutrefixe,
                                   &hboutsave, &hboutquit,  &hbtchrono};

} // namespace

void createwinboutons(winhandle window, bool show) {
    if (!bonpourcreaboutons || hboutquit != nullptr)
        return;
    fenetre = window;
    xboutaxe = 55;
    ysuibou = ytopbou;
    versy = static_cast<std::int16_t>(ysuibou - 10);
    hbtrosbif = bouton(35, "FR/EN", static_cast<std::int16_t>(xboutaxe - 25), 50);
    ligne();
    if (grinombre > 1) {
        gr1y = ysuibou;
        const std::int16_t x = static_cast<std::int16_t>(xboutaxe - 15);
        winhandle *grilles[] = {&hbtgriun, &hbtgrideux, &hbtgritrois, &hbtgriquat, &hbtgricinq};
        const std::uint16_t idents[] = {33, 30, 32, 31, 29};
        const char *captions[] = {"Gr1", "Gr2", "Gr3", "Gr4", "Gr5"};
        for (int k = 0; k < 5; ++k) {
            *grilles[k] = bouton(idents[k], captions[k], x, 30);
            ligne();
        }
    }
    gr6y = static_cast<std::int16_t>(ysuibou + 10);
    ysuibou = static_cast<std::int16_t>(ysuibou + 20);
    tabou = 15;
    hboutpetit = bouton(20, "-", static_cast<std::int16_t>(xboutaxe - 15), tabou);
    hboutgros = bouton(10, "+", xboutaxe, tabou);
    ligne();
    hboutregle = bouton(23, "?", static_cast<std::int16_t>(xboutaxe - 10), 20);
    ligne();
    hboutinfo = bouton(12, "I", static_cast<std::int16_t>(xboutaxe - 10), 20);
    ligne();
    ysuibou = static_cast<std::int16_t>(ysuibou + 5);
    hbtlicolo = createstatic(window, 27, "", static_cast<std::int16_t>(xboutaxe - 25),
                             static_cast<std::int16_t>(ysuibou + 5), 50, static_cast<std::int16_t>(yhgtbou - 5),
                             ctl_centred);
    setguifont(hbtlicolo);
    ysuibou = static_cast<std::int16_t>(ysuibou + yhgtbou + 5);
    hbtdefaire = bouton(8, "<", static_cast<std::int16_t>(xboutaxe - 15), 15);
    hbtfaire = bouton(9, ">", xboutaxe, 15);
    ligne();
    bt3y = static_cast<std::int16_t>(ysuibou + 12);
    ysuibou = static_cast<std::int16_t>(ysuibou + 20);
    calcuboutri();
    boutritop = ysuibou;
    ysuibou = static_cast<std::int16_t>(ysuibou + 2 * boutrihaut);
    hbtnuzero = bouton(13, "0", static_cast<std::int16_t>(xboutaxe - 15), 30);
    ligne();
    ysuibou = static_cast<std::int16_t>(ysuibou + 5);
    if (avechrono) {
        creechronostatic(window, static_cast<std::int16_t>(xboutaxe - 25), ysuibou, 50,
                         static_cast<std::int16_t>(yhgtbou - 5));
        ysuibou = static_cast<std::int16_t>(ysuibou + yhgtbou - 5);
    }
    ysuibou = static_cast<std::int16_t>(ysuibou + 5);
    hboutrefixe = bouton(26, "F", static_cast<std::int16_t>(xboutaxe - 10), 20);
    ligne();
    hboutsave = bouton(28, "S", static_cast<std::int16_t>(xboutaxe - 10), 20);
    ligne();
    ysuibou = static_cast<std::int16_t>(ysuibou + 10);
    hboutquit = bouton(21, "X", static_cast<std::int16_t>(xboutaxe - 10), 20);
    ligne();
    hboutregprec = creabouton(24, "<", 30, 530, 30, 30);
    hboutregsui = creabouton(25, ">", 730, 530, 30, 30);
    hboutfinregle = creabouton(22, "R", 30, 490, 30, 30);
    if (prinafficher) {
        showwinboutons(show);
        boutaffiches();
    }
}

void showwinboutons(bool show) {
    for (winhandle *control : controlesjeu)
        showwin(*control, show);
    for (winhandle control : {hboutregprec, hboutregsui, hboutfinregle})
        showwin(control, false);
}

void boutaffiches() {
    static bool premier = true;
    static bool saufregavant = false;
    static bool sijouavant = false;
    static std::int16_t pageavant = 0;
    const bool saufreg = mode != 5;
    const bool sijou = mode == 4;
    if (premier || saufreg != saufregavant || sijou != sijouavant || reglepage != pageavant)
        raffiboutons = 1;
    premier = false;
    saufregavant = saufreg;
    sijouavant = sijou;
    pageavant = reglepage;
    if (raffiboutons) {
        raffiboutons = 0;
        for (winhandle control : {hbtchrono, hbtlicolo, hbtrosbif, hbtgriun, hbtgrideux, hbtgritrois, hbtgriquat,
                                  hbtgricinq})
            enablewin(control, saufreg);
        enablewin(hboutregle, true);
        enablewin(hboutfinregle, true);
        enablewin(hboutgros, saufreg && taillechoisie < tacasemax);
        enablewin(hboutpetit, saufreg && taillechoisie > tacasemin);
        for (winhandle control : {hbtnuzero, hboutinfo, hboutrefixe, hboutsave})
            enablewin(control, sijou);
        showwin(hboutregsui, !saufreg && reglepage < reglepafin);
        showwin(hboutregprec, !saufreg && reglepage > reglepadeb);
        showwin(hboutfinregle, !saufreg);
    }
    enablewin(hbtdefaire, boutondefaire.peutreculer() && sijou);
    enablewin(hbtfaire, boutondefaire.peutavancer() && sijou);
}
