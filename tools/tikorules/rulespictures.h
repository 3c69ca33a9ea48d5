#pragma once
#include "resources/rulespictures.h"
#include "tools/tikorules/picturesurface.h"

#include <cstdint>

// Draws the picture of rules page 1..9: the title page, then the pages with a title band, an
// example grid on the left and the right half left for the text.
void dessineimage(picturesurface &surface, std::int16_t page);
