#pragma once
#include "drawing/clagripage.h"
#include "drawing/devices.h"
#include "drawing/gamecolours.h"
#include "drawing/gridview.h"
#include "grid/candidatemasks.h"
#include "tests/drawing/canvas.h"

#include <cmath>
#include <cstdint>
#include <initializer_list>

inline bool proche(colour a, colour b) {
    const auto near = [](int u, int v) { return u - v < 100 && v - u < 100; };
    return near(redof(a), redof(b)) && near(greenof(a), greenof(b)) && near(blueof(a), blueof(b));
}

// The shell's view as a test sets it: a grid in play at the scene's size unless changed.
inline etatvue vuetest;
inline etatvue lirevuetest() {
    return vuetest;
}

// Grid page 0 loaded from inline definition lines at a cell size, drawn on a white canvas whose
// centre is the grid's lattice origin, with the colours of a grid in play.
class gridscene {
  public:
    canvas surface;
    clagripage &page = grilleram[0];

    gridscene(const lichati &lines, std::int16_t size = 40, std::int16_t side = 300) : surface(side) {
        vuetest = etatvue{};
        vuetest.mainone = true;
        vuetest.taillechoisie = size;
        lireetatvue = lirevuetest;
        jeucouleurs();
        bonnesdemocouleurs();
        pdevactu = &surface.device;
        globinitticalcul();
        // Every scene is a new grid, even when a test reuses the lines of another.
        grilledeja.clear();
        page.clear();
        page.setnom("scene");
        for (const lichati::lxnoeud *p = lines.head; p != nullptr; p = p->next)
            page.lignesdef.padd(p->text.adr());
        page.metgrillenhexa();
        page.settaillemmpix(0, size);
        page.setmodaffi(6);
        page.setgrillactu(0);
        page.setdevice(0, &surface.device);
        page.debutdaffichagrille();
        page.ajustepossicase();
    }

    gridscene(std::initializer_list<const char *> lines, std::int16_t size = 40, std::int16_t side = 300)
        : gridscene(lignes(lines), size, side) {}

    static lichati lignes(std::initializer_list<const char *> lines) {
        lichati chain;
        for (const char *line : lines)
            chain.padd(line);
        return chain;
    }

    void dessine() {
        page.dessingrifond(surface.device, 0, rgb(0, 0, 255), rgb(0, 0, 255));
        page.dessingrifin(surface.device, 0, rgb(0, 0, 255), rgb(0, 0, 255));
    }

    // The pixel at a point of the model (y up).
    colour at(double x, double y) const {
        return surface.at(static_cast<std::int16_t>(std::lround(surface.device.centrex + x)),
                          static_cast<std::int16_t>(std::lround(surface.device.centrey - y)));
    }
    colour centre(std::int16_t cell) const { return at(page.getcacentrix(cell), page.getcacentry(cell)); }
    // Pixels of about the colour (each component within 100, so antialiased ink counts) within a square of
    // half side r around a point of the model.
    int count(double x, double y, int r, colour c) const {
        int n = 0;
        for (int dy = -r; dy <= r; ++dy)
            for (int dx = -r; dx <= r; ++dx)
                n += proche(at(x + dx, y + dy), c) ? 1 : 0;
        return n;
    }
};
