#pragma once
// What the window-side benchmarks share: reading a document the way the editor opens it, and a
// main() that runs the benchmarks inside a QApplication (offscreen unless a platform is named).

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTextDocument>

#include "app/DocumentFiles.h"
#include "controls/MessageService.h"
#include "controls/TVerticalView.h"

namespace bench {

// Loads the file at path into doc as the open command does (every question answered Yes).
inline void LoadDocument(QTextDocument& doc, const QString& path) {
    MessageService::SetResponder([](const MessageService::Record&) { return QMessageBox::Yes; });
    DocumentFiles files(&doc, nullptr);
    files.setDocumentPath(path);
    files.Load();
}

// Times laying out every paragraph of the document make() returns in a vertical view (the
// exact column count and scroll range); making and freeing the document are not timed.
template <class MakeDocument>
void TimeFullVerticalLayout(benchmark::State& state, MakeDocument make) {
    int columns = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto doc = make();
        TVerticalView view;
        view.resize(800, 600);
        view.SetDocument(doc.get());
        state.ResumeTiming();
        columns = view.LineCount();
        state.PauseTiming();
        view.SetDocument(nullptr);
        doc.reset();
        state.ResumeTiming();
    }
    state.counters["columns"] = columns;
}

inline int RunInApplication(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

}  // namespace bench
