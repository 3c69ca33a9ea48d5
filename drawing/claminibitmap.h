#pragma once
#include "platform/drawcontext.h"

#include <cstdint>

// A picture of the program's resources, loaded once and copied stretched.
class claminibitmap {
  public:
    gdihandle bitmap = 0;
    std::int16_t largeur = 0;
    std::int16_t hauteur = 0;
    bool charge = false;

    claminibitmap();
    claminibitmap(const claminibitmap &) = delete;
    claminibitmap &operator=(const claminibitmap &) = delete;
    ~claminibitmap();

    void clear();
    void scratch();
    bool loadbmpressource(std::int16_t id);
    void recupdim();
    // The whole picture is the source when sw and sh are both 0.
    bool stretchblt(dchandle context, std::int16_t x, std::int16_t y, std::int16_t w, std::int16_t h,
                    std::int16_t sx, std::int16_t sy, std::int16_t sw, std::int16_t sh);
};
