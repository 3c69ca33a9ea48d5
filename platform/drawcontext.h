#pragma once
#include "platform/gdiobjects.h"
#include "platform/messages.h"

#include <cstdint>

// A drawing context: a memory context drawing into the bitmap selected into it, or a paint
// context on a window's client area (open only while that window handles its paint message).
// Every operation on no context or a deleted one draws nothing and answers a neutral value.
// A handle is a number never reused, so one kept past deletedc names nothing; 0 is none.
using dchandle = std::uint32_t;

// A memory context holding the 1 x 1 default bitmap, the default pen, brush and font.
dchandle creatememdc();
// The paint context of a window's client area; 0 when the window is dead or not painting.
dchandle beginpaintdc(winhandle window);
// Ends a paint context or deletes a memory context (its selected objects stay alive).
void deletedc(dchandle dc);

// Puts an object of its kind into the context and gives the one it displaced (0 when the object
// does not exist). A bitmap goes only into a memory context.
gdihandle selectobject(dchandle dc, gdihandle object);

enum capability : std::int16_t { cap_logpixelsx, cap_logpixelsy, cap_horzres, cap_vertres };
// Logical dots per inch, or the screen's size in pixels (the surface's size without a screen).
std::int16_t devicecaps(dchandle dc, capability which);

// Text: colour, opaque background colour or transparent, and the two alignments in use.
void settextcolour(dchandle dc, colour c);
void setbackcolour(dchandle dc, colour c);
void setbackopaque(dchandle dc, bool opaque);
void settextcentred(dchandle dc, bool centred); // top-centre when set, else top-left
// The text (Windows-1252) at (x, y) with the selected font, along its escapement.
void textout(dchandle dc, std::int16_t x, std::int16_t y, const char *text);
void textextent(dchandle dc, const char *text, std::int16_t &width, std::int16_t &height);

class dcpoint {
  public:
    std::int16_t x;
    std::int16_t y;
};
// Shapes are outlined with the pen and filled with the brush; the box of a rectangle or
// ellipse runs from (x1, y1) up to, not including, (x2, y2).
void polygon(dchandle dc, const dcpoint *points, std::int16_t count);
void ellipse(dchandle dc, std::int16_t x1, std::int16_t y1, std::int16_t x2, std::int16_t y2);
void rectangle(dchandle dc, std::int16_t x1, std::int16_t y1, std::int16_t x2, std::int16_t y2);
void line(dchandle dc, std::int16_t x1, std::int16_t y1, std::int16_t x2, std::int16_t y2);

// Plain copy of a w x h block from (sx, sy) of the source to (x, y); false when nothing could
// be copied.
bool bitblt(dchandle dest, std::int16_t x, std::int16_t y, std::int16_t w, std::int16_t h, dchandle source,
            std::int16_t sx, std::int16_t sy);
// The sw x sh block at (sx, sy) of the source, stretched into the w x h block at (x, y).
bool stretchblt(dchandle dest, std::int16_t x, std::int16_t y, std::int16_t w, std::int16_t h,
                dchandle source, std::int16_t sx, std::int16_t sy, std::int16_t sw, std::int16_t sh);
