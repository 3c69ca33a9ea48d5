#include "platform/screen.h"

#include <QCursor>
#include <QGuiApplication>
#include <QPalette>
#include <QScreen>

std::int16_t screenwidth()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? static_cast<std::int16_t>(screen->geometry().width()) : 0;
}

std::int16_t screenheight()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? static_cast<std::int16_t>(screen->geometry().height()) : 0;
}

void cursorpos(std::int16_t& x, std::int16_t& y)
{
    const QPoint p = QCursor::pos();
    x = static_cast<std::int16_t>(p.x());
    y = static_cast<std::int16_t>(p.y());
}

unsigned buttonfacecolour()
{
    const QColor face = QGuiApplication::palette().color(QPalette::Button);
    return static_cast<unsigned>(face.red()) | static_cast<unsigned>(face.green()) << 8
        | static_cast<unsigned>(face.blue()) << 16;
}
