#include "platform/gditable.h"

#include "platform/qtext.h"

#include <QFontMetrics>
#include <QGuiApplication>

#include <algorithm>
#include <cstdlib>
#include <map>

namespace {

constexpr std::int16_t defaultfontheight = 16;
// Larger bitmaps are refused rather than risk the memory (the largest picture is 2364 x 1771).
constexpr long long maxbitmappixels = 64LL * 1024 * 1024;

class gditable {
  public:
    std::map<gdihandle, gdiobject> objects;
    gdihandle next = stock_defaultbitmap + 1;

    gditable() {
        gdiobject pen;
        pen.kind = gdikind::pen;
        pen.pen = QPen(Qt::black, 0);
        objects[stock_blackpen] = pen;
        gdiobject white;
        white.kind = gdikind::brush;
        white.brush = QBrush(Qt::white);
        objects[stock_whitebrush] = white;
        gdiobject hollow;
        hollow.kind = gdikind::brush;
        hollow.brush = QBrush(Qt::NoBrush);
        objects[stock_hollowbrush] = hollow;
        gdiobject font;
        font.kind = gdikind::font;
        font.font.setPixelSize(defaultfontheight);
        objects[stock_systemfont] = font;
        gdiobject bitmap;
        bitmap.kind = gdikind::bitmap;
        bitmap.image = std::make_shared<QImage>(1, 1, QImage::Format_RGB32);
        bitmap.image->fill(Qt::black);
        objects[stock_defaultbitmap] = bitmap;
    }

    gdihandle add(gdiobject object) {
        const gdihandle handle = next++;
        objects[handle] = std::move(object);
        return handle;
    }
};

// Never destroyed: the program-wide drawing objects let go of their handles at exit.
gditable &table() {
    static gditable *instance = new gditable;
    return *instance;
}

bool isstock(gdihandle object) {
    return object >= stock_blackpen && object <= stock_defaultbitmap;
}

// Without a GUI application there is no font database to measure with.
bool canmeasure() {
    return qobject_cast<QGuiApplication *>(QCoreApplication::instance()) != nullptr;
}

gdihandle addbitmap(QImage image) {
    if (image.isNull())
        return 0;
    gdiobject object;
    object.kind = gdikind::bitmap;
    object.image = std::make_shared<QImage>(image.convertToFormat(QImage::Format_RGB32));
    return table().add(std::move(object));
}

} // namespace

QColor qcolour(colour c) {
    return QColor(redof(c), greenof(c), blueof(c));
}

const gdiobject *findobject(gdihandle object) {
    const auto found = table().objects.find(object);
    return found == table().objects.end() ? nullptr : &found->second;
}

gdihandle createpen(std::int16_t width, colour c) {
    gdiobject object;
    object.kind = gdikind::pen;
    object.pen =
        QPen(qcolour(c), std::max<std::int16_t>(width, 1), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    return table().add(std::move(object));
}

gdihandle createsolidbrush(colour c) {
    gdiobject object;
    object.kind = gdikind::brush;
    object.brush = QBrush(qcolour(c));
    return table().add(std::move(object));
}

gdihandle createfont(std::int16_t height, std::int16_t width, std::int16_t escapement, bool italic,
                     std::int16_t weight, const char *face) {
    gdiobject object;
    object.kind = gdikind::font;
    QFont font(qtext(face));
    // The height is the character cell's height; a negative one means the same here.
    const int pixels = height == 0 ? defaultfontheight : std::abs(static_cast<int>(height));
    font.setPixelSize(pixels);
    font.setItalic(italic);
    font.setWeight(weight <= 0 ? QFont::Normal : static_cast<QFont::Weight>(std::min<int>(weight, 1000)));
    if (width != 0 && canmeasure()) {
        const int natural = QFontMetrics(font).averageCharWidth();
        if (natural > 0)
            font.setStretch(std::clamp(std::abs(static_cast<int>(width)) * 100 / natural, 1, 4000));
    }
    object.font = font;
    object.escapement = static_cast<std::int16_t>(escapement % 3600);
    return table().add(std::move(object));
}

gdihandle createbitmap(std::int16_t width, std::int16_t height) {
    if (width <= 0 || height <= 0 || static_cast<long long>(width) * height > maxbitmappixels)
        return 0;
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::black);
    return addbitmap(std::move(image));
}

gdihandle loadbitmapresource(std::int16_t id) {
    return addbitmap(QImage(QStringLiteral(":/bitmaps/%1.png").arg(id)));
}

gdihandle loadbitmapfile(const char *path) {
    return path == nullptr ? 0 : addbitmap(QImage(QString::fromLocal8Bit(path)));
}

bool deleteobject(gdihandle object) {
    if (isstock(object))
        return false;
    return table().objects.erase(object) > 0;
}

bool objectexists(gdihandle object) {
    return findobject(object) != nullptr;
}

bool bitmapsize(gdihandle bitmap, std::int16_t &width, std::int16_t &height) {
    width = 0;
    height = 0;
    const gdiobject *object = findobject(bitmap);
    if (object == nullptr || object->kind != gdikind::bitmap)
        return false;
    width = static_cast<std::int16_t>(object->image->width());
    height = static_cast<std::int16_t>(object->image->height());
    return true;
}

colour bitmappixel(gdihandle bitmap, std::int16_t x, std::int16_t y) {
    const gdiobject *object = findobject(bitmap);
    if (object == nullptr || object->kind != gdikind::bitmap || !object->image->valid(x, y))
        return 0;
    const QRgb pixel = object->image->pixel(x, y);
    return rgb(static_cast<std::uint8_t>(qRed(pixel)), static_cast<std::uint8_t>(qGreen(pixel)),
               static_cast<std::uint8_t>(qBlue(pixel)));
}

bool savebitmappng(gdihandle bitmap, const char *path) {
    const gdiobject *object = findobject(bitmap);
    if (object == nullptr || object->kind != gdikind::bitmap || path == nullptr)
        return false;
    return object->image->save(QString::fromLocal8Bit(path), "PNG");
}
