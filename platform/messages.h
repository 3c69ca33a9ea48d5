#pragma once
#include <cstdint>

// A window or control of the platform layer; the handle stays valid for the whole run, and every
// operation on the handle of a destroyed window does nothing.
class winobject;
using winhandle = winobject*;

using wparam = std::uintptr_t;
using lparam = std::intptr_t;

// The window procedure a window class is registered with.
using winproc = long (*)(winhandle window, unsigned message, wparam w, lparam l);

// The messages a window procedure receives.
//   create, destroy, paint, close, moving: no parameters;
//   setcursor: l = the mouse's client point (pointparam), w = the window or control under it;
//   command: w = commandparam(control identifier, 0 for a click), l = the control's handle;
//   timer: w = the timer identifier;
//   mouse messages: l = the client point (pointparam).
enum winmessage : unsigned {
    msg_create = 1,
    msg_destroy,
    msg_paint,
    msg_close,
    msg_setcursor,
    msg_command,
    msg_timer,
    msg_mousemove,
    msg_lbuttondown,
    msg_lbuttonup,
    msg_rbuttondown,
    msg_rbuttonup,
    msg_moving,
    // The first message a program may define for itself.
    msg_user = 0x400,
};

// A point as two signed 16-bit halves, x low, y high.
inline lparam pointparam(std::int16_t x, std::int16_t y)
{
    return static_cast<lparam>(static_cast<std::uint32_t>(static_cast<std::uint16_t>(x))
                               | (static_cast<std::uint32_t>(static_cast<std::uint16_t>(y)) << 16));
}
inline std::int16_t pointx(lparam l) { return static_cast<std::int16_t>(l & 0xFFFF); }
inline std::int16_t pointy(lparam l) { return static_cast<std::int16_t>((l >> 16) & 0xFFFF); }

// A command's identifier (low word) and notification code (high word, 0 for a button click).
inline wparam commandparam(std::uint16_t ident, std::uint16_t code)
{
    return static_cast<wparam>(ident) | (static_cast<wparam>(code) << 16);
}
inline std::uint16_t lowword(wparam w) { return static_cast<std::uint16_t>(w & 0xFFFF); }
inline std::uint16_t highword(wparam w) { return static_cast<std::uint16_t>((w >> 16) & 0xFFFF); }
