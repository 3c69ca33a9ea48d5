#pragma once
#include "drawing/cladevout.h"
#include "platform/colours.h"
#include "platform/drawcontext.h"
#include "platform/messages.h"

#include <cstdint>

class clagripage;

// The main window's picture in three window-sized layers: the window background, the grid's
// background layer on a copy of it, and the full picture on a copy of that. A layer exists only
// when every layer below it exists.
extern gdihandle fenetrefond;
extern gdihandle grillefond;
extern gdihandle grilletout;
extern bool fenfondcreated;
extern bool grifondcreated;
extern bool gritoutcreated;
extern std::int32_t fenfondwid;
extern std::int32_t fenfondhgt;
extern colour fondecran;

void creafenetrefond(winhandle window, dchandle context);
// The window background for a client area of the given size, without a window (headless renders).
void creafenetrefondtaille(std::int32_t width, std::int32_t height);
// Drops the layers when the client size changed (answers 1 then), and makes the window background.
std::int16_t verifenetrefond(winhandle window, dchandle context);
void creagrillefond(winhandle window, dchandle context);
void creagrilletout(winhandle window, dchandle context);
void killgrilletout();
void killgrillefond();
void killfenetrefond();

// The two memory contexts of one paint and the context the device had before.
class peinturecouches {
  public:
    dchandle fond = 0;
    dchandle tout = 0;
    dchandle ancien = 0;
};

// The start of a paint: the grid background layer, drawn from the page when it had been dropped,
// copied into the full picture, which becomes the device's context. The caller then draws the
// foreground layer and the markers.
peinturecouches ouvrecouches(winhandle window, dchandle context, clagripage &page, cladevout &device);
// The end of a paint: the full picture copied to the context at (0, 0), the device given its
// context back, the memory contexts deleted.
void fermecouches(peinturecouches &paint, cladevout &device);
