#include "shell/grillecharger.h"

#include "drawing/clagripage.h"
#include "drawing/mousecursors.h"
#include "drawing/offscreenlayers.h"
#include "platform/messagebox.h"
#include "shell/builtingrids.h"
#include "shell/chronometre.h"
#include "shell/messages.h"
#include "shell/settingsfile.h"
#include "shell/shellstate.h"
#include "shell/startupwindow.h"

namespace {

// The n-th word of the offered grids' list.
gstring nomgrilleofferte(std::int16_t n) {
    gstring list(nomdegrinu);
    gstring word;
    for (std::int16_t k = 1; k <= n; ++k)
        word.depilefrom(list);
    return word;
}

} // namespace

bool grillecharger(winhandle, std::int16_t n, const char *definition, char ask) {
    sablierdeb();
    gstring grille;
    if (definition != nullptr && definition[0] != 0)
        grille.set(definition);
    else
        grille = nomgrilleofferte(n);
    bool result = true;
    if (ask) {
        chronometrer(0);
        gstring question;
        createmsg(question, n == grillenjeu ? 1 : 4, vi(n).adr());
        result = winboxouinon(question.adr(), box_iconquestion);
    }
    if (result) {
        setmode(4);
        montrefendem();
        killfenetrefond();
        grilleload(grilleram[0], grille.adr());
        grillenjeu = n;
        affichronocourt();
        posiregok = 0;
        hexadernier = hexavantder = hexantepen = 0;
        gstring saved;
        grilluserfromram(saved, n);
        grilleram[0].setactudatabis(saved.adr());
        boutondefaire.clear();
    }
    ptgriactu->setmodaffi(grafficher);
    chronometrer(1);
    sablierfin();
    return result;
}
