#pragma once
#include <cstdint>

#include <QRegion>

#include "platform/drawcontext.h"
#include "platform/messages.h"

// A window outline in window pixels, with the frame's offsets: from the window's top-left corner
// to its client area's.
class clawinregion {
  public:
    QRegion region;
    std::int16_t dx = 6;
    std::int16_t dy = 32;

    void decalaset(winhandle window);
    void add(const QRegion &other);
    void intersec(const QRegion &other);
    void addrectanglen(std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h);
    void addpolygone(const dcpoint *points, std::int16_t n);
};

// The whole window's outline and the grid's part of it.
extern clawinregion regionprin;
extern clawinregion hexaregion;

// Room the grid needs around its lattice origin, the strip left of it, and the screen.
extern std::int16_t besoingrigauche;
extern std::int16_t besoingridroite;
extern std::int16_t besoingrihaut;
extern std::int16_t besoingribas;
extern std::int16_t margauche;
extern std::int16_t centregrillx;
extern std::int16_t centregrilly;
extern std::int16_t maxifenlarg;
extern std::int16_t maxifenhaut;
// The arrows' triangles, the last point equal to the first: right, left, up, down.
extern dcpoint grifledroite[4];
extern dcpoint griflegauche[4];
extern dcpoint griflehaut[4];
extern dcpoint griflebas[4];
extern std::int16_t largecranpix;
extern std::int16_t hautecranpix;

void windecalagautres(winhandle window);
void appliqueregprin(winhandle window);
// Before the first layout: the window shows nothing of itself until its first paint.
void calcuregmini(winhandle window);
void crearegiongrille();
void composeregionprin();
// The window's size around the grid in play and the grid's place on the window device.
void calcuposiregion();
void recalcureg(winhandle window);
