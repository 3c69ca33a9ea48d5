#pragma once
#include <cstdint>

// A named list of stored (scrambled) texts. The build generates the lists from the readable data
// files under resources/texts; each text goes through decryptiko before use.
struct storedlist {
    const char *const *texts;
    std::int16_t count;
};

// Text k (from 0) of the list; the empty text when there is none.
inline const char *storedtext(const storedlist &list, std::int16_t k) {
    return k >= 0 && k < list.count ? list.texts[k] : "";
}
