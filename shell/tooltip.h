#pragma once
#include "foundation/gstring.h"
#include "foundation/paraliti.h"
#include "platform/messages.h"

#include <cstdint>
#include <vector>

// A registered rectangle of the client area and the identifier of its tooltip text; the control
// drawn there, when known, must be visible for its text to show.
class zonetip {
public:
    std::int16_t ident;
    std::int16_t x1;
    std::int16_t x2;
    std::int16_t y1;
    std::int16_t y2;
    winhandle controle;
};

// The program's own tooltip: a borderless popup showing a one-line text while the mouse rests
// over a registered zone or a picker triangle.
class clawktooltip {
public:
    paraliti textes;
    std::vector<zonetip> zones;
    std::int16_t identactu = 0;
    std::int16_t identmontre = 0;
    gstring texteactu;
    std::int16_t popx = 0;
    std::int16_t popy = 0;
    std::int16_t popwidth = 0;
    std::int16_t popheight = 0;
    std::int16_t textwidth = 0;
    std::int16_t decalx = 15;
    std::int16_t decaly = 20;
    winhandle popup = nullptr;
    winhandle textcontrol = nullptr;
    bool visible = false;

    void setdecalage(std::int16_t dx, std::int16_t dy);
    void settextip(std::int16_t ident, const char *text);
    void cleartextips();
    void addboutcoo(std::int16_t ident, std::int16_t x1, std::int16_t x2, std::int16_t y1, std::int16_t y2,
                    winhandle controle = nullptr);
    void virefentooltip();
    void danszoclifen(winhandle window, std::int16_t x, std::int16_t y);
    void tooltipaffiloc(winhandle window, std::int16_t x, std::int16_t y);
    void tooltipaffichecr(std::int16_t x, std::int16_t y);
};

extern clawktooltip montooltip;
// The tooltip identifier of picker triangle n is identizero + n.
extern std::int16_t identizero;

inline constexpr const char *classetooltip = "WKTTIP";

// Registers the popup's window class; false when the platform refuses it.
bool creawinklassetooltip();
