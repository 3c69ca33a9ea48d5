#include "shell/gridshift.h"

#include "drawing/clagripage.h"
#include "shell/shellstate.h"

float decalagrilladroite = 0;
float decalagrillenhaut = 0;
std::int16_t manquedroite = 0;
std::int16_t manquebas = 0;

void decalagribouton(std::int16_t code) {
    switch (code) {
    case 2: decalagrilladroite += 1; break;
    case 3: decalagrilladroite -= 1; break;
    case 4: decalagrillenhaut -= 1; break;
    case 5: decalagrillenhaut += 1; break;
    default: return;
    }
    posiregok = 0;
    reaffigri();
}

void decalagrisouris(std::int16_t dx, std::int16_t dy) {
    const float u = ptgriactu->taillepix;
    if (u <= 0)
        return;
    decalagrilladroite += static_cast<float>(dx) / u;
    decalagrillenhaut += static_cast<float>(dy) / u;
    posiregok = 0;
    reaffigri();
}

void decalaccordfleches() {
    const float u = ptgriactu->taillepix > 0 ? ptgriactu->taillepix : 1;
    flechokdroite = flechokgauche = 0;
    if (manquedroite == 0) {
        decalagrilladroite = 0;
    } else {
        const float d = -manquedroite / u;
        if (decalagrilladroite > 0)
            decalagrilladroite = 0;
        if (decalagrilladroite < d)
            decalagrilladroite = d;
        flechokgauche = static_cast<char>(decalagrilladroite < 0);
        flechokdroite = static_cast<char>(d < decalagrilladroite);
    }
    flechokhaut = flechokbas = 0;
    if (manquebas == 0) {
        decalagrillenhaut = 0;
    } else {
        const float d = manquebas / u;
        if (decalagrillenhaut < 0)
            decalagrillenhaut = 0;
        if (decalagrillenhaut > d)
            decalagrillenhaut = d;
        flechokhaut = static_cast<char>(decalagrillenhaut > 0);
        flechokbas = static_cast<char>(d > decalagrillenhaut);
    }
}
