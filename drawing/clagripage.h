#pragma once
#include "drawing/cladevout.h"
#include "foundation/lichati.h"
#include "grid/clagripagebase.h"
#include "platform/colours.h"

#include <cstdint>

// A grid page put on a drawing device: where the grid sits, and its two drawing layers.
class clagripage : public clagripagebase {
  public:
    cladevout *devpage = nullptr; // the device last given with setdevice

    void setdevice(std::int16_t index, cladevout *device);
    void setgrillactu(std::int16_t index);
    void setlocagrille(cladevout &device) const;
    void setlocagrisol(cladevout &device) const;
    void setlocagrideux(std::int16_t solution, cladevout &device) const;
    // The grid's frame in whole millimetres of the device, into blokadre.
    void cadreblocsel(const cladevout &device) const;

    // The holes and the cells; leaves the local origin on the grid and one origin saved.
    void dessingrifond(cladevout &device, std::int16_t solution, colour colour1, colour colour2);
    // Values, marks, constraint view, rings, edges, outline and arrows; restores the saved origin.
    void dessingrifin(cladevout &device, std::int16_t solution, colour colour1, colour colour2);
    void dessincontourtritop(std::int16_t index, std::int16_t solution, std::int16_t width, colour c);
    void trianglintex(const lichati &cells, colour pen, colour brush);
    void affipossofuser(std::int16_t cell);

  private:
    void dessinecontraintes(std::int16_t cell);
};

// The sixteen grid pages (0: the grid in play, 1: the empty page of the rules pages), the
// current page and its position.
constexpr std::int16_t nbgrilleram = 16;
extern clagripage grilleram[nbgrilleram];
extern clagripage *ptgriactu;
extern std::int16_t grillactu;

// The character written for value v of a page: the digit.
char boncarac(std::int16_t page, std::int16_t v);

// One value written in a cell, centred on the cell's centre, turned by the angle.
void grichiffroulettres(std::int16_t index, const clagripage &page, clagritiko &model, cladevout &device,
                        colour c, std::int16_t cell, char character, float scale, std::int16_t angle);
