#pragma once
#include <cstdint>

// Turns a 2-D vector by an angle; multiples of 90 degrees take an exact shortcut so that
// upright and quarter-turned drawings land on whole pixels.
class sysangle {
  public:
    float degres = 0.0f;
    float radians = 0.0f;
    float x = 0.0f;
    float y = 0.0f;
    bool droit = false;     // the shortcut for a multiple of 90 degrees is in use
    std::int16_t quart = 0; // 0, 90, 180 or 270 while droit is set

    void clear();
    void setadeg(float degrees);
    void setadix(std::int16_t tenths);
    void setxy(float vx, float vy);
    float getxf() const;
    float getyf() const;
    std::int16_t getx() const;
    std::int16_t gety() const;
};
