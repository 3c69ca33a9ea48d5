#pragma once
#include <cstdint>

#include "foundation/gstring.h"
#include "platform/messages.h"

// The chronometer static of the button column, null until it exists, and the text shown last.
extern winhandle hbtchrono;
extern gstring grup;

// Starts (on) the counter of the grid in play while it is shown and not complete, stops all
// others; nothing when the chronometer is not in use.
void chronometrer(char on);
// Shows the time of the grid in play in the static when it has changed.
void affichronocourt();

// The static (identifier 27) at its place in the button column and timer 1 of the main window,
// only when the chronometer is in use.
void creechronostatic(winhandle parent, std::int16_t x, std::int16_t y, std::int16_t width, std::int16_t height);
void demarrechronotimer(winhandle window);
void arretechronotimer(winhandle window);
