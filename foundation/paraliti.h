#pragma once
#include <cstdint>

#include "foundation/lichati.h"

// A chain of name "=" value lines, found by folded name. Lines that are not parameters may live
// among them and are left alone.
class paraliti {
public:
    lichati lines;

    void clear() { lines.clear(); }
    std::int16_t xipara(const char* name) const;
    void setparam(const char* name, const char* value);
    // The value (blanks after "=" skipped), or the empty text; answers the line's position or 0.
    std::int16_t getparam(gstring& target, const char* name) const;
    // Line k split at its first "=", untrimmed; both empty when there is no such line or no "=".
    void getdeux(gstring& name, gstring& value, std::int16_t k) const;
    std::int32_t getival(const char* name) const;
    void addival(const char* name, std::int32_t n);
    void incremival(const char* name) { addival(name, 1); }
};
