#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>

#include "platform/messagebox.h"
#include "shell/playinput.h"
#include "tests/shell/gamedriver.h"

namespace {

// Start-up (the platform, the window, the grid) to the first painted window, measured once: the
// window can be made only once per process. In an empty folder, so no settings file is read.
double demarrage() {
    static double seconds = -1;
    if (seconds >= 0)
        return seconds;
    messageboxhook().answer = [](const boxcall &) { return short{answer_yes}; };
    const auto start = std::chrono::steady_clock::now();
    if (!jeuaffiche("tikobench"))
        std::abort();
    paintnow(hwndmainwin);
    seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return seconds;
}

// An empty cell of the grid in play and a number it allows.
std::int16_t casevide(std::int16_t &allowed) {
    clagripage &page = grilleram[0];
    page.ajustepossicase();
    for (std::int16_t c = 1; c <= page.nbcases; ++c) {
        if (page.getcaseval(c) != 0)
            continue;
        for (std::int16_t v = 1; v <= 6; ++v)
            if (page.isautorisee(c, v)) {
                allowed = v;
                return c;
            }
    }
    return 0;
}

void BM_StartUpToFirstPaint(benchmark::State &state) {
    for (auto _ : state)
        state.SetIterationTime(demarrage());
}
BENCHMARK(BM_StartUpToFirstPaint)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);

// A click placing a number in an empty cell, and the paint that shows it; the value is taken
// back between iterations.
void BM_ClickToPainted(benchmark::State &state) {
    demarrage();
    std::int16_t allowed = 0;
    const std::int16_t cell = casevide(allowed);
    if (cell == 0) {
        state.SkipWithError("no empty cell");
        return;
    }
    nombreclic(allowed);
    for (auto _ : state) {
        cliccase(cell);
        paintnow(hwndmainwin);
        state.PauseTiming();
        commande(8);
        paintnow(hwndmainwin);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ClickToPainted)->Unit(benchmark::kMillisecond);

// A grid button: the grid loaded, its layers rebuilt and the window painted; grids 1 to 5 in turn.
void BM_GridButtonToPainted(benchmark::State &state) {
    demarrage();
    constexpr std::uint16_t boutons[] = {33, 30, 32, 31, 29};
    int i = 0;
    for (auto _ : state) {
        commande(boutons[i++ % 5]);
        paintnow(hwndmainwin);
    }
}
BENCHMARK(BM_GridButtonToPainted)->Unit(benchmark::kMillisecond);

} // namespace
