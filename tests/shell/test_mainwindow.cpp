#include <gtest/gtest.h>

#include "platform/messagebox.h"
#include "platform/window.h"
#include "platform/windowobject.h"
#include "shell/tooltip.h"
#include "shell/windowlayout.h"
#include "tests/shell/gamedriver.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QTest>
#include <QWidget>

namespace {

// The game started once, headless, in an empty folder; its main window's frame is driven with the
// widget events the window system would send.
class MainWindow : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        ASSERT_TRUE(jeuaffiche("tikomain"));
    }
    void SetUp() override { messageboxhook().answer = [](const boxcall &) { return short{answer_no}; }; }
    void TearDown() override { messageboxhook().answer = nullptr; }

    static QWidget *cadre() { return windowwidget(hwndmainwin); }
    // The mouse over point p of the frame (window pixels), as the window system reports it.
    static void survolecadre(QPoint p) {
        QMouseEvent move(QEvent::MouseMove, p, cadre()->mapToGlobal(p), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QCoreApplication::sendEvent(cadre(), &move);
    }
    static bool tooltipmontre() { return montooltip.popup != nullptr && iswinvisible(montooltip.popup); }
};

} // namespace

// Where the player leaves the window is where it stays, even the place the program first chose:
// the next placement by the program (here the "+" button) keeps it.
TEST_F(MainWindow, PlayerMovesAreKeptEvenBackToTheFirstPlace) {
    const winrect debut = getwinrect(hwndmainwin);
    for (const QPoint p : {QPoint(200, 150), QPoint(debut.left, debut.top)}) {
        cadre()->move(p);
        QCoreApplication::processEvents();
        EXPECT_EQ(prinleft, p.x());
        EXPECT_EQ(printop, p.y());
    }
    commande(10);
    EXPECT_EQ(getwinrect(hwndmainwin).left, debut.left);
    EXPECT_EQ(getwinrect(hwndmainwin).top, debut.top);
    commande(20);
}

// The caption band belongs to the window: moving onto it from a button hides that button's tooltip.
TEST_F(MainWindow, TheCaptionBandHidesATooltip) {
    WindProc(hwndmainwin, msg_setcursor, reinterpret_cast<wparam>(hwndmainwin), pointparam(50, 30));
    ASSERT_TRUE(tooltipmontre());
    survolecadre(QPoint(regionprin.dx + 50, regionprin.dy / 2));
    EXPECT_FALSE(tooltipmontre());
    EXPECT_LT(mydown, 0) << "the point in client pixels, above the client area";
}

// The rules pages show the whole caption: its minimise box minimises, its close box asks first.
TEST_F(MainWindow, CaptionBoxesMinimiseAndAskBeforeClosing) {
    commande(23);
    QWidget *frame = cadre();
    const int y = regionprin.dx + 10;
    QTest::mouseClick(frame, Qt::LeftButton, {}, QPoint(frame->width() - regionprin.dx - 12, y));
    ASSERT_EQ(messageboxhook().calls.size(), 1u);
    EXPECT_TRUE(iswindow(hwndmainwin)) << "answered no";
    EXPECT_FALSE(frame->isMinimized());
    QTest::mouseClick(frame, Qt::LeftButton, {}, QPoint(frame->width() - regionprin.dx - 40, y));
    EXPECT_TRUE(frame->isMinimized());
    EXPECT_EQ(messageboxhook().calls.size(), 1u);
    frame->showNormal();
    commande(22);
    EXPECT_EQ(mode, 4);
}

// With no grid in play, leaving the rules pages gives mode 1 and an empty history.
TEST_F(MainWindow, LeavingTheRulesWithNoGridInPlayGivesNoGridAndNoHistory) {
    boutondefaire.ajoute("an action");
    commande(23);
    const std::int16_t grille = grillenjeu;
    grillenjeu = 0;
    commande(22);
    EXPECT_EQ(mode, 1);
    EXPECT_EQ(boutondefaire.niveau, 0);
    EXPECT_EQ(boutondefaire.effectif(), 0);
    EXPECT_EQ(ptgriactu, &grilleram[0]);
    grillenjeu = grille;
}
