#pragma once
#include "drawing/cladevout.h"
#include "platform/colours.h"
#include "platform/drawcontext.h"

#include <cstdint>

// A rules-page picture being drawn: a memory surface with a device whose millimetres match the
// 800 x 600 page the picture is stretched onto (100 dpi there), origin at the centre, y up.
class picturesurface {
  public:
    dchandle dc = 0;
    gdihandle bitmap = 0;
    cladevout device;

    picturesurface(std::int16_t width, std::int16_t height);
    ~picturesurface();
    picturesurface(const picturesurface &) = delete;
    picturesurface &operator=(const picturesurface &) = delete;

    // A filled rectangle without outline, its corners in millimetres from the centre.
    void aplat(float xmm1, float ymm1, float xmm2, float ymm2, colour c);
    bool enregistre(const char *path) const;
};
