#pragma once
#include <cstdint>
#include <cstdio>

#include "foundation/lichati.h"
#include "grid/clagripagebase.h"

// The game's load of a grid into a page and its first drawing: name, lines, build (level code
// 100, angle 0, size 40), the asked level when not 0, candidates, the play state when not null,
// the first drawing's update, candidates again.
void chargepremieraffichage(clagripagebase &page, const char *name, const lichati &lines, std::int16_t level,
                            const char *state);

// A level 1..7 written as one digit.
bool readlevel(const char *text, std::int16_t &level);

// One line per cell, then the level and play-state lines.
void ecritmodele(std::FILE *out, const clagripagebase &page);
