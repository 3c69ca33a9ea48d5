#include "shell/encryptiko.h"

#include <cstring>
#include <string>

#include "shell/decryptiko.h"

void tikovigeneron(char *text) {
    static clatraducara backward = [] {
        tikovigenerinit();
        clatraducara t;
        for (int i = 0; i < 256; ++i)
            t.pokechar(tikovigenere.entree[i], static_cast<unsigned char>(i));
        return t;
    }();
    backward.translat(text);
}

void pairimpairon(char *text) {
    if (text == nullptr)
        return;
    const std::string in(text);
    const std::size_t n = in.size();
    if (n < 2)
        return;
    std::size_t k = 0;
    for (std::size_t pos = 1; pos < n; pos += 2)
        text[k++] = in[pos];
    for (std::size_t pos = 0; pos < n; pos += 2)
        text[k++] = in[pos];
}

void encryptiko(const char *text, gstring &stored) {
    stored.set(text);
    pairimpairon(stored.adr());
    inversemoities(stored.adr());
    tikovigeneron(stored.adr());
}
