#pragma once
#include <cstdint>

// A rectangle of four 16-bit coordinates, kept in order when asked to.
class wkrectan {
  public:
    std::int16_t xa = 0;
    std::int16_t ya = 0;
    std::int16_t xb = 0;
    std::int16_t yb = 0;
    bool ordonne = false;

    explicit wkrectan(std::int16_t ordered = 0);

    void setcarre(std::int16_t side);
    void ordonner();
    void setxyaxyb(std::int16_t a, std::int16_t b, std::int16_t c, std::int16_t d);
    void setxwid(std::int16_t x, std::int16_t y, std::int16_t w, std::int16_t h);
    void shift(std::int16_t dx, std::int16_t dy);
    void setxa(std::int16_t v) { xa = v; }
    void setxb(std::int16_t v) { xb = v; }
    void setya(std::int16_t v) { ya = v; }
    void setyb(std::int16_t v) { yb = v; }
};
