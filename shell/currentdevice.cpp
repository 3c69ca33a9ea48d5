#include "shell/currentdevice.h"

#include "drawing/devices.h"

colour fondessin = rgb(0, 255, 255);

void bondevactu() {
    pdevactu = &fenecrout;
    fenecrout.zoom = 1.0f;
    fondessin = rgb(0, 255, 255);
}
