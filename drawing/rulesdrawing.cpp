#include "drawing/rulesdrawing.h"

#include "drawing/clagripage.h"
#include "drawing/devices.h"
#include "drawing/drawingobjects.h"

#include <algorithm>
#include <cmath>

gstring reglepoli("Arial");
colour reglecraycou = rgb(0, 0, 0);
colour reglebrocou = rgb(255, 255, 255);

void hexaplacer(std::int16_t p, colour c) {
    clagripage &page = grilleram[0];
    if (p < 1 || p > page.nbhexas + 50)
        return;
    pdevactu->transpabrosse();
    reglecrayomilli(static_cast<float>(std::max(1, page.taillecase / 40)), c);
    page.fautunelitipoint();
    const char *path = page.lipoints.adr(p);
    regletikomm(std::trunc(page.posgrillex), std::trunc(page.posgrilley), path != nullptr ? path : "",
                page.taillecase);
}

void regletikomm(float xmm, float ymm, const char *path, std::int16_t size) {
    regletikopix(pdevactu->ammxtopix(xmm), pdevactu->ammytopix(ymm), path, size);
}

void regletikopix(std::int16_t x, std::int16_t y, const char *path, std::int16_t) {
    std::int16_t px = 0;
    std::int16_t py = 0;
    ptgriactu->giveposipoint(path != nullptr ? path : "", px, py);
    pdevactu->devehexagopix(static_cast<std::int16_t>(px + x), static_cast<std::int16_t>(py + y), 0,
                            ptgriactu->taillepix);
}

void reglebrosse(colour c) {
    reglebrocou = c;
    pdevactu->setcreabrosse(c);
}

void reglecrayon(std::int16_t width, colour c) {
    reglecraycou = c;
    pdevactu->setgeocrayonpix(width, c);
}

void reglecrayomilli(float widthmm, colour c) {
    reglecraycou = c;
    pdevactu->setgeocrayonmilli(widthmm, c);
}

void regletexte(float xmm, float ymm, std::int16_t angle, float heightmm, std::int16_t italic,
                std::int16_t weight, std::int16_t centred, const char *text) {
    const std::int16_t h = pdevactu->ammxtopix(heightmm);
    mapolice.createbis(h, static_cast<std::int16_t>(h / 3), static_cast<std::int16_t>(angle * 10), italic,
                       weight, reglepoli.adr());
    mapolice.useon(pdevactu->dc);
    mapolice.colornoback(reglecraycou);
    pdevactu->ecrimm(xmm, ymm, text, centred);
}
