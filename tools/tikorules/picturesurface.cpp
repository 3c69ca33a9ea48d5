#include "tools/tikorules/picturesurface.h"

#include "drawing/devices.h"

namespace {
// The page shown is 800 pixels wide at 100 dpi.
constexpr int largeurpage = 800;
constexpr int dpipage = 100;
} // namespace

picturesurface::picturesurface(std::int16_t width, std::int16_t height) {
    dc = creatememdc();
    bitmap = createbitmap(width, height);
    selectobject(dc, bitmap);
    device.dc = dc;
    const auto dpi = static_cast<std::int16_t>(dpipage * width / largeurpage);
    device.setdpi(dpi, dpi);
    device.setfeuillepix(width, height);
    device.setpagepix(width, height);
    device.centrajuste();
    device.setlocal(0, 0);
    pdevactu = &device;
}

picturesurface::~picturesurface() {
    deletedc(dc);
    deleteobject(bitmap);
}

void picturesurface::aplat(float xmm1, float ymm1, float xmm2, float ymm2, colour c) {
    device.locapush();
    device.setlocal((xmm1 + xmm2) / 2, (ymm1 + ymm2) / 2);
    device.setgeocrayonpix(1, c);
    device.setcreabrosse(c);
    const auto w = static_cast<std::int16_t>(device.ammxtopix(xmm2 - xmm1));
    const auto h = static_cast<std::int16_t>(device.ammytopix(ymm2 - ymm1));
    device.deverectanpix(0, 0, 0, w < 0 ? static_cast<std::int16_t>(-w) : w,
                         h < 0 ? static_cast<std::int16_t>(-h) : h);
    device.locapop();
}

bool picturesurface::enregistre(const char *path) const {
    return savebitmappng(bitmap, path);
}
