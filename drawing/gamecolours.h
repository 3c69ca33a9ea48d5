#pragma once
#include "platform/colours.h"

#include <cstdint>

// The colours the grid renderer reads, set by the colour sets below.
extern colour grisvingt;
extern colour gristrente;
extern colour grissoixante;
extern colour grisquatvingt;
extern colour grispapier;
extern colour fuchsia;
extern colour griscontour;     // outline and inner edges
extern colour grisinterne;     // holes
extern colour grischiffrefixe; // given values
extern colour grischiffrejoue; // values the player placed
extern colour grisfondcase;    // cell background
extern colour cjeutourcase;    // cell border
extern colour cjeucapossible;

void jeucouleurs();
void grisoubleu();
void bonnesdemocouleurs();
// The background colour of one cell of a page: the colour it is given.
colour coulfondecase(std::int16_t page, std::int16_t cell, colour c);
