#pragma once
#include "platform/colours.h"

#include <cstdint>

// Pens, brushes, fonts and bitmaps are handles into one table; 0 is no object. A deleted handle
// is never reused, so a stale handle simply names nothing.
using gdihandle = std::uint32_t;

// The stock objects: never deleted, deleting them does nothing.
enum stockobject : gdihandle {
    stock_blackpen = 1,  // solid black, 1 pixel: the default pen of a context
    stock_whitebrush,    // the default brush of a context
    stock_hollowbrush,   // outlines without filling
    stock_systemfont,    // the default font of a context
    stock_defaultbitmap, // the 1 x 1 bitmap a memory context starts with
};

// A solid geometric pen with round ends and joins; a width below 1 draws 1 pixel wide.
gdihandle createpen(std::int16_t width, colour c);
gdihandle createsolidbrush(colour c);
// Height and width in pixels (0: the face's default), escapement in tenths of a degree
// counter-clockwise, weight 0..1000 (0 or 400 normal, 700 bold).
gdihandle createfont(std::int16_t height, std::int16_t width, std::int16_t escapement, bool italic,
                     std::int16_t weight, const char *face);
// A bitmap for a context's surface, black at first; none for an empty or too large size.
gdihandle createbitmap(std::int16_t width, std::int16_t height);
// A picture of the program's resources (":/bitmaps/<id>.png"); none when missing.
gdihandle loadbitmapresource(std::int16_t id);
// A bitmap read from a PNG file; none when missing.
gdihandle loadbitmapfile(const char *path);

// Deleting a stock object or no object does nothing; false then.
bool deleteobject(gdihandle object);
bool objectexists(gdihandle object);
// A bitmap's size; false (and 0, 0) for anything else.
bool bitmapsize(gdihandle bitmap, std::int16_t &width, std::int16_t &height);
// The colour of a bitmap's pixel; 0 outside it or for anything else.
colour bitmappixel(gdihandle bitmap, std::int16_t x, std::int16_t y);
// Writes a bitmap to a PNG file.
bool savebitmappng(gdihandle bitmap, const char *path);
