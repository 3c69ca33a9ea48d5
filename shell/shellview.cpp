#include "shell/shellview.h"

#include "drawing/gridview.h"
#include "drawing/mousecursors.h"
#include "shell/shellstate.h"
#include "shell/windowlayout.h"

#include <algorithm>

namespace {

etatvue vueshell() {
    etatvue vue;
    vue.contraffi = contraffi != 0;
    vue.mainone = mainone != 0;
    vue.pagesregles = mode == 5;
    vue.taillechoisie = taillechoisie;
    vue.flechokdroite = flechokdroite != 0;
    vue.flechokgauche = flechokgauche != 0;
    vue.flechokhaut = flechokhaut != 0;
    vue.flechokbas = flechokbas != 0;
    std::copy(grifledroite, grifledroite + 4, vue.grifledroite);
    std::copy(griflegauche, griflegauche + 4, vue.griflegauche);
    std::copy(griflehaut, griflehaut + 4, vue.griflehaut);
    std::copy(griflebas, griflebas + 4, vue.griflebas);
    return vue;
}

sourisetat sourisshell() {
    sourisetat souris;
    souris.mode = mode;
    souris.souronhexa = souronhexa != 0;
    souris.sourefface = sourefface != 0;
    souris.nombractu = nombractu;
    return souris;
}

} // namespace

void installevueshell() {
    lireetatvue = vueshell;
    lireetatsouris = sourisshell;
}
