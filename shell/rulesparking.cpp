#include "shell/rulesparking.h"

#include "shell/chronometre.h"
#include "shell/shellstate.h"

void garerjeu() {
    // Already parked: parking again would replace the history with the empty one in use.
    if (grillenjeu <= 0 || mode == 5)
        return;
    chronometrer(0);
    grilluderval.clear();
    grilleram[0].getactudata(3, grilluderval);
    faireniveau = boutondefaire.moveto(faireliste);
}

void reprendrejeu() {
    if (grillenjeu < 1) {
        setmode(1);
        boutondefaire.clear();
        return;
    }
    grilleram[0].setactudatabis(grilluderval.adr());
    setmode(4);
    boutondefaire.setfrom(faireniveau, faireliste);
    chronometrer(1);
}
