#include "platform/regions.h"

#include <QPolygon>

QRegion rectregion(std::int16_t x1, std::int16_t y1, std::int16_t x2, std::int16_t y2) {
    return QRegion(QRect(QPoint(x1, y1), QPoint(x2 - 1, y2 - 1)).normalized());
}

QRegion ellipseregion(std::int16_t x1, std::int16_t y1, std::int16_t x2, std::int16_t y2) {
    return QRegion(QRect(QPoint(x1, y1), QPoint(x2 - 1, y2 - 1)).normalized(), QRegion::Ellipse);
}

QRegion polygonregion(const dcpoint *points, std::int16_t count) {
    if (points == nullptr || count < 3)
        return QRegion();
    QPolygon shape;
    for (std::int16_t k = 0; k < count; ++k)
        shape << QPoint(points[k].x, points[k].y);
    return QRegion(shape, Qt::OddEvenFill);
}

bool inregion(const QRegion &region, std::int16_t x, std::int16_t y) {
    return region.contains(QPoint(x, y));
}
