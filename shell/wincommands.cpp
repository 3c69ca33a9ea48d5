#include "shell/wincommands.h"

#include <algorithm>

#include "drawing/clagripage.h"
#include "drawing/offscreenlayers.h"
#include "platform/messagebox.h"
#include "platform/window.h"
#include "shell/buttons.h"
#include "shell/chronometre.h"
#include "shell/grillecharger.h"
#include "shell/gridshift.h"
#include "shell/messages.h"
#include "shell/playinput.h"
#include "shell/rulesparking.h"
#include "shell/rulespages.h"
#include "shell/settingsfile.h"
#include "shell/shellstate.h"
#include "shell/tooltiptexts.h"
#include "shell/undoredo.h"
#include "shell/windowplace.h"

namespace {

void changetaille(std::int16_t size) {
    taillechoisie = size;
    reaffigri();
    raffiboutons = 1;
    settailleprin(taillechoisie);
    killfenetrefond();
    ptgriactu->setmodaffi(ptgriactu->modeaffi);
}

void retourfixes() {
    chronometrer(0);
    gstring texte;
    createmsg(texte, 8);
    if (winboxouinon(texte.adr(), box_iconexclamation | box_defbutton2)) {
        grilleram[0].retourafixe();
        reaffigri();
        boutondefaire.clear();
        if (grillenjeu >= 1 && grillenjeu <= nbchronos)
            resolutime[grillenjeu].clear();
    }
    chronometrer(1);
}

void sauvegarde() {
    chronometrer(0);
    gstring texte;
    createmsg(texte, 9);
    if (winboxouinon(texte.adr(), box_iconquestion) && grillenjeu > 0) {
        gstring data;
        grilleram[0].getactudata(3, data);
        memogrilluser(grillenjeu, data.adr());
        ecriparamusernew();
    }
    chronometrer(1);
}

// Pages 1 to 5 go on with OK and end with Cancel; the last page ends the sequence.
void pagesinfo() {
    chronometrer(0);
    const std::int16_t messages[] = {6, 12, 11, 3, 10, 2};
    for (int page = 0; page < 6; ++page) {
        gstring texte;
        createmsg(texte, messages[page], grilleram[0].nom.adr(), vi(grilleram[0].nbcases).adr());
        if (page == 5)
            winvalider(texte.adr(), box_iconinformation);
        else if (!winboxokcancel(texte.adr(), box_iconinformation))
            break;
    }
    chronometrer(1);
}

void changelangue() {
    globish = static_cast<char>(1 - globish);
    textipenvoi();
    chronometrer(0);
    winvalider(globish ? "English" : "Fran\xE7" "ais", box_iconinformation);
    chronometrer(1);
}

// Grid buttons Gr1 to Gr5 carry identifiers 33, 30, 32, 31, 29.
std::int16_t grilledubouton(std::uint16_t ident) {
    switch (ident) {
    case 33: return 1;
    case 30: return 2;
    case 32: return 3;
    case 31: return 4;
    case 29: return 5;
    default: return 0;
    }
}

void ouvreregles(winhandle window) {
    contraffi = 0;
    garerjeu();
    reglepage = reglepadeb;
    setmode(5);
    flechokdroite = flechokgauche = flechokhaut = flechokbas = 0;
    textipenvoi();
    showwinboutons(false);
    fenetraffiregle(window);
    reaffigri();
}

void quitteregles(winhandle window) {
    if (grillenjeu >= 1) {
        mgridraw = grillecharger(window, grillenjeu, "", 0) ? 1 : 0;
        reprendrejeu();
        textipenvoi();
        showwinboutons(true);
    } else {
        reprendrejeu();
        textipenvoi();
    }
    reaffigri();
}

} // namespace

void wincommande(winhandle window, std::uint16_t ident) {
    switch (ident) {
    case 2:
    case 3:
    case 4:
    case 5:
        decalagribouton(static_cast<std::int16_t>(ident));
        return;
    case 8:
    case 9:
        refaitaction(static_cast<std::int16_t>(ident - 8));
        reaffigri();
        return;
    case 10:
        changetaille(std::min<std::int16_t>(static_cast<std::int16_t>(taillechoisie + 10), tacasemax));
        return;
    case 20:
        changetaille(std::max<std::int16_t>(static_cast<std::int16_t>(taillechoisie - 10), tacasemin));
        return;
    case 21:
        sendmsg(window, msg_close, 0, 0);
        return;
    case 26:
        retourfixes();
        return;
    case 28:
        sauvegarde();
        return;
    case 35:
        changelangue();
        return;
    case 12:
        pagesinfo();
        return;
    case 22:
        // Only the rules pages have a grid to return to; elsewhere a reload would drop the play.
        if (mode == 5)
            quitteregles(window);
        return;
    case 23:
        ouvreregles(window);
        return;
    case 24:
        pagereglepreced();
        return;
    case 25:
        pagereglesuivante();
        return;
    default:
        break;
    }
    if (ident >= 13 && ident <= 19) {
        nombreclic(static_cast<std::int16_t>(ident - 13));
        return;
    }
    const std::int16_t n = grilledubouton(ident);
    if (n > 0)
        mgridraw = grillecharger(window, n, "", 1) ? 1 : 0;
}
