// Ruby readings and hidden text on the whole novel: the complete vertical layout and the
// complete horizontal layout, with no ruby (argument 0) and with a ruby word and a hidden
// stretch in every paragraph, one ruby word every 40 characters (argument 1).

#include <benchmark/benchmark.h>

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <fstream>
#include <sstream>

#include "BenchSupport.h"
#include "controls/THorizontalEdit.h"
#include "controls/TVerticalView.h"
#include "core/Cp932.h"
#include "rtf/TextProperties.h"

namespace {

std::unique_ptr<QTextDocument> NovelDocument(bool ruby) {
    std::ifstream f(ORIMAKI_TESTDATA "/text/wagahai.sjis.txt", std::ios::binary);
    std::stringstream ss;
    ss << f.rdbuf();
    QString text = QString::fromStdString(Cp932::ToUtf8(ss.str()));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    auto doc = std::make_unique<QTextDocument>();
    QFont font(QStringLiteral("ＭＳ ゴシック"));
    font.setPixelSize(15);
    doc->setDefaultFont(font);
    doc->setPlainText(text);
    if (!ruby) return doc;
    QTextCursor c(doc.get());
    c.beginEditBlock();
    int group = 0;
    for (QTextBlock b = doc->begin(); b.isValid(); b = b.next()) {
        const int n = b.length() - 1;
        for (int i = 0; i + 2 <= n; i += 40) {
            c.setPosition(b.position() + i);
            c.setPosition(b.position() + i + 2, QTextCursor::KeepAnchor);
            QTextCharFormat r;
            r.setProperty(TextProperties::RubyTextProperty, QStringLiteral("よみがな"));
            r.setProperty(TextProperties::RubyGroupProperty, ++group);
            c.mergeCharFormat(r);
        }
        if (n >= 8) {
            c.setPosition(b.position() + 5);
            c.setPosition(b.position() + 7, QTextCursor::KeepAnchor);
            QTextCharFormat h;
            h.setProperty(TextProperties::HiddenProperty, true);
            c.mergeCharFormat(h);
        }
    }
    c.endEditBlock();
    return doc;
}

void BM_VerticalFullLayout(benchmark::State& state) {
    const bool ruby = state.range(0) != 0;
    bench::TimeFullVerticalLayout(state, [ruby] { return NovelDocument(ruby); });
}
BENCHMARK(BM_VerticalFullLayout)->Unit(benchmark::kMillisecond)->Iterations(3)->Arg(0)->Arg(1);

void BM_HorizontalFullLayout(benchmark::State& state) {
    int lines = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto doc = NovelDocument(state.range(0) != 0);
        state.ResumeTiming();
        THorizontalEdit edit;
        edit.SetWordWrap(true);
        edit.resize(800, 600);
        edit.SetDocument(doc.get());
        edit.show();
        lines = edit.LineCount();
        state.PauseTiming();
        edit.hide();
        state.ResumeTiming();
    }
    state.counters["lines"] = lines;
}
BENCHMARK(BM_HorizontalFullLayout)->Unit(benchmark::kMillisecond)->Iterations(3)->Arg(0)->Arg(1);

}  // namespace

int main(int argc, char** argv) {
    return bench::RunInApplication(argc, argv);
}
