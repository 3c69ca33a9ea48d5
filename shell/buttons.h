#pragma once
#include "platform/messages.h"

// The controls of the button column and of the rules pages.
extern winhandle hbtrosbif;
extern winhandle hbtgriun;
extern winhandle hbtgrideux;
extern winhandle hbtgritrois;
extern winhandle hbtgriquat;
extern winhandle hbtgricinq;
extern winhandle hboutpetit;
extern winhandle hboutgros;
extern winhandle hboutregle;
extern winhandle hboutinfo;
extern winhandle hbtlicolo;
extern winhandle hbtdefaire;
extern winhandle hbtfaire;
extern winhandle hbtnuzero;
extern winhandle hboutrefixe;
extern winhandle hboutsave;
extern winhandle hboutquit;
extern winhandle hboutregprec;
extern winhandle hboutregsui;
extern winhandle hboutfinregle;

// Creates every control once bonpourcreaboutons is set, laying the column out from its top; once
// the window may be shown, shows the play controls (or not) and sets their state.
void createwinboutons(winhandle window, bool show = true);
// Shows or hides the play controls; the rules pages' buttons are always hidden.
void showwinboutons(bool show);
// Enables the controls for the mode, the cell size, the history and the rules page.
void boutaffiches();
