#include "offscreenapp.h"

#include "platform/controls.h"
#include "platform/screen.h"
#include "platform/window.h"
#include "platform/windowobject.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QEventLoop>
#include <QMouseEvent>
#include <QPushButton>
#include <QRegion>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <gtest/gtest.h>

#include <vector>

namespace {

class seen {
public:
    winhandle window;
    unsigned message;
    wparam w;
    lparam l;
};

std::vector<seen> received;
QEventLoop* waiting = nullptr;     // left when a timer message arrives
winhandle createdseen = nullptr;   // the handle the create message came with

long recordproc(winhandle window, unsigned message, wparam w, lparam l)
{
    received.push_back(seen{window, message, w, l});
    if (message == msg_create)
        createdseen = window;
    if (message == msg_timer && waiting != nullptr)
        waiting->quit();
    return 0;
}

// Stops its own timer at the first tick and destroys its window again while being destroyed.
long selfstoppingproc(winhandle window, unsigned message, wparam w, lparam l)
{
    recordproc(window, message, w, l);
    if (message == msg_timer)
        killtimer(window, static_cast<std::uint16_t>(w));
    if (message == msg_destroy)
        destroywin(window);
    return 0;
}

long closingproc(winhandle window, unsigned message, wparam w, lparam l)
{
    recordproc(window, message, w, l);
    return message == msg_close ? defwinproc(window, message, w, l) : 0;
}

std::vector<seen> only(unsigned message)
{
    std::vector<seen> out;
    for (const seen& s : received)
        if (s.message == message)
            out.push_back(s);
    return out;
}

void sendmove(QWidget* widget, QPoint at)
{
    QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &move);
}

} // namespace

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        startoffscreen();
        registerwinclass("DemoTIKO", recordproc, colour_buttonface);
        registerwinclass("closer", closingproc, 0x00FF9999);
        registerwinclass("selfstopping", selfstoppingproc, 0);
        received.clear();
        window = createwin("DemoTIKO", "TIKO101", style_framed, 100, 120, 300, 200);
        ASSERT_NE(window, nullptr);
    }
    void TearDown() override { destroywin(window); }

    winhandle window = nullptr;
};

TEST_F(WindowTest, CreationSendsCreateBeforeReturningAndStartsHidden)
{
    ASSERT_FALSE(received.empty());
    EXPECT_EQ(received.front().message, msg_create);
    EXPECT_EQ(createdseen, window);
    EXPECT_FALSE(iswinvisible(window));
    EXPECT_EQ(createwin("NoSuchClass", "", style_framed, 0, 0, 10, 10), nullptr);
    EXPECT_FALSE(registerwinclass("", recordproc, 0));
    EXPECT_FALSE(registerwinclass("X", nullptr, 0));
}

TEST_F(WindowTest, FramedWindowHasFrameOffsetsPopupHasNone)
{
    const winrect r = getwinrect(window);
    EXPECT_EQ(r.left, 100);
    EXPECT_EQ(r.top, 120);
    EXPECT_EQ(r.right, 400);
    EXPECT_EQ(r.bottom, 320);
    std::int16_t x = 0, y = 0;
    clienttoscreen(window, x, y);
    EXPECT_EQ(x - r.left, 6);
    EXPECT_EQ(y - r.top, 32);
    std::int16_t w = 0, h = 0;
    getclientsize(window, w, h);
    EXPECT_EQ(w, 300 - 2 * 6);
    EXPECT_EQ(h, 200 - 32 - 6);
    screentoclient(window, x, y);
    EXPECT_EQ(x, 0);
    EXPECT_EQ(y, 0);

    winhandle popup = createwin("closer", "", style_popup, 50, 60, 400, 150);
    x = 0;
    y = 0;
    clienttoscreen(popup, x, y);
    EXPECT_EQ(x, 50);
    EXPECT_EQ(y, 60);
    EXPECT_TRUE(windowwidget(popup)->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(windowwidget(popup)->windowFlags().testFlag(Qt::WindowDoesNotAcceptFocus));
    destroywin(popup);
}

TEST_F(WindowTest, MouseEventsArriveAsMessagesInClientCoordinates)
{
    QWidget* client = clientwidget(window);
    received.clear();
    QTest::mousePress(client, Qt::LeftButton, {}, QPoint(30, 40));
    QTest::mouseRelease(client, Qt::LeftButton, {}, QPoint(31, 42));
    QTest::mousePress(client, Qt::RightButton, {}, QPoint(200, 7));
    QTest::mouseRelease(client, Qt::RightButton, {}, QPoint(201, 8));
    sendmove(client, QPoint(12, 13));
    const struct {
        unsigned message;
        int x;
        int y;
    } expected[] = {
        {msg_lbuttondown, 30, 40}, {msg_lbuttonup, 31, 42}, {msg_rbuttondown, 200, 7},
        {msg_rbuttonup, 201, 8},   {msg_setcursor, 12, 13}, {msg_mousemove, 12, 13},
    };
    ASSERT_EQ(received.size(), std::size(expected));
    for (std::size_t k = 0; k < std::size(expected); ++k) {
        EXPECT_EQ(received[k].window, window);
        EXPECT_EQ(received[k].message, expected[k].message) << k;
        EXPECT_EQ(pointx(received[k].l), expected[k].x) << k;
        EXPECT_EQ(pointy(received[k].l), expected[k].y) << k;
    }
}

TEST_F(WindowTest, ButtonClickArrivesAsCommandWithItsIdentifier)
{
    winhandle button = createbutton(window, 33, "Gr1", 40, 40, 30, 20, 0);
    ASSERT_NE(button, nullptr);
    EXPECT_FALSE(iswinvisible(button)) << "created hidden unless asked";
    setwinpos(window, 100, 120, 300, 200, pos_show);
    showwin(button, true);
    received.clear();
    QTest::mouseClick(static_cast<QPushButton*>(windowwidget(button)), Qt::LeftButton, {}, QPoint(5, 5));
    const auto commands = only(msg_command);
    ASSERT_EQ(commands.size(), 1u);
    EXPECT_EQ(commands[0].window, window);
    EXPECT_EQ(lowword(commands[0].w), 33);
    EXPECT_EQ(highword(commands[0].w), 0);
    EXPECT_EQ(commands[0].l, reinterpret_cast<lparam>(button));

    EXPECT_TRUE(iswinenabled(button));
    enablewin(button, false);
    EXPECT_FALSE(iswinenabled(button));
    received.clear();
    QTest::mouseClick(static_cast<QPushButton*>(windowwidget(button)), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(only(msg_command).empty()) << "a disabled button sends nothing";
}

TEST_F(WindowTest, MouseOverAControlGivesTheWindowASetCursorMessage)
{
    winhandle button = createbutton(window, 10, "+", 55, 160, 15, 20, ctl_visible);
    setwinpos(window, 100, 120, 300, 200, pos_show);
    received.clear();
    sendmove(windowwidget(button), QPoint(3, 4));
    ASSERT_EQ(received.size(), 1u);
    EXPECT_EQ(received[0].message, msg_setcursor);
    EXPECT_EQ(received[0].window, window);
    EXPECT_EQ(received[0].w, reinterpret_cast<wparam>(button));
    EXPECT_EQ(pointx(received[0].l), 58);
    EXPECT_EQ(pointy(received[0].l), 164);
}

TEST_F(WindowTest, StaticsLetTheMouseThroughToTheWindow)
{
    winhandle label = createstatic(window, 27, "L3 C4", 30, 230, 50, 15, ctl_visible | ctl_centred);
    ASSERT_NE(label, nullptr);
    setwinpos(window, 100, 120, 300, 500, pos_show);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(windowwidget(window)));
    received.clear();
    // Window coordinates: the client starts at the frame offsets.
    QTest::mouseClick(windowwidget(window)->windowHandle(), Qt::LeftButton, {}, QPoint(6 + 40, 32 + 235));
    const auto downs = only(msg_lbuttondown);
    ASSERT_EQ(downs.size(), 1u);
    EXPECT_EQ(pointx(downs[0].l), 40);
    EXPECT_EQ(pointy(downs[0].l), 235);
}

TEST_F(WindowTest, TextsReachTheWidgetsInUnicode)
{
    winhandle button = createbutton(window, 35, "FR/EN", 30, 20, 50, 20, 0);
    setwintext(button, "R\xE8gle");
    EXPECT_EQ(static_cast<QPushButton*>(windowwidget(button))->text(), QString::fromUtf8("Règle"));
    setwintext(window, "Fran\xE7" "ais");
    EXPECT_EQ(windowwidget(window)->windowTitle(), QString::fromUtf8("Français"));
    EXPECT_GT(guitextwidth("Select number 6"), guitextwidth("Undo"));
    EXPECT_EQ(guitextwidth(""), 0);
}

TEST_F(WindowTest, TimerMessagesCarryTheIdentifierUntilStopped)
{
    QEventLoop loop;
    waiting = &loop;
    QTimer::singleShot(5000, &loop, &QEventLoop::quit);
    received.clear();
    settimer(window, 1, 10);
    loop.exec();
    waiting = nullptr;
    const auto ticks = only(msg_timer);
    ASSERT_FALSE(ticks.empty()) << "no timer message within the time limit";
    EXPECT_EQ(ticks[0].w, 1u);

    killtimer(window, 1);
    received.clear();
    QEventLoop quiet;
    QTimer::singleShot(60, &quiet, &QEventLoop::quit);
    quiet.exec();
    EXPECT_TRUE(only(msg_timer).empty());
}

TEST_F(WindowTest, RegionsMaskTheWindowAndEmptyHidesItAll)
{
    QWidget* widget = windowwidget(window);
    setwinregion(window, QRegion(10, 0, 110, 32) + QRegion(36, 32, 50, 200));
    EXPECT_TRUE(widget->mask().contains(QPoint(50, 10)));
    EXPECT_FALSE(widget->mask().contains(QPoint(200, 100)));
    setwinregion(window, QRegion());
    EXPECT_FALSE(widget->mask().isEmpty());
    EXPECT_TRUE(widget->mask().intersected(widget->rect()).isEmpty()) << "nothing of the window remains";
    clearwinregion(window);
    EXPECT_TRUE(widget->mask().isEmpty());
}

TEST_F(WindowTest, CaptionBandDragMovesTheWindowAndReportsMoving)
{
    setwinpos(window, 100, 120, 300, 200, pos_show);
    EXPECT_TRUE(only(msg_moving).empty()) << "the program's own placement is no news";
    QWidget* frame = windowwidget(window);
    received.clear();
    QTest::mousePress(frame, Qt::LeftButton, {}, QPoint(60, 15));
    QMouseEvent drag(QEvent::MouseMove, QPoint(90, 35), frame->mapToGlobal(QPoint(90, 35)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(frame, &drag);
    QTest::mouseRelease(frame, Qt::LeftButton, {}, QPoint(90, 35));
    EXPECT_EQ(getwinrect(window).left, 130);
    EXPECT_EQ(getwinrect(window).top, 140);
    EXPECT_FALSE(only(msg_moving).empty());
    EXPECT_TRUE(only(msg_lbuttondown).empty()) << "the caption band is not the client area";
}

TEST_F(WindowTest, ClosingAsksTheProcedureWhichDecides)
{
    setwinpos(window, 100, 120, 300, 200, pos_show);
    received.clear();
    windowwidget(window)->close();
    EXPECT_EQ(only(msg_close).size(), 1u);
    EXPECT_TRUE(iswindow(window)) << "this procedure ignores close";

    winhandle other = createwin("closer", "", style_framed, 0, 0, 200, 100);
    received.clear();
    QWidget* frame = windowwidget(other);
    QTest::mouseClick(frame, Qt::LeftButton, {}, QPoint(200 - 6 - 8, 14)); // the close box
    EXPECT_EQ(only(msg_close).size(), 1u);
    EXPECT_EQ(only(msg_destroy).size(), 1u);
    EXPECT_FALSE(iswindow(other));
}

TEST_F(WindowTest, DeadHandlesAreHarmless)
{
    winhandle button = createbutton(window, 8, "<", 40, 250, 15, 20, 0);
    destroywin(window);
    EXPECT_FALSE(iswindow(window));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(iswindow(button)) << "controls go with their window";
    for (winhandle h : {window, button, static_cast<winhandle>(nullptr)}) {
        setwinpos(h, 1, 2, 3, 4, pos_show);
        setwintext(h, "x");
        showwin(h, true);
        enablewin(h, true);
        invalidate(h);
        paintnow(h);
        settimer(h, 1, 10);
        killtimer(h, 1);
        setwinregion(h, QRegion(0, 0, 5, 5));
        clearwinregion(h);
        givefocus(h);
        EXPECT_FALSE(hasfocus(h));
        EXPECT_EQ(sendmsg(h, msg_paint, 0, 0), 0);
        EXPECT_EQ(getwinrect(h).right, 0);
        EXPECT_EQ(createbutton(h, 1, "a", 0, 0, 5, 5, 0), nullptr);
        EXPECT_EQ(clientwidget(h), nullptr);
        destroywin(h);
    }
}

TEST_F(WindowTest, PaintMessageComesFromTheClientAreaOnDemand)
{
    setwinpos(window, 100, 120, 300, 200, pos_show);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(windowwidget(window)));
    received.clear();
    paintnow(window);
    EXPECT_EQ(only(msg_paint).size(), 1u);
    received.clear();
    invalidate(window);
    EXPECT_TRUE(only(msg_paint).empty()) << "invalidation paints later, not at once";
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    EXPECT_GE(only(msg_paint).size(), 1u);
}

TEST_F(WindowTest, ProceduresMayStopTheirTimerAndDestroyAgainFromInside)
{
    winhandle other = createwin("selfstopping", "", style_popup, 0, 0, 50, 50);
    QEventLoop loop;
    waiting = &loop;
    QTimer::singleShot(5000, &loop, &QEventLoop::quit);
    received.clear();
    settimer(other, 7, 5);
    loop.exec();
    waiting = nullptr;
    QEventLoop more;
    QTimer::singleShot(40, &more, &QEventLoop::quit);
    more.exec();
    ASSERT_EQ(only(msg_timer).size(), 1u);
    EXPECT_EQ(only(msg_timer)[0].w, 7u);
    destroywin(other);
    EXPECT_EQ(only(msg_destroy).size(), 1u);
    EXPECT_FALSE(iswindow(other));
}

TEST_F(WindowTest, ControlsArePlacedInClientPixelsAndNeverTakeTheFocus)
{
    winhandle button = createbutton(window, 24, "<", 30, 530, 30, 30, 0);
    setwinpos(window, 100, 120, 300, 600, pos_show);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(windowwidget(window)));
    setwinpos(button, 40, 50, 20, 25, pos_show);
    EXPECT_TRUE(iswinvisible(button));
    const winrect r = getwinrect(button);
    EXPECT_EQ(r.left, 100 + 6 + 40);
    EXPECT_EQ(r.top, 120 + 32 + 50);
    EXPECT_EQ(r.right - r.left, 20);
    EXPECT_EQ(r.bottom - r.top, 25);
    setwinpos(button, 0, 0, 0, 0, pos_nomove | pos_nosize | pos_hide);
    EXPECT_FALSE(iswinvisible(button));
    EXPECT_EQ(getwinrect(button).left, r.left);

    givefocus(window);
    showwin(button, true);
    QTest::mouseClick(static_cast<QPushButton*>(windowwidget(button)), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(only(msg_command).size(), 1u);
    EXPECT_FALSE(windowwidget(button)->hasFocus());
}

TEST_F(WindowTest, ClassBackgroundFillsTheClientArea)
{
    winhandle popup = createwin("closer", "", style_popup, 0, 0, 40, 40); // light blue (153,153,255)
    EXPECT_EQ(clientwidget(popup)->palette().color(QPalette::Window), QColor(153, 153, 255));
    const unsigned face = buttonfacecolour();
    EXPECT_EQ(clientwidget(window)->palette().color(QPalette::Window),
              QColor(face & 0xFF, (face >> 8) & 0xFF, (face >> 16) & 0xFF));
    EXPECT_TRUE(clientwidget(window)->autoFillBackground());
    EXPECT_GT(screenwidth(), 0);
    EXPECT_GT(screenheight(), 0);
    destroywin(popup);
}
