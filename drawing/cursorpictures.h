#pragma once
#include "platform/cursors.h"

#include <cstdint>

// The AND and XOR masks of one drawn cursor.
class masquecurseur {
  public:
    std::uint8_t et[cursorshape::masksize] = {};
    std::uint8_t ouex[cursorshape::masksize] = {};
};

// The arrow with the digit 1..6 beside it.
masquecurseur flechif(std::int16_t digit);
// Black on a transparent background.
masquecurseur croix();
masquecurseur bomb();
masquecurseur petithex();
