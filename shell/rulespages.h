#pragma once
#include <cstdint>

#include "drawing/claminibitmap.h"

// The rules pages: the page shown and the first and last pages the buttons turn between.
extern std::int16_t reglepage;
extern std::int16_t reglepadeb;
extern std::int16_t reglepafin;
// The pictures of pages 1 to 9, loaded at their first display and kept.
extern claminibitmap pagereg1;
extern claminibitmap pagereg2;
extern claminibitmap pagereg3;
extern claminibitmap pagereg4;
extern claminibitmap pagereg5;
extern claminibitmap pagereg6;
extern claminibitmap pagereg7;
extern claminibitmap pagereg8;
extern claminibitmap pagereg9;
extern char grivide;

// Draws page 1..9 on the window device's context, filling the rules client area: the cyan
// background, the picture stretched over it, the overlay and the page number. Any other page
// draws nothing.
void pagereglaffi(std::int16_t page);
// The page's overlay in the current language; reglepafin becomes the last page.
void pageregledef(std::int16_t page);
// The "<" and ">" buttons of the rules pages: one page back or on, within the first and last pages.
void pagereglepreced();
void pagereglesuivante();
