#pragma once
#include "drawing/clagdiobjet.h"

#include <cstdint>

// A bitmap that knows its size once asked.
class clabitmap : public clagdiobjet {
  public:
    std::int16_t largeur = 0;
    std::int16_t hauteur = 0;
    bool taillesue = false;

    void set(gdihandle bitmap);
    void set(dchandle context, gdihandle bitmap);
    void calcupix();
    void blitimage(dchandle context, std::int16_t x, std::int16_t y, std::int16_t w, std::int16_t h,
                   std::int16_t sx, std::int16_t sy);
    void stretchimage(dchandle context, std::int16_t x, std::int16_t y, std::int16_t w, std::int16_t h,
                      std::int16_t sx, std::int16_t sy, std::int16_t sw, std::int16_t sh);
};
