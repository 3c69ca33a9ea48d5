#include "drawing/claminibitmap.h"

claminibitmap::claminibitmap() {
    clear();
}

claminibitmap::~claminibitmap() {
    clear();
}

void claminibitmap::clear() {
    if (charge)
        deleteobject(bitmap);
    bitmap = 0;
    charge = false;
    largeur = 0;
    hauteur = 0;
}

void claminibitmap::scratch() {
    clear();
}

bool claminibitmap::loadbmpressource(std::int16_t id) {
    clear();
    bitmap = loadbitmapresource(id);
    charge = bitmap != 0;
    recupdim();
    return charge;
}

void claminibitmap::recupdim() {
    if (!charge || !bitmapsize(bitmap, largeur, hauteur)) {
        largeur = 0;
        hauteur = 0;
    }
}

bool claminibitmap::stretchblt(dchandle context, std::int16_t x, std::int16_t y, std::int16_t w,
                               std::int16_t h, std::int16_t sx, std::int16_t sy, std::int16_t sw,
                               std::int16_t sh) {
    if (!charge)
        return false;
    if (sw == 0 && sh == 0) {
        sw = largeur;
        sh = hauteur;
    }
    const dchandle source = creatememdc();
    selectobject(source, bitmap);
    const bool copied = ::stretchblt(context, x, y, w, h, source, sx, sy, sw, sh);
    deletedc(source);
    return copied;
}
