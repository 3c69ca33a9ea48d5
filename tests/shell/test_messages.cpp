#include "shellfixture.h"

#include "drawing/devices.h"
#include "shell/commandguard.h"
#include "shell/messages.h"

#include <string>

namespace {

std::string message(std::int16_t number, const char *data = "", const char *extra = "") {
    gstring out;
    createmsg(out, number, data, extra);
    return out.adr();
}

} // namespace

using Messages = ShellTest;

TEST_F(Messages, TextsWithTheirData) {
    globish = 1;
    EXPECT_EQ(message(1, "3"), "Grid #3 is already in use.\n\nReload grid #3 ?");
    EXPECT_EQ(message(4, "3"), "Load Grid #3 ?");
    EXPECT_EQ(message(5, "4"), "Well done, grid #4 is solved!\n\n*** BRAVO ***");
    EXPECT_EQ(message(6, "Lapin", "96"), "Grid: Lapin\n96 cells.");
    EXPECT_EQ(message(8), "Back to the given numbers?");

    globish = 0;
    EXPECT_EQ(message(1, "3"), "La grille n\xB0 3 est d\xE9j\xE0 en jeu.\n\nRecharger la grille n\xB0 3 ?");
    EXPECT_EQ(message(4, "2"), "Charger la grille n\xB0 2 ?");
    EXPECT_EQ(message(5, "4"), "F\xE9licitations, la grille n\xB0 4 est r\xE9solue !\n\n*** BRAVO ***");
    EXPECT_EQ(message(6, "Lapin", "96"), "Grille Lapin\n96 cases.");
    EXPECT_EQ(message(8), "Retour valeurs fixes?");
    // A text longer than the placeholder is not put in.
    EXPECT_NE(message(5, "12345").find("zukv"), std::string::npos);
}

TEST_F(Messages, EveryNumberInBothLanguagesAndNothingOutside) {
    for (char language : {0, 1}) {
        globish = language;
        for (std::int16_t n = 1; n <= 12; ++n) {
            const std::string text = message(n, "1", "6");
            EXPECT_FALSE(text.empty()) << n;
            EXPECT_EQ(text.find('\r'), std::string::npos) << n;
        }
        for (std::int16_t n : {0, 13, -1, 200})
            EXPECT_EQ(message(n, "1"), "") << n;
    }
    globish = 0;
    const std::string francais = message(12);
    globish = 1;
    EXPECT_NE(message(12), francais);
    EXPECT_EQ(message(12).rfind("The rule\n\n", 0), 0u);
}

TEST_F(Messages, OutputMayBeItsOwnData) {
    globish = 1;
    gstring out("7");
    createmsg(out, 4, out.adr());
    EXPECT_STREQ(out.adr(), "Load Grid #7 ?");
}

TEST_F(Messages, BoxesKindsIconsAndAnswers) {
    short answer = answer_yes;
    messageboxhook().answer = [&answer](const boxcall &) { return answer; };
    EXPECT_EQ(winvalider("a", 0), answer_yes);
    winvalider("b", box_iconinformation);
    winboxerreur("c");
    EXPECT_TRUE(winboxouinon("d", 0));
    answer = answer_no;
    EXPECT_FALSE(winboxouinon("e", box_iconstop | box_defbutton2));
    answer = answer_ok;
    EXPECT_TRUE(winboxokcancel("f", box_iconinformation));
    answer = answer_cancel;
    EXPECT_FALSE(winboxokcancel("g", 0));

    const unsigned expected[] = {
        box_ok | box_iconexclamation,
        box_ok | box_iconinformation,
        box_ok | box_iconstop,
        box_yesno | box_iconquestion,
        box_yesno | box_iconstop | box_defbutton2,
        box_okcancel | box_iconinformation,
        box_okcancel | box_iconquestion,
    };
    const auto &calls = messageboxhook().calls;
    ASSERT_EQ(calls.size(), std::size(expected));
    for (std::size_t k = 0; k < calls.size(); ++k) {
        EXPECT_EQ(calls[k].flags, expected[k] | box_systemmodal) << k;
        EXPECT_EQ(calls[k].caption, "TIKO101") << k;
        EXPECT_EQ(calls[k].text, std::string(1, static_cast<char>('a' + k)));
    }
}

TEST_F(Messages, CommandWhileAnotherIsInProgressOnlyBeeps) {
    EXPECT_TRUE(boutonpermis());
    EXPECT_TRUE(beeprecorder().tones.empty());
    boutonbloquer();
    EXPECT_FALSE(boutonpermis());
    ASSERT_EQ(beeprecorder().tones.size(), 2u);
    EXPECT_EQ(beeprecorder().tones[0].frequency, 800);
    EXPECT_EQ(beeprecorder().tones[0].milliseconds, 5);
    EXPECT_EQ(beeprecorder().tones[1].frequency, 1200);
    EXPECT_EQ(beeprecorder().tones[1].milliseconds, 5);
    boutonlaisser();
    boutonlaisser();
    EXPECT_EQ(boutignore, 0);
    EXPECT_TRUE(boutonpermis());
}

TEST_F(Messages, ModesAndRepaintRequests) {
    mgridraw = 0;
    reaffigri();
    EXPECT_EQ(mgridraw, 1);
    mainone = 0;
    pdevactu = nullptr;
    setmode(5);
    EXPECT_EQ(grillactu, 1);
    EXPECT_EQ(ptgriactu, &grilleram[1]);
    EXPECT_EQ(mainone, 1);
    EXPECT_EQ(pdevactu, &fenecrout);
    EXPECT_TRUE(anymode(4, 5));
    EXPECT_FALSE(anymode(4));
    setmode(0);
    EXPECT_FALSE(anymode(0, 4));
    taillechoisie = 50;
    paramdefaut();
    EXPECT_EQ(mode, 1);
    EXPECT_EQ(ptgriactu, &grilleram[0]);
    EXPECT_EQ(casactu, 1);
    EXPECT_EQ(flechaide, 1);
    EXPECT_EQ(effacetout, 1);
    EXPECT_EQ(printaillepix, 50);
    EXPECT_EQ(grilleram[0].taillecase, 50);
    EXPECT_EQ(grilleram[0].taillemillipix, 50);
    EXPECT_EQ(posiregok, 0);
}
