#include "shell/tooltip.h"

#include "platform/controls.h"
#include "platform/window.h"
#include "shell/numberpicker.h"

#include <algorithm>

clawktooltip montooltip;
std::int16_t identizero = 777;

namespace {

constexpr unsigned grispopup = 153u | 153u << 8 | 153u << 16;
constexpr std::int16_t hauteurtexte = 18;

// The popup never takes the focus nor the mouse: it answers its own messages with 0.
long tooltyproc(winhandle window, unsigned message, wparam w, lparam l) {
    switch (message) {
    case msg_create:
    case msg_destroy:
    case msg_command:
    case msg_lbuttondown:
        return 0;
    default:
        return defwinproc(window, message, w, l);
    }
}

} // namespace

bool creawinklassetooltip() {
    return registerwinclass(classetooltip, tooltyproc, grispopup);
}

void clawktooltip::setdecalage(std::int16_t dx, std::int16_t dy) {
    decalx = dx;
    decaly = dy;
}

void clawktooltip::settextip(std::int16_t ident, const char *text) {
    gstring valeur;
    valeur.set("  ", text, "  ");
    textes.setparam(vi(ident).adr(), valeur.adr());
}

void clawktooltip::cleartextips() {
    textes.clear();
    texteactu.set("");
    identactu = 0;
    identmontre = 0;
}

void clawktooltip::addboutcoo(std::int16_t ident, std::int16_t x1, std::int16_t x2, std::int16_t y1,
                              std::int16_t y2, winhandle controle) {
    if (zones.size() == zones.capacity())
        zones.reserve(zones.size() + 10);
    zones.push_back(zonetip{ident, x1, x2, y1, y2, controle});
}

void clawktooltip::virefentooltip() {
    if (!visible)
        return;
    showwin(popup, false);
    visible = false;
}

void clawktooltip::danszoclifen(winhandle window, std::int16_t x, std::int16_t y) {
    std::int16_t e = 0;
    for (const zonetip &z : zones) {
        if (z.x1 <= x && x <= z.x2 && z.y1 <= y && y <= z.y2) {
            // A hidden button, such as the first rules page's "<", keeps its text to itself.
            if (z.controle == nullptr || iswinvisible(z.controle))
                e = z.ident;
            break;
        }
    }
    const std::int16_t n = boutriproche(x, y);
    if (n >= 1 && n <= 6)
        e = static_cast<std::int16_t>(identizero + n);
    if (e != identactu) {
        virefentooltip();
        identactu = e;
    }
    if (identactu != 0)
        tooltipaffiloc(window, x, y);
}

void clawktooltip::tooltipaffiloc(winhandle window, std::int16_t x, std::int16_t y) {
    if (visible)
        return;
    clienttoscreen(window, x, y);
    tooltipaffichecr(x, y);
}

void clawktooltip::tooltipaffichecr(std::int16_t x, std::int16_t y) {
    popx = static_cast<std::int16_t>(x + decalx);
    popy = static_cast<std::int16_t>(y + decaly);
    if (identactu == 0)
        return;
    const std::int16_t ligne = textes.xipara(vi(identactu).adr());
    if (ligne == 0) {
        identactu = 0;
        return;
    }
    // Read untrimmed: the blanks around the text make the margin the width below takes off.
    gstring nom;
    textes.getdeux(nom, texteactu, ligne);
    // A text narrower than the trimmed margin still gets a control of no width, never a negative one.
    textwidth = static_cast<std::int16_t>(std::max(0, guitextwidth(texteactu.adr()) - 10));
    popwidth = static_cast<std::int16_t>(textwidth + 2);
    popheight = static_cast<std::int16_t>(hauteurtexte + 2);
    if (popup == nullptr) {
        popup = createwin(classetooltip, "", style_popup, popx, popy, popwidth, popheight);
        if (popup == nullptr)
            return;
        textcontrol = createstatic(popup, 1, "", 1, 1, textwidth, hauteurtexte,
                                   ctl_visible | ctl_centred | ctl_border);
        setguifont(textcontrol);
    } else if (visible) {
        return;
    }
    setwintext(textcontrol, texteactu.adr());
    identmontre = identactu;
    setwinpos(popup, popx, popy, popwidth, popheight, pos_show);
    setwinpos(textcontrol, 1, 1, textwidth, hauteurtexte, pos_show);
    visible = true;
}
