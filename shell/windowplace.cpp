#include "shell/windowplace.h"

#include <algorithm>

#include "platform/window.h"
#include "shell/buttoncolumn.h"
#include "shell/shellstate.h"
#include "shell/windowlayout.h"

void getsizefenetre(winhandle window) {
    getclientsize(window, largeurfenetre, hauteurfenetre);
    xmidfenetre = static_cast<std::int16_t>(largeurfenetre / 2);
    ymidfenetre = static_cast<std::int16_t>(hauteurfenetre / 2);
}

void lancerunpaint(winhandle window) {
    invalidate(window);
    mgridraw = 0;
}

void taillegrifen() {
    craleft = prinleft;
    cratop = printop;
    crawid = fenetregriwid;
    crahgt = std::max({ysuibou, fenetregrihgt, static_cast<std::int16_t>(fenetrebouthgt + 15)});
}

void mainwinposornot() {
    const unsigned show = prinafficher ? pos_show : pos_hide;
    if (mode == 5) {
        setwinpos(hwndmainwin, prinleft, printop,
                  static_cast<std::int16_t>(2 * regionprin.dx + fenetreglewid),
                  static_cast<std::int16_t>(regionprin.dy + fenetreglehgt + regionprin.dx), show);
        return;
    }
    taillegrifen();
    setwinpos(hwndmainwin, craleft, cratop, crawid, crahgt, show);
}

void setgriwinposition(winhandle) {
    ++bloquegripaint;
    mainwinposornot();
    --bloquegripaint;
}

void getwinposition(winhandle window) {
    const winrect r = getwinrect(window);
    printop = static_cast<std::int16_t>(r.top);
    prinleft = static_cast<std::int16_t>(r.left);
}

void mainwinshowornot() {
    if (!prinafficher)
        showwin(hwndmainwin, false);
}

void fenetraffiregle(winhandle window) {
    clearwinregion(window);
    mainwinposornot();
}
