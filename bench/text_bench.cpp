#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>
#include <vector>

#include "core/text/numbers.hpp"

namespace {

constexpr std::size_t kAmounts = 1'000'000;

// A million amounts between 0,01 and about 10 million, with cents and beyond.
const std::vector<long double>& amounts() {
    static const std::vector<long double> values = [] {
        std::vector<long double> v;
        v.reserve(kAmounts);
        std::uint64_t x = 88172645463325252ULL;
        for (std::size_t i = 0; i < kAmounts; ++i) {
            x ^= x << 13;
            x ^= x >> 7;
            x ^= x << 17;
            v.push_back(static_cast<long double>(x % 1'000'000'000'000ULL) / 100000);
        }
        return v;
    }();
    return values;
}

const std::vector<std::string>& amountTexts() {
    static const std::vector<std::string> texts = [] {
        std::vector<std::string> t;
        t.reserve(kAmounts);
        for (long double v : amounts()) t.push_back(core::formatfloatx("#,##0.00", v));
        return t;
    }();
    return texts;
}

void BM_FormatMillionAmounts(benchmark::State& state) {
    const auto& values = amounts();
    for (auto _ : state) {
        for (long double v : values) benchmark::DoNotOptimize(core::formatfloatx("#,##0.00", v));
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * values.size()));
}
BENCHMARK(BM_FormatMillionAmounts)->Unit(benchmark::kMillisecond);

void BM_FormatMillionFactors(benchmark::State& state) {
    const auto& values = amounts();
    for (auto _ : state) {
        for (long double v : values)
            benchmark::DoNotOptimize(core::formatfloatx("#,##0.00##############", v));
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * values.size()));
}
BENCHMARK(BM_FormatMillionFactors)->Unit(benchmark::kMillisecond);

void BM_ParseMillionAmounts(benchmark::State& state) {
    const auto& texts = amountTexts();
    for (auto _ : state) {
        long double sum = 0;
        for (const auto& t : texts) sum += core::RemovePonto(t);
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * texts.size()));
}
BENCHMARK(BM_ParseMillionAmounts)->Unit(benchmark::kMillisecond);

}  // namespace
