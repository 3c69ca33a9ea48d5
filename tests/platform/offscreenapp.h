#pragma once
#include "platform/window.h"

#include <cstdlib>

// The platform started once per test program, headless.
inline void startoffscreen()
{
    static bool started = false;
    if (started)
        return;
    started = true;
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static int argc = 1;
    static char name[] = "platformtest";
    static char* argv[] = {name, nullptr};
    platformstart(argc, argv);
}
