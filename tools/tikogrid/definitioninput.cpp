#include "tools/tikogrid/definitioninput.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "shell/builtingrids.h"

namespace {
int readfile(const char *path, definitioninput &input) {
    const bool stdinput = std::strcmp(path, "-") == 0;
    const char *file = stdinput ? "/dev/stdin" : path;
    // A folder opens for reading on Linux but yields nothing; it is no definition.
    std::error_code error;
    if (!stdinput && std::filesystem::is_directory(path, error)) {
        std::fprintf(stderr, "tikogrid: cannot read %s: it is a folder\n", path);
        return 1;
    }
    std::FILE *f = std::fopen(file, "rb");
    if (!f) {
        std::fprintf(stderr, "tikogrid: cannot read %s: %s\n", path, std::strerror(errno));
        return 1;
    }
    std::fclose(f);
    input.lines.addfromfilebkill(file);
    input.name.set(path);
    return 0;
}

int readbuiltin(const char *id, definitioninput &input) {
    if (!lignesgrilleinterne(id, input.lines)) {
        std::fprintf(stderr, "tikogrid: no built-in grid is named %s\n", id);
        return 1;
    }
    input.name.set(id);
    return 0;
}
} // namespace

bool takedefinition(int argc, char **argv, int &at, definitioninput &input) {
    if (at >= argc)
        return false;
    if (std::strcmp(argv[at], "--builtin") == 0) {
        if (at + 1 >= argc)
            return false;
        input.builtin = true;
        input.source = argv[at + 1];
        at += 2;
        return true;
    }
    // Options are not file names; "-" alone is standard input.
    if (argv[at][0] == '-' && argv[at][1] != 0)
        return false;
    input.builtin = false;
    input.source = argv[at];
    ++at;
    return true;
}

int readdefinition(definitioninput &input) {
    return input.builtin ? readbuiltin(input.source, input) : readfile(input.source, input);
}
