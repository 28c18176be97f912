// Printing the whole novel to PDF with the page renderer: vertically and horizontally on A4,
// from the RTF that LibreOffice wrote of it (the same file `soffice --convert-to pdf` is timed
// on) and from the Shift-JIS text. Counters: pages, PDF size and the process's peak memory.

#include <benchmark/benchmark.h>

#include <QBuffer>
#include <QTextDocument>
#include <fstream>
#include <string>

#include "BenchSupport.h"
#include "print/TPdfExport.h"

namespace {

// The process's peak resident memory in MB (VmHWM).
double PeakMb() {
    std::ifstream f("/proc/self/status");
    std::string line;
    while (std::getline(f, line))
        if (line.rfind("VmHWM:", 0) == 0) return std::stod(line.substr(6)) / 1024.0;
    return 0;
}

void PrintNovel(benchmark::State& state, const char* file, bool vertical) {
    QTextDocument doc;
    bench::LoadDocument(doc, QStringLiteral(ORIMAKI_TESTDATA "/") + QString::fromLatin1(file));
    int pages = 0;
    qint64 bytes = 0;
    for (auto _ : state) {
        QBuffer out;
        out.open(QIODevice::WriteOnly);
        TPdfExport::Options o;
        o.vertical = vertical;
        o.title = QStringLiteral("吾輩は猫である");
        pages = TPdfExport::Write(doc, o, &out);
        bytes = out.size();
    }
    state.counters["pages"] = pages;
    state.counters["pdf_MB"] = double(bytes) / 1e6;
    state.counters["peak_MB"] = PeakMb();
}

void BM_NovelRtfVertical(benchmark::State& s) {
    PrintNovel(s, "rtf/libreoffice-wagahai.rtf", true);
}
void BM_NovelRtfHorizontal(benchmark::State& s) {
    PrintNovel(s, "rtf/libreoffice-wagahai.rtf", false);
}
void BM_NovelTextVertical(benchmark::State& s) {
    PrintNovel(s, "text/wagahai.sjis.txt", true);
}

BENCHMARK(BM_NovelRtfVertical)->Unit(benchmark::kSecond)->Iterations(1);
BENCHMARK(BM_NovelRtfHorizontal)->Unit(benchmark::kSecond)->Iterations(1);
BENCHMARK(BM_NovelTextVertical)->Unit(benchmark::kSecond)->Iterations(1);

}  // namespace

int main(int argc, char** argv) {
    return bench::RunInApplication(argc, argv);
}
