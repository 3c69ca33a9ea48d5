#include "shellfixture.h"
#include "tests/platform/offscreenapp.h"

#include "platform/windowobject.h"

#include <QEventLoop>
#include <QLabel>
#include <QTimer>

#include <string>

namespace {

QEventLoop *attente = nullptr;
int tops = 0;

// The main window's part in the chronometer: timer 1 refreshes the shown time.
long chronoproc(winhandle window, unsigned message, wparam w, lparam l) {
    if (message == msg_timer && w == 1) {
        ++tops;
        affichronocourt();
        if (attente != nullptr)
            attente->quit();
        return 0;
    }
    return defwinproc(window, message, w, l);
}

std::string affiche() {
    const auto *label = qobject_cast<QLabel *>(windowwidget(hbtchrono));
    return label != nullptr ? label->text().toStdString() : "no static";
}

} // namespace

class ChronoWindow : public ShellTest {
  protected:
    winhandle window = nullptr;

    void SetUp() override {
        ShellTest::SetUp();
        startoffscreen();
        ASSERT_TRUE(registerwinclass("ChronoTest", chronoproc, colour_buttonface));
        window = createwin("ChronoTest", "TIKO101", style_framed, 10, 10, 300, 500);
        ASSERT_NE(window, nullptr);
        bonpourcreaboutons = 1;
        hbtchrono = nullptr;
        tops = 0;
    }
    void TearDown() override {
        arretechronotimer(window);
        destroywin(window);
        hbtchrono = nullptr;
        ShellTest::TearDown();
    }
};

TEST_F(ChronoWindow, TimerTicksShowTheTimeOfTheGridInPlay) {
    creechronostatic(window, 30, 375, 50, 15);
    ASSERT_NE(hbtchrono, nullptr);
    resolutime[1].ajoutsec(65);
    demarrechronotimer(window);
    QEventLoop loop;
    attente = &loop;
    QTimer::singleShot(5000, &loop, &QEventLoop::quit);
    loop.exec();
    attente = nullptr;
    ASSERT_GT(tops, 0) << "no timer message within the time limit";
    EXPECT_EQ(affiche(), " 1mn 05s");
    resolutime[1].ajoutsec(540);
    sendmsg(window, msg_timer, 1, 0);
    EXPECT_EQ(affiche(), "10mn 05s");
}

TEST_F(ChronoWindow, NoStaticAndNoTimerWithoutTheChronometer) {
    avechrono = 0;
    creechronostatic(window, 30, 375, 50, 15);
    EXPECT_EQ(hbtchrono, nullptr);
    demarrechronotimer(window);
    QEventLoop quiet;
    QTimer::singleShot(500, &quiet, &QEventLoop::quit);
    quiet.exec();
    EXPECT_EQ(tops, 0);
}

TEST_F(ChronoWindow, StaticWaitsForTheButtons) {
    bonpourcreaboutons = 0;
    creechronostatic(window, 30, 375, 50, 15);
    EXPECT_EQ(hbtchrono, nullptr);
}
