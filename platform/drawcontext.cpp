#include "platform/drawcontext.h"

#include "platform/gditable.h"
#include "platform/qtext.h"
#include "platform/windowobject.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QPolygon>
#include <QScreen>
#include <QWidget>

#include <map>
#include <memory>

namespace {

constexpr std::int16_t defaultdpi = 96;

} // namespace

// The selected objects are kept as values, so a deleted handle leaves the context drawing with
// what it had; a painter opens for each operation, as a widget allows only inside its paint.
class drawcontext {
  public:
    QWidget *widget = nullptr;     // a paint context's client area
    std::shared_ptr<QImage> image; // a memory context's surface
    gdihandle pen = stock_blackpen;
    gdihandle brush = stock_whitebrush;
    gdihandle font = stock_systemfont;
    gdihandle bitmap = stock_defaultbitmap;
    gdiobject penobject = *findobject(stock_blackpen);
    gdiobject brushobject = *findobject(stock_whitebrush);
    gdiobject fontobject = *findobject(stock_systemfont);
    colour textcolour = rgb(0, 0, 0);
    colour backcolour = rgb(255, 255, 255);
    bool opaque = true;
    bool centred = false;

    QPaintDevice *surface() const {
        if (widget != nullptr)
            return widget;
        return image.get();
    }
};

namespace {

class dctable {
  public:
    std::map<dchandle, std::unique_ptr<drawcontext>> contexts;
    dchandle next = 1;
};

// Never destroyed: the program-wide drawing objects let go of their handles at exit.
dctable &contexts() {
    static dctable *instance = new dctable;
    return *instance;
}

dchandle addcontext(std::unique_ptr<drawcontext> dc) {
    const dchandle handle = contexts().next++;
    contexts().contexts[handle] = std::move(dc);
    return handle;
}

drawcontext *findcontext(dchandle dc) {
    const auto found = contexts().contexts.find(dc);
    return found == contexts().contexts.end() ? nullptr : found->second.get();
}

// A painter on the context's surface with its pen, brush and font, or an inactive one.
class dcpainter {
  public:
    QPainter painter;

    explicit dcpainter(const drawcontext *dc) {
        if (dc == nullptr || dc->surface() == nullptr || !painter.begin(dc->surface()))
            return;
        painter.setPen(dc->penobject.pen);
        painter.setBrush(dc->brushobject.brush);
        painter.setFont(dc->fontobject.font);
    }
    bool active() const { return painter.isActive(); }
};

QScreen *primaryscreen() {
    return qobject_cast<QGuiApplication *>(QCoreApplication::instance()) != nullptr
               ? QGuiApplication::primaryScreen()
               : nullptr;
}

// Qt outlines a box one pixel right of and below its mathematical edges with a thin pen, so the
// box for pixels x1 up to, not including, x2 is one pixel narrower.
QRect boxof(std::int16_t x1, std::int16_t y1, std::int16_t x2, std::int16_t y2) {
    const QRect box = QRect(QPoint(x1, y1), QPoint(x2, y2)).normalized();
    return QRect(box.x(), box.y(), box.width() - 2, box.height() - 2);
}

} // namespace

dchandle creatememdc() {
    auto dc = std::make_unique<drawcontext>();
    dc->image = findobject(stock_defaultbitmap)->image;
    return addcontext(std::move(dc));
}

dchandle beginpaintdc(winhandle window) {
    QWidget *widget = clientwidget(window);
    if (widget == nullptr)
        return 0;
    auto dc = std::make_unique<drawcontext>();
    dc->widget = widget;
    return addcontext(std::move(dc));
}

void deletedc(dchandle dc) {
    contexts().contexts.erase(dc);
}

gdihandle selectobject(dchandle handle, gdihandle object) {
    // Without a context the object table is left alone: program-wide objects that were never
    // selected let go of nothing when they are destroyed at exit, after Qt's own data.
    drawcontext *dc = findcontext(handle);
    if (dc == nullptr)
        return 0;
    const gdiobject *found = findobject(object);
    if (found == nullptr)
        return 0;
    gdihandle displaced = 0;
    switch (found->kind) {
    case gdikind::pen:
        displaced = dc->pen;
        dc->pen = object;
        dc->penobject = *found;
        break;
    case gdikind::brush:
        displaced = dc->brush;
        dc->brush = object;
        dc->brushobject = *found;
        break;
    case gdikind::font:
        displaced = dc->font;
        dc->font = object;
        dc->fontobject = *found;
        break;
    case gdikind::bitmap:
        if (dc->widget != nullptr)
            return 0;
        displaced = dc->bitmap;
        dc->bitmap = object;
        dc->image = found->image;
        break;
    }
    return displaced;
}

std::int16_t devicecaps(dchandle handle, capability which) {
    const drawcontext *dc = findcontext(handle);
    if (dc == nullptr)
        return 0;
    const QScreen *screen = primaryscreen();
    switch (which) {
    case cap_logpixelsx:
        if (dc->widget != nullptr)
            return static_cast<std::int16_t>(dc->widget->logicalDpiX());
        return screen != nullptr ? static_cast<std::int16_t>(screen->logicalDotsPerInchX()) : defaultdpi;
    case cap_logpixelsy:
        if (dc->widget != nullptr)
            return static_cast<std::int16_t>(dc->widget->logicalDpiY());
        return screen != nullptr ? static_cast<std::int16_t>(screen->logicalDotsPerInchY()) : defaultdpi;
    case cap_horzres:
        if (screen != nullptr)
            return static_cast<std::int16_t>(screen->geometry().width());
        return static_cast<std::int16_t>(dc->surface()->width());
    case cap_vertres:
        if (screen != nullptr)
            return static_cast<std::int16_t>(screen->geometry().height());
        return static_cast<std::int16_t>(dc->surface()->height());
    }
    return 0;
}

void settextcolour(dchandle handle, colour c) {
    drawcontext *dc = findcontext(handle);
    if (dc != nullptr)
        dc->textcolour = c;
}

void setbackcolour(dchandle handle, colour c) {
    drawcontext *dc = findcontext(handle);
    if (dc != nullptr)
        dc->backcolour = c;
}

void setbackopaque(dchandle handle, bool opaque) {
    drawcontext *dc = findcontext(handle);
    if (dc != nullptr)
        dc->opaque = opaque;
}

void settextcentred(dchandle handle, bool centred) {
    drawcontext *dc = findcontext(handle);
    if (dc != nullptr)
        dc->centred = centred;
}

void textout(dchandle handle, std::int16_t x, std::int16_t y, const char *text) {
    const drawcontext *dc = findcontext(handle);
    dcpainter p(dc);
    if (!p.active() || text == nullptr)
        return;
    const QString shown = qtext(text);
    const QFontMetrics metrics(dc->fontobject.font, dc->surface());
    const int width = metrics.horizontalAdvance(shown);
    const int left = dc->centred ? -width / 2 : 0;
    // The reference point is the top of the line; the text runs along its escapement.
    p.painter.translate(x, y);
    p.painter.rotate(-dc->fontobject.escapement / 10.0);
    if (dc->opaque)
        p.painter.fillRect(QRect(left, 0, width, metrics.height()), qcolour(dc->backcolour));
    p.painter.setPen(qcolour(dc->textcolour));
    p.painter.drawText(left, metrics.ascent(), shown);
}

void textextent(dchandle handle, const char *text, std::int16_t &width, std::int16_t &height) {
    const drawcontext *dc = findcontext(handle);
    width = 0;
    height = 0;
    if (dc == nullptr || dc->surface() == nullptr || text == nullptr ||
        qobject_cast<QGuiApplication *>(QCoreApplication::instance()) == nullptr)
        return;
    const QFontMetrics metrics(dc->fontobject.font, dc->surface());
    width = static_cast<std::int16_t>(metrics.horizontalAdvance(qtext(text)));
    height = static_cast<std::int16_t>(metrics.height());
}

void polygon(dchandle dc, const dcpoint *points, std::int16_t count) {
    dcpainter p(findcontext(dc));
    if (!p.active() || points == nullptr || count < 2)
        return;
    QPolygon shape;
    for (std::int16_t k = 0; k < count; ++k)
        shape << QPoint(points[k].x, points[k].y);
    p.painter.drawPolygon(shape, Qt::OddEvenFill);
}

void ellipse(dchandle dc, std::int16_t x1, std::int16_t y1, std::int16_t x2, std::int16_t y2) {
    const QRect box = boxof(x1, y1, x2, y2);
    dcpainter p(findcontext(dc));
    if (p.active() && box.width() >= 0 && box.height() >= 0)
        p.painter.drawEllipse(box);
}

void rectangle(dchandle dc, std::int16_t x1, std::int16_t y1, std::int16_t x2, std::int16_t y2) {
    const QRect box = boxof(x1, y1, x2, y2);
    dcpainter p(findcontext(dc));
    if (p.active() && box.width() >= 0 && box.height() >= 0)
        p.painter.drawRect(box);
}

void line(dchandle dc, std::int16_t x1, std::int16_t y1, std::int16_t x2, std::int16_t y2) {
    dcpainter p(findcontext(dc));
    if (p.active())
        p.painter.drawLine(x1, y1, x2, y2);
}

bool stretchblt(dchandle dest, std::int16_t x, std::int16_t y, std::int16_t w, std::int16_t h, dchandle from,
                std::int16_t sx, std::int16_t sy, std::int16_t sw, std::int16_t sh) {
    const drawcontext *source = findcontext(from);
    if (source == nullptr || source->image == nullptr || w <= 0 || h <= 0 || sw <= 0 || sh <= 0)
        return false;
    // Only the part of the block inside the source is copied, to the matching part of the target.
    const QRect asked(sx, sy, sw, sh);
    const QRect part = asked.intersected(source->image->rect());
    if (part.isEmpty())
        return false;
    const QRectF target(x + double(part.x() - sx) * w / sw, y + double(part.y() - sy) * h / sh,
                        double(part.width()) * w / sw, double(part.height()) * h / sh);
    const drawcontext *cible = findcontext(dest);
    dcpainter p(cible);
    if (!p.active())
        return false;
    p.painter.setCompositionMode(QPainter::CompositionMode_Source);
    // A context copying onto itself copies from a snapshot of the block.
    const bool same = cible->surface() == source->image.get();
    if (same)
        p.painter.drawImage(target, source->image->copy(part));
    else if (w == sw && h == sh)
        p.painter.drawImage(target.topLeft().toPoint(), *source->image, part);
    else
        p.painter.drawImage(target, *source->image, QRectF(part));
    return true;
}

bool bitblt(dchandle dest, std::int16_t x, std::int16_t y, std::int16_t w, std::int16_t h, dchandle source,
            std::int16_t sx, std::int16_t sy) {
    return stretchblt(dest, x, y, w, h, source, sx, sy, w, h);
}
