#include "platform/cp1252.h"

namespace {

// 0x80 to 0x9F; the undefined bytes keep their own code.
constexpr char32_t upperc1[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

} // namespace

char32_t cp1252tounicode(unsigned char byte)
{
    if (byte >= 0x80 && byte <= 0x9F)
        return upperc1[byte - 0x80];
    return byte;
}

unsigned char unicodetocp1252(char32_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<unsigned char>(c);
    for (int k = 0; k < 32; ++k)
        if (upperc1[k] == c)
            return static_cast<unsigned char>(0x80 + k);
    return '?';
}
