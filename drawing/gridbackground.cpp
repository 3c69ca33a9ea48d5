#include "drawing/clagripage.h"
#include "drawing/devices.h"
#include "drawing/gamecolours.h"
#include "drawing/mousecursors.h"

#include <algorithm>

namespace {

// A triangle of the model (4 points, the last closing) drawn as a polygon at the local origin.
void dessinetriangle(cladevout &device, const pointpix *points) {
    dcpoint corners[4];
    for (int k = 0; k < 4; ++k)
        corners[k] = {static_cast<std::int16_t>(points[k].x), static_cast<std::int16_t>(points[k].y)};
    device.devepolygopix(0, 0, corners, 4);
}

} // namespace

void clagripage::dessingrifond(cladevout &device, std::int16_t solution, colour, colour) {
    debutdaffichagrille();
    sablierdeb();
    device.locapush();
    device.setcreabrosse(grisfondcase);
    setlocagrideux(solution, device);
    if (testaffi(6)) {
        fautdeslistescasautour();
        trianglintex(licasestrous, grisinterne, grisinterne);
    }
    const auto border = static_cast<std::int16_t>(std::max(1, taillecase / 40));
    for (std::int16_t i = 1; i <= nbcases; ++i) {
        device.setcreabrosse(coulfondecase(indice, i, grisfondcase));
        device.setgeocrayonpix(border, cjeutourcase);
        if (testaffi(6)) {
            pointpix points[5];
            givecasepoints(i, points);
            dessinetriangle(device, points);
        }
    }
}

void clagripage::trianglintex(const lichati &cells, colour pen, colour brush) {
    pdevactu->setgeocrayonpix(2, pen);
    pdevactu->setcreabrosse(brush);
    for (const lichati::lxnoeud *p = cells.head; p != nullptr; p = p->next) {
        pointpix points[4];
        givetripoints(points, p->text.adr());
        dessinetriangle(*pdevactu, points);
    }
}
