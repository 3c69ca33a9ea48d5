#pragma once
#include <cstdint>

// Candidate masks: bit v-1 stands for the value v, 63 for all six values.
constexpr std::int16_t touslespossibles = 63;

// Built once at program start by titabrapidite; indices 0..7.
extern std::int16_t masquevaleur[8];
extern std::int16_t masquevalinv[8];

// Program start: the topology base texts, then the mask tables.
void globinitticalcul();
void titabrapidite();
// The mask of one value and its complement; 0 for a value outside 0..7.
std::int16_t possunevaleur(std::int16_t v);
std::int16_t possunevalinv(std::int16_t v);
std::int16_t possiblinverse(std::int16_t mask);
std::int16_t shortet(std::int16_t a, std::int16_t b);
std::int16_t shortou(std::int16_t a, std::int16_t b);
