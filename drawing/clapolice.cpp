#include "drawing/clapolice.h"

#include "lattice/sysangle.h"

void clapolice::create(std::int16_t height, std::int16_t width, std::int16_t escapement, std::int16_t italic,
                       std::int16_t weight, const char *face) {
    offsetx = 0;
    offsety = 0;
    set(createfont(height, width, escapement, italic != 0, weight, face));
}

void clapolice::createbis(std::int16_t height, std::int16_t width, std::int16_t escapement,
                          std::int16_t italic, std::int16_t weight, const char *face) {
    create(height, width, escapement, italic, weight, face);
    offsety = static_cast<std::int16_t>(height / 2);
    if (escapement % 900 != 0)
        offsety = static_cast<std::int16_t>(offsety * 1.2);
    if (escapement > 0) {
        sysangle turn;
        turn.setadix(escapement);
        turn.setxy(0.0f, offsety);
        offsetx = turn.getx();
        offsety = turn.gety();
    }
}

void clapolice::colorandback(colour text, colour back) {
    couleurtexte = text;
    couleurfond = back;
    opaque = true;
}

void clapolice::colornoback(colour text) {
    couleurtexte = text;
    opaque = false;
}

void clapolice::setcentrage(std::int16_t flag) {
    centre = flag != 0;
    settextcentred(contexte, centre);
}

void clapolice::print(std::int16_t x, std::int16_t y, const char *text) {
    setbackopaque(contexte, opaque);
    setbackcolour(contexte, couleurfond);
    settextcolour(contexte, couleurtexte);
    textout(contexte, x, y, text);
}

void clapolice::printpix(std::int16_t x, std::int16_t y, const char *text) {
    setcentrage(centre);
    print(static_cast<std::int16_t>(x + offsetx), static_cast<std::int16_t>(y - offsety), text);
}
