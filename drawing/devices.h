#pragma once
#include "drawing/cladevout.h"

#include <cstdint>

// The screen and the main window's device (everything is drawn through the latter), the current
// device, and the screen's resolutions as the first paint found them.
extern cladevout ecrout;
extern cladevout fenecrout;
extern cladevout *pdevactu;
extern std::int16_t screenxdpi;
extern std::int16_t screenydpi;
