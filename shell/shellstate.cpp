#include "shell/shellstate.h"

#include "drawing/gamecolours.h"
#include "shell/currentdevice.h"
#include "shell/settingsfile.h"

winhandle hwndmainwin = nullptr;
std::int16_t mode = 0;
std::int16_t quellefen = 0;
std::int16_t quicreafen = 0;
std::int16_t grillenjeu = 0;
std::int16_t nombractu = 0;
std::int16_t casactu = 0;
char mgridraw = 0;
std::int16_t bloquegripaint = 0;
char prinafficher = 0;
char messaboucle = 0;
char bonpourcreaboutons = 0;
char posiregok = 0;
char devoutok = 0;
char effacetout = 0;
std::int16_t boutignore = 0;
char raffiboutons = 0;
char globish = 0;
char avechrono = 1;
std::int32_t chronodelai = 200;
std::int16_t taillechoisie = 40;
std::int16_t tacasemin = 40;
std::int16_t tacasemax = 70;
std::int16_t kasemilli = 12;
std::int16_t printaillepix = 60;
std::int16_t prinleft = 60;
std::int16_t printop = 60;
std::int16_t craleft = 0;
std::int16_t cratop = 0;
std::int16_t crawid = 0;
std::int16_t crahgt = 0;
std::int16_t fenetregriwid = 980;
std::int16_t fenetregrihgt = 820;
std::int16_t fenetrebouthgt = 800;
std::int16_t fenetreglewid = 800;
std::int16_t fenetreglehgt = 600;
std::int16_t largeurfenetre = 0;
std::int16_t hauteurfenetre = 0;
std::int16_t xmidfenetre = 0;
std::int16_t ymidfenetre = 0;
std::int16_t proversion = 3;
std::int16_t sousversion = 5;
gstring goodname;
gstring fidemopara;
gstring ceprog;
gstring compidate;
durelapsed resolutime[nbchronos + 1];
defairefaire boutondefaire;
lichati faireliste;
std::int16_t faireniveau = 0;
gstring grilluderval;
lichati valuseram;
std::int32_t mxdown = 0;
std::int32_t mydown = 0;
std::int32_t mxup = 0;
std::int32_t myup = 0;
std::int16_t screendownx = 0;
std::int16_t screendowny = 0;
std::int16_t screenupx = 0;
std::int16_t screenupy = 0;
std::int16_t screenmovex = 0;
std::int16_t screenmovey = 0;
std::int16_t logicdownx = 0;
std::int16_t logicdowny = 0;
std::int16_t logicupx = 0;
std::int16_t logicupy = 0;
std::int16_t hexadernier = 0;
std::int16_t hexavantder = 0;
std::int16_t hexantepen = 0;
char flechokdroite = 0;
char flechokgauche = 0;
char flechokhaut = 0;
char flechokbas = 0;
winrect posifleche[4] = {};
char flechaide = 0;
char bravo = 0;
char souronhexa = 0;
char sourefface = 0;
char contraffi = 0;
std::int8_t contranombre = 0;
char cavipozerini = 0;
char mainone = 0;

namespace {

void relaisfixegractu(std::int16_t index) {
    grilleram[index].setgrillactu(index);
}

} // namespace

void setmode(std::int16_t m) {
    mode = m;
    relaisfixegractu(m == 5 ? 1 : 0);
    mainone = 1;
    bondevactu();
    bonnesdemocouleurs();
}

bool anymode(std::int16_t a, std::int16_t b, std::int16_t c, std::int16_t d, std::int16_t e) {
    return mode > 0 && (mode == a || mode == b || mode == c || mode == d || mode == e);
}

void reaffigri() {
    mgridraw = 1;
}

void paramdefaut() {
    flechokdroite = 0;
    flechokgauche = 0;
    flechokhaut = 0;
    flechokbas = 0;
    flechaide = 1;
    relaisfixegractu(0);
    casactu = 1;
    settailleprin(taillechoisie);
    effacetout = 1;
    jeucouleurs();
    setmode(1);
}
