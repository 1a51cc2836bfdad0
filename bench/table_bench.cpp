// Loading and saving an index table of 500 months by 34 columns.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "core/tables/string_grid.hpp"
#include "core/tables/table_file.hpp"

namespace {

constexpr int kRows = 500;
constexpr int kCols = 34;

core::StringGrid makeTable() {
    core::StringGrid g(kCols, kRows);
    for (int c = 0; c < kCols; ++c) g.setCell(c, 0, "Coluna " + std::to_string(c));
    for (int r = 1; r < kRows; ++r) {
        int month = (r - 1) % 12 + 1, year = 1964 + (r - 1) / 12;
        std::string text = std::to_string(month);
        if (month < 10) text.insert(0, 1, '0');
        g.setCell(0, r, text + "/" + std::to_string(year));
        for (int c = 1; c < kCols; ++c) g.setCell(c, r, "1.234,567890" + std::to_string(c));
    }
    return g;
}

std::string benchPath() {
    return (std::filesystem::temp_directory_path() / "expurgos_table_bench.tab").string();
}

void BM_TableSave(benchmark::State& state) {
    const core::StringGrid g = makeTable();
    const std::string path = benchPath();
    for (auto _ : state) core::SaveToFile(path, g);
    std::filesystem::remove(path);
}
BENCHMARK(BM_TableSave);

void BM_TableLoad(benchmark::State& state) {
    const std::string path = benchPath();
    core::SaveToFile(path, makeTable());
    for (auto _ : state) {
        core::StringGrid g(8, 2);
        core::resetAndLoad(path, g);
        benchmark::DoNotOptimize(g);
    }
    std::filesystem::remove(path);
}
BENCHMARK(BM_TableLoad);

void BM_TableParse(benchmark::State& state) {
    std::string bytes;
    core::Contents2CSV(bytes, '\t', makeTable());
    for (auto _ : state) {
        core::StringGrid g(1, 2);
        core::CSV2Contents(bytes, '\t', g);
        benchmark::DoNotOptimize(g);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(bytes.size()));
}
BENCHMARK(BM_TableParse);

}  // namespace
