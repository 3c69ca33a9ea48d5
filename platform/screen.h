#pragma once
#include <cstdint>

// The primary screen's size in pixels; 0 when there is none.
std::int16_t screenwidth();
std::int16_t screenheight();

// The mouse position in screen pixels.
void cursorpos(std::int16_t& x, std::int16_t& y);

// The system's colour for button faces, as red | green << 8 | blue << 16.
unsigned buttonfacecolour();
