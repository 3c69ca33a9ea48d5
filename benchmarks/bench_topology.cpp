#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

#include "foundation/lichati.h"
#include "lattice/topology.h"

namespace {

// The hexagons within r steps of the origin: 6 (r + 1)^2 cells.
void blob(lichati &hexagons, int r) {
    hexagons.clear();
    for (int a = -r; a <= r; ++a) {
        for (int b = -r; b <= r; ++b) {
            if (std::abs(a + b) > r)
                continue;
            const std::string centre = std::string(static_cast<std::size_t>(std::abs(a)), a > 0 ? 'A' : 'D') +
                                       std::string(static_cast<std::size_t>(std::abs(b)), b > 0 ? 'B' : 'E');
            hexagons.padd(centre.c_str());
        }
    }
}

// Radii 3, 6 and 12 give grids of 96, 294 and 1014 cells.
void BM_EveryTopologyList(benchmark::State &state) {
    globinittikotopo();
    lichati declared;
    blob(declared, static_cast<int>(state.range(0)));
    std::int16_t cells = 0;
    for (auto _ : state) {
        lichati hexagons, cellist, partial, points, neighbours, inner, outline, holes, exterior;
        hexagons.mergekeep(declared);
        hexagons.trikilldoubles();
        topocompletecases(cellist, hexagons);
        topoajoutcompartiels(hexagons, partial, cellist);
        topocalculipoint(points, cellist);
        toponouvoisidouze(neighbours, cellist, hexagons, partial);
        topocontourtritop(hexagons, inner, outline);
        topocasesautourgri(holes, exterior, cellist, hexagons);
        cells = cellist.effectif();
        benchmark::DoNotOptimize(exterior.head);
    }
    state.counters["cells"] = cells;
}
BENCHMARK(BM_EveryTopologyList)->Arg(3)->Arg(6)->Arg(12)->Unit(benchmark::kMillisecond);

} // namespace
