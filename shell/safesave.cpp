#include "shell/safesave.h"

#include "platform/process.h"

#include <string>

bool ecrirefichiersur(const lichati &lines, const char *path) {
    if (path == nullptr || path[0] == 0)
        return false;
    const std::string temporary = std::string(path) + ".tmp";
    if (lines.copycreafile(temporary.c_str()) && syncfile(temporary) && renamefile(temporary, path))
        return true;
    deletefile(temporary);
    return false;
}
