#include "shell/startup.h"

#include <cstdlib>
#include <cstring>

#include "drawing/colourshades.h"
#include "drawing/drawingobjects.h"
#include "drawing/gamecolours.h"
#include "drawing/gridview.h"
#include "drawing/mousecursors.h"
#include "foundation/textfold.h"
#include "grid/candidatemasks.h"
#include "platform/messagebox.h"
#include "platform/process.h"
#include "platform/screen.h"
#include "platform/ticks.h"
#include "platform/window.h"
#include "shell/builtingrids.h"
#include "shell/buttons.h"
#include "shell/decryptiko.h"
#include "shell/grillecharger.h"
#include "shell/settingsfile.h"
#include "shell/shellstate.h"
#include "shell/shellview.h"
#include "shell/startupwindow.h"
#include "shell/tooltip.h"
#include "shell/tooltiptexts.h"
#include "storedtexts.h"
#include "shell/windowlayout.h"
#include "shell/windowplace.h"
#include "shell/windproc.h"

gstring programmexe;
gstring licommande;

namespace {

constexpr const char *killexe = "killexe=";

// The build date as eight digits from the compiler's "Mmm dd yyyy".
gstring datecompilation() {
    static const char mois[] = "JanFebMarAprMayJunJulAugSepOctNovDec";
    const char *date = __DATE__;
    int m = 1;
    for (; m <= 12; ++m)
        if (std::strncmp(mois + 3 * (m - 1), date, 3) == 0)
            break;
    char texte[9] = {date[7], date[8], date[9], date[10], static_cast<char>('0' + m / 10),
                     static_cast<char>('0' + m % 10), date[4] == ' ' ? '0' : date[4], date[5], 0};
    gstring out;
    out.set(texte);
    return out;
}

const char *nomdefichier(const char *path) {
    const char *slash = std::strrchr(path, '/');
    return slash != nullptr ? slash + 1 : path;
}

void erreurfenetre(const char *text) {
    messagebox(text, "Error!", box_systemmodal | box_iconexclamation);
}

} // namespace

void debutstandard(const char *name) {
    ceprog.set(name);
    programmexe.set(modulefilename().c_str());
    programmexe.replaceall("\\", "/");
    licommande.set(commandargs().c_str());
    licommande.replaceall("\\", "/");
    compidate = datecompilation();
    largecranpix = screenwidth();
    hautecranpix = screenheight();
}

void controlenomexe(const char *name, char copy) {
    // This platform's programs carry no suffix: the wanted name is the name itself.
    const char *voulu = nomdefichier(name);
    gstring ancien(licommande);
    if (std::strncmp(ancien.adr(), killexe, std::strlen(killexe)) == 0)
        ancien.replaceone(killexe, "");
    // Only an earlier copy of this very program is deleted, never another file.
    if (ancien.notempty() && std::strcmp(ancien.adr(), programmexe.adr()) != 0 && fileexists(ancien.adr()) &&
        samefilecontents(ancien.adr(), programmexe.adr())) {
        sleepms(300);
        deletefile(ancien.adr());
    }
    if (foldequal(nomdefichier(programmexe.adr()), voulu) || !copy)
        return;
    if (!copyfile(programmexe.adr(), voulu) || !fileexists(voulu))
        return;
    gstring chemin;
    chemin.set("./", voulu);
    gstring argument;
    argument.set(killexe, programmexe.adr());
    if (startdetached(chemin.adr(), argument.adr()))
        std::exit(0);
}

bool demarrejeu(char copienom) {
    bloquegripaint = 0;
    grilleload(grilleram[0], "X");
    goodname.set(decryptiko(storedtext(crypttitre, 0)));
    goodname.cat(vi(demonumero).adr());
    debutstandard(goodname.adr());
    globinitticalcul();
    fenetredem.fixetaille(demarrafenlarge, demarrafenhaut, clair(rgb(0, 0, 255)));
    fenetredem.creafendem();
    controlenomexe(goodname.adr(), copienom);
    fidemopara.set(goodname.adr(), ".TXT");
    installevueshell();
    paramdefaut();
    nomgrinit();
    nombractu = 1;
    getparamuser();
    montrefendem();
    if (!registerwinclass("DemoTIKO", WindProc, colour_buttonface)) {
        erreurfenetre("Window Registration Failed!");
        return false;
    }
    if (!creawinklassetooltip())
        return false;
    montooltip.setdecalage(25, 0);
    taillegrifen();
    quicreafen = 2;
    const winhandle hwnd = createwin("DemoTIKO", goodname.adr(), style_framed, craleft, cratop, crawid, crahgt);
    hwndmainwin = hwnd;
    fenetredem.sethwndprin(hwnd);
    if (hwnd == nullptr) {
        erreurfenetre("Window Creation Failed!");
        return false;
    }
    enablewin(hwnd, true);
    textipenvoi();
    creacursouris();
    mainwinshowornot();
    windecalagautres(hwnd);
    blokadre.setcarre(40);
    setgriwinposition(hwnd);
    grillecharger(hwnd, grillenjeu, "", 0);
    settailleprin(taillechoisie);
    calcuregmini(hwnd);
    bonpourcreaboutons = 1;
    prinafficher = 1;
    setgriwinposition(hwnd);
    createwinboutons(hwnd);
    creacursouris();
    messaboucle = 1;
    return true;
}

int WinMain(int argc, char **argv) {
    platformstart(argc, argv);
    if (!demarrejeu(1))
        return 0;
    return runmessageloop();
}
