#pragma once
#include <cstdint>

// How far the grid is moved inside a window the screen cannot show whole, in triangle sides:
// never right of its place, never below it.
extern float decalagrilladroite;
extern float decalagrillenhaut;
// Pixels of the window beyond the screen's right and bottom edges.
extern std::int16_t manquedroite;
extern std::int16_t manquebas;

// One side right (2), left (3), down (4) or up (5).
void decalagribouton(std::int16_t code);
// A drag of (dx, dy) device pixels.
void decalagrisouris(std::int16_t dx, std::int16_t dy);
// Keeps the shifts within what the screen hides and offers the arrows that can move further.
void decalaccordfleches();
