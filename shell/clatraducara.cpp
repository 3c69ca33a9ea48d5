#include "shell/clatraducara.h"

#include <cstring>
#include <string>

void clatraducara::clear() {
    for (int i = 0; i < 256; ++i)
        entree[i] = static_cast<unsigned char>(i);
    aveccontrole = false;
}

void clatraducara::settable(const char *from, const char *to) {
    if (from == nullptr || to == nullptr)
        return;
    const std::size_t n = std::strlen(from);
    if (n == 0 || n != std::strlen(to))
        return;
    for (std::size_t i = 0; i < n; ++i) {
        const auto a = static_cast<unsigned char>(from[i]);
        const auto b = static_cast<unsigned char>(to[i]);
        entree[a] = b;
        if (a < 32 || b < 32)
            aveccontrole = true;
    }
}

void clatraducara::translat(char *text) const {
    if (text == nullptr)
        return;
    for (char *p = text; *p; ++p)
        *p = static_cast<char>(entree[static_cast<unsigned char>(*p)]);
}

void clatraducara::translat(char *text, const char *from, const char *to) {
    settable(from, to);
    translat(text);
}

bool clatraducara::isinversable() const {
    bool seen[256] = {};
    for (const unsigned char e : entree) {
        if (seen[e])
            return false;
        seen[e] = true;
    }
    return true;
}

void clatraducara::givetrachaines(gstring &from, gstring &to) const {
    std::string f;
    std::string t;
    for (int i = 32; i < 256; ++i) {
        const unsigned char e = entree[i];
        if (e >= 32 && e != i) {
            f += static_cast<char>(i);
            t += static_cast<char>(e);
        }
    }
    from.set(f.c_str());
    to.set(t.c_str());
}
