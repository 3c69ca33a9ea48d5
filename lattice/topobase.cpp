#include <initializer_list>

#include "lattice/clatichemin.h"
#include "lattice/topology.h"

gstring sixcasesdunhexa;
gstring sixvoisineshexapcote;
gstring douzevoisineshexapsommet;
gstring dixhuitvoisineshexa;
gstring sixsegminternes;
gstring sixsegmexternes;
const char *const xtroissommetscab = "%,A,B";
const char *const xtroissommetscaf = "%,A,F";
const char *const xtroiscasevoisicab = ":AF,B:AF,C:AF";
const char *const xtroiscasevoisicaf = ":AB,E:AB,F:AB";

namespace {
using normaliser = void (*)(gstring &, const char *);

// Each item is appended, then turned by 60 degrees and normalised, six times over.
void turnsix(gstring &target, std::initializer_list<const char *> seeds, normaliser normalise) {
    gstring items[2];
    int count = 0;
    for (const char *seed : seeds)
        items[count++].set(seed);
    target.clear();
    for (int turn = 0; turn < 6; ++turn) {
        for (int k = 0; k < count; ++k) {
            target.cat(items[k].adr(), ",");
            tirotagausoixante(items[k]);
            normalise(items[k], items[k].adr());
        }
    }
}
} // namespace

void topochainesdebase() {
    static bool built = false;
    if (built)
        return;
    turnsix(sixcasesdunhexa, {":AB"}, chemieuxcasedec);
    turnsix(sixvoisineshexapcote, {"B:AF"}, chemieuxcasedec);
    turnsix(douzevoisineshexapsommet, {"A:AB", "A:AF"}, chemieuxcasedec);
    dixhuitvoisineshexa.set(sixvoisineshexapcote.adr(), douzevoisineshexapsommet.adr());
    turnsix(sixsegminternes, {":A"}, chemieuxsegdec);
    turnsix(sixsegmexternes, {"C:A"}, chemieuxsegdec);
    built = true;
}

void globinittikotopo() {
    topochainesdebase();
}
