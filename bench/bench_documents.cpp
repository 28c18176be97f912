// Opening and saving the whole novel (748,901 bytes of Shift-JIS) as plain text and as rich
// text through the document commands.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTextDocument>

#include "BenchSupport.h"
#include "app/DocumentFiles.h"
#include "controls/MessageService.h"

namespace {

const QString kNovel = QStringLiteral(ORIMAKI_TESTDATA "/text/wagahai.sjis.txt");

struct Fixture {
    QTemporaryDir dir;
    QTextDocument doc;
    DocumentFiles files{&doc, nullptr};
    QString txt = dir.filePath(QStringLiteral("novel.txt"));
    QString rtf = dir.filePath(QStringLiteral("novel.rtf"));
    Fixture() {
        MessageService::SetResponder(
            [](const MessageService::Record&) { return QMessageBox::Yes; });
        QFile::copy(kNovel, txt);
        files.setDocumentPath(txt);
        files.Load();
        files.setDocumentPath(rtf);
        files.setSavedPath(rtf);
        files.Write();
    }
};

Fixture& Shared() {
    static Fixture f;
    return f;
}

void BM_OpenTxt(benchmark::State& state) {
    Fixture& f = Shared();
    for (auto _ : state) {
        f.files.Clear();
        f.files.setDocumentPath(f.txt);
        f.files.Load();
        benchmark::DoNotOptimize(f.doc.characterCount());
    }
}

void BM_SaveTxt(benchmark::State& state) {
    Fixture& f = Shared();
    f.files.Clear();
    f.files.setDocumentPath(f.txt);
    f.files.Load();
    for (auto _ : state) {
        f.doc.setModified(true);
        f.files.Save();
    }
}

void BM_OpenRtf(benchmark::State& state) {
    Fixture& f = Shared();
    for (auto _ : state) {
        f.files.Clear();
        f.files.setDocumentPath(f.rtf);
        f.files.Load();
        benchmark::DoNotOptimize(f.doc.characterCount());
    }
}

void BM_SaveRtf(benchmark::State& state) {
    Fixture& f = Shared();
    f.files.Clear();
    f.files.setDocumentPath(f.rtf);
    f.files.Load();
    for (auto _ : state) {
        f.doc.setModified(true);
        f.files.Save();
    }
}

// The same novel as LibreOffice writes it: 4.4 MB, every Japanese character as \uN.
void BM_OpenLibreOfficeRtf(benchmark::State& state) {
    Fixture& f = Shared();
    for (auto _ : state) {
        f.files.Clear();
        f.files.setDocumentPath(QStringLiteral(ORIMAKI_TESTDATA "/rtf/libreoffice-wagahai.rtf"));
        f.files.Load();
        benchmark::DoNotOptimize(f.doc.characterCount());
    }
}

BENCHMARK(BM_OpenTxt)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveTxt)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenRtf)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveRtf)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenLibreOfficeRtf)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    return bench::RunInApplication(argc, argv);
}
