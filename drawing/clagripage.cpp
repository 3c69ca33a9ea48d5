#include "drawing/clagripage.h"

#include "drawing/drawingobjects.h"

clagripage grilleram[nbgrilleram];
clagripage *ptgriactu = &grilleram[0];
std::int16_t grillactu = 0;

void clagripage::setdevice(std::int16_t index, cladevout *device) {
    indice = index;
    devpage = device;
}

void clagripage::setgrillactu(std::int16_t index) {
    grillactu = index;
    ptgriactu = this;
}

void clagripage::setlocagrille(cladevout &device) const {
    device.setlocal(posgrillex, posgrilley);
}

void clagripage::setlocagrisol(cladevout &device) const {
    device.setlocal(possolux, possoluy);
}

void clagripage::setlocagrideux(std::int16_t solution, cladevout &device) const {
    if (solution != 0)
        setlocagrisol(device);
    else
        setlocagrille(device);
}

void clagripage::cadreblocsel(const cladevout &device) const {
    cadrepix frame;
    posicadremax(frame);
    const auto mmx = [&device](std::int32_t px) {
        return static_cast<std::int16_t>(device.apixtommx(static_cast<std::int16_t>(px)));
    };
    const auto mmy = [&device](std::int32_t px) {
        return static_cast<std::int16_t>(device.apixtommy(static_cast<std::int16_t>(px)));
    };
    blokadre.xa = mmx(frame.left);
    blokadre.xb = mmx(frame.right);
    blokadre.ya = mmy(frame.bottom);
    blokadre.yb = mmy(frame.top);
}

char boncarac(std::int16_t, std::int16_t v) {
    return static_cast<char>('0' + v);
}
