#include "grid/candidatemasks.h"

#include "lattice/topology.h"

std::int16_t masquevaleur[8];
std::int16_t masquevalinv[8];

void globinitticalcul() {
    globinittikotopo();
    titabrapidite();
}

void titabrapidite() {
    for (int v = 1; v <= 7; ++v) {
        masquevaleur[v] = static_cast<std::int16_t>(1 << (v - 1));
        masquevalinv[v] = possiblinverse(masquevaleur[v]);
    }
    masquevaleur[0] = 0;
    masquevalinv[0] = 0;
    masquevalinv[7] = 0;
}

std::int16_t possunevaleur(std::int16_t v) {
    return (v >= 0 && v <= 7) ? masquevaleur[v] : 0;
}

std::int16_t possunevalinv(std::int16_t v) {
    return (v >= 0 && v <= 7) ? masquevalinv[v] : 0;
}

std::int16_t possiblinverse(std::int16_t mask) {
    return static_cast<std::int16_t>(touslespossibles - mask);
}

std::int16_t shortet(std::int16_t a, std::int16_t b) {
    return static_cast<std::int16_t>(a & b);
}

std::int16_t shortou(std::int16_t a, std::int16_t b) {
    return static_cast<std::int16_t>(a | b);
}
