#include <benchmark/benchmark.h>

#include "core/tables/string_grid.hpp"

static void BM_GridFill(benchmark::State& state) {
    for (auto _ : state) {
        core::StringGrid g(34, 500);
        for (int r = 0; r < 500; ++r)
            for (int c = 0; c < 34; ++c) g.setCell(c, r, "1.234,56");
        benchmark::DoNotOptimize(g);
    }
}
BENCHMARK(BM_GridFill);
