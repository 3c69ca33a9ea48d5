#pragma once
#include <cstdint>
#include <vector>

#include "lattice/clatichemin.h"

// One step of the table: the pixel offset of one direction.
struct gravpas {
    std::int16_t x = 0;
    std::int16_t y = 0;
};

// Step vectors for a triangle size and base angle, turning names into pixel offsets from the origin.
class clagravec {
  public:
    clatichemin chemin;          // its directions give the steps; it also parses the names
    bool depuisvecteurs = false; // the table holds the direction vectors of chemin
    std::int16_t nombre = 0;
    std::int16_t taille = 0;
    float angle = 0.0f;
    std::vector<gravpas> pas;

    clagravec();
    void setbase(std::int16_t count, std::int16_t size);
    void setangle(float degrees);
    std::int16_t posicheminx(const char *name);
    std::int16_t posicheminy(const char *name);
    void gracalcul();
    void clear();
    void freetab();
};

// The geometry of the grid's cells; the same steps as for hexagon centres.
class clagravhexa : public clagravec {};
