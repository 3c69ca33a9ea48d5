#pragma once
#include <cstdint>

#include "platform/messages.h"

// The main window's frame offsets: from the window's top-left corner to its client area's.
class clawinregion {
  public:
    std::int16_t dx = 6;
    std::int16_t dy = 32;

    void decalaset(winhandle window);
};

extern clawinregion regionprin;

// Room the grid needs around its lattice origin, the strip left of it, and the screen.
extern std::int16_t besoingrigauche;
extern std::int16_t besoingridroite;
extern std::int16_t besoingrihaut;
extern std::int16_t besoingribas;
extern std::int16_t margauche;
extern std::int16_t centregrillx;
extern std::int16_t centregrilly;
extern std::int16_t largecranpix;
extern std::int16_t hautecranpix;

void windecalagautres(winhandle window);
// The window's size around the grid in play and the grid's place on the window device.
void calcuposiregion();
void recalcureg(winhandle window);
