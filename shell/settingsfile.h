#pragma once
#include <cstdint>

#include "foundation/gstring.h"
#include "foundation/lichati.h"

// The player's settings file fidemopara: language, grid in play, cell size, window position,
// preferences, and every grid's play data and time.

// Format of the settings, written as "vcr".
constexpr std::int16_t ticryptaversion = 3;

// The file's lines beginning "usr=" or "usr =", written back unchanged.
extern lichati liguser;

void getparamuser();
// Writes the whole file; a failed write keeps the earlier file, tells the player and answers false.
bool ecriparamusernew();
void memogrilluser(std::int16_t i, const char *data);
void grilluserfromram(gstring &out, std::int16_t i);
// The allowed cell size nearest to v, the smaller of two equally near.
std::int16_t taillenviron(std::int32_t v);
void settailleprin(std::int16_t size);
void settaillegrille(std::int16_t page, std::int16_t size);
