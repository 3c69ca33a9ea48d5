#include "foundation/texttools.h"

#include <cstring>

#include "foundation/textfold.h"

namespace {
const char* skipblanks(const char* t) {
    while (*t == ' ') ++t;
    return t;
}
} // namespace

bool debuli(const char* text, const char* prefix) {
    const char* t = skipblanks(text ? text : "");
    const char* p = prefix ? prefix : "";
    const std::size_t n = std::strlen(p);
    return std::strlen(t) >= n && foldequaln(t, p, static_cast<int>(n));
}

bool debute(gstring& text, const char* prefix) {
    if (!prefix || !prefix[0] || !debuli(text.adr(), prefix)) return false;
    const char* rest = skipblanks(skipblanks(text.adr()) + std::strlen(prefix));
    text.set(rest);
    return true;
}

bool finli(const char* text, const char* suffix) {
    const char* t = text ? text : "";
    const std::size_t n = suffix ? std::strlen(suffix) : 0;
    const std::size_t length = std::strlen(t);
    return n > 0 && length >= n && foldequaln(t + length - n, suffix, static_cast<int>(n));
}

std::int32_t readinteger(const char* text) {
    const char* p = text ? text : "";
    const bool negative = (*p == '-');
    if (negative) ++p;
    std::uint32_t value = 0;
    for (; *p >= '0' && *p <= '9'; ++p) value = value * 10u + static_cast<std::uint32_t>(*p - '0');
    if (negative) value = 0u - value;
    return static_cast<std::int32_t>(value);
}

std::int32_t depilint(gstring& text) {
    gstring item;
    item.depilefrom(text);
    return readinteger(item.adr());
}
