#pragma once
#include <cstdint>

#include "grid/clagritiko.h"

// The number of ways, counted up to limit, to put a value 1..6 in every cell so that no two
// cells sharing a complete or partial hexagon hold the same value, every shown given kept.
// Builds the neighbour table of the grid when it is missing; changes no cell.
std::int16_t comptesolutions(clagritiko &grid, std::int16_t limit);
