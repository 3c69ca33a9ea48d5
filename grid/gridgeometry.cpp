#include <algorithm>

#include "foundation/textfold.h"
#include "grid/clagritiko.h"
#include "grid/foldcontains.h"

void clagritiko::geretaille() {
    gravcases.setbase(6, taillepix);
    // The hexagon geometry uses a third of the size, rounded to the nearest integer.
    std::int16_t t = static_cast<std::int16_t>(taillepix / 3);
    if (3 * t < taillepix - 1)
        ++t;
    gravhexas.setbase(6, t);
    if (tabhexasfaite)
        calcupositionsdouteux();
}

void clagritiko::giveposipoint(const char *path, std::int16_t &x, std::int16_t &y) {
    x = gravcases.chemin.valducheminx(path);
    y = gravcases.chemin.valducheminy(path);
}

void clagritiko::giveposicase(const char *name, std::int16_t &x, std::int16_t &y) {
    gravcases.chemin.setchemin(name);
    const std::int16_t kind = triaplat(name) ? 1 : 0;
    x = gravcases.chemin.valchemincasix(kind);
    y = gravcases.chemin.valchemincasy(kind);
}

void clagritiko::givetripoints(pointpix *points4, const char *name) {
    std::int16_t px = 0;
    std::int16_t py = 0;
    giveposipoint(name, px, py);
    const clatidirections &steps = gravcases.chemin.directions;
    const std::int16_t k = foldcontient(name, ":AF") ? 5 : 1;
    points4[0] = {px, py};
    points4[1] = {px + steps.reulatx(0), py + steps.reulaty(0)};
    points4[2] = {px + steps.reulatx(k), py + steps.reulaty(k)};
    points4[3] = {px, py};
}

void clagritiko::givecasepoints(std::int16_t i, pointpix *points5) {
    const char *name = estcase(i) ? lichemcases.adr(i) : nullptr;
    if (name == nullptr) {
        for (int k = 0; k < 5; ++k)
            points5[k] = {};
        return;
    }
    givetripoints(points5, name);
}

void clagritiko::posicadremax(cadrepix &frame) const {
    // Without cells the frame surrounds the origin, as if one cell sat there.
    int xmin = 0;
    int xmax = 0;
    int ymin = 0;
    int ymax = 0;
    bool first = true;
    for (std::int16_t i = 1; i <= nbcases; ++i) {
        if (!estcase(i))
            continue;
        const int x = tabcases[i].x;
        const int y = tabcases[i].y;
        xmin = first ? x : std::min(xmin, x);
        xmax = first ? x : std::max(xmax, x);
        ymin = first ? y : std::min(ymin, y);
        ymax = first ? y : std::max(ymax, y);
        first = false;
    }
    frame.left = xmin - taillepix;
    frame.right = xmax + taillepix;
    frame.top = ymax + taillepix;
    frame.bottom = ymin - taillepix;
}

std::int16_t clagritiko::positaconv(char axis, const char *name) {
    int x = 0;
    int y = 0;
    for (const char *p = name ? name : ""; *p && *p != ':'; ++p) {
        switch (foldbyte(static_cast<unsigned char>(*p))) {
        case 'A':
            x += 2;
            break;
        case 'B':
            x += 1;
            y += 1;
            break;
        case 'C':
            x -= 1;
            y += 1;
            break;
        case 'D':
            x -= 2;
            break;
        case 'E':
            x -= 1;
            y -= 1;
            break;
        case 'F':
            x += 1;
            y -= 1;
            break;
        default:
            break;
        }
    }
    const char a = static_cast<char>(foldbyte(static_cast<unsigned char>(axis)));
    if (a == 'X')
        return static_cast<std::int16_t>(x);
    if (a == 'Y')
        return static_cast<std::int16_t>(y);
    return 0;
}

void clagritiko::calnulibase() {
    // Columns count half-steps; a row alternates ":AB" and ":AF" cells.
    const auto rang = [](const char *name, int &r, int &c) {
        c = positaconv('X', name) + 1;
        r = 1 - positaconv('Y', name) + (foldcontient(name, ":AF") ? 1 : 0);
    };
    // Numbering starts from at most 7, so a grid far from the origin keeps that distance.
    int rmin = 7;
    int cmin = 7;
    int r = 0;
    int c = 0;
    for (const lichati::lxnoeud *p = lichemcases.head; p; p = p->next) {
        rang(p->text.adr(), r, c);
        rmin = std::min(rmin, r);
        cmin = std::min(cmin, c);
    }
    nblignes = 0;
    nbcolonnes = 0;
    std::int16_t i = 1;
    for (const lichati::lxnoeud *p = lichemcases.head; p; p = p->next, ++i) {
        rang(p->text.adr(), r, c);
        const auto ligne = static_cast<std::int16_t>(r - rmin + 1);
        const auto colonne = static_cast<std::int16_t>(c - cmin + 1);
        if (estcase(i)) {
            tabcases[i].ligne = ligne;
            tabcases[i].colonne = colonne;
        }
        nblignes = std::max(nblignes, ligne);
        nbcolonnes = std::max(nbcolonnes, colonne);
    }
}

void clagritiko::ecricalignouv(gstring &out, std::int16_t, std::int16_t i, const char *separator) const {
    const std::int16_t ligne = estcase(i) ? tabcases[i].ligne : 0;
    const std::int16_t colonne = estcase(i) ? tabcases[i].colonne : 0;
    out.set("L", vi(ligne).adr(), separator);
    out.cat("C", vi(colonne).adr());
}

void clagritiko::calcupositionsdouteux() {
    supprimecoordentableaux();
}
