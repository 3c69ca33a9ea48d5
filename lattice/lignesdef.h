#pragma once
#include "foundation/lichati.h"

// The definition lines of a built-in grid from its stored comma text: a "%..." item sets the level
// suffix appended to the lines after it ("%0" clears it), "#..." items are notes. Replaces the
// content of lines.
void givelignesdef(const char *stored, lichati &lines);
