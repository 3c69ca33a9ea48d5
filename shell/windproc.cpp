#include "shell/windproc.h"

#include "drawing/mousecursors.h"
#include "platform/messagebox.h"
#include "platform/window.h"
#include "shell/chronometre.h"
#include "shell/commandguard.h"
#include "shell/mainpaint.h"
#include "shell/messages.h"
#include "shell/playinput.h"
#include "shell/shellstate.h"
#include "shell/tooltip.h"
#include "shell/wincommands.h"
#include "shell/windowplace.h"

namespace {

void creation(winhandle window) {
    if (quicreafen != 2)
        return;
    getsizefenetre(window);
    devoutok = 0;
    if (avechrono)
        demarrechronotimer(window);
    quicreafen = 0;
}

void destruction(winhandle window) {
    if (quellefen != 2)
        return;
    arretechronotimer(window);
    destrucursou();
    postquit(0);
}

void fermeture(winhandle window) {
    if (quellefen != 2)
        return;
    chronometrer(0);
    gstring texte;
    createmsg(texte, 7);
    if (winboxouinon(texte.adr(), box_iconstop | box_defbutton2)) {
        destroywin(window);
        return;
    }
    chronometrer(1);
}

void commande(winhandle window, wparam w) {
    if (highword(w) == 0 && boutonpermis()) {
        boutonbloquer();
        wincommande(window, lowword(w));
        boutonlaisser();
    }
    if (iswindow(hwndmainwin) && !hasfocus(hwndmainwin))
        givefocus(hwndmainwin);
}

// Handles a message; false for those left to the platform.
bool traite(winhandle window, unsigned message, wparam w, lparam l, long &result) {
    result = 0;
    switch (message) {
    case msg_create:
        creation(window);
        result = 1;
        return true;
    case msg_destroy:
        destruction(window);
        return true;
    case msg_paint:
        if (quellefen == 2)
            wpaintfenetre(window);
        result = 1;
        return true;
    case msg_close:
        fermeture(window);
        return true;
    case msg_setcursor:
        mxdown = pointx(l);
        mydown = pointy(l);
        if (quellefen == 2)
            montooltip.danszoclifen(window, static_cast<std::int16_t>(mxdown), static_cast<std::int16_t>(mydown));
        result = 1;
        return true;
    case msg_command:
        commande(window, w);
        return true;
    case msg_timer:
        if (w == 1)
            affichronocourt();
        return true;
    case msg_mousemove:
        sourisbouge(l);
        return true;
    case msg_lbuttondown:
        montooltip.virefentooltip();
        gauchebas(l);
        result = 1;
        return true;
    case msg_lbuttonup:
        gauchehaut(l);
        result = 1;
        return true;
    case msg_rbuttondown:
        mxdown = pointx(l);
        mydown = pointy(l);
        result = 1;
        return true;
    case msg_rbuttonup:
        droitehaut(l);
        return true;
    case msg_moving:
        getwinposition(window);
        result = 1;
        return true;
    case msg_apreslapeinture:
        if (quellefen == 2)
            messagesapres();
        return true;
    default:
        return false;
    }
}

} // namespace

long WindProc(winhandle window, unsigned message, wparam w, lparam l) {
    quellefen = static_cast<std::int16_t>(window != nullptr && window == hwndmainwin ? 2 : 0);
    long result = 0;
    if (!traite(window, message, w, l, result))
        return defwinproc(window, message, w, l);
    if (mgridraw && quellefen == 2 && bloquegripaint == 0) {
        mgridraw = 0;
        if (prinafficher)
            lancerunpaint(window);
    }
    return result;
}
