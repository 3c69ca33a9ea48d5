#pragma once
#include "platform/drawcontext.h"

#include <QRegion>

#include <cstdint>

// Window outlines and hit tests; a region's box runs from (x1, y1) up to, not including, (x2, y2).
// Union and intersection are QRegion's united and intersected.
QRegion rectregion(std::int16_t x1, std::int16_t y1, std::int16_t x2, std::int16_t y2);
QRegion ellipseregion(std::int16_t x1, std::int16_t y1, std::int16_t x2, std::int16_t y2);
// Alternate fill: a part enclosed an even number of times stays out.
QRegion polygonregion(const dcpoint *points, std::int16_t count);
bool inregion(const QRegion &region, std::int16_t x, std::int16_t y);
