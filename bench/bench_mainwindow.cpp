// The main window: start-up until the window is shown, and Shift-JIS byte positions near the
// end of a whole novel (Natsume Sōseki, 吾輩は猫である, about 750 kB in Shift-JIS).

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextDocument>
#include <memory>

#include "app/OrimakiStartup.h"
#include "app/TOMForm.h"
#include "controls/TRichEditEx.h"
#include "controls/TSjisByteIndex.h"
#include "core/Cp932.h"

namespace {

QString Novel() {
    static QString text;
    if (text.isEmpty()) {
        QFile f(QStringLiteral(ORIMAKI_TESTDATA "/text/wagahai.sjis.txt"));
        if (!f.open(QIODevice::ReadOnly)) return {};
        const QByteArray bytes = f.readAll();
        text = QString::fromStdString(
            Cp932::ToUtf8(std::string_view(bytes.constData(), bytes.size())));
    }
    return text;
}

// Splash, window creation, settings load, first showing, until the window says it is shown.
void BM_StartUpUntilShown(benchmark::State& state) {
    for (auto _ : state) {
        TOMForm* form = OrimakiStartup::Start({}, true);
        QApplication::processEvents();
        benchmark::DoNotOptimize(form->isVisible());
        state.PauseTiming();
        form->RichEditEx1()->SetModified(false);
        delete form;
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartUpUntilShown)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(15);

struct NovelView {
    NovelView() {
        view.resize(800, 600);
        view.SetWordWrap(false);
        view.SetText(Novel());
        index = TSjisByteIndex::For(view.Document());
        total = view.TextLength();
    }
    TRichEditEx view;
    TSjisByteIndex* index = nullptr;
    int total = 0;
};

NovelView& Novel1() {
    static NovelView v;
    return v;
}

// Selection start set and read back near the end of the text.
void BM_SetAndReadSelStartNearEnd(benchmark::State& state) {
    NovelView& n = Novel1();
    int k = 0;
    for (auto _ : state) {
        const int pos = n.total - 1 - (k++ % 1000) * 2;
        n.view.SetSelStart(pos);
        benchmark::DoNotOptimize(n.view.SelStart());
    }
    state.counters["bytes"] = n.total;
    state.counters["paragraphs"] = n.index->ParagraphCount();
}
BENCHMARK(BM_SetAndReadSelStartNearEnd)->Unit(benchmark::kMicrosecond);

// Byte position of a document position and back, near the end.
void BM_ByteIndexQueriesNearEnd(benchmark::State& state) {
    NovelView& n = Novel1();
    const int chars = n.view.Document()->characterCount() - 1;
    int k = 0;
    for (auto _ : state) {
        const int docPos = chars - (k++ % 1000);
        const int b = n.index->ByteOfPosition(docPos);
        benchmark::DoNotOptimize(n.index->PositionOfByte(b));
    }
}
BENCHMARK(BM_ByteIndexQueriesNearEnd)->Unit(benchmark::kMicrosecond);

// Types a character at the start of the document, or deletes the one typed last time, so the
// text returns to the novel after every second call.
void TypeOrDeleteAtStart(QTextCursor& c, bool& insert) {
    c.setPosition(0);
    if (insert)
        c.insertText(QStringLiteral("猫"));
    else
        c.deleteChar();
    insert = !insert;
}

// A character typed at the start of the novel, then a position near the end asked: the index
// re-measures one paragraph and the running sums after it.
void BM_TypeAtStartThenQueryEnd(benchmark::State& state) {
    NovelView& n = Novel1();
    QTextCursor c(n.view.Document());
    bool insert = true;
    for (auto _ : state) {
        TypeOrDeleteAtStart(c, insert);
        benchmark::DoNotOptimize(n.index->ByteOfPosition(n.view.Document()->characterCount() - 1));
    }
}
BENCHMARK(BM_TypeAtStartThenQueryEnd)->Unit(benchmark::kMicrosecond);

// The same edit without the query: what the document and its layout cost by themselves.
void BM_TypeAtStartOnly(benchmark::State& state) {
    NovelView& n = Novel1();
    QTextCursor c(n.view.Document());
    bool insert = true;
    for (auto _ : state) TypeOrDeleteAtStart(c, insert);
}
BENCHMARK(BM_TypeAtStartOnly)->Unit(benchmark::kMicrosecond);

// Display line of a position near the end and the first position of that line.
void BM_LineOfPositionNearEnd(benchmark::State& state) {
    NovelView& n = Novel1();
    int k = 0;
    for (auto _ : state) {
        const int pos = n.total - 1 - (k++ % 1000) * 2;
        const int line = n.view.LineFromChar(pos);
        benchmark::DoNotOptimize(n.view.LineIndex(line));
    }
    state.counters["lines"] = n.view.LineCount();
}
BENCHMARK(BM_LineOfPositionNearEnd)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // Never the user's settings.
    QTemporaryDir settings;
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings.path());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
