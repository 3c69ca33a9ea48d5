#include "shell/rulespages.h"

#include <algorithm>
#include <string>

#include "drawing/devices.h"
#include "drawing/rulesdrawing.h"
#include "resources/rulespictures.h"
#include "shell/currentdevice.h"
#include "shell/decryptiko.h"
#include "shell/rulesoverlay.h"
#include "shell/shellstate.h"

std::int16_t reglepage = 1;
std::int16_t reglepadeb = 1;
std::int16_t reglepafin = 9;
claminibitmap pagereg1;
claminibitmap pagereg2;
claminibitmap pagereg3;
claminibitmap pagereg4;
claminibitmap pagereg5;
claminibitmap pagereg6;
claminibitmap pagereg7;
claminibitmap pagereg8;
claminibitmap pagereg9;
char grivide = 0;

namespace {
constexpr colour cyan = rgb(0, 255, 255);
constexpr colour noir = rgb(0, 0, 0);
// The pages are laid out for 100 dots per inch.
constexpr std::int16_t dpiregles = 100;
// Index of the page number's face in the stored font list.
constexpr std::int16_t policenumero = 2;

claminibitmap *const imagesregles[] = {&pagereg1, &pagereg2, &pagereg3, &pagereg4, &pagereg5,
                                       &pagereg6, &pagereg7, &pagereg8, &pagereg9};

void changepolice(std::int16_t k) {
    reglepoli.set(decryptiko(storedtext(policesregles(), k)));
}

// The window device set for the rules pages; what it held before is given back afterwards, so the
// grid is drawn at the screen's resolution again once the pages are left.
class devicereglee {
  public:
    cladevout &device;
    std::int16_t dpix;
    std::int16_t dpiy;
    std::int16_t centrex;
    std::int16_t centrey;

    explicit devicereglee(cladevout &d)
        : device(d), dpix(d.dpix), dpiy(d.dpiy), centrex(d.centrex), centrey(d.centrey) {
        device.locapush();
        device.setdpi(dpiregles, dpiregles);
        device.centrex = static_cast<std::int16_t>(fenetreglewid / 2);
        device.centrey = static_cast<std::int16_t>(fenetreglehgt / 2);
        device.setlocal(0, 0);
    }
    ~devicereglee() {
        device.setdpi(dpix, dpiy);
        device.centrex = centrex;
        device.centrey = centrey;
        device.locapop();
    }
    devicereglee(const devicereglee &) = delete;
    devicereglee &operator=(const devicereglee &) = delete;
};
} // namespace

void pagereglaffi(std::int16_t page) {
    if (page < 1 || page > nbimagesregles)
        return;
    bondevactu();
    devicereglee reglee(*pdevactu);
    cladevout &device = reglee.device;
    device.setcreabrosse(cyan);
    device.setgeocrayonpix(1, cyan);
    rectangle(device.dc, 0, 0, fenetreglewid, fenetreglehgt);
    claminibitmap &image = *imagesregles[page - 1];
    if (!image.charge)
        image.loadbmpressource(page);
    image.stretchblt(device.dc, 0, 0, fenetreglewid, fenetreglehgt, 0, 0, 0, 0);
    pageregledef(page);
    changepolice(policenumero);
    reglecrayon(1, noir);
    regletexte(95, 70, 0, 10, 1, 0, 1, std::to_string(page).c_str());
}

void pageregledef(std::int16_t page) {
    reglepafin = nbimagesregles;
    const overlayregle *overlay = overlaypage(page);
    if (overlay == nullptr)
        return;
    const storedlist &textes = globish != 0 ? *overlay->textesen : *overlay->textesfr;
    std::int16_t k = 0;
    for (std::int16_t i = 0; i < overlay->nombre; ++i) {
        const elementregle &e = overlay->elements[i];
        switch (e.sorte) {
        case sorteregle::police:
            changepolice(e.police);
            break;
        case sorteregle::crayon:
            reglecrayon(1, e.couleur);
            break;
        case sorteregle::texte:
            regletexte(e.x, e.y, e.angle, e.hauteur, e.italique, e.graisse, e.centre,
                       decryptiko(storedtext(textes, k++)));
            break;
        case sorteregle::deposee:
            pdevactu->deveregistredmmbon(e.x, e.y, e.hauteur);
            break;
        }
    }
}

void pagereglepreced() {
    reglepage =
        static_cast<std::int16_t>(std::max(reglepadeb, std::min<std::int16_t>(reglepafin, reglepage - 1)));
    reaffigri();
}

void pagereglesuivante() {
    reglepage =
        static_cast<std::int16_t>(std::min(reglepafin, std::max<std::int16_t>(reglepadeb, reglepage + 1)));
    reaffigri();
}
