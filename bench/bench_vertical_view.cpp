// The vertical view on the whole novel in an 800 x 600 view: opening (lazy layout of what is
// shown, the rest estimated), the complete layout, one typed character in the middle with its
// re-layout and repaint, scrolling a screen, and the peak memory.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <algorithm>
#include <fstream>
#include <sstream>
#include <vector>

#include "BenchSupport.h"
#include "controls/TRichEditEx.h"
#include "controls/TVerticalView.h"
#include "core/Cp932.h"

namespace {

const QString& Novel() {
    static const QString text = [] {
        std::ifstream f(ORIMAKI_TESTDATA "/text/wagahai.sjis.txt", std::ios::binary);
        std::stringstream ss;
        ss << f.rdbuf();
        QString t = QString::fromStdString(Cp932::ToUtf8(ss.str()));
        t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        return t;
    }();
    return text;
}

std::unique_ptr<QTextDocument> NovelDocument() {
    auto doc = std::make_unique<QTextDocument>();
    QFont f(QStringLiteral("ＭＳ ゴシック"));
    f.setPixelSize(15);
    doc->setDefaultFont(f);
    doc->setPlainText(Novel());
    return doc;
}

void Paint(TVerticalView& view, QImage& image) {
    image.fill(Qt::white);
    view.viewport()->render(&image);
}

long PeakKb() {
    std::ifstream f("/proc/self/status");
    std::string line;
    while (std::getline(f, line))
        if (line.rfind("VmHWM:", 0) == 0) return std::stol(line.substr(6));
    return 0;
}

double Median(std::vector<double> v) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// Opening: the view lays out what it shows and estimates the rest.
void BM_OpenNovel(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        auto doc = NovelDocument();
        QImage image(800, 600, QImage::Format_RGB32);
        state.ResumeTiming();
        TVerticalView view;
        view.resize(800, 600);
        view.show();
        view.SetDocument(doc.get());
        Paint(view, image);
        benchmark::DoNotOptimize(view.horizontalScrollBar()->maximum());
        state.PauseTiming();
        view.SetDocument(nullptr);
        doc.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenNovel)->Unit(benchmark::kMillisecond)->Iterations(3);

// Every paragraph laid out: exact column count and scroll range.
void BM_FullLayout(benchmark::State& state) {
    bench::TimeFullVerticalLayout(state, [] { return NovelDocument(); });
}
BENCHMARK(BM_FullLayout)->Unit(benchmark::kMillisecond)->Iterations(3);

// One character typed in the middle of the novel: re-layout of its paragraph and a repaint.
// The middle of the novel falls in its longest paragraph (about 11,000 characters). With the
// argument 1 a hidden QTextEdit shares the document, as in TRichEditEx, and its horizontal
// re-layout of that paragraph is included.
void BM_InsertAndRepaint(benchmark::State& state) {
    auto doc = NovelDocument();
    std::unique_ptr<QTextEdit> horizontal;
    if (state.range(0) == 1) {
        horizontal = std::make_unique<QTextEdit>();
        horizontal->setDocument(doc.get());
        horizontal->resize(800, 600);
    }
    TVerticalView view;
    view.resize(800, 600);
    view.show();
    view.SetDocument(doc.get());
    view.LineCount();
    view.SetPosition(doc->characterCount() / 2);
    QImage image(800, 600, QImage::Format_RGB32);
    Paint(view, image);
    std::vector<double> ms;
    QElapsedTimer t;
    for (auto _ : state) {
        t.start();
        QTextCursor c = view.TextCursor();
        c.insertText(QStringLiteral("猫"));
        view.SetTextCursor(c);
        Paint(view, image);
        ms.push_back(t.nsecsElapsed() / 1e6);
    }
    state.counters["median_ms"] = Median(ms);
    state.counters["paragraph_chars"] = view.TextCursor().block().length();
}
BENCHMARK(BM_InsertAndRepaint)->Unit(benchmark::kMillisecond)->Iterations(200)->Arg(0)->Arg(1);

// The same insert as the program makes it: a TRichEditEx switched to vertical, whose hidden
// horizontal edit shares the document (parked while the view is vertical).
void BM_InsertAndRepaintRichEdit(benchmark::State& state) {
    TRichEditEx edit;
    QFont f(QStringLiteral("ＭＳ ゴシック"));
    f.setPixelSize(15);
    edit.Document()->setDefaultFont(f);
    edit.resize(800, 600);
    edit.show();
    edit.Document()->setPlainText(Novel());
    edit.SetVertical(true);
    auto* view = qobject_cast<TVerticalView*>(edit.EditWidget());
    if (!view) {
        state.SkipWithError("no vertical view");
        return;
    }
    view->LineCount();
    view->SetPosition(edit.Document()->characterCount() / 2);
    QApplication::processEvents();
    QImage image(800, 600, QImage::Format_RGB32);
    Paint(*view, image);
    std::vector<double> ms;
    QElapsedTimer t;
    for (auto _ : state) {
        t.start();
        QTextCursor c = view->TextCursor();
        c.insertText(QStringLiteral("猫"));
        view->SetTextCursor(c);
        Paint(*view, image);
        ms.push_back(t.nsecsElapsed() / 1e6);
    }
    state.counters["median_ms"] = Median(ms);
}
BENCHMARK(BM_InsertAndRepaintRichEdit)->Unit(benchmark::kMillisecond)->Iterations(200);

// Scrolling one screen to the left (Page Down's scroll) and painting it.
void BM_ScrollScreen(benchmark::State& state) {
    auto doc = NovelDocument();
    TVerticalView view;
    view.resize(800, 600);
    view.show();
    view.SetDocument(doc.get());
    QImage image(800, 600, QImage::Format_RGB32);
    Paint(view, image);
    QScrollBar* bar = view.horizontalScrollBar();
    std::vector<double> ms;
    QElapsedTimer t;
    for (auto _ : state) {
        t.start();
        if (bar->value() <= bar->minimum())
            bar->setValue(bar->maximum());
        else
            bar->setValue(bar->value() - bar->pageStep());
        Paint(view, image);
        ms.push_back(t.nsecsElapsed() / 1e6);
    }
    state.counters["median_ms"] = Median(ms);
}
BENCHMARK(BM_ScrollScreen)->Unit(benchmark::kMillisecond)->Iterations(300);

// Peak resident memory with the novel open and completely laid out.
void BM_PeakMemory(benchmark::State& state) {
    auto doc = NovelDocument();
    TVerticalView view;
    view.resize(800, 600);
    view.SetDocument(doc.get());
    QImage image(800, 600, QImage::Format_RGB32);
    for (auto _ : state) {
        view.LineCount();
        Paint(view, image);
    }
    state.counters["peak_MB"] = PeakKb() / 1024.0;
}
BENCHMARK(BM_PeakMemory)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

int main(int argc, char** argv) {
    return bench::RunInApplication(argc, argv);
}
