#pragma once
#include "platform/colours.h"

#include <cstdint>

// The light version of a colour: each component ORed with 153.
colour clair(colour c);
// The grey of p percent darkness.
colour nuancegris(std::int16_t p);
