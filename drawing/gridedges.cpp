#include "drawing/clagripage.h"
#include "drawing/devices.h"
#include "drawing/drawingobjects.h"
#include "drawing/gamecolours.h"

#include <cstring>

namespace {

// One edge run ('B:AAA') as a line from its start point ('B') to its end point ('BAAA').
void dessinesegment(clagripage &page, const char *run) {
    gstring rest(run);
    gstring start;
    const char *colon = std::strchr(run, ':');
    start.setmange(rest, static_cast<std::int16_t>(colon != nullptr ? colon - run : rest.len()));
    gstring end(run);
    end.replaceone(":", "");
    clatichemin &path = page.tichemad();
    path.setchemin(start.adr());
    const std::int16_t x1 = path.valcheminx();
    const std::int16_t y1 = path.valcheminy();
    path.setchemin(end.adr());
    pdevactu->atrasegpur(x1, y1, path.valcheminx(), path.valcheminy());
}

void dessinesegments(clagripage &page, const lichati &runs) {
    for (const lichati::lxnoeud *p = runs.head; p != nullptr; p = p->next)
        dessinesegment(page, p->text.adr());
}

} // namespace

void clagripage::dessincontourtritop(std::int16_t, std::int16_t, std::int16_t width, colour) {
    if (!testaffi(6))
        return;
    fautdeslistesegtour();
    pdevactu->setgeocrayonpix(1, griscontour);
    dessinesegments(*this, liseginternes);
    pdevactu->setgeocrayonpix(width, griscontour);
    dessinesegments(*this, lisegcontour);
    moncrayon.enduse();
}
