// Find and replace on the whole novel through a view: find next of a phrase near its end, and
// replace all of 「の」 (one edit block, as one undo step) in a shown horizontal or vertical view.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include "BenchSupport.h"
#include "app/DocumentFiles.h"
#include "controls/MessageService.h"
#include "controls/TRichEditEx.h"
#include "editing/TFindRules.h"
#include "editing/TViewFindTarget.h"

namespace {

const QString kNovel = QStringLiteral(ORIMAKI_TESTDATA "/text/wagahai.sjis.txt");

void Load(QTextDocument& doc) {
    bench::LoadDocument(doc, kNovel);
}

void BM_FindNextNearTheEnd(benchmark::State& state) {
    QTextDocument doc;
    Load(doc);
    TRichEditEx view;
    view.SetDocument(&doc);
    TViewFindTarget target(view);
    // The last paragraph's text, searched from the top.
    const QString phrase = doc.lastBlock().previous().text().left(8);
    for (auto _ : state) {
        TFindState s;
        s.findText = phrase;
        view.SetSelection(0, 0);
        if (!TFindRules::FindNext(target, s)) state.SkipWithError("not found");
    }
    state.counters["at"] = view.SelStart();
}

void BM_ReplaceAllNo(benchmark::State& state) {
    QTextDocument doc;
    TRichEditEx view;
    view.SetDocument(&doc);
    view.SetVertical(state.range(0) == 1);
    view.resize(800, 600);
    view.show();
    TViewFindTarget target(view);
    int count = 0;
    for (auto _ : state) {
        state.PauseTiming();
        Load(doc);
        QApplication::processEvents();
        view.SetSelection(0, 0);
        state.ResumeTiming();
        TFindState s;
        s.findText = QStringLiteral("の");
        s.replaceText = QStringLiteral("ノ");
        QTextCursor block(&doc);
        block.beginEditBlock();
        count = TFindRules::ReplaceAll(target, s);
        block.endEditBlock();
        QApplication::processEvents();
    }
    state.counters["replaced"] = count;
}

BENCHMARK(BM_FindNextNearTheEnd)->Unit(benchmark::kMillisecond);
// Argument: horizontal (0) or vertical (1) view.
BENCHMARK(BM_ReplaceAllNo)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

int main(int argc, char** argv) {
    return bench::RunInApplication(argc, argv);
}
