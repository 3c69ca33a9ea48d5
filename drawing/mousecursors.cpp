#include "drawing/mousecursors.h"

#include "drawing/cursorpictures.h"

#include <limits>

cursorhandle hcurfleche = nullptr;
cursorhandle hcursablier = nullptr;
cursorhandle hcurchiffrehun = nullptr;
cursorhandle hcurchiffredeux = nullptr;
cursorhandle hcurchiffretrois = nullptr;
cursorhandle hcurchiffrequatre = nullptr;
cursorhandle hcurchiffrecinq = nullptr;
cursorhandle hcurchiffresix = nullptr;
cursorhandle hcurscratcroix = nullptr;
cursorhandle hcurscratbombe = nullptr;
cursorhandle hcurpetithex = nullptr;

std::int16_t sabletat = 0;
std::int16_t etatcurseur = 999;
lecturesouris lireetatsouris = nullptr;

namespace {

constexpr std::int16_t etatsablier = 7;
constexpr std::int16_t etatregles = 8;
constexpr std::int16_t etathexa = 9;
constexpr std::int16_t etatefface = 10;
constexpr std::int16_t moderegles = 5;

cursorhandle *const chiffres[6] = {&hcurchiffrehun,    &hcurchiffredeux, &hcurchiffretrois,
                                   &hcurchiffrequatre, &hcurchiffrecinq, &hcurchiffresix};

cursorhandle made(std::int16_t hotx, std::int16_t hoty, const masquecurseur &masks) {
    return createcursor(hotx, hoty, masks.et, masks.ouex);
}

void drop(cursorhandle &cursor) {
    destroycursor(cursor);
    cursor = nullptr;
}

cursorhandle cursorofstate(std::int16_t state) {
    if (state >= 1 && state <= 6)
        return *chiffres[state - 1];
    switch (state) {
    case 0:
        return hcurscratcroix;
    case etatsablier:
        return hcursablier;
    case etatregles:
        return hcurfleche;
    case etathexa:
        return hcurpetithex;
    case etatefface:
        return hcurscratbombe;
    default:
        return nullptr;
    }
}

} // namespace

void creacursouris() {
    // Made twice at start-up: the second making replaces the first.
    destrucursou();
    hcurfleche = loadstockcursor(cursor_arrow);
    hcursablier = loadstockcursor(cursor_wait);
    for (std::int16_t digit = 1; digit <= 6; ++digit)
        *chiffres[digit - 1] = made(1, 1, flechif(digit));
    hcurscratcroix = made(16, 16, croix());
    hcurscratbombe = made(15, 22, bomb());
    hcurpetithex = made(16, 16, petithex());
}

void destrucursou() {
    for (cursorhandle *cursor : chiffres)
        drop(*cursor);
    drop(hcurscratcroix);
    drop(hcurscratbombe);
    drop(hcurpetithex);
}

void fixecursouris(std::int16_t force) {
    const sourisetat shell = lireetatsouris != nullptr ? lireetatsouris() : sourisetat{};
    std::int16_t state = shell.nombractu;
    if (sabletat > 0)
        state = etatsablier;
    else if (shell.mode == moderegles)
        state = etatregles;
    else if (shell.souronhexa)
        state = etathexa;
    else if (shell.sourefface)
        state = etatefface;
    if (force == 0 && state == etatcurseur)
        return;
    etatcurseur = state;
    setcursor(cursorofstate(state));
}

void sablierdeb() {
    if (sabletat == std::numeric_limits<std::int16_t>::max())
        return;
    ++sabletat;
    if (sabletat == 1)
        fixecursouris(0);
}

void sablierfin() {
    if (sabletat <= 0) {
        sabletat = 0;
        return;
    }
    --sabletat;
    if (sabletat == 0)
        fixecursouris(0);
}
