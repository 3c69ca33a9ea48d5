#pragma once
#include <cstdint>

#include "drawing/clagripage.h"
#include "foundation/gstring.h"
#include "foundation/lichati.h"
#include "platform/messages.h"
#include "platform/window.h"
#include "shell/builtingrids.h"
#include "shell/defairefaire.h"
#include "shell/durelapsed.h"

// The shell's program-wide state; it lives for the whole run. Integers are 16-bit, flags bytes
// holding 0 or 1. The number of offered grids (grinombre) and the edition number (demonumero)
// come with the built-in grid table; the grid pages (grilleram, ptgriactu) with the drawing.

extern winhandle hwndmainwin;
// 0 before start-up, 1 no grid, 4 a grid in play, 5 the rules pages; changed only by setmode.
extern std::int16_t mode;
extern std::int16_t quellefen;
extern std::int16_t quicreafen;
extern std::int16_t grillenjeu;
extern std::int16_t nombractu;
extern std::int16_t casactu;
extern char mgridraw;
extern std::int16_t bloquegripaint;
extern char prinafficher;
extern char messaboucle;
extern char bonpourcreaboutons;
extern char posiregok;
extern char devoutok;
extern char effacetout;
extern std::int16_t boutignore;
extern char raffiboutons;
// 0 French, 1 English.
extern char globish;
extern char avechrono;
extern std::int32_t chronodelai;
extern std::int16_t taillechoisie;
extern std::int16_t tacasemin;
extern std::int16_t tacasemax;
extern std::int16_t kasemilli;
extern std::int16_t printaillepix;
extern std::int16_t prinleft;
extern std::int16_t printop;
extern std::int16_t craleft;
extern std::int16_t cratop;
extern std::int16_t crawid;
extern std::int16_t crahgt;
extern std::int16_t fenetregriwid;
extern std::int16_t fenetregrihgt;
extern std::int16_t fenetrebouthgt;
extern std::int16_t fenetreglewid;
extern std::int16_t fenetreglehgt;
extern std::int16_t largeurfenetre;
extern std::int16_t hauteurfenetre;
extern std::int16_t xmidfenetre;
extern std::int16_t ymidfenetre;
extern std::int16_t proversion;
extern std::int16_t sousversion;
// Program title, message-box caption and base of the settings file name.
extern gstring goodname;
extern gstring fidemopara;
// Caption of every message box, recorded at start-up.
extern gstring ceprog;
// Build date as eight digits, year, month, day.
extern gstring compidate;
// One chronometer per grid number 1 to nbchronos.
constexpr std::int16_t nbchronos = 5;
extern durelapsed resolutime[nbchronos + 1];
extern defairefaire boutondefaire;
// History and play data parked while the rules pages are shown.
extern lichati faireliste;
extern std::int16_t faireniveau;
extern gstring grilluderval;
// Saved play data, entry i for grid number i.
extern lichati valuseram;
extern std::int32_t mxdown;
extern std::int32_t mydown;
extern std::int32_t mxup;
extern std::int32_t myup;
extern std::int16_t screendownx;
extern std::int16_t screendowny;
extern std::int16_t screenupx;
extern std::int16_t screenupy;
extern std::int16_t screenmovex;
extern std::int16_t screenmovey;
extern std::int16_t logicdownx;
extern std::int16_t logicdowny;
extern std::int16_t logicupx;
extern std::int16_t logicupy;
extern std::int16_t hexadernier;
extern std::int16_t hexavantder;
extern std::int16_t hexantepen;
extern char flechokdroite;
extern char flechokgauche;
extern char flechokhaut;
extern char flechokbas;
// Client rectangles of the arrows: right, left, up, down.
extern winrect posifleche[4];
extern char flechaide;
extern char bravo;
extern char souronhexa;
extern char sourefface;
extern char contraffi;
extern std::int8_t contranombre;
// A right click on an empty unmarked cell does not set all six marks at once.
extern char cavipozerini;
// A grid is played: the renderer's colours and rings follow it.
extern char mainone;

void setmode(std::int16_t m);
// Whether mode is above 0 and one of the arguments (callers pad with 0).
bool anymode(std::int16_t a, std::int16_t b = 0, std::int16_t c = 0, std::int16_t d = 0, std::int16_t e = 0);
// The only way to ask for a repaint.
void reaffigri();
void paramdefaut();
