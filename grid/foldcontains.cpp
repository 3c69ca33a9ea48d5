#include "grid/foldcontains.h"

#include <cstring>

#include "foundation/textfold.h"

bool foldcontient(const char *text, const char *part) {
    if (text == nullptr || part == nullptr || *part == 0)
        return false;
    const std::size_t n = std::strlen(part);
    for (std::size_t room = std::strlen(text); room >= n; --room, ++text) {
        if (foldequaln(text, part, static_cast<int>(n)))
            return true;
    }
    return false;
}
