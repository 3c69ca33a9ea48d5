#include "shell/chronometre.h"

#include "platform/controls.h"
#include "platform/window.h"
#include "shell/shellstate.h"

winhandle hbtchrono = nullptr;
gstring grup;

namespace {

constexpr std::uint16_t chronotimer = 1;
constexpr std::uint16_t chronostatic = 27;

} // namespace

void chronometrer(char on) {
    if (!avechrono)
        return;
    for (std::int16_t i = 1; i <= grinombre && i <= nbchronos; ++i) {
        // Only an unsolved grid on show counts: a box closed over the rules pages must not restart
        // it, and a solved grid given back after a reload of an unsolved state is stopped.
        if (on && i == grillenjeu && mode == 4 && !grilleram[0].cestfini())
            resolutime[i].demarrer();
        else
            resolutime[i].suspendre();
    }
}

void affichronocourt() {
    if (!avechrono || grillenjeu < 1 || grillenjeu > nbchronos)
        return;
    gstring text;
    resolutime[grillenjeu].affiduresec(text);
    const int n = 4 - text.len() / 2;
    if (n > 0) {
        gstring blanks;
        blanks.setrepet(static_cast<std::int16_t>(n), " ");
        text.set(blanks.adr(), text.adr());
    }
    if (text.uqual(grup.adr()))
        return;
    grup = text;
    setwintext(hbtchrono, grup.adr());
}

void creechronostatic(winhandle parent, std::int16_t x, std::int16_t y, std::int16_t width, std::int16_t height) {
    if (!avechrono || !bonpourcreaboutons)
        return;
    hbtchrono = createstatic(parent, chronostatic, "", x, y, width, height, ctl_visible | ctl_centred);
    setguifont(hbtchrono);
    // The new static shows nothing yet: the next tick must write the time even if it is unchanged.
    grup.clear();
}

void demarrechronotimer(winhandle window) {
    if (avechrono)
        settimer(window, chronotimer, chronodelai);
}

void arretechronotimer(winhandle window) {
    killtimer(window, chronotimer);
}
