#pragma once
#include "platform/gdiobjects.h"

#include <QBrush>
#include <QFont>
#include <QImage>
#include <QPen>

#include <memory>

enum class gdikind { pen, brush, font, bitmap };

// What a handle stands for; a bitmap's image is shared with the contexts it is selected into,
// so deleting the handle never pulls a surface away from under a context.
class gdiobject {
  public:
    gdikind kind = gdikind::pen;
    QPen pen;
    QBrush brush;
    QFont font;
    std::int16_t escapement = 0; // tenths of a degree, counter-clockwise
    std::shared_ptr<QImage> image;
};

// The object of a handle, stock objects included; null for no object or a deleted one.
const gdiobject *findobject(gdihandle object);

QColor qcolour(colour c);
