// Undo snapshots of the whole novel (377k characters): taking one, restoring one into the
// document alone and into a shown horizontal or vertical view (after a word was typed, and
// after the document was emptied), for the plain text and for the novel as LibreOffice's
// RTF (a font and size on every run). A deep copy of the document is measured beside them as
// the form the snapshots avoid.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QTextCursor>
#include <QTextDocument>

#include "BenchSupport.h"
#include "app/DocumentFiles.h"
#include "controls/MessageService.h"
#include "controls/TRichEditEx.h"
#include "editing/TDocumentSnapshot.h"
#include "editing/TViewSnapshot.h"

namespace {

const QString kNovel = QStringLiteral(ORIMAKI_TESTDATA "/text/wagahai.sjis.txt");
const QString kNovelRtf = QStringLiteral(ORIMAKI_TESTDATA "/rtf/libreoffice-wagahai.rtf");

void Load(QTextDocument& doc, const QString& path) {
    bench::LoadDocument(doc, path);
}

QTextDocument& Novel(int rtf) {
    static QTextDocument plain;
    static QTextDocument formatted;
    QTextDocument& d = rtf ? formatted : plain;
    if (d.isEmpty()) Load(d, rtf ? kNovelRtf : kNovel);
    return d;
}

void BM_Snapshot(benchmark::State& state) {
    QTextDocument& doc = Novel(int(state.range(0)));
    for (auto _ : state) {
        TDocumentSnapshot s = TDocumentSnapshot::Capture(doc);
        benchmark::DoNotOptimize(s);
    }
    state.counters["chars"] = doc.characterCount();
    state.counters["blocks"] = doc.blockCount();
}

void BM_DeepCopy(benchmark::State& state) {
    QTextDocument& doc = Novel(int(state.range(0)));
    for (auto _ : state) {
        std::unique_ptr<QTextDocument> copy(doc.clone());
        benchmark::DoNotOptimize(copy);
    }
}

// What the restore has to undo: a word typed in the middle of the novel (the usual undo), or
// the whole text (the document was emptied).
enum EditKind { kTyped = 0, kEmptied = 1 };

void Edit(QTextDocument& doc, int edit) {
    QTextCursor c(&doc);
    if (edit == kEmptied) {
        c.select(QTextCursor::Document);
        c.removeSelectedText();
        return;
    }
    c.setPosition(doc.characterCount() / 2);
    c.insertText(QStringLiteral("書き足した言葉"));
}

void BM_RestoreDocument(benchmark::State& state) {
    QTextDocument& doc = Novel(int(state.range(0)));
    const TDocumentSnapshot s = TDocumentSnapshot::Capture(doc);
    QTextDocument target;
    s.RestoreInto(&target);
    for (auto _ : state) {
        state.PauseTiming();
        Edit(target, int(state.range(1)));
        state.ResumeTiming();
        s.RestoreInto(&target);
    }
}

// The view shows the novel (horizontally, or vertically when range(2) is 1); each round changes
// it, lets the view lay the change out, and times the restore with the view's relayout.
void BM_RestoreView(benchmark::State& state) {
    QTextDocument& doc = Novel(int(state.range(0)));
    TSnapshotEntry e;
    e.document = TDocumentSnapshot::Capture(doc);
    e.selStart = 300000;
    e.firstVisibleLine = 2000;
    QTextDocument target;
    TRichEditEx view;
    view.SetDocument(&target);
    view.SetVertical(state.range(2) == 1);
    view.resize(800, 600);
    view.show();
    TViewSnapshot::Restore(view, e);
    QApplication::processEvents();
    for (auto _ : state) {
        state.PauseTiming();
        Edit(target, int(state.range(1)));
        QApplication::processEvents();
        state.ResumeTiming();
        TViewSnapshot::Restore(view, e);
        QApplication::processEvents();
    }
}

BENCHMARK(BM_Snapshot)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DeepCopy)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
// Arguments: plain (0) or RTF (1) novel; typed (0) or emptied (1); horizontal (0) or vertical (1).
BENCHMARK(BM_RestoreDocument)
    ->ArgsProduct({{0, 1}, {kTyped, kEmptied}})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RestoreView)
    ->ArgsProduct({{0, 1}, {kTyped, kEmptied}, {0, 1}})
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    return bench::RunInApplication(argc, argv);
}
