#include "shell/decryptiko.h"

#include <algorithm>
#include <cstring>
#include <string>

char tikocrypzone[tikocrypmax + 1];
clatraducara tikovigenere;

namespace {

// 26 capitals, 26 small letters, 10 digits, 19 accented small letters of Windows-1252 and
// 9 punctuation characters.
constexpr char alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZ"
                            "abcdefghijklmnopqrstuvwxyz"
                            "0123456789"
                            "\340\341\342\344\347\350\351\352\353\355\356\357\361\363\364\366\371\373\374"
                            ",.;:!?'-%";
constexpr int alphabetsize = sizeof alphabet - 1;
static_assert(alphabetsize == 90);

// A step coprime to the alphabet size makes the pairing one-to-one.
constexpr int pairingstep = 37;
constexpr int pairingshift = 11;

bool vigenerebuilt = false;

} // namespace

void tikovigenerinit() {
    if (vigenerebuilt)
        return;
    char paired[alphabetsize + 1];
    for (int i = 0; i < alphabetsize; ++i)
        paired[i] = alphabet[(i * pairingstep + pairingshift) % alphabetsize];
    paired[alphabetsize] = 0;
    tikovigenere.clear();
    tikovigenere.settable(alphabet, paired);
    vigenerebuilt = true;
}

void tikovigeneroff(char *text) {
    tikovigenerinit();
    tikovigenere.translat(text);
}

void inversemoities(char *text) {
    if (text == nullptr)
        return;
    const std::size_t n = std::strlen(text);
    if (n < 3)
        return;
    std::reverse(text, text + n / 2);
    std::reverse(text + n / 2, text + n);
}

void pairimpairoff(char *text) {
    if (text == nullptr)
        return;
    const std::string in(text);
    const std::size_t n = in.size();
    if (n < 2)
        return;
    std::size_t k = 0;
    for (std::size_t pos = 1; pos < n; pos += 2)
        text[pos] = in[k++];
    for (std::size_t pos = 0; pos < n; pos += 2)
        text[pos] = in[k++];
}

char *decryptiko(const char *text) {
    tikocrypzone[0] = 0;
    if (text == nullptr || std::strlen(text) > static_cast<std::size_t>(tikocrypmax))
        return tikocrypzone;
    std::strcpy(tikocrypzone, text);
    tikovigeneroff(tikocrypzone);
    inversemoities(tikocrypzone);
    pairimpairoff(tikocrypzone);
    return tikocrypzone;
}
