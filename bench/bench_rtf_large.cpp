// Reading and saving large RTF documents: the cases that must stay linear in the document's
// size (characters outside code page 932, many colours and fonts, many runs, many paragraphs,
// ten megabytes of Japanese text, ruby words). Each case reports the time per character or
// per run, so a change in growth shows as a change in that figure between the sizes.
//
//   build/bin/bench_rtf_large --benchmark_filter=Euro
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QTextCursor>
#include <QTextDocument>
#include <string>

#include "rtf/RtfReader.h"
#include "rtf/RtfWriter.h"
#include "rtf/TextProperties.h"

namespace {

// n characters of c in one paragraph.
void FillRepeated(QTextDocument& doc, QChar c, int n) {
    QTextCursor cur(&doc);
    cur.insertText(QString(n, c));
}

// Japanese prose (kanji, kana, punctuation) of about n characters, 40 to a paragraph.
QString JapaneseText(int n) {
    static const QString line = QStringLiteral(
        "吾輩は猫である。名前はまだ無い。どこで生れたかとんと見当がつかぬ。何でも薄暗い");
    QString s;
    s.reserve(n + n / 40 + 1);
    while (s.size() < n) {
        s += line;
        s += QChar(0x2029);
    }
    s.truncate(n);
    return s;
}

void FillJapanese(QTextDocument& doc, int n) {
    QTextCursor cur(&doc);
    const QString text = JapaneseText(n);
    for (const QString& para : text.split(QChar(0x2029))) {
        if (cur.position() > 0) cur.insertBlock();
        cur.insertText(para);
    }
}

// n runs of 4 characters, each in a colour of its own.
void FillColours(QTextDocument& doc, int n) {
    QTextCursor cur(&doc);
    for (int i = 0; i < n; ++i) {
        QTextCharFormat f;
        f.setForeground(QColor::fromRgb(QRgb(0xFF000000u | unsigned(i * 2654435761u))));
        cur.insertText(QStringLiteral("色文字列"), f);
    }
}

// n runs of 4 characters, each in a font of its own.
void FillFonts(QTextDocument& doc, int n) {
    QTextCursor cur(&doc);
    for (int i = 0; i < n; ++i) {
        QTextCharFormat f;
        f.setFontFamilies({QStringLiteral("Font %1").arg(i)});
        cur.insertText(QStringLiteral("字体見本"), f);
    }
}

// n runs of 2 characters, bold and plain in turn.
void FillAlternating(QTextDocument& doc, int n) {
    QTextCursor cur(&doc);
    QTextCharFormat bold, plain;
    bold.setFontWeight(QFont::Bold);
    for (int i = 0; i < n; ++i) cur.insertText(QStringLiteral("太細"), i % 2 ? plain : bold);
}

// n ruby words (two kanji with a reading of three kana) between plain text.
void FillRuby(QTextDocument& doc, int n) {
    QTextCursor cur(&doc);
    for (int i = 0; i < n; ++i) {
        QTextCharFormat r;
        r.setProperty(TextProperties::RubyTextProperty, QStringLiteral("きもん"));
        r.setProperty(TextProperties::RubyGroupProperty, i + 1);
        cur.insertText(QStringLiteral("鬼門"), r);
        cur.insertText(QStringLiteral("の方角"), QTextCharFormat());
    }
}

using Fill = void (*)(QTextDocument&, int);

void Euro(QTextDocument& d, int n) {
    FillRepeated(d, QChar(0x20AC), n);
}
void EuroAmongJapanese(QTextDocument& d, int n) {
    QTextCursor cur(&d);
    QString s;
    for (int i = 0; i < n; ++i) s += i % 2 ? QChar(0x20AC) : QChar(0x732B);
    cur.insertText(s);
}
void Emoji(QTextDocument& d, int n) {
    QTextCursor cur(&d);
    QString s;
    for (int i = 0; i < n; ++i) s += QString::fromUtf8("😀");
    cur.insertText(s);
}

// Fills inside one edit block: a cursor outside one lays the block out again at each insertion.
void FillDocument(QTextDocument& doc, Fill fill, int n) {
    QTextCursor block(&doc);
    block.beginEditBlock();
    fill(doc, n);
    block.endEditBlock();
}

void Write(benchmark::State& state, Fill fill) {
    QTextDocument doc;
    FillDocument(doc, fill, int(state.range(0)));
    std::size_t bytes = 0;
    for (auto _ : state) {
        const std::string rtf = RtfWriter::Write(doc);
        bytes = rtf.size();
        benchmark::DoNotOptimize(rtf.data());
    }
    state.counters["rtf_MB"] = double(bytes) / 1e6;
    state.counters["per_item"] =
        benchmark::Counter(double(state.range(0)), benchmark::Counter::kIsIterationInvariantRate |
                                                       benchmark::Counter::kInvert);
}

void Read(benchmark::State& state, Fill fill) {
    std::string rtf;
    {
        QTextDocument doc;
        FillDocument(doc, fill, int(state.range(0)));
        rtf = RtfWriter::Write(doc);
    }
    for (auto _ : state) {
        QTextDocument doc;
        RtfReader::ReadDocument(rtf, doc);
        benchmark::DoNotOptimize(doc.characterCount());
    }
    state.counters["rtf_MB"] = double(rtf.size()) / 1e6;
    state.counters["per_item"] =
        benchmark::Counter(double(state.range(0)), benchmark::Counter::kIsIterationInvariantRate |
                                                       benchmark::Counter::kInvert);
}

#define ORIMAKI_BENCH_PAIR(name, fill, lo, hi)                                                    \
    void BM_Write##name(benchmark::State& s) {                                                    \
        Write(s, fill);                                                                           \
    }                                                                                             \
    BENCHMARK(BM_Write##name)->RangeMultiplier(10)->Range(lo, hi)->Unit(benchmark::kMillisecond); \
    void BM_Read##name(benchmark::State& s) {                                                     \
        Read(s, fill);                                                                            \
    }                                                                                             \
    BENCHMARK(BM_Read##name)->RangeMultiplier(10)->Range(lo, hi)->Unit(benchmark::kMillisecond)

ORIMAKI_BENCH_PAIR(Euro, Euro, 1000, 1000000);
ORIMAKI_BENCH_PAIR(EuroAmongJapanese, EuroAmongJapanese, 1000, 1000000);
ORIMAKI_BENCH_PAIR(Emoji, Emoji, 1000, 100000);
ORIMAKI_BENCH_PAIR(Colours, FillColours, 100, 100000);
ORIMAKI_BENCH_PAIR(Fonts, FillFonts, 100, 10000);
ORIMAKI_BENCH_PAIR(AlternatingBold, FillAlternating, 1000, 100000);
ORIMAKI_BENCH_PAIR(Ruby, FillRuby, 100, 100000);
// 5,000,000 characters: ten megabytes as Shift-JIS text, about 40 MB as RTF.
ORIMAKI_BENCH_PAIR(Japanese, FillJapanese, 50000, 5000000);

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
