#pragma once
#include "foundation/lichati.h"

// Writes the lines to a temporary file beside path, waits until they are on the disk, then puts
// the file in the place of path, so that a failed write leaves the earlier file as it was. False when the file was not replaced.
bool ecrirefichiersur(const lichati &lines, const char *path);
