#include "platform/window.h"

#include "platform/process.h"
#include "platform/qtext.h"
#include "platform/screen.h"
#include "platform/windowobject.h"
#include "platform/windowviews.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCursor>
#include <QLabel>
#include <QLibraryInfo>
#include <QLocale>
#include <QPalette>
#include <QTranslator>
#include <QRegion>

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr std::int16_t frameborder = 6;   // left, right and bottom frame width
constexpr std::int16_t captionheight = 26; // caption band below the top frame

class winclass {
public:
    winproc proc;
    unsigned background;
};

std::map<std::string, winclass>& winclasses()
{
    static std::map<std::string, winclass> classes;
    return classes;
}

std::vector<std::unique_ptr<winobject>>& objects()
{
    static std::vector<std::unique_ptr<winobject>> all;
    return all;
}

QColor backgroundcolour(unsigned colour)
{
    const unsigned c = colour == colour_buttonface ? buttonfacecolour() : colour;
    return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

bool istoplevel(winhandle window)
{
    return window->parent == nullptr;
}

// The client area inside the frame; done here since a hidden window gets no resize events.
void fitclient(winhandle window)
{
    const QWidget* frame = window->widget;
    window->client->setGeometry(window->dx, window->dy, std::max(0, frame->width() - 2 * window->dx),
                                std::max(0, frame->height() - window->dy - window->dx));
}

} // namespace

winhandle newwinobject()
{
    objects().push_back(std::make_unique<winobject>());
    return objects().back().get();
}

bool alive(winhandle window)
{
    return window != nullptr && window->widget != nullptr;
}

QWidget* clientwidget(winhandle window)
{
    return alive(window) ? window->client.data() : nullptr;
}

QWidget* windowwidget(winhandle window)
{
    return alive(window) ? window->widget.data() : nullptr;
}

void platformstart(int& argc, char** argv)
{
    recordcommandline(argc, argv);
    if (QApplication::instance() != nullptr)
        return;
    // Never deleted: taking Qt down among the static destructors crashes. The instance stays
    // reachable through QCoreApplication::instance().
    QApplication* const application = new QApplication(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    // Message box buttons speak the desktop's language, as the system's own boxes do.
    auto* const buttons = new QTranslator(application);
    if (buttons->load(QLocale::system(), "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(buttons);
}

int runmessageloop()
{
    return QApplication::exec();
}

void postquit(int code)
{
    QCoreApplication::exit(code);
}

bool registerwinclass(const char* name, winproc proc, unsigned background)
{
    if (name == nullptr || name[0] == 0 || proc == nullptr)
        return false;
    winclasses()[name] = winclass{proc, background};
    return true;
}

winhandle createwin(const char* classname, const char* title, winstyle style,
                    std::int16_t x, std::int16_t y, std::int16_t width, std::int16_t height)
{
    if (classname == nullptr || QApplication::instance() == nullptr)
        return nullptr;
    const auto found = winclasses().find(classname);
    if (found == winclasses().end())
        return nullptr;
    winhandle window = newwinobject();
    window->proc = found->second.proc;
    const bool framed = style == style_framed;
    window->dx = framed ? frameborder : 0;
    window->dy = framed ? static_cast<std::int16_t>(frameborder + captionheight) : 0;

    auto* frame = new frameview(window, framed);
    if (framed) {
        frame->setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    } else {
        frame->setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint
                              | Qt::WindowDoesNotAcceptFocus | Qt::WindowTransparentForInput);
        frame->setAttribute(Qt::WA_ShowWithoutActivating);
    }
    auto* client = new clientview(window);
    client->setParent(frame);
    QPalette palette = client->palette();
    palette.setColor(QPalette::Window, backgroundcolour(found->second.background));
    client->setPalette(palette);
    client->setFocusPolicy(framed ? Qt::ClickFocus : Qt::NoFocus);
    window->widget = frame;
    window->client = client;
    frame->setWindowTitle(qtext(title));
    window->placed = QPoint(x, y);
    frame->setGeometry(x, y, std::max<int>(width, 1), std::max<int>(height, 1));
    fitclient(window);
    sendmsg(window, msg_create, 0, 0);
    return window;
}

void destroywin(winhandle window)
{
    if (!alive(window) || window->dying)
        return;
    window->dying = true;
    sendmsg(window, msg_destroy, 0, 0);
    if (!alive(window))
        return;
    QWidget* widget = window->widget;
    if (window->client != nullptr)
        for (const auto& [ident, qtimer] : window->timers)
            window->client->killTimer(qtimer);
    window->timers.clear();
    window->proc = nullptr;
    window->widget = nullptr;
    window->client = nullptr;
    widget->hide();
    // The destroy may come from inside one of the widget's own events.
    widget->deleteLater();
}

bool iswindow(winhandle window)
{
    return alive(window);
}

long sendmsg(winhandle window, unsigned message, wparam w, lparam l)
{
    if (!alive(window) || window->proc == nullptr)
        return 0;
    return window->proc(window, message, w, l);
}

void postmsg(winhandle window, unsigned message, wparam w, lparam l)
{
    QObject* const application = QCoreApplication::instance();
    if (application != nullptr)
        QMetaObject::invokeMethod(
            application, [window, message, w, l] { sendmsg(window, message, w, l); }, Qt::QueuedConnection);
}

long defwinproc(winhandle window, unsigned message, wparam, lparam)
{
    if (message == msg_close)
        destroywin(window);
    return 0;
}

void setwintext(winhandle window, const char* text)
{
    if (!alive(window))
        return;
    const QString t = qtext(text);
    if (istoplevel(window)) {
        window->widget->setWindowTitle(t);
        // Only the caption band shows the title; the client area needs no paint for it.
        window->widget->update(0, 0, window->widget->width(), window->dy);
    } else if (auto* button = qobject_cast<QAbstractButton*>(window->widget.data())) {
        button->setText(t);
    } else if (auto* label = qobject_cast<QLabel*>(window->widget.data())) {
        label->setText(t);
    }
}

winrect getwinrect(winhandle window)
{
    if (!alive(window))
        return winrect{0, 0, 0, 0};
    const QWidget* widget = window->widget;
    const QPoint origin = istoplevel(window) ? widget->pos() : widget->mapToGlobal(QPoint(0, 0));
    return winrect{origin.x(), origin.y(), origin.x() + widget->width(), origin.y() + widget->height()};
}

void getclientsize(winhandle window, std::int16_t& width, std::int16_t& height)
{
    width = 0;
    height = 0;
    if (!alive(window))
        return;
    width = static_cast<std::int16_t>(window->client->width());
    height = static_cast<std::int16_t>(window->client->height());
}

void clienttoscreen(winhandle window, std::int16_t& x, std::int16_t& y)
{
    if (!alive(window))
        return;
    const QPoint p = window->client->mapToGlobal(QPoint(x, y));
    x = static_cast<std::int16_t>(p.x());
    y = static_cast<std::int16_t>(p.y());
}

void screentoclient(winhandle window, std::int16_t& x, std::int16_t& y)
{
    if (!alive(window))
        return;
    const QPoint p = window->client->mapFromGlobal(QPoint(x, y));
    x = static_cast<std::int16_t>(p.x());
    y = static_cast<std::int16_t>(p.y());
}

void setwinpos(winhandle window, std::int16_t x, std::int16_t y, std::int16_t width, std::int16_t height,
               unsigned flags)
{
    if (!alive(window))
        return;
    QWidget* widget = window->widget;
    const QPoint at = (flags & pos_nomove) != 0 ? widget->pos() : QPoint(x, y);
    const QSize size = (flags & pos_nosize) != 0 ? widget->size()
                                                 : QSize(std::max<int>(width, 1), std::max<int>(height, 1));
    // Known before the move, which the window system may report at once.
    if (istoplevel(window))
        window->placed = at;
    widget->setGeometry(QRect(at, size));
    if (istoplevel(window))
        fitclient(window);
    if ((flags & pos_show) != 0)
        widget->show();
    else if ((flags & pos_hide) != 0)
        widget->hide();
}

void showwin(winhandle window, bool show)
{
    if (alive(window))
        window->widget->setVisible(show);
}

bool iswinvisible(winhandle window)
{
    return alive(window) && window->widget->isVisible();
}

void enablewin(winhandle window, bool enable)
{
    if (alive(window))
        window->widget->setEnabled(enable);
}

bool iswinenabled(winhandle window)
{
    return alive(window) && window->widget->isEnabled();
}

void invalidate(winhandle window)
{
    if (alive(window))
        window->client->update();
}

void paintnow(winhandle window)
{
    if (alive(window))
        window->client->repaint();
}

void givefocus(winhandle window)
{
    if (alive(window))
        window->client->setFocus(Qt::OtherFocusReason);
}

bool hasfocus(winhandle window)
{
    if (!alive(window))
        return false;
    const QWidget* focus = QApplication::focusWidget();
    return focus == window->client || focus == window->widget;
}

void settimer(winhandle window, std::uint16_t ident, std::int32_t period)
{
    if (!alive(window))
        return;
    killtimer(window, ident);
    const int qtimer = window->client->startTimer(std::max<std::int32_t>(period, 1));
    if (qtimer != 0)
        window->timers[ident] = qtimer;
}

void killtimer(winhandle window, std::uint16_t ident)
{
    if (!alive(window))
        return;
    const auto found = window->timers.find(ident);
    if (found == window->timers.end())
        return;
    window->client->killTimer(found->second);
    window->timers.erase(found);
}

void setwinregion(winhandle window, const QRegion& region)
{
    if (!alive(window))
        return;
    // Qt takes an empty mask for no mask at all; a pixel outside the window hides all of it.
    // Qt skips an unchanged mask and has the window system expose what a new one uncovers, so
    // a paint that applies the outline again does not ask for another paint.
    window->widget->setMask(region.isEmpty() ? QRegion(-2, -2, 1, 1) : region);
}

void clearwinregion(winhandle window)
{
    if (!alive(window))
        return;
    window->widget->clearMask();
}

void setwincursor(winhandle window, const QCursor& cursor)
{
    if (alive(window))
        window->client->setCursor(cursor);
}

// Read by LeakSanitizer in sanitized builds: fontconfig keeps its caches for the whole process
// and never frees them, which is not a leak of ours.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libfontconfig\n";
}
