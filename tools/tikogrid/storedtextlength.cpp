#include "tools/tikogrid/storedtextlength.h"

#include <cstdio>
#include <cstring>

#include "shell/decryptiko.h"

bool storedtextfits(const char *text) {
    const std::size_t length = std::strlen(text);
    if (length <= static_cast<std::size_t>(tikocrypmax))
        return true;
    std::fprintf(stderr, "tikogrid: the text is %zu characters long; a stored text holds at most %d\n",
                 length, tikocrypmax);
    return false;
}
