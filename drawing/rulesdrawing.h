#pragma once
#include "foundation/gstring.h"
#include "platform/colours.h"

#include <cstdint>

// The face, pen colour and brush colour last set by the operations below.
extern gstring reglepoli;
extern colour reglecraycou;
extern colour reglebrocou;

// The marker of the p-th lattice point of page 0 (1..nbhexas + 50; anything else draws nothing).
void hexaplacer(std::int16_t p, colour c);
// The hexagon around a lattice point of the current page, moved by (x, y) millimetres or pixels.
void regletikomm(float xmm, float ymm, const char *path, std::int16_t size);
void regletikopix(std::int16_t x, std::int16_t y, const char *path, std::int16_t size);

void reglebrosse(colour c);
void reglecrayon(std::int16_t width, colour c);
void reglecrayomilli(float widthmm, colour c);
// One line of text in the face reglepoli and the colour reglecraycou; the font stays selected.
void regletexte(float xmm, float ymm, std::int16_t angle, float heightmm, std::int16_t italic,
                std::int16_t weight, std::int16_t centred, const char *text);
