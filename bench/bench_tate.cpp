// Vertical generation over the whole novel: every HTML method and vertical text, with the text
// wrapped at 40 characters, once and four times over (the time must grow linearly).
// Reports seconds per run, the output size and the process's peak memory so far.

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <fstream>
#include <iterator>
#include <string>

#include "core/Cp932.h"
#include "vertical/TateEngine.h"
#include "vertical/TateSettingsReader.h"
#include "vertical/TateSource.h"

namespace {

const std::string& Novel() {
    static const std::string text = [] {
        std::ifstream f(ORIMAKI_TESTDATA "/text/wagahai.sjis.txt", std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
    }();
    return text;
}

TateSource Source(int repeat) {
    std::string text;
    for (int i = 0; i < repeat; ++i) {
        if (i) text += "\r\n";
        text += Novel();
    }
    TateFormat f;
    f.name = Cp932::ToSjis("ＭＳ Ｐゴシック");
    f.size = 11;
    return TateSource::FromPlainText(text, f, 40);
}

double PeakMegabytes() {
    struct rusage ru {};
    getrusage(RUSAGE_SELF, &ru);
    return static_cast<double>(ru.ru_maxrss) / 1024.0;
}

// state.range(0): method 0-4, 5 = vertical text; state.range(1): how many copies of the novel.
void BM_Tate(benchmark::State& state) {
    const int method = static_cast<int>(state.range(0));
    const TateSource source = Source(static_cast<int>(state.range(1)));
    TateSettings s;
    if (method == 5) {
        s = TateSettingsReader::FromTextDialog(TateTextDialogValues{});
    } else {
        TateWarnings w;
        s = TateSettingsReader::FromHtmlDialog(TateHtmlDialogValues{}, method, w);
    }
    std::size_t bytes = 0;
    for (auto _ : state) {
        TateEngine::Result r = TateEngine::Run(source, s, static_cast<TateMethod>(method));
        if (r.status != TateEngine::Status::Completed) state.SkipWithError("run failed");
        bytes = r.output.size();
        benchmark::DoNotOptimize(r.output.data());
    }
    state.counters["lines"] = static_cast<double>(source.LineCount());
    state.counters["output_MB"] = static_cast<double>(bytes) / 1e6;
    state.counters["peak_MB"] = PeakMegabytes();
}

void BM_PlainTextSource(benchmark::State& state) {
    for (auto _ : state) {
        TateSource s = Source(static_cast<int>(state.range(0)));
        benchmark::DoNotOptimize(s.LineCount());
    }
    state.counters["peak_MB"] = PeakMegabytes();
}

}  // namespace

BENCHMARK(BM_Tate)
    ->ArgNames({"method", "copies"})
    ->ArgsProduct({{0, 1, 2, 3, 4, 5}, {1, 4}})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainTextSource)->Arg(1)->Arg(4)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
