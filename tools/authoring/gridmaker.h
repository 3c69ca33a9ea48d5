#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "foundation/lichati.h"

// A built-in grid made from a shape (hexagon and cell lines without values): a random complete
// filling, givens removed in random order while the solution stays unique (those left carry code
// 120), then the removed givens brought back in slices with the codes 100, 95, ..., 75, so that
// every easier level shows more givens and keeps the same single solution.
struct grillefabriquee {
    // Stored texts of the grid, each at most 151 characters, in the comma-item form with "%" items.
    std::vector<std::string> texts;
    std::int16_t cells = 0;
    std::int16_t complete = 0;
    std::int16_t partial = 0;
    std::int16_t holes = 0;
    std::int16_t offset = 0;
    // Givens shown at each asked level 1..7, and the empty cells pure propagation settles there.
    std::int16_t givens[7] = {};
    std::int16_t settled[7] = {};
};

// False when the shape cannot be filled within the search budget.
bool fabriquegrille(const lichati &shape, std::uint32_t seed, grillefabriquee &made);
