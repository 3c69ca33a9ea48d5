#include "shell/buttoncolumn.h"

std::int16_t xprembou = 40;
std::int16_t xboutaxe = 55;
std::int16_t ytopbou = 20;
std::int16_t yhgtbou = 20;
std::int16_t tabou = 15;
std::int16_t ysuibou = 20;
std::int16_t versy = 10;
std::int16_t gr1y = 40;
std::int16_t gr6y = 150;
std::int16_t bt3y = 282;
