// Generating from the main window: the whole novel (Natsume Sōseki, 吾輩は猫である, about 750 kB
// in Shift-JIS) in the vertical view of a 1000 x 480 window, each of the five HTML methods and
// the vertical text, every dialog answered OK. Besides the time, each run reports the longest
// stretch without handling events (how long the window stops answering), the messages shown and
// the size of the page written.

#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>

#include "app/TOMForm.h"
#include "controls/MessageService.h"
#include "controls/TRichEditEx.h"

namespace {

// The novel opened from a temporary folder (the pages are written beside it).
struct NovelWindow {
    NovelWindow() {
        QDir::setCurrent(folder.path());
        document = folder.filePath(QStringLiteral("wagahai.txt"));
        QFile::copy(QStringLiteral(ORIMAKI_TESTDATA "/text/wagahai.sjis.txt"), document);
        form = new TOMForm({document});
        form->show();
        form->Action(QStringLiteral("TateModeM"))->trigger();
        form->resize(1000, 480);
        QApplication::processEvents();
        form->SetGenerationDialogHook([](QDialog& d) {
            auto* ok = d.findChild<QPushButton*>(QStringLiteral("OKBtn"));
            if (!ok) ok = d.findChild<QPushButton*>(QStringLiteral("BitBtn1"));
            if (ok) ok->click();
            return d.result();
        });
    }
    ~NovelWindow() {
        form->RichEditEx1()->SetModified(false);
        delete form;
    }
    QTemporaryDir folder;
    QString document;
    TOMForm* form = nullptr;
};

NovelWindow* window = nullptr;

void BM_GenerateNovel(benchmark::State& state) {
    const int method = int(state.range(0));
    const QString command =
        method == 5 ? QStringLiteral("TateTextM") : QStringLiteral("THTML%1").arg(method);
    qint64 longest = 0;
    for (auto _ : state) {
        MessageService::ClearHistory();
        QElapsedTimer gap;
        bool started = false;
        QTimer tick;
        QObject::connect(&tick, &QTimer::timeout, [&] {
            if (started) longest = std::max(longest, gap.elapsed());
            started = true;
            gap.restart();
        });
        tick.start(0);
        window->form->Action(command)->trigger();
        tick.stop();
    }
    state.counters["longest_without_events_ms"] = double(longest);
    state.counters["messages"] = double(MessageService::History().size());
    for (const auto& r : MessageService::History())
        std::fprintf(stderr, "method %d: %s\n", method, r.text.toStdString().c_str());
    state.counters["page_bytes"] = double(
        QFileInfo(QDir(window->folder.path()).filePath(QStringLiteral("wagahai.html"))).size());
}
BENCHMARK(BM_GenerateNovel)
    ->DenseRange(0, 5)
    ->ArgName("method")
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // Never the user's settings; message boxes answered without showing them.
    QStandardPaths::setTestModeEnabled(true);
    QTemporaryDir settings;
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings.path());
    MessageService::SetResponder([](const MessageService::Record& r) {
        if (r.buttons & QMessageBox::Cancel) return QMessageBox::Cancel;
        if (r.buttons & QMessageBox::No) return QMessageBox::No;
        return QMessageBox::Ok;
    });
    benchmark::Initialize(&argc, argv);
    if (!QFile::exists(QStringLiteral(ORIMAKI_TESTDATA "/text/wagahai.sjis.txt"))) {
        std::fprintf(stderr, "the novel is missing: %s\n",
                     ORIMAKI_TESTDATA "/text/wagahai.sjis.txt");
        return 1;
    }
    window = new NovelWindow;
    TRichEditEx* view = window->form->RichEditEx1();
    int longestColumn = 0;
    for (int i = 0; i + 1 < view->LineCount(); ++i)
        longestColumn = std::max(longestColumn, view->LineIndex(i + 1) - view->LineIndex(i));
    std::printf("display lines: %d, longest column: %d bytes\n", view->LineCount(), longestColumn);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    delete window;
    MessageService::SetResponder({});
    return 0;
}
