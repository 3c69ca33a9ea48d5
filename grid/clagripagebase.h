#pragma once
#include <cstdint>

#include "foundation/gstring.h"
#include "foundation/lichati.h"
#include "grid/clagritiko.h"

// The display-free part of a grid page: the model with the definition lines it is built from and
// the size, level, angle and display mode it is put on screen with. The drawing's page derives
// from it and adds the device; the grid author's tool uses it without any display.
class clagripagebase : public clagritiko {
  public:
    std::int16_t indice = 0;
    lichati lignesdef;
    float posgrillex = 0;
    float posgrilley = 0;
    float possolux = 0;
    float possoluy = 0;
    std::int16_t taillecase = 15;
    float taillemilli = 0;
    std::int16_t taillemillipix = 0;
    std::int16_t taillechiffre = 10;
    std::int16_t niveaupage = 100;
    std::int16_t anglepage = 0;
    std::int16_t modeaffi = 6;

    clagripagebase() { clear(); }

    using clagritiko::clear;
    void clear();
    void setindice(std::int16_t index) { indice = index; }
    void settaillemmpix(std::int16_t millimetres, std::int16_t pixels);
    void setmodaffi(std::int16_t mode);
    bool testaffi(std::int16_t mode) const { return modeaffi == mode; }
    bool testaffi(std::int16_t mode1, std::int16_t mode2) const {
        return modeaffi == mode1 || modeaffi == mode2;
    }
    void metgrillenhexa();
    void setnidem(std::int16_t level) { bonsniveaux(level); }
    void libgriniveaubis(gstring &out, std::int16_t selector, const char *names) const {
        libniveaubis(out, selector, names);
    }
};

// The name of the grid built last by any page followed by ",": the same grid is not rebuilt.
extern gstring grilledeja;
