#include "drawing/devices.h"

cladevout ecrout;
cladevout fenecrout;
cladevout *pdevactu = &fenecrout;
std::int16_t screenxdpi = 96;
std::int16_t screenydpi = 96;
