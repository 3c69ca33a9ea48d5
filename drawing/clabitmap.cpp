#include "drawing/clabitmap.h"

void clabitmap::set(gdihandle bitmap) {
    clagdiobjet::set(bitmap);
    largeur = 0;
    hauteur = 0;
    taillesue = false;
}

void clabitmap::set(dchandle context, gdihandle bitmap) {
    set(bitmap);
    useon(context);
}

void clabitmap::calcupix() {
    bitmapsize(objet, largeur, hauteur);
    taillesue = true;
}

void clabitmap::blitimage(dchandle context, std::int16_t x, std::int16_t y, std::int16_t w, std::int16_t h,
                          std::int16_t sx, std::int16_t sy) {
    stretchimage(context, x, y, w, h, sx, sy, w, h);
}

void clabitmap::stretchimage(dchandle context, std::int16_t x, std::int16_t y, std::int16_t w, std::int16_t h,
                             std::int16_t sx, std::int16_t sy, std::int16_t sw, std::int16_t sh) {
    const dchandle source = creatememdc();
    selectobject(source, objet);
    stretchblt(context, x, y, w, h, source, sx, sy, sw, sh);
    deletedc(source);
}
