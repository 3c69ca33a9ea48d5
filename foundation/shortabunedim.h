#pragma once
#include <cstdint>

// A view on a 16-bit array owned by somebody else; 0 marks an empty slot. Slots are used from
// index 0 to count - 1 whatever the first index is.
class shortabunedim {
public:
    std::int16_t* values = nullptr;
    std::int16_t count = 0;
    std::int16_t first = 0;
    std::int16_t last = 0;

    void setontab(std::int16_t firstindex, std::int16_t lastindex, std::int16_t* array);
    void setontab(std::int16_t n, std::int16_t* array);
    void raz();
    void setraztab(std::int16_t n, std::int16_t* array);
    // Puts v into the first empty slot unless it already stands before it; a full array is unchanged.
    void addone(std::int16_t v);
};

// The shared scratch view for one-line uses.
extern shortabunedim shortruc;
