#pragma once
#include <cstdint>

#include "grid/clagripagebase.h"

// The drawing side owns the grid pages (grilleram, ptgriactu), the window device and the colour
// sets. The window code links them here at start-up; until then the shell's operations leave the
// pages and the colours alone, and the grid in play counts as having no cells.
class drawinglink {
  public:
    // Grid page index of grilleram, or null for an index out of range.
    clagripagebase *(*page)(std::int16_t index) = nullptr;
    // The page's setgrillactu: the page becomes ptgriactu.
    void (*setgrillactu)(std::int16_t index) = nullptr;
    void (*bondevactu)() = nullptr;
    void (*jeucouleurs)() = nullptr;
    void (*bonnesdemocouleurs)() = nullptr;
    // The renderer's flag that a grid is played.
    char *mainone = nullptr;
};

extern drawinglink dessinlien;

// Grid page index through the link; null when unlinked or out of range.
clagripagebase *grillepage(std::int16_t index);
