#include <benchmark/benchmark.h>

#include <algorithm>
#include <optional>

#include "benchmarks/parallelogram.h"
#include "drawing/mousecursors.h"
#include "drawing/offscreenlayers.h"
#include "tests/drawing/gridscene.h"

namespace {

constexpr colour bleu = rgb(0, 0, 255);

// The side of a square surface around the grid of parallelogram side k at a cell size.
std::int16_t cote(const lichati &lines, std::int16_t size) {
    globinitticalcul();
    clagritiko g;
    g.setfromgrivecdef(lines);
    g.settaillepix(size);
    g.debutdaffichagrille();
    cadrepix frame;
    g.posicadremax(frame);
    return static_cast<std::int16_t>(std::max(frame.right - frame.left, frame.top - frame.bottom) + 20);
}

// A parallelogram grid centred on a surface just large enough, with layers of that surface's size.
class scenebench {
  public:
    lichati lines;
    std::int16_t cells = 0;
    std::optional<gridscene> scene;

    scenebench(int k, std::int16_t size) {
        parallelogramme(lines, k);
        const std::int16_t side = cote(lines, size);
        scene.emplace(lines, size, side);
        clagripage &page = scene->page;
        cadrepix frame;
        page.posicadremax(frame);
        cladevout &device = scene->surface.device;
        page.posgrillex = -device.apixtommx(static_cast<std::int16_t>((frame.left + frame.right) / 2));
        page.posgrilley = -device.apixtommy(static_cast<std::int16_t>((frame.top + frame.bottom) / 2));
        page.setlocagrille(device);
        cells = page.nbcases;
        killfenetrefond();
        creafenetrefondtaille(side, side);
    }
    ~scenebench() { killfenetrefond(); }

    void avantplan() {
        scene->page.dessingrifin(scene->surface.device, 0, bleu, bleu);
        scene->page.setlocagrille(scene->surface.device);
    }
};

// Sides 4, 8 and 13: 50, 162 and 392 cells, at size 40.
void BM_BothLayers(benchmark::State &state) {
    scenebench bench(static_cast<int>(state.range(0)), 40);
    for (auto _ : state) {
        bench.scene->page.dessingrifond(bench.scene->surface.device, 0, bleu, bleu);
        bench.avantplan();
    }
    state.counters["cells"] = bench.cells;
}
BENCHMARK(BM_BothLayers)->Arg(4)->Arg(8)->Arg(13)->Unit(benchmark::kMillisecond);

// Side 9: 200 cells, about the largest built-in grid, at sizes 40 and 70.
void tailles(benchmark::internal::Benchmark *b) {
    b->Args({9, 40})->Args({9, 70});
}

void BM_BackgroundLayer(benchmark::State &state) {
    scenebench bench(static_cast<int>(state.range(0)), static_cast<std::int16_t>(state.range(1)));
    for (auto _ : state) {
        bench.scene->page.dessingrifond(bench.scene->surface.device, 0, bleu, bleu);
        bench.scene->surface.device.locapop();
        sablierfin();
    }
    state.counters["cells"] = bench.cells;
}
BENCHMARK(BM_BackgroundLayer)->Apply(tailles)->Unit(benchmark::kMillisecond);

void BM_ForegroundLayer(benchmark::State &state) {
    scenebench bench(static_cast<int>(state.range(0)), static_cast<std::int16_t>(state.range(1)));
    for (auto _ : state)
        bench.avantplan();
    state.counters["cells"] = bench.cells;
}
BENCHMARK(BM_ForegroundLayer)->Apply(tailles)->Unit(benchmark::kMillisecond);

// A paint with the background layer cached: the full picture made from it, the foreground drawn
// on it, the result copied to the surface.
void BM_FullPaint(benchmark::State &state) {
    scenebench bench(static_cast<int>(state.range(0)), static_cast<std::int16_t>(state.range(1)));
    gridscene &scene = *bench.scene;
    for (auto _ : state) {
        peinturecouches paint = ouvrecouches(nullptr, 0, scene.page, scene.surface.device);
        bench.avantplan();
        fermecouches(paint, scene.surface.device);
    }
    state.counters["cells"] = bench.cells;
}
BENCHMARK(BM_FullPaint)->Apply(tailles)->Unit(benchmark::kMillisecond);

} // namespace
