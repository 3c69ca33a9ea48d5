#pragma once
#include <cstdint>

// A 32 x 32 monochrome cursor: 4 bytes a row, top row first, high bit leftmost. Where the AND
// bit is 1 the screen shows through (inverted where the XOR bit is also 1); where it is 0 the
// pixel is black (XOR 0) or white (XOR 1).
class cursorshape {
  public:
    static constexpr int side = 32;
    static constexpr int masksize = side * side / 8;

    std::uint8_t andmask[masksize] = {};
    std::uint8_t xormask[masksize] = {};
    std::int16_t hotx = 0;
    std::int16_t hoty = 0;
    std::int16_t stock = 0; // one of the stock cursors below, or 0 for a drawn one

    bool andbit(int x, int y) const;
    bool xorbit(int x, int y) const;
};
using cursorhandle = cursorshape *;

enum stockcursor : std::int16_t { cursor_arrow = 1, cursor_wait };

cursorhandle loadstockcursor(stockcursor which);
// Null when a mask is missing.
cursorhandle createcursor(std::int16_t hotx, std::int16_t hoty, const std::uint8_t *andmask,
                          const std::uint8_t *xormask);
// Stock cursors are not destroyed.
void destroycursor(cursorhandle cursor);
// Shows the cursor over every window of the program; null keeps the one shown.
void setcursor(cursorhandle cursor);
// The cursor last set, for those who need to know.
cursorhandle currentcursor();
