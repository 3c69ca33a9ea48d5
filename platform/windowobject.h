#pragma once
#include "platform/messages.h"

#include <QPoint>
#include <QPointer>
#include <QWidget>

#include <cstdint>
#include <map>

// What a handle stands for. Objects live for the whole run; the widgets may go earlier, and a
// handle whose widget is gone is dead.
class winobject {
public:
    QPointer<QWidget> widget;        // the top-level window, or the control itself
    QPointer<QWidget> client;        // where client coordinates start (the control for controls)
    winproc proc = nullptr;
    winhandle parent = nullptr;      // the window of a control
    std::uint16_t ident = 0;         // a control's identifier
    std::int16_t dx = 0;             // frame offsets: client origin minus window origin
    std::int16_t dy = 0;
    QPoint placed;                   // where the program last put the window
    bool dying = false;              // its destroy message is being handled
    std::map<std::uint16_t, int> timers; // identifier to Qt timer
};

// A new object kept until the end of the run.
winhandle newwinobject();
bool alive(winhandle window);

// The widgets of a handle for the drawing side: the client area is where paint contexts open;
// null for a dead window.
QWidget* clientwidget(winhandle window);
QWidget* windowwidget(winhandle window);
