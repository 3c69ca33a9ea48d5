// Draws the nine rules-page pictures with the game's own drawing code.
// Usage: tikorules FOLDER [WIDTH]  (writes FOLDER/1.png .. FOLDER/9.png in the proportions 2364 x 1771)
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/window.h"
#include "tools/tikorules/rulespictures.h"

namespace {
constexpr long largeurnormale = 2364;

void startplatform() {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static int argc = 1;
    static char name[] = "tikorules";
    static char *argv[] = {name, nullptr};
    platformstart(argc, argv);
}
} // namespace

int main(int argc, char **argv) {
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: tikorules FOLDER [WIDTH]\n");
        return 2;
    }
    const long width = argc == 3 ? std::strtol(argv[2], nullptr, 10) : largeurnormale;
    if (width < 80 || width > 4000) {
        std::fprintf(stderr, "tikorules: the width must be 80 to 4000 pixels\n");
        return 2;
    }
    const long height = width * 1771 / largeurnormale;
    startplatform();
    for (std::int16_t page = 1; page <= nbimagesregles; ++page) {
        picturesurface surface(static_cast<std::int16_t>(width), static_cast<std::int16_t>(height));
        dessineimage(surface, page);
        const std::string path = std::string(argv[1]) + "/" + std::to_string(page) + ".png";
        if (!surface.enregistre(path.c_str())) {
            std::fprintf(stderr, "tikorules: cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
