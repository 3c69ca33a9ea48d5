#pragma once
#include "platform/messages.h"

#include <cstdint>

class QCursor;
class QRegion;

// The application: start it before any window exists; it keeps the command line. Calling it
// again only records the new command line.
void platformstart(int& argc, char** argv);
// Runs the message loop until postquit; gives its code.
int runmessageloop();
void postquit(int code);

// Colours are red | green << 8 | blue << 16; this value stands for the system's button face.
constexpr unsigned colour_buttonface = 0xFFFFFFFFu;

// Registers (or registers again) a window class; false for an empty name or no procedure.
bool registerwinclass(const char* name, winproc proc, unsigned background);

enum winstyle : unsigned {
    // The program's main window: a drawn frame and caption band around the client area; the
    // caption band moves the window, its minimise box minimises it and its close box sends the
    // close message.
    style_framed,
    // Borderless, always on top, never taking the focus or mouse input, no taskbar entry.
    style_popup,
};

// Creates a hidden window of a registered class at (x, y) of size (width, height), screen pixels
// for the whole window; the create message reaches the class's procedure before it returns.
// Null when the class is unknown.
winhandle createwin(const char* classname, const char* title, winstyle style,
                    std::int16_t x, std::int16_t y, std::int16_t width, std::int16_t height);
// Sends the destroy message, then removes the window with its controls.
void destroywin(winhandle window);
bool iswindow(winhandle window);

// Calls the window's procedure at once; 0 for a dead window.
long sendmsg(winhandle window, unsigned message, wparam w, lparam l);
// Queues a message for the window's procedure; the message loop delivers it once the event in
// hand, a paint for instance, is over.
void postmsg(winhandle window, unsigned message, wparam w, lparam l);
// What a message not handled by a procedure does: close destroys the window; the result is 0.
long defwinproc(winhandle window, unsigned message, wparam w, lparam l);

// The title of a window, the caption of a button, the text of a static (Windows-1252 bytes).
void setwintext(winhandle window, const char* text);

class winrect {
public:
    std::int32_t left;
    std::int32_t top;
    std::int32_t right;
    std::int32_t bottom;
};

// The window (or control) rectangle in screen pixels; all 0 for a dead window.
winrect getwinrect(winhandle window);
// The client area's size.
void getclientsize(winhandle window, std::int16_t& width, std::int16_t& height);
void clienttoscreen(winhandle window, std::int16_t& x, std::int16_t& y);
void screentoclient(winhandle window, std::int16_t& x, std::int16_t& y);

enum posflag : unsigned {
    pos_nomove = 1,
    pos_nosize = 2,
    pos_show = 4,
    pos_hide = 8,
};
// Places a window (screen pixels) or a control (its parent's client pixels).
void setwinpos(winhandle window, std::int16_t x, std::int16_t y, std::int16_t width, std::int16_t height,
               unsigned flags);
void showwin(winhandle window, bool show);
bool iswinvisible(winhandle window);
void enablewin(winhandle window, bool enable);
bool iswinenabled(winhandle window);

// Asks for a paint message soon; paintnow delivers it before returning.
void invalidate(winhandle window);
void paintnow(winhandle window);

void givefocus(winhandle window);
bool hasfocus(winhandle window);

// Timer messages carrying the identifier, every period milliseconds (at least 1); starting an
// identifier again replaces its period.
void settimer(winhandle window, std::uint16_t ident, std::int32_t period);
void killtimer(winhandle window, std::uint16_t ident);

// The window's outline in window pixels; an empty region leaves nothing of the window visible.
// clearwinregion makes it rectangular again.
void setwinregion(winhandle window, const QRegion& region);
void clearwinregion(winhandle window);

void setwincursor(winhandle window, const QCursor& cursor);
