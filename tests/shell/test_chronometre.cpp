#include "shellfixture.h"

#include "shell/messages.h"

#include <string>

namespace {

std::string texte(durelapsed &d) {
    gstring out;
    d.affiduresec(out);
    return out.adr();
}

} // namespace

TEST(Durelapsed, DurationTexts) {
    const struct {
        std::int32_t seconds;
        const char *text;
    } cases[] = {{0, "0s"},         {7, "7s"},          {10, " 10s"},       {59, " 59s"},
                 {65, "1mn 05s"},   {605, "10mn 05s"},  {3599, "59mn 59s"}, {3600, "1h 00mn"},
                 {3725, "1h 02mn"}, {90061, "25h 01mn"}};
    for (const auto &c : cases) {
        durelapsed d;
        d.ajoutsec(c.seconds);
        EXPECT_EQ(texte(d), c.text) << c.seconds;
    }
}

TEST(Durelapsed, StopsKeepWholeSecondsAndRunningTimeCounts) {
    setsteppedticks(5000);
    durelapsed d;
    d.demarrer();
    stepticks(2999);
    EXPECT_EQ(d.getsec(), 2);
    d.suspendre();
    EXPECT_EQ(d.seconds, 2);
    EXPECT_EQ(d.tenths, 29);
    stepticks(60000);
    EXPECT_EQ(d.getsec(), 2);
    // Starting twice counts the first interval once.
    d.demarrer();
    stepticks(1500);
    d.demarrer();
    stepticks(1500);
    d.suspendre();
    EXPECT_EQ(d.getsec(), 4);
    setrealticks();
}

TEST(Durelapsed, TickWrapAndHugeTotalsStayDefined) {
    setsteppedticks(0xFFFFF000u);
    durelapsed d;
    d.demarrer();
    stepticks(10000);
    EXPECT_EQ(d.getsec(), 10);
    d.clear();
    d.ajoutsec(2000000000);
    d.ajoutsec(2000000000);
    EXPECT_EQ(d.getsec(), durelapsed::maxseconds);
    EXPECT_EQ(texte(d), "32767h 59mn");
    d.ajoutsec(-2000000000);
    d.ajoutsec(-2000000000);
    EXPECT_EQ(d.getsec(), 0);
    setrealticks();
}

using Chronometre = ShellTest;

TEST_F(Chronometre, OnlyTheGridInPlayRunsAndASolvedGridStaysStopped) {
    grillenjeu = 2;
    chronometrer(1);
    stepticks(7000);
    EXPECT_EQ(resolutime[2].getsec(), 7);
    EXPECT_EQ(resolutime[1].getsec(), 0);
    grillenjeu = 1;
    chronometrer(1);
    stepticks(3000);
    EXPECT_EQ(resolutime[2].getsec(), 7);
    EXPECT_EQ(resolutime[1].getsec(), 3);

    remplir(1);
    chronometrer(0);
    chronometrer(1);
    stepticks(10000);
    EXPECT_EQ(resolutime[1].getsec(), 3);
}

TEST_F(Chronometre, OffMeansNoCounting) {
    avechrono = 0;
    chronometrer(1);
    stepticks(5000);
    EXPECT_EQ(resolutime[1].getsec(), 0);
    affichronocourt();
    EXPECT_TRUE(grup.isempty());
}

TEST_F(Chronometre, ShownTextIsCentredAndFollowsTheTime) {
    resolutime[1].ajoutsec(7);
    affichronocourt();
    EXPECT_STREQ(grup.adr(), "   7s");
    resolutime[1].ajoutsec(3718);
    affichronocourt();
    EXPECT_STREQ(grup.adr(), " 1h 02mn");
}

TEST_F(Chronometre, ReadingAMessageAddsNoTime) {
    chronometrer(1);
    stepticks(4000);
    messageboxhook().answer = [](const boxcall &) {
        stepticks(10000);
        return short{answer_yes};
    };
    chronometrer(0);
    gstring text;
    createmsg(text, 9);
    EXPECT_TRUE(winboxouinon(text.adr(), 0));
    chronometrer(1);
    stepticks(1000);
    EXPECT_EQ(resolutime[1].getsec(), 5);
}
