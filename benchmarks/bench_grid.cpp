#include <benchmark/benchmark.h>

#include <string>

#include "benchmarks/parallelogram.h"
#include "foundation/lichati.h"
#include "grid/candidatemasks.h"
#include "grid/clagritiko.h"

namespace {

// Sides 4, 8 and 13 give grids of 50, 162 and 392 cells.
void tailles(benchmark::internal::Benchmark *b) {
    b->Arg(4)->Arg(8)->Arg(13);
}

void BM_BuildAndFirstDrawing(benchmark::State &state) {
    globinitticalcul();
    lichati lines;
    parallelogramme(lines, static_cast<int>(state.range(0)));
    std::int16_t cells = 0;
    for (auto _ : state) {
        clagritiko g;
        g.setfromgrivecdef(lines);
        g.debutdaffichagrille();
        cells = g.nbcases;
        benchmark::DoNotOptimize(g.tabcases.data());
    }
    state.counters["cells"] = cells;
}
BENCHMARK(BM_BuildAndFirstDrawing)->Apply(tailles)->Unit(benchmark::kMillisecond);

void BM_CandidatePropagation(benchmark::State &state) {
    globinitticalcul();
    lichati lines;
    parallelogramme(lines, static_cast<int>(state.range(0)));
    clagritiko g;
    g.setfromgrivecdef(lines);
    g.debutdaffichagrille();
    g.ajustepossicase();
    for (auto _ : state) {
        g.ajustepossicase();
        benchmark::DoNotOptimize(g.tabcases.data());
    }
    state.counters["cells"] = g.nbcases;
}
BENCHMARK(BM_CandidatePropagation)->Apply(tailles)->Unit(benchmark::kMicrosecond);

} // namespace
