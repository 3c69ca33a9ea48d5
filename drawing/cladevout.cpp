#include "drawing/cladevout.h"

#include "drawing/devices.h"
#include "foundation/texttools.h"

#include <cmath>

namespace {

// 25.4 as the single-precision constant the conversions have always used.
constexpr float mmperinch = 25.4f;

// Truncated toward zero, then the low 16 bits; no number at all gives 0.
std::int16_t low16(double v) {
    if (!std::isfinite(v))
        return 0;
    double wrapped = std::fmod(std::trunc(v), 65536.0);
    if (wrapped < 0)
        wrapped += 65536.0;
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(wrapped));
}

std::int16_t pixtomm(std::int16_t px, std::int16_t dpi) {
    return low16(static_cast<float>(px) * mmperinch / static_cast<float>(dpi));
}

} // namespace

cladevout::cladevout() {
    clear();
}

void cladevout::clear() {
    dc = 0;
    centrex = centrey = 0;
    localx = localy = 0;
    setdpi(300, 300);
    setfeuillepix(0, 0);
    setpagepix(0, 0);
    zoom = 1.0f;
    nomme = false;
    nom.clear();
}

void cladevout::copyfromall(const cladevout &other) {
    dc = other.dc;
    nom = other.nom;
    dpix = other.dpix;
    dpiy = other.dpiy;
    centrex = other.centrex;
    centrey = other.centrey;
    nomme = other.nomme;
    setfeuillepix(other.feuillewidpix, other.feuillehgtpix);
    setpagepix(other.pagewidpix, other.pagehgtpix);
    utilewidpix = other.utilewidpix;
    utilehgtpix = other.utilehgtpix;
    utilewidmm = other.utilewidmm;
    utilehgtmm = other.utilehgtmm;
    zoom = other.zoom;
}

void cladevout::setdpi(std::int16_t x, std::int16_t y) {
    dpix = x;
    dpiy = y;
    mmajuste();
}

void cladevout::setfeuillepix(std::int16_t w, std::int16_t h) {
    feuillewidpix = w;
    feuillehgtpix = h;
    mmajuste();
}

void cladevout::setpagepix(std::int16_t w, std::int16_t h) {
    pagewidpix = utilewidpix = w;
    pagehgtpix = utilehgtpix = h;
    mmajuste();
}

void cladevout::mmajuste() {
    if (dpix <= 0 || dpiy <= 0)
        return;
    if (pagewidpix > feuillewidpix)
        pagewidpix = feuillewidpix;
    if (pagehgtpix > feuillehgtpix)
        pagehgtpix = feuillehgtpix;
    if (utilewidpix > feuillewidpix)
        utilewidpix = feuillewidpix;
    if (utilehgtpix > feuillehgtpix)
        utilehgtpix = feuillehgtpix;
    feuillewidmm = pixtomm(feuillewidpix, dpix);
    feuillehgtmm = pixtomm(feuillehgtpix, dpiy);
    pagewidmm = pixtomm(pagewidpix, dpix);
    pagehgtmm = pixtomm(pagehgtpix, dpiy);
    utilewidmm = pixtomm(utilewidpix, dpix);
    utilehgtmm = pixtomm(utilehgtpix, dpiy);
}

void cladevout::centrajuste() {
    centrex = static_cast<std::int16_t>(utilewidpix / 2);
    centrey = static_cast<std::int16_t>(utilehgtpix / 2);
}

void cladevout::setname(const char *text) {
    nom.set(text);
    nomme = true;
}

void cladevout::setlocal(float xmm, float ymm) {
    localx = static_cast<std::int16_t>(centrex + ammxtopix(xmm));
    localy = static_cast<std::int16_t>(centrey - ammytopix(ymm));
}

void cladevout::setlocagauche() {
    localx = 0;
}

void cladevout::setlocadroite() {
    localx = utilewidpix;
}

void cladevout::setlocamid() {
    localx = static_cast<std::int16_t>(utilewidpix / 2);
}

void cladevout::locapush() {
    gstring saved;
    saved.set(vi(localx).adr(), ",", vi(localy).adr());
    saved.cat(",", pileorigines.adr());
    pileorigines = saved;
}

void cladevout::locapop() {
    localx = static_cast<std::int16_t>(depilint(pileorigines));
    localy = static_cast<std::int16_t>(depilint(pileorigines));
}

std::int16_t cladevout::ammxtopix(float mm) const {
    return low16(static_cast<double>(dpix) * mm * zoom / static_cast<double>(mmperinch));
}

std::int16_t cladevout::ammytopix(float mm) const {
    return low16(static_cast<double>(dpiy) * mm * zoom / static_cast<double>(mmperinch));
}

float cladevout::apixtommx(std::int16_t px) const {
    // A device without a resolution has no millimetres to give.
    const double per = static_cast<double>(dpix) * zoom;
    return per == 0 ? 0.0f : static_cast<float>(px * static_cast<double>(mmperinch) / per);
}

float cladevout::apixtommy(std::int16_t px) const {
    const double per = static_cast<double>(dpiy) * zoom;
    return per == 0 ? 0.0f : static_cast<float>(px * static_cast<double>(mmperinch) / per);
}

std::int16_t cladevout::poursixcent(std::int16_t n) const {
    const float scaled = static_cast<float>(n * dpix) / 600.0f;
    return low16(scaled + 0.5f);
}

void screeninfo(cladevout &device, dchandle context, const char *name) {
    device.dc = context;
    screenxdpi = devicecaps(context, cap_logpixelsx);
    screenydpi = devicecaps(context, cap_logpixelsy);
    device.setdpi(screenxdpi, screenydpi);
    device.setfeuillepix(devicecaps(context, cap_horzres), devicecaps(context, cap_vertres));
    device.setpagepix(device.feuillewidpix, device.feuillehgtpix);
    device.centrajuste();
    device.mmajuste();
    device.setname(name);
}
