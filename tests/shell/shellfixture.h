#pragma once
#include <gtest/gtest.h>

#include "grid/candidatemasks.h"
#include "platform/beep.h"
#include "platform/messagebox.h"
#include "platform/ticks.h"
#include "shell/builtingrids.h"
#include "shell/chronometre.h"
#include "shell/settingsfile.h"
#include "shell/shellstate.h"

// The shell's state at its defaults with grid 1 in play: a one-hexagon grid of six empty cells on
// page 0, stepped ticks, recorded tones and message boxes answered by the test.
class ShellTest : public ::testing::Test {
  protected:
    void SetUp() override {
        globinitticalcul();
        grilledef("X");
        clagripage &page = grilleram[0];
        page.setnom("SHELLTEST");
        page.lignesdef.clear();
        page.lignesdef.padd("X");
        page.metgrillenhexa();
        page.debutdaffichagrille();
        remplir(0);
        grillactu = -1;

        setsteppedticks(1000);
        beeprecorder().recording = true;
        beeprecorder().tones.clear();
        messageboxhook().answer = [](const boxcall &) { return short{answer_ok}; };
        messageboxhook().calls.clear();

        mode = 4;
        reglages(1);
        boutignore = 0;
        ceprog.set("TIKO101");
        goodname.set("TIKO101");
        fidemopara.set("TIKO101.TXT");
        compidate.set("20261211");
        boutondefaire.clear();
        faireliste.clear();
        grup.clear();
    }

    // What a run starts with before its settings file is read, with grid grille in play.
    static void reglages(std::int16_t grille) {
        globish = 0;
        grillenjeu = grille;
        taillechoisie = 40;
        printop = 60;
        prinleft = 60;
        avechrono = 1;
        cavipozerini = 0;
        valuseram.clear();
        liguser.clear();
        for (durelapsed &d : resolutime)
            d.clear();
    }

    void TearDown() override {
        messageboxhook().answer = nullptr;
        messageboxhook().calls.clear();
        beeprecorder().recording = false;
        setrealticks();
    }

    static void remplir(std::int16_t value) {
        for (std::int16_t i = 1; i <= grilleram[0].nbcases; ++i)
            grilleram[0].setcaseval(i, value);
    }
};
