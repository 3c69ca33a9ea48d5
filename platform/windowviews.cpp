#include "platform/windowviews.h"

#include "platform/windowobject.h"
#include "platform/window.h"

#include <QCloseEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTimerEvent>
#include <QWindow>

namespace {

lparam clientpoint(const QPoint& p)
{
    return pointparam(static_cast<std::int16_t>(p.x()), static_cast<std::int16_t>(p.y()));
}

} // namespace

frameview::frameview(winhandle object, bool framed) : object(object), framed(framed)
{
    setMouseTracking(true);
}

QRect frameview::closebox() const
{
    const int side = object->dy - object->dx - 8;
    return QRect(width() - object->dx - side - 4, object->dx + 4, side, side);
}

QRect frameview::minimisebox() const
{
    const QRect close = closebox();
    return close.translated(-close.width() - 2, 0);
}

void frameview::paintEvent(QPaintEvent*)
{
    if (!framed)
        return;
    QPainter painter(this);
    painter.fillRect(rect(), QColor(192, 192, 192));
    painter.setPen(QColor(64, 64, 64));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    const QRect band(object->dx, object->dx, width() - 2 * object->dx, object->dy - object->dx);
    painter.fillRect(band, QColor(0, 0, 128));
    painter.setPen(Qt::white);
    painter.drawText(band.adjusted(24, 0, -2 * band.height(), 0), Qt::AlignLeft | Qt::AlignVCenter, windowTitle());
    const QRect box = closebox();
    const QRect mini = minimisebox();
    painter.fillRect(box, QColor(192, 192, 192));
    painter.fillRect(mini, QColor(192, 192, 192));
    painter.setPen(Qt::black);
    painter.drawLine(box.topLeft() + QPoint(3, 3), box.bottomRight() - QPoint(3, 3));
    painter.drawLine(box.topRight() + QPoint(-3, 3), box.bottomLeft() + QPoint(3, -3));
    painter.drawLine(mini.bottomLeft() + QPoint(3, -3), mini.bottomRight() - QPoint(3, 3));
}

void frameview::moveEvent(QMoveEvent*)
{
    // Only the player's moves are news; the program knows where it put the window. Each one
    // becomes the known place, so a move back to where the program put it is news too.
    if (pos() == object->placed)
        return;
    object->placed = pos();
    sendmsg(object, msg_moving, 0, 0);
}

void frameview::closeEvent(QCloseEvent* event)
{
    event->ignore();
    sendmsg(object, msg_close, 0, 0);
}

void frameview::mousePressEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    if (!framed || event->button() != Qt::LeftButton || p.y() >= object->dy || closebox().contains(p)
        || minimisebox().contains(p))
        return;
    if (windowHandle() != nullptr && windowHandle()->startSystemMove())
        return;
    // Without the window manager's help the move follows the mouse here.
    dragging = true;
    dragstart = event->globalPosition().toPoint();
    windowstart = pos();
}

void frameview::mouseMoveEvent(QMouseEvent* event)
{
    if (dragging) {
        move(windowstart + event->globalPosition().toPoint() - dragstart);
        return;
    }
    // The frame is part of the window: the mouse over it is news to the procedure too.
    if (framed) {
        const QPoint p = event->position().toPoint() - QPoint(object->dx, object->dy);
        sendmsg(object, msg_setcursor, reinterpret_cast<wparam>(object), clientpoint(p));
    }
}

void frameview::mouseReleaseEvent(QMouseEvent* event)
{
    if (dragging) {
        dragging = false;
        return;
    }
    if (!framed || event->button() != Qt::LeftButton)
        return;
    const QPoint p = event->position().toPoint();
    if (closebox().contains(p))
        sendmsg(object, msg_close, 0, 0);
    else if (minimisebox().contains(p))
        showMinimized();
}

clientview::clientview(winhandle object) : object(object)
{
    setMouseTracking(true);
    setAutoFillBackground(true);
}

void clientview::paintEvent(QPaintEvent*)
{
    sendmsg(object, msg_paint, 0, 0);
}

void clientview::mousePressEvent(QMouseEvent* event)
{
    const lparam at = clientpoint(event->position().toPoint());
    if (event->button() == Qt::LeftButton)
        sendmsg(object, msg_lbuttondown, 0, at);
    else if (event->button() == Qt::RightButton)
        sendmsg(object, msg_rbuttondown, 0, at);
}

void clientview::mouseReleaseEvent(QMouseEvent* event)
{
    const lparam at = clientpoint(event->position().toPoint());
    if (event->button() == Qt::LeftButton)
        sendmsg(object, msg_lbuttonup, 0, at);
    else if (event->button() == Qt::RightButton)
        sendmsg(object, msg_rbuttonup, 0, at);
}

void clientview::mouseMoveEvent(QMouseEvent* event)
{
    const lparam at = clientpoint(event->position().toPoint());
    sendmsg(object, msg_setcursor, reinterpret_cast<wparam>(object), at);
    sendmsg(object, msg_mousemove, 0, at);
}

void clientview::timerEvent(QTimerEvent* event)
{
    for (const auto& [ident, qtimer] : object->timers)
        if (qtimer == event->timerId()) {
            // The procedure may stop timers, so nothing of the map is used after the call.
            const wparam which = ident;
            sendmsg(object, msg_timer, which, 0);
            return;
        }
}

bool clientview::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseMove) {
        const auto found = controls.find(watched);
        if (found != controls.end() && found->second->widget != nullptr) {
            const auto* move = static_cast<QMouseEvent*>(event);
            const QPoint p = found->second->widget->mapTo(this, move->position().toPoint());
            sendmsg(object, msg_setcursor, reinterpret_cast<wparam>(found->second), clientpoint(p));
        }
    }
    return false;
}
