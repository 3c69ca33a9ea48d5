#pragma once
#include <cstdint>

#include "platform/messages.h"

// Loads offered grid n (or the grid named by definition when it is not empty) for play, asking
// the player first when ask is set; answers whether it was loaded.
bool grillecharger(winhandle window, std::int16_t n, const char *definition, char ask);
