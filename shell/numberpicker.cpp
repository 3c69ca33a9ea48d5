#include "shell/numberpicker.h"

#include <cstdlib>

#include "drawing/drawingobjects.h"
#include "lattice/clatichemin.h"
#include "platform/screen.h"
#include "shell/buttoncolumn.h"
#include "shell/shellstate.h"

std::int16_t boutriposx = 0;
std::int16_t boutriposy = 0;
std::int16_t boutritop = 290;
std::int16_t boutrilarge = 0;
std::int16_t boutrihaut = 30;
dcpoint boutrisommets[19] = {};
dcpoint boutricentres[12] = {};
dcpoint boutrichiffres[6] = {};

namespace {

// The points are computed once the picker's top is known.
char cestfait = 0;

clatidirections vecteurs(std::int16_t side) {
    clatidirections directions;
    directions.settaillangle(side, 0);
    return directions;
}

dcpoint decale(std::int32_t x, std::int32_t y) {
    return {static_cast<std::int16_t>(boutriposx + x), static_cast<std::int16_t>(boutriposy + y)};
}

} // namespace

void calcuboutri() {
    boutriposx = xboutaxe;
    boutriposy = static_cast<std::int16_t>(boutritop + boutrihaut);
    if (cestfait)
        return;
    boutrilarge = 30;
    const clatidirections petits = vecteurs(30);
    const clatidirections grands = vecteurs(60);
    for (int i = 0; i < 6; ++i) {
        const int j = (i + 1) % 6;
        boutrisommets[3 * i] = decale(0, 0);
        boutrisommets[3 * i + 1] = decale(petits.x[i], petits.y[i]);
        boutrisommets[3 * i + 2] = decale(petits.x[j], petits.y[j]);
        boutricentres[i] = decale((petits.x[i] + petits.x[j]) / 3, -(petits.y[i] + petits.y[j]) / 3);
        boutrichiffres[i] = {boutricentres[i].x, static_cast<std::int16_t>(boutricentres[i].y - 8)};
        boutricentres[6 + i] = decale((grands.x[i] + grands.x[j]) / 3, -(grands.y[i] + grands.y[j]) / 3);
    }
    boutrisommets[18] = decale(0, 0);
    boutrihaut = grands.x[1];
    if (boutritop > 0)
        cestfait = 1;
}

std::int16_t valeurboutri(std::int16_t i) {
    if (i < 0 || i > 5)
        return 0;
    return static_cast<std::int16_t>(i == 0 ? 1 : 7 - i);
}

void dessinboutri(dchandle context) {
    calcuboutri();
    moncrayon.set(context, createpen(2, rgb(153, 153, 153)));
    mabrosse.set(context, createsolidbrush(static_cast<colour>(buttonfacecolour())));
    for (int i = 0; i < 6; ++i) {
        const dcpoint triangle[4] = {boutrisommets[3 * i], boutrisommets[3 * i + 1], boutrisommets[3 * i + 2],
                                     boutrisommets[3 * i]};
        polygon(context, triangle, 4);
    }
    mapolice.create(16, 5, 0, 0, 600, "Arial");
    mapolice.useon(context);
    mapolice.setcentrage(1);
    for (std::int16_t i = 0; i < 6; ++i) {
        const std::int16_t n = valeurboutri(i);
        mapolice.colornoback(n == nombractu ? rgb(255, 0, 255) : rgb(0, 0, 0));
        const char chiffre[2] = {static_cast<char>('0' + n), 0};
        mapolice.print(boutrichiffres[i].x, boutrichiffres[i].y, chiffre);
    }
    mapolice.enduse();
}

std::int16_t boutriproche(std::int16_t x, std::int16_t y) {
    if (boutrilarge == 0)
        return 0;
    int best = 0;
    int bestd = 0;
    for (int k = 0; k < 12; ++k) {
        const int d = std::abs(x - boutricentres[k].x) + std::abs(y - boutricentres[k].y);
        if (k == 0 || d < bestd) {
            best = k;
            bestd = d;
        }
    }
    if (best >= 6 || bestd > boutrilarge)
        return 0;
    return valeurboutri(static_cast<std::int16_t>(best));
}
