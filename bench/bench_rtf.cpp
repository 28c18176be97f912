// RTF reading, writing and conversion on the whole novel, with LibreOffice's and unrtf's
// conversions of the same files timed in the same run for comparison (each external run is one
// process, timed from start to end).
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QTextDocument>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "convert/RtfToHtml.h"
#include "convert/YokoHtmlPage.h"
#include "rtf/RtfReader.h"
#include "rtf/RtfWriter.h"

namespace {

const std::string kWagahai = std::string(ORIMAKI_TESTDATA) + "/rtf/libreoffice-wagahai.rtf";

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

const std::string& WagahaiRtf() {
    static const std::string bytes = ReadFile(kWagahai);
    return bytes;
}

// The novel as our writer writes it (also saved for the external tools).
const std::string& OurRtf() {
    static const std::string rtf = [] {
        QTextDocument doc;
        RtfReader::ReadDocument(WagahaiRtf(), doc);
        std::string r = RtfWriter::Write(doc);
        std::ofstream("/tmp/orimaki-bench-ours.rtf", std::ios::binary) << r;
        return r;
    }();
    return rtf;
}

void BM_ReadWagahaiRtf(benchmark::State& state) {
    const std::string& rtf = WagahaiRtf();
    for (auto _ : state) {
        QTextDocument doc;
        RtfReader::ReadDocument(rtf, doc);
        benchmark::DoNotOptimize(doc.characterCount());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(rtf.size()));
}
BENCHMARK(BM_ReadWagahaiRtf)->Unit(benchmark::kMillisecond);

void BM_WriteNovelRtf(benchmark::State& state) {
    QTextDocument doc;
    RtfReader::ReadDocument(WagahaiRtf(), doc);
    std::size_t size = 0;
    for (auto _ : state) {
        std::string rtf = RtfWriter::Write(doc);
        size = rtf.size();
        benchmark::DoNotOptimize(rtf.data());
    }
    state.counters["rtf_bytes"] = double(size);
}
BENCHMARK(BM_WriteNovelRtf)->Unit(benchmark::kMillisecond);

void BM_RtfToHtmlNovel(benchmark::State& state) {
    const std::string& rtf = OurRtf();
    for (auto _ : state) {
        std::string html = RtfToHtml(rtf);
        benchmark::DoNotOptimize(html.data());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(rtf.size()));
}
BENCHMARK(BM_RtfToHtmlNovel)->Unit(benchmark::kMillisecond);

// yoko-html in the process: read the file, write RTF, convert, build the page, save it.
void BM_YokoHtmlEndToEnd(benchmark::State& state) {
    for (auto _ : state) {
        QTextDocument doc;
        RtfReader::ReadDocument(ReadFile(kWagahai), doc);
        const std::string page = YokoHtmlPage::Build(RtfWriter::Write(doc), kWagahai, 0x00FFFFFF);
        std::ofstream("/tmp/orimaki-bench-page.html", std::ios::binary) << page;
    }
}
BENCHMARK(BM_YokoHtmlEndToEnd)->Unit(benchmark::kMillisecond);

// The command-line tool as a process, for the same job.
void BM_YokoHtmlCli(benchmark::State& state) {
    const std::string cmd = std::string(ORIMAKI_BIN "/orimaki-cli yoko-html '") + kWagahai +
                            "' -o /tmp/orimaki-bench-cli.html 2>/dev/null";
    for (auto _ : state) benchmark::DoNotOptimize(std::system(cmd.c_str()));
}
BENCHMARK(BM_YokoHtmlCli)->Unit(benchmark::kMillisecond)->Iterations(3);

// LibreOffice converting the same RTF to text (one soffice process per conversion).
void BM_SofficeToText(benchmark::State& state) {
    if (std::system("command -v soffice >/dev/null 2>&1") != 0) {
        state.SkipWithError("soffice is not installed");
        return;
    }
    const std::string cmd =
        "soffice --headless --convert-to 'txt:Text (encoded):UTF8' --outdir "
        "/tmp/orimaki-bench-lo '" +
        kWagahai + "' >/dev/null 2>&1";
    for (auto _ : state) benchmark::DoNotOptimize(std::system(cmd.c_str()));
}
BENCHMARK(BM_SofficeToText)->Unit(benchmark::kMillisecond)->Iterations(3);

void Unrtf(benchmark::State& state, const std::string& file) {
    if (std::system("command -v unrtf >/dev/null 2>&1") != 0) {
        state.SkipWithError("unrtf is not installed");
        return;
    }
    const std::string cmd = "unrtf --html '" + file + "' >/dev/null 2>&1";
    for (auto _ : state) benchmark::DoNotOptimize(std::system(cmd.c_str()));
}
// unrtf on the RTF our converter reads (the writer's output of the novel) and on LibreOffice's.
void BM_UnrtfHtmlOurRtf(benchmark::State& state) {
    OurRtf();
    Unrtf(state, "/tmp/orimaki-bench-ours.rtf");
}
BENCHMARK(BM_UnrtfHtmlOurRtf)->Unit(benchmark::kMillisecond)->Iterations(3);
void BM_UnrtfHtmlWagahai(benchmark::State& state) {
    Unrtf(state, kWagahai);
}
BENCHMARK(BM_UnrtfHtmlWagahai)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
