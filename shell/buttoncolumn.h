#pragma once
#include <cstdint>

// Where the button column stands in the client area and where its painted texts go.
extern std::int16_t xprembou;
extern std::int16_t xboutaxe;
extern std::int16_t ytopbou;
extern std::int16_t yhgtbou;
// Width of the half-width buttons.
extern std::int16_t tabou;
// Bottom of the column once its controls exist.
extern std::int16_t ysuibou;
extern std::int16_t versy;
extern std::int16_t gr1y;
extern std::int16_t gr6y;
extern std::int16_t bt3y;
