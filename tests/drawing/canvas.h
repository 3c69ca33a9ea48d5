#pragma once
#include "drawing/cladevout.h"
#include "platform/drawcontext.h"
#include "tests/platform/offscreenapp.h"

#include <cstdint>

// A white memory surface with a 96-dpi device on it whose local origin is the centre.
class canvas {
  public:
    dchandle dc = 0;
    gdihandle bitmap = 0;
    cladevout device;

    explicit canvas(std::int16_t side = 100) {
        startoffscreen();
        dc = creatememdc();
        bitmap = createbitmap(side, side);
        selectobject(dc, bitmap);
        const gdihandle pen = selectobject(dc, createpen(1, rgb(255, 255, 255)));
        rectangle(dc, 0, 0, side, side);
        deleteobject(selectobject(dc, pen));
        device.dc = dc;
        device.setdpi(96, 96);
        device.setfeuillepix(side, side);
        device.setpagepix(side, side);
        device.centrajuste();
        device.setlocal(0, 0);
    }
    ~canvas() {
        deletedc(dc);
        deleteobject(bitmap);
    }
    canvas(const canvas &) = delete;
    canvas &operator=(const canvas &) = delete;

    colour at(std::int16_t x, std::int16_t y) const { return bitmappixel(bitmap, x, y); }
    bool dark(std::int16_t x, std::int16_t y) const {
        const colour c = at(x, y);
        return redof(c) + greenof(c) + blueof(c) < 3 * 128;
    }
};
