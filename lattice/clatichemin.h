#pragma once
#include <cstdint>

#include "foundation/gstring.h"
#include "foundation/lichati.h"

// A pixel point of the model or of the window (32-bit, as the platform's points are).
struct pointpix {
    std::int32_t x = 0;
    std::int32_t y = 0;
};

// Nearest 16-bit integer, halves away from zero.
std::int16_t floatopix(float v);
// A non-negative number modulo 6.
std::int16_t modulosix(std::int16_t n);

// Pixel vectors of the six directions A..F for a triangle size and a base angle (model pixels,
// y upward). The size is always even: an odd size is raised by 1.
class clatidirections {
public:
    std::int16_t x[6] = {};
    std::int16_t y[6] = {};
    std::int16_t centrex[2] = {}; // [0] for ":AF" cells, [1] for ":AB" cells
    std::int16_t centrey[2] = {};
    std::int16_t taille = 30;
    std::int16_t angle = 0;

    clatidirections();
    void settaille(std::int16_t size);
    void setangle(std::int16_t degrees);
    void settaillangle(std::int16_t size, std::int16_t degrees);
    std::int16_t reulatx(std::int16_t direction) const;
    std::int16_t reulaty(std::int16_t direction) const;
    std::int16_t relatcentx(std::int16_t kind) const;
    std::int16_t relatcenty(std::int16_t kind) const;
    void calcupix();
};

// A path of direction steps from the origin, its canonical form and its pixel offset.
class clatichemin {
public:
    static constexpr int compactroom = 15;
    static constexpr int fullroom = 80;

    clatidirections directions;
    std::int16_t counts[6] = {};
    gstring text;
    bool normalised = false;
    bool fullready = false;
    bool compactready = false;

    void setchemin(const char* path);
    void bonchemin();
    void givecompacte(gstring& target);
    void givedecompacte(gstring& target);
    std::int16_t valcheminx() const;
    std::int16_t valcheminy() const;
    std::int16_t valducheminx(const char* path);
    std::int16_t valducheminy(const char* path);
    std::int16_t valchemincasix(std::int16_t kind) const;
    std::int16_t valchemincasy(std::int16_t kind) const;
    std::int16_t givesixtriangles(pointpix* points19, std::int32_t cx, std::int32_t cy) const;
    std::int16_t givesixcentres(pointpix* points6, std::int32_t cx, std::int32_t cy) const;
    // Crowding value 0..3 of a list of hexagon centres.
    std::int16_t valeurdeclasst(const lichati& hexagons);
};

// Canonical full-form names of points, cells and edges. The name may be the target's own text.
// They parse through the shared scratch path topochemin and are not reentrant.
void chemieuxcase(char mode, gstring& target, const char* name);
void chemieuxcasedec(gstring& target, const char* name);
void chemieuxseg(char mode, gstring& target, const char* name);
void chemieuxsegdec(gstring& target, const char* name);
void normafincase(gstring& target, const char* name);
void normafinseg(gstring& target, const char* name);

extern clatichemin topochemin;
