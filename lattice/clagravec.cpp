#include "lattice/clagravec.h"

#include <cmath>
#include <limits>

clagravec::clagravec() {
    clear();
    setbase(6, 20);
}

void clagravec::setbase(std::int16_t count, std::int16_t size) {
    freetab();
    nombre = count < 0 ? std::int16_t{0} : count;
    taille = size;
    pas.resize(static_cast<std::size_t>(nombre));
    chemin.directions.settaille(size);
    gracalcul();
}

void clagravec::setangle(float degrees) {
    angle = degrees;
    // The directions take whole degrees; the conversion truncates and stays within 16 bits.
    const float whole = std::isnan(degrees) ? 0.0f : std::trunc(degrees);
    const float lowest = std::numeric_limits<std::int16_t>::min();
    const float highest = std::numeric_limits<std::int16_t>::max();
    chemin.directions.setangle(
        static_cast<std::int16_t>(whole < lowest ? lowest : (whole > highest ? highest : whole)));
    gracalcul();
}

void clagravec::gracalcul() {
    for (std::size_t k = 0; k < pas.size(); ++k) {
        const auto direction = static_cast<std::int16_t>(k % 6);
        pas[k] = {chemin.directions.reulatx(direction), chemin.directions.reulaty(direction)};
    }
    depuisvecteurs = true;
}

std::int16_t clagravec::posicheminx(const char *name) {
    return chemin.valducheminx(name);
}

std::int16_t clagravec::posicheminy(const char *name) {
    return chemin.valducheminy(name);
}

void clagravec::clear() {
    freetab();
    nombre = 0;
    angle = 0.0f;
}

void clagravec::freetab() {
    pas.clear();
    pas.shrink_to_fit();
    depuisvecteurs = false;
}
