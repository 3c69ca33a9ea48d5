#include "tools/tikogrid/rendercommand.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "drawing/clagripage.h"
#include "drawing/devices.h"
#include "drawing/gamecolours.h"
#include "drawing/gridview.h"
#include "drawing/offscreenlayers.h"
#include "platform/window.h"
#include "tools/tikogrid/definitioninput.h"
#include "tools/tikogrid/gridload.h"
#include "tools/tikogrid/subcommand.h"

namespace {
constexpr const char *usageline =
    "tikogrid render (FILE | --builtin ID) [--level L] [--state TEXT] [--size S] --out PNG";
constexpr std::int16_t smallestsize = 10;
constexpr std::int16_t largestsize = 200;
// The largest picture side the drawing's 16-bit coordinates allow.
constexpr std::int32_t largestside = 16000;

std::int16_t tailleaffichee = 40;

// A grid in play, without arrows or constraint view, at the asked size.
etatvue vuerendu() {
    etatvue vue;
    vue.mainone = true;
    vue.taillechoisie = tailleaffichee;
    return vue;
}

bool readsize(const char *text, std::int16_t &size) {
    char *end = nullptr;
    const long value = std::strtol(text, &end, 10);
    if (end == text || *end != 0 || value < smallestsize || value > largestsize)
        return false;
    size = static_cast<std::int16_t>(value);
    return true;
}

// Qt's offscreen platform when there is no display to open.
void startplatform() {
    if (std::getenv("DISPLAY") == nullptr && std::getenv("WAYLAND_DISPLAY") == nullptr)
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static int argc = 1;
    static char name[] = "tikogrid";
    static char *argv[] = {name, nullptr};
    platformstart(argc, argv);
}
} // namespace

int rendercommand(int argc, char **argv) {
    definitioninput input;
    int at = 0;
    if (!takedefinition(argc, argv, at, input))
        return usage(usageline);
    std::int16_t level = 0;
    const char *state = nullptr;
    const char *out = nullptr;
    bool sized = false;
    for (; at < argc; at += 2) {
        if (at + 1 >= argc)
            return usage(usageline);
        const char *option = argv[at];
        const char *value = argv[at + 1];
        if (std::strcmp(option, "--level") == 0 && level == 0 && readlevel(value, level))
            continue;
        if (std::strcmp(option, "--state") == 0 && state == nullptr) {
            state = value;
            continue;
        }
        if (std::strcmp(option, "--size") == 0 && !sized && readsize(value, tailleaffichee)) {
            sized = true;
            continue;
        }
        if (std::strcmp(option, "--out") == 0 && out == nullptr && value[0] != 0) {
            out = value;
            continue;
        }
        return usage(usageline);
    }
    if (out == nullptr)
        return usage(usageline);
    const int status = readdefinition(input);
    if (status != 0)
        return status;

    clagripage &page = grilleram[0];
    page.setgrillactu(0);
    chargepremieraffichage(page, input.name.adr(), input.lines, level, state);
    page.settaillemmpix(0, tailleaffichee);
    page.setmodaffi(6);
    page.debutdaffichagrille();

    cadrepix frame;
    page.posicadremax(frame);
    const std::int32_t margin = 4;
    const std::int32_t width = frame.right - frame.left + 2 * margin;
    const std::int32_t height = frame.top - frame.bottom + 2 * margin;
    if (width > largestside || height > largestside) {
        std::fprintf(stderr, "tikogrid: %s is too large to render at size %d\n", input.name.adr(),
                     tailleaffichee);
        return 1;
    }

    startplatform();
    lireetatvue = vuerendu;
    jeucouleurs();
    bonnesdemocouleurs();
    pdevactu = &fenecrout;
    fenecrout.setdpi(96, 96);
    fenecrout.setfeuillepix(static_cast<std::int16_t>(width), static_cast<std::int16_t>(height));
    fenecrout.setpagepix(static_cast<std::int16_t>(width), static_cast<std::int16_t>(height));
    fenecrout.centrex = static_cast<std::int16_t>(margin - frame.left);
    fenecrout.centrey = static_cast<std::int16_t>(margin + frame.top);
    page.setindice(0);
    page.setdevice(0, &fenecrout);
    page.setlocagrille(fenecrout);

    creafenetrefondtaille(width, height);
    peinturecouches paint = ouvrecouches(nullptr, 0, page, fenecrout);
    page.dessingrifin(fenecrout, 0, rgb(0, 0, 255), rgb(0, 0, 255));
    fermecouches(paint, fenecrout);
    if (!savebitmappng(grilletout, out)) {
        std::fprintf(stderr, "tikogrid: cannot write %s\n", out);
        return 1;
    }
    return 0;
}
