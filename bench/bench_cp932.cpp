// Encoding to code page 932 through iconv: text that code page 932 holds wholly, and text in
// which every other character cannot be held (each reported and written as '?'), at growing
// lengths, to show the cost per character staying flat.

#include <benchmark/benchmark.h>

#include <string>

#include "core/Cp932.h"

namespace {

// n characters: kana only, or kana alternating with "é" (not in code page 932).
std::string Text(int n, bool unmappable) {
    std::string s;
    for (int i = 0; i < n; ++i) s += (unmappable && i % 2) ? "\xC3\xA9" : "\xE3\x81\x82";
    return s;
}

void BM_Encode(benchmark::State& state) {
    const std::string text = Text(int(state.range(0)), state.range(1) == 1);
    std::size_t unmappable = 0;
    for (auto _ : state) {
        const Cp932::EncodeResult r = Cp932::Encode(text);
        unmappable = r.unmappable.size();
        benchmark::DoNotOptimize(r.bytes.data());
    }
    state.counters["unmappable"] = double(unmappable);
}

// Arguments: characters; all mappable (0) or every other one unmappable (1).
BENCHMARK(BM_Encode)->ArgsProduct({{10000, 50000, 400000}, {0, 1}})->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
