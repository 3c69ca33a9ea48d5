#pragma once
#include "platform/colours.h"
#include "tools/tikorules/picturesurface.h"

#include <cstdint>

// A built-in grid on a picture, drawn as the game draws it, in grid page 0.
class picturegrid {
  public:
    const char *id = "";
    std::int16_t niveau = 1;
    // The box the grid is fitted into, its centre and size in millimetres.
    float xmm = 0;
    float ymm = 0;
    float largeurmm = 80;
    float hauteurmm = 80;
    // The cell size is at most this many pixels of the picture.
    std::int16_t taillemax = 260;
    // Cells whose only candidate is written in as if the player had played it.
    std::int16_t jouees = 0;
    // Empty cells showing their candidates as marks.
    std::int16_t marquees = 0;
    // The colour of the holes, light blue as in play unless changed.
    colour trous = rgb(153, 153, 255);
};

// Loads, fits and draws the grid; it stays the current page for the outlines below.
void dessinegrille(picturesurface &surface, const picturegrid &grid);

// The centre path of a hexagon of the grid drawn last: the k-th complete one; the complete one
// sharing two cells with the given one (other than sauf); the partial one nearest to or farthest from the
// middle of the grid's frame (a hole in the middle, the edge outside).
const char *hexacomplet(std::int16_t k);
const char *hexavoisin(const char *path, const char *sauf = nullptr);
const char *hexapartiel(bool pres);

// Outlines the hexagon of six triangles around a lattice point of the grid drawn last.
void entoure(picturesurface &surface, const char *path, colour c);
