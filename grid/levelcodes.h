#pragma once
#include <cstdint>

#include "foundation/gstring.h"

// Levels 1..7 and their threshold codes 75, 80, 85, 90, 95, 100, 120.
// A level outside 2..7 gives 75; a code that is not one of 80..120 gives level 1.
std::int16_t sixtocent(std::int16_t level);
std::int16_t centosix(std::int16_t code);
// The level in decimal, "x" for a level outside 1..7.
void texteniv(gstring &out, std::int16_t level);
