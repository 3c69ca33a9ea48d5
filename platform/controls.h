#pragma once
#include "platform/messages.h"

#include <cstdint>

enum controlflag : unsigned {
    ctl_visible = 1,
    ctl_centred = 2, // statics: centred text
    ctl_border = 4,  // statics: a thin border
};

// A push button in the parent's client area at client pixels; a click reaches the parent's
// procedure as a command message with the identifier. Null when the parent is dead.
winhandle createbutton(winhandle parent, std::uint16_t ident, const char* caption, std::int16_t x,
                       std::int16_t y, std::int16_t width, std::int16_t height, unsigned flags);

// A static text, transparent to the mouse (the parent receives the mouse over it).
winhandle createstatic(winhandle parent, std::uint16_t ident, const char* text, std::int16_t x,
                       std::int16_t y, std::int16_t width, std::int16_t height, unsigned flags);

// The default user-interface font, for a control and for measuring.
void setguifont(winhandle control);
std::int16_t guitextwidth(const char* text);
