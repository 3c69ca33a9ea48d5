#include "platform/cursors.h"

#include <QBitmap>
#include <QCursor>
#include <QGuiApplication>

#include <cstring>

namespace {

cursorhandle shown = nullptr;

QCursor qcursor(const cursorshape &shape) {
    if (shape.stock == cursor_arrow)
        return QCursor(Qt::ArrowCursor);
    if (shape.stock == cursor_wait)
        return QCursor(Qt::WaitCursor);
    // Qt's bitmap is 1 for black or inverted, its mask 1 for the opaque pixels. A mono image
    // starts with index 0 black, which QBitmap would turn the other way round.
    QImage bits(cursorshape::side, cursorshape::side, QImage::Format_Mono);
    QImage mask(cursorshape::side, cursorshape::side, QImage::Format_Mono);
    for (QImage *image : {&bits, &mask}) {
        image->setColor(0, QColor(Qt::white).rgb());
        image->setColor(1, QColor(Qt::black).rgb());
    }
    for (int y = 0; y < cursorshape::side; ++y) {
        for (int x = 0; x < cursorshape::side; ++x) {
            bits.setPixel(x, y, shape.andbit(x, y) == shape.xorbit(x, y) ? 1 : 0);
            mask.setPixel(x, y, shape.andbit(x, y) ? 0 : 1);
        }
    }
    return QCursor(QBitmap::fromImage(bits), QBitmap::fromImage(mask), shape.hotx, shape.hoty);
}

bool bitat(const std::uint8_t *mask, int x, int y) {
    if (x < 0 || y < 0 || x >= cursorshape::side || y >= cursorshape::side)
        return false;
    return (mask[y * 4 + x / 8] >> (7 - x % 8)) & 1;
}

} // namespace

bool cursorshape::andbit(int x, int y) const {
    return bitat(andmask, x, y);
}

bool cursorshape::xorbit(int x, int y) const {
    return bitat(xormask, x, y);
}

cursorhandle loadstockcursor(stockcursor which) {
    static cursorshape arrow;
    static cursorshape wait;
    arrow.stock = cursor_arrow;
    wait.stock = cursor_wait;
    return which == cursor_wait ? &wait : &arrow;
}

cursorhandle createcursor(std::int16_t hotx, std::int16_t hoty, const std::uint8_t *andmask,
                          const std::uint8_t *xormask) {
    if (andmask == nullptr || xormask == nullptr)
        return nullptr;
    auto *shape = new cursorshape;
    std::memcpy(shape->andmask, andmask, cursorshape::masksize);
    std::memcpy(shape->xormask, xormask, cursorshape::masksize);
    shape->hotx = hotx;
    shape->hoty = hoty;
    return shape;
}

void destroycursor(cursorhandle cursor) {
    if (cursor == nullptr || cursor->stock != 0)
        return;
    if (shown == cursor)
        shown = nullptr;
    delete cursor;
}

void setcursor(cursorhandle cursor) {
    if (cursor == nullptr)
        return;
    shown = cursor;
    // The program's one cursor, over all its windows, as long as it runs.
    if (qobject_cast<QGuiApplication *>(QCoreApplication::instance()) == nullptr)
        return;
    if (QGuiApplication::overrideCursor() == nullptr)
        QGuiApplication::setOverrideCursor(qcursor(*cursor));
    else
        QGuiApplication::changeOverrideCursor(qcursor(*cursor));
}

cursorhandle currentcursor() {
    return shown;
}
