// Build-time generator of the stored texts: reads the readable data files and writes a header and
// a source holding their scrambled forms. Usage: tikoscramble HEADER SOURCE DATAFILE...
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "tools/tikoscramble/storedtextfile.h"
#include "tools/tikoscramble/storedtextsource.h"

namespace {

bool writefile(const char *path, const std::string &content) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << content;
    out.close();
    if (out)
        return true;
    std::fprintf(stderr, "tikoscramble: %s: cannot be written\n", path);
    return false;
}

} // namespace

int main(int argc, char **argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: tikoscramble HEADER SOURCE DATAFILE...\n");
        return 2;
    }
    std::vector<storedgroup> groups;
    for (int k = 3; k < argc; ++k) {
        std::string message;
        if (!readstoredtextfile(argv[k], groups, message)) {
            std::fprintf(stderr, "tikoscramble: %s\n", message.c_str());
            return 1;
        }
    }
    const std::string headername = std::filesystem::path(argv[1]).filename().string();
    return writefile(argv[1], storedtextheader(groups)) &&
                   writefile(argv[2], storedtextsource(groups, headername.c_str()))
               ? 0
               : 1;
}
