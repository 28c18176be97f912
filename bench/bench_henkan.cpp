// Speed of the width, case and line-end conversions over a whole novel (about 750 KB of
// Shift-JIS), next to glibc iconv decoding the same file: in process (Cp932::Decode) and as the
// `iconv -f CP932 -t UTF-8` command. All figures are wall-clock time; bytes/s is input bytes.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>

#include "core/CharCount.h"
#include "core/Cp932.h"
#include "core/HenkanJ.h"

namespace {

#define NOVEL_PATH ORIMAKI_TESTDATA "/text/wagahai.sjis.txt"

const std::string& Novel() {
    static const std::string text = [] {
        std::ifstream f(NOVEL_PATH, std::ios::binary);
        std::string s{std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
        if (s.empty()) throw std::runtime_error("cannot read " NOVEL_PATH);
        return s;
    }();
    return text;
}

// The novel with its kana and full-width Latin made half-width: the hardest input for HanToZen
// (voiced marks to join, every byte a look-up).
const std::string& HalfWidthNovel() {
    static const std::string text = ZenToHan(Novel());
    return text;
}

template <std::string (*Fn)(std::string_view)>
void Convert(benchmark::State& state, const std::string& in) {
    for (auto _ : state) {
        std::string out = Fn(in);
        benchmark::DoNotOptimize(out.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(in.size()));
}

void BM_HanToZen(benchmark::State& s) {
    Convert<HanToZen>(s, Novel());
}
void BM_ZenToHan(benchmark::State& s) {
    Convert<ZenToHan>(s, Novel());
}
void BM_HanToZen_HalfWidthNovel(benchmark::State& s) {
    Convert<HanToZen>(s, HalfWidthNovel());
}
void BM_HanKanaToZen_HalfWidthNovel(benchmark::State& s) {
    Convert<HanKanaToZen>(s, HalfWidthNovel());
}
void BM_SjisToUpper(benchmark::State& s) {
    Convert<SjisToUpper>(s, Novel());
}
void BM_RestoreLineEnds(benchmark::State& s) {
    Convert<RestoreLineEnds>(s, Novel());
}

void BM_CharCount(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(CharCount::Count(Novel()));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(Novel().size()));
}

// glibc iconv in this process, the same converter the program uses for CP932.
void BM_IconvInProcess(benchmark::State& state) {
    for (auto _ : state) {
        auto d = Cp932::Decode(Novel());
        benchmark::DoNotOptimize(d.utf8.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(Novel().size()));
}

// The iconv command on the file, output thrown away (process start included).
void BM_IconvCommand(benchmark::State& state) {
    const std::string cmd = "iconv -f CP932 -t UTF-8 '" NOVEL_PATH "' > /dev/null";
    for (auto _ : state) {
        if (std::system(cmd.c_str()) != 0) {
            state.SkipWithError("iconv failed");
            break;
        }
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(Novel().size()));
}

}  // namespace

BENCHMARK(BM_HanToZen)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(BM_ZenToHan)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(BM_HanToZen_HalfWidthNovel)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(BM_HanKanaToZen_HalfWidthNovel)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(BM_SjisToUpper)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(BM_RestoreLineEnds)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(BM_CharCount)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(BM_IconvInProcess)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(BM_IconvCommand)->Unit(benchmark::kMicrosecond)->UseRealTime();

BENCHMARK_MAIN();
