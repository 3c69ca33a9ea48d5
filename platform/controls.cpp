#include "platform/controls.h"

#include "platform/qtext.h"
#include "platform/windowobject.h"
#include "platform/windowviews.h"
#include "platform/window.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>

namespace {

QFont guifont()
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setPixelSize(11);
    return font;
}

winhandle adopt(winhandle parent, QWidget* control, std::uint16_t ident, std::int16_t x, std::int16_t y,
                std::int16_t width, std::int16_t height, unsigned flags)
{
    winhandle handle = newwinobject();
    handle->widget = control;
    handle->client = control;
    handle->parent = parent;
    handle->ident = ident;
    control->setGeometry(x, y, std::max<int>(width, 1), std::max<int>(height, 1));
    control->setFont(guifont());
    control->setVisible((flags & ctl_visible) != 0);
    return handle;
}

clientview* clientof(winhandle parent)
{
    return static_cast<clientview*>(clientwidget(parent));
}

} // namespace

winhandle createbutton(winhandle parent, std::uint16_t ident, const char* caption, std::int16_t x,
                       std::int16_t y, std::int16_t width, std::int16_t height, unsigned flags)
{
    clientview* client = clientof(parent);
    if (client == nullptr || parent->parent != nullptr)
        return nullptr;
    auto* button = new QPushButton(qtext(caption), client);
    // The buttons never keep the focus: it stays with the window.
    button->setFocusPolicy(Qt::NoFocus);
    button->setMouseTracking(true);
    // Over a button the window hears only the set-cursor message, not the move itself.
    button->setAttribute(Qt::WA_NoMousePropagation);
    winhandle handle = adopt(parent, button, ident, x, y, width, height, flags);
    client->controls[button] = handle;
    button->installEventFilter(client);
    QObject::connect(button, &QPushButton::clicked, [parent, handle] {
        sendmsg(parent, msg_command, commandparam(handle->ident, 0), reinterpret_cast<lparam>(handle));
    });
    return handle;
}

winhandle createstatic(winhandle parent, std::uint16_t ident, const char* text, std::int16_t x,
                       std::int16_t y, std::int16_t width, std::int16_t height, unsigned flags)
{
    clientview* client = clientof(parent);
    if (client == nullptr || parent->parent != nullptr)
        return nullptr;
    auto* label = new QLabel(qtext(text), client);
    label->setTextFormat(Qt::PlainText);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    label->setAlignment((flags & ctl_centred) != 0 ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter);
    if ((flags & ctl_border) != 0)
        label->setFrameStyle(QFrame::Box | QFrame::Plain);
    return adopt(parent, label, ident, x, y, width, height, flags);
}

void setguifont(winhandle control)
{
    if (QWidget* widget = windowwidget(control))
        widget->setFont(guifont());
}

std::int16_t guitextwidth(const char* text)
{
    if (QApplication::instance() == nullptr)
        return 0;
    return static_cast<std::int16_t>(QFontMetrics(guifont()).horizontalAdvance(qtext(text)));
}
