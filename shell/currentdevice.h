#pragma once
#include "platform/colours.h"

// The background colour of the drawings.
extern colour fondessin;

// The window device becomes the current device, at zoom 1, with the drawing background colour.
void bondevactu();
