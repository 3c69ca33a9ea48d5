#include "foundation/shortabunedim.h"

shortabunedim shortruc;

void shortabunedim::setontab(std::int16_t firstindex, std::int16_t lastindex, std::int16_t* array) {
    first = firstindex;
    last = lastindex;
    const int n = lastindex - firstindex + 1;
    count = static_cast<std::int16_t>(n > 0 ? n : 0);
    values = array;
}

void shortabunedim::setontab(std::int16_t n, std::int16_t* array) {
    setontab(0, static_cast<std::int16_t>(n - 1), array);
}

void shortabunedim::raz() {
    for (int i = 0; values && i < count; ++i) values[i] = 0;
}

void shortabunedim::setraztab(std::int16_t n, std::int16_t* array) {
    setontab(n, array);
    raz();
}

void shortabunedim::addone(std::int16_t v) {
    if (v == 0 || !values) return;
    for (int i = 0; i < count; ++i) {
        if (values[i] == v) return;
        if (values[i] == 0) {
            values[i] = v;
            return;
        }
    }
}
