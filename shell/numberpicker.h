#pragma once
#include <cstdint>

#include "platform/drawcontext.h"

// The number picker of the button column: six triangles forming a hexagon, numbers 1 to 6.
extern std::int16_t boutriposx;
extern std::int16_t boutriposy;
extern std::int16_t boutritop;
extern std::int16_t boutrilarge;
extern std::int16_t boutrihaut;
// Three corners per triangle, then the centre again.
extern dcpoint boutrisommets[19];
// The six triangle centres, then six outer centres that only reject clicks.
extern dcpoint boutricentres[12];
extern dcpoint boutrichiffres[6];

void calcuboutri();
// The number of triangle i: 1, 6, 5, 4, 3, 2 for i = 0 to 5; 0 for any other i.
std::int16_t valeurboutri(std::int16_t i);
void dessinboutri(dchandle context);
// The number whose triangle holds the client point, 0 for none.
std::int16_t boutriproche(std::int16_t x, std::int16_t y);
