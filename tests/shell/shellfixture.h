#pragma once
#include <gtest/gtest.h>

#include "grid/candidatemasks.h"
#include "grid/clagripagebase.h"
#include "platform/beep.h"
#include "platform/messagebox.h"
#include "platform/ticks.h"
#include "shell/builtingrids.h"
#include "shell/chronometre.h"
#include "shell/settingsfile.h"
#include "shell/shellstate.h"

// The shell's state at its defaults with grid 1 in play: a one-hexagon grid of six empty cells on
// page 0, the empty page 1, stepped ticks, recorded tones and message boxes answered by the test.
class ShellTest : public ::testing::Test {
  public:
    static inline clagripagebase pages[2];

  protected:

    static clagripagebase *pageof(std::int16_t index) {
        return index >= 0 && index < 2 ? &pages[index] : nullptr;
    }
    static void setactu(std::int16_t index) { pageactu = index; }
    static inline std::int16_t pageactu = -1;

    void SetUp() override {
        globinitticalcul();
        grilledef("X");
        pages[0].setnom("SHELLTEST");
        pages[0].lignesdef.clear();
        pages[0].lignesdef.padd("X");
        pages[0].metgrillenhexa();
        pages[0].debutdaffichagrille();
        for (std::int16_t i = 1; i <= pages[0].nbcases; ++i)
            pages[0].setcaseval(i, 0);
        dessinlien.page = pageof;
        dessinlien.setgrillactu = setactu;
        pageactu = -1;

        setsteppedticks(1000);
        beeprecorder().recording = true;
        beeprecorder().tones.clear();
        messageboxhook().answer = [](const boxcall &) { return short{answer_ok}; };
        messageboxhook().calls.clear();

        mode = 4;
        grillenjeu = 1;
        globish = 0;
        avechrono = 1;
        cavipozerini = 0;
        boutignore = 0;
        taillechoisie = 40;
        printop = 60;
        prinleft = 60;
        ceprog.set("TIKO101");
        goodname.set("TIKO101");
        fidemopara.set("TIKO101.TXT");
        compidate.set("20261211");
        boutondefaire.clear();
        faireliste.clear();
        valuseram.clear();
        liguser.clear();
        grup.clear();
        for (durelapsed &d : resolutime)
            d.clear();
    }

    void TearDown() override {
        dessinlien = drawinglink{};
        messageboxhook().answer = nullptr;
        messageboxhook().calls.clear();
        beeprecorder().recording = false;
        setrealticks();
    }

    static void remplir(std::int16_t value) {
        for (std::int16_t i = 1; i <= pages[0].nbcases; ++i)
            pages[0].setcaseval(i, value);
    }
};
