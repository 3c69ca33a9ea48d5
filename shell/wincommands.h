#pragma once
#include <cstdint>

#include "platform/messages.h"

// Runs the command of a button identifier on the main window.
void wincommande(winhandle window, std::uint16_t ident);
