#pragma once
#include "foundation/gstring.h"
#include "platform/colours.h"
#include "platform/drawcontext.h"

#include <cstdint>

// A drawing context with the geometry of its surface in pixels and millimetres, drawn on around
// a movable local origin with y pointing up.
class cladevout {
  public:
    dchandle dc = 0;
    gstring nom;
    gstring pileorigines; // saved local origins, "x,y," pairs, the latest first
    std::int16_t dpix = 300;
    std::int16_t dpiy = 300;
    std::int16_t centrex = 0;
    std::int16_t centrey = 0;
    std::int16_t localx = 0;
    std::int16_t localy = 0;
    bool nomme = false;
    std::int16_t feuillewidpix = 0;
    std::int16_t feuillehgtpix = 0;
    std::int16_t feuillewidmm = 0;
    std::int16_t feuillehgtmm = 0;
    std::int16_t pagewidpix = 0;
    std::int16_t pagehgtpix = 0;
    std::int16_t pagewidmm = 0;
    std::int16_t pagehgtmm = 0;
    std::int16_t utilewidpix = 0;
    std::int16_t utilehgtpix = 0;
    std::int16_t utilewidmm = 0;
    std::int16_t utilehgtmm = 0;
    float zoom = 1.0f;

    cladevout();
    void clear();
    void copyfromall(const cladevout &other);

    void setdpi(std::int16_t x, std::int16_t y);
    void setfeuillepix(std::int16_t w, std::int16_t h);
    void setpagepix(std::int16_t w, std::int16_t h);
    void mmajuste();
    void centrajuste();
    void setname(const char *text);

    void setlocal(float xmm, float ymm);
    void setlocagauche();
    void setlocadroite();
    void setlocamid();
    void locapush();
    void locapop();

    std::int16_t ammxtopix(float mm) const;
    std::int16_t ammytopix(float mm) const;
    float apixtommx(std::int16_t px) const;
    float apixtommy(std::int16_t px) const;
    std::int16_t poursixcent(std::int16_t n) const;

    void setgeocrayonpix(std::int16_t width, colour c);
    void setgeocrayonmilli(float widthmm, colour c);
    void setcreabrosse(colour c);
    void transpabrosse();

    void atrasegpur(std::int16_t x1, std::int16_t y1, std::int16_t x2, std::int16_t y2);
    void devepolygopix(std::int16_t x, std::int16_t y, const dcpoint *points, std::int16_t n);
    void devellipsepix(std::int16_t x, std::int16_t y, std::int16_t rx, std::int16_t ry);
    void devecerclepix(std::int16_t x, std::int16_t y, std::int16_t r);
    void deverectanpix(std::int16_t x, std::int16_t y, float angle, std::int16_t w, std::int16_t h);
    void devehexagopix(std::int16_t x, std::int16_t y, std::int16_t angle, std::int16_t size);
    void incliner(float angle, dcpoint *points, std::int16_t n) const;
    void ecripixlo(std::int16_t x, std::int16_t y, const char *text, std::int16_t centred);
    void ecrimm(float xmm, float ymm, const char *text, std::int16_t centred);
    void deveregistredmmbon(float xmm, float ymm, float sizemm);
};

// Sets a device from a platform context: its resolutions, the screen's size, its name.
void screeninfo(cladevout &device, dchandle context, const char *name);
