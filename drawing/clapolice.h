#pragma once
#include "drawing/clagdiobjet.h"
#include "platform/colours.h"

#include <cstdint>

// A font with its text colours and alignment, and the offset that printpix adds.
class clapolice : public clagdiobjet {
  public:
    colour couleurtexte = rgb(0, 0, 0);
    colour couleurfond = rgb(255, 255, 255);
    bool opaque = true;
    bool centre = false;
    std::int16_t offsetx = 0;
    std::int16_t offsety = 0;

    void create(std::int16_t height, std::int16_t width, std::int16_t escapement, std::int16_t italic,
                std::int16_t weight, const char *face);
    // As create, with the offset that puts the middle of the text line on the printed point.
    void createbis(std::int16_t height, std::int16_t width, std::int16_t escapement, std::int16_t italic,
                   std::int16_t weight, const char *face);
    void colorandback(colour text, colour back);
    void colornoback(colour text);
    void setcentrage(std::int16_t flag);
    void print(std::int16_t x, std::int16_t y, const char *text);
    void printpix(std::int16_t x, std::int16_t y, const char *text);
};
