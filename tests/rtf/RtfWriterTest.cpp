// The writer's output read back by our reader (text and every format kept) and by LibreOffice
// (same text).
#include <gtest/gtest.h>
#include <stdlib.h>

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>
#include <filesystem>

#include "RtfTestUtil.h"
#include "rtf/RtfReader.h"
#include "rtf/RtfWriter.h"
#include "rtf/TextProperties.h"

using namespace rtftest;
namespace fs = std::filesystem;

namespace {

struct RunSpec {
    const char* text;
    const char* family;
    int charset;
    double points;
    QRgb colour;  // 0: automatic
    bool bold, italic, underline, strike;
    int offsetTwips;
};

QTextCharFormat FormatOf(const RunSpec& r) {
    QTextCharFormat f;
    f.setFontFamilies(QStringList{QString::fromUtf8(r.family)});
    f.setProperty(TextProperties::CharsetProperty, r.charset);
    f.setFontPointSize(r.points);
    if (r.colour) f.setForeground(QColor::fromRgb(r.colour));
    if (r.bold) f.setFontWeight(QFont::Bold);
    f.setFontItalic(r.italic);
    f.setFontUnderline(r.underline);
    f.setFontStrikeOut(r.strike);
    if (r.offsetTwips) f.setProperty(TextProperties::VerticalOffsetProperty, r.offsetTwips);
    return f;
}

// A document with every format the writer keeps, and the characters that trip up readers:
// trail bytes 0x5C (表, ソ), backslash and braces, half-width katakana, characters outside
// code page 932 (😀, 𠮷, ¢ is inside), a tab and a line break.
void BuildSample(QTextDocument& doc) {
    doc.clear();
    QTextCursor c(&doc);
    const RunSpec runs1[] = {
        {"表示ソフト\\{x}", "ＭＳ 明朝", 128, 10.5, 0, false, false, false, false, 0},
        {"太字", "ＭＳ ゴシック", 128, 12, 0, true, false, false, false, 0},
        {"斜体", "ＭＳ ゴシック", 128, 14, 0xFF0000, false, true, false, false, 0},
        {" under ", "Arial", 0, 9, 0x0000FF, false, false, true, false, 0},
        {"取消", "ＭＳ 明朝", 128, 10.5, 0x00FF00, false, false, false, true, 0},
        {"上", "ＭＳ 明朝", 128, 10.5, 0, false, false, false, false, 60},
        {"下", "ＭＳ 明朝", 128, 10.5, 0, false, false, false, false, -40},
        {"ｶﾀｶﾅ\t😀𠮷", "ＭＳ 明朝", 128, 10.5, 0, true, true, true, true, 0},
    };
    for (const RunSpec& r : runs1) c.insertText(QString::fromUtf8(r.text), FormatOf(r));
    c.insertText(QString(QChar(0x2028)) + QStringLiteral("二行目"), FormatOf(runs1[0]));

    QTextBlockFormat centre;
    centre.setAlignment(Qt::AlignHCenter);
    c.insertBlock(centre);
    c.insertText(QStringLiteral("中央"), FormatOf(runs1[1]));

    QTextBlockFormat right;
    right.setAlignment(Qt::AlignRight);
    right.setLeftMargin(18);
    right.setRightMargin(9);
    right.setTextIndent(12);
    c.insertBlock(right);
    c.insertText(QStringLiteral("右寄せ"), FormatOf(runs1[0]));

    QTextBlockFormat item;
    item.setLeftMargin(18);
    item.setTextIndent(-18);
    c.insertBlock(item);
    QTextListFormat lf;
    lf.setStyle(QTextListFormat::ListDisc);
    c.createList(lf);
    c.insertText(QStringLiteral("箇条一"), FormatOf(runs1[0]));
    c.insertBlock();
    c.insertText(QStringLiteral("箇条二"), FormatOf(runs1[0]));

    c.insertBlock(QTextBlockFormat());
    c.insertBlock(QTextBlockFormat());
    c.insertText(QStringLiteral("最後"), FormatOf(runs1[0]));
}

struct CharFacts {
    QChar ch;
    QString family;
    int charset;
    double points;
    QRgb colour;
    bool bold, italic, underline, strike;
    int offset;
    bool operator==(const CharFacts& o) const {
        return ch == o.ch && family == o.family && charset == o.charset && points == o.points &&
               colour == o.colour && bold == o.bold && italic == o.italic &&
               underline == o.underline && strike == o.strike && offset == o.offset;
    }
};

std::ostream& operator<<(std::ostream& os, const CharFacts& f) {
    return os << "U+" << std::hex << f.ch.unicode() << std::dec << " " << f.family.toStdString()
              << " cs" << f.charset << " " << f.points << "pt #" << std::hex << f.colour << std::dec
              << " b" << f.bold << " i" << f.italic << " u" << f.underline << " s" << f.strike
              << " off" << f.offset;
}

std::vector<CharFacts> Facts(const QTextDocument& doc) {
    std::vector<CharFacts> out;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment f = it.fragment();
            const QTextCharFormat cf = f.charFormat();
            for (QChar ch : f.text()) {
                CharFacts x;
                x.ch = ch;
                x.family = cf.fontFamilies().toStringList().value(0);
                x.charset = cf.intProperty(TextProperties::CharsetProperty);
                x.points = cf.fontPointSize();
                x.colour = cf.foreground().color().rgb() & 0xFFFFFF;
                x.bold = cf.fontWeight() >= QFont::DemiBold;
                x.italic = cf.fontItalic();
                x.underline = cf.fontUnderline();
                x.strike = cf.fontStrikeOut();
                x.offset = cf.intProperty(TextProperties::VerticalOffsetProperty);
                out.push_back(x);
            }
        }
        out.push_back(CharFacts{QChar(0x2029), {}, 0, 0, 0, false, false, false, false, 0});
    }
    return out;
}

struct ParaFacts {
    int align;
    int first, left, right;
    bool list;
};

std::vector<ParaFacts> Paras(const QTextDocument& doc) {
    std::vector<ParaFacts> out;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        const QTextBlockFormat f = b.blockFormat();
        const Qt::Alignment a = f.alignment() & Qt::AlignHorizontal_Mask;
        const int align = (a & Qt::AlignHCenter) ? 1 : (a & Qt::AlignRight) ? 2 : 0;
        out.push_back({align, int(f.textIndent() * 20), int(f.leftMargin() * 20),
                       int(f.rightMargin() * 20), b.textList() != nullptr});
    }
    return out;
}

TEST(RtfWriter, HeaderHasTheClassicLayout) {
    QTextDocument doc;
    BuildSample(doc);
    const std::string rtf = RtfWriter::Write(doc);
    EXPECT_EQ(rtf.rfind("{\\rtf1\\ansi\\ansicpg932\\deff0{\\fonttbl{\\f0\\fnil\\fcharset128 "
                        "\\'82l\\'82r \\'96\\'be\\'92\\'a9;}",
                        0),
              0u)
        << rtf.substr(0, 200);
    EXPECT_NE(rtf.find("{\\f2\\fnil\\fcharset0 Arial;}"), std::string::npos);
    EXPECT_NE(rtf.find("{\\colortbl\\red0\\green0\\blue0;\\red255\\green0\\blue0;"),
              std::string::npos);
    EXPECT_NE(rtf.find("\\deflang1041\\pard\\plain\\f0\\dbch\\af0\\fs21 "), std::string::npos);
    EXPECT_EQ(rtf.substr(rtf.size() - 6), "\\par }");
    // 表 is 0x95 0x5C and ソ is 0x83 0x5C: the trail byte is escaped like every \ { }.
    EXPECT_NE(rtf.find("\\'95\\'5c\\'8e\\'a6\\'83\\'5c\\'83t\\'83g\\'5c\\'7bx\\'7d"),
              std::string::npos);
    // Outside code page 932: \uN then "?" (surrogates as two signed 16-bit values).
    EXPECT_NE(rtf.find("\\u-10179?\\u-8704?\\u-10174?\\u-8265?"), std::string::npos);
    // Nothing from 0x80 up is written raw.
    for (char ch : rtf) ASSERT_LT(static_cast<unsigned char>(ch), 0x80);
}

// Characters that code page 932 would turn into others on the way back (checked with glibc
// iconv: ¥ → 5C → "\", 〜 → 81 60 → ～, − → 81 7C → －, ‾ → 7E → "~", £ → 81 92 → ￡) are
// written as \uN, and the code page's own ～ － ￡ stay bytes.
TEST(RtfWriter, CharactersThatCodePage932WouldChange) {
    QTextDocument doc;
    QTextCursor(&doc).insertText(QStringLiteral("¥〜−‾£～－￡"));
    const std::string rtf = RtfWriter::Write(doc);
    EXPECT_NE(rtf.find("\\u165?\\u12316?\\u8722?\\u8254?\\u163?\\'81`\\'81|\\'81\\'92"),
              std::string::npos)
        << rtf;
    EXPECT_EQ(ReadText(rtf), "¥〜−‾£～－￡");
}

TEST(RtfWriter, RoundTripKeepsTextAndEveryFormat) {
    QTextDocument doc;
    BuildSample(doc);
    QTextDocument back;
    ASSERT_TRUE(RtfReader::ReadDocument(RtfWriter::Write(doc), back).ok);
    EXPECT_EQ(Text(back), Text(doc));
    const auto a = Facts(doc), b = Facts(back);
    ASSERT_EQ(a.size(), b.size());
    for (std::size_t i = 0; i < a.size(); ++i) EXPECT_EQ(b[i], a[i]) << "character " << i;
    const auto pa = Paras(doc), pb = Paras(back);
    ASSERT_EQ(pa.size(), pb.size());
    for (std::size_t i = 0; i < pa.size(); ++i) {
        EXPECT_EQ(pb[i].align, pa[i].align) << "paragraph " << i;
        EXPECT_EQ(pb[i].first, pa[i].first) << "paragraph " << i;
        EXPECT_EQ(pb[i].left, pa[i].left) << "paragraph " << i;
        EXPECT_EQ(pb[i].right, pa[i].right) << "paragraph " << i;
        EXPECT_EQ(pb[i].list, pa[i].list) << "paragraph " << i;
    }
    // The two bullet paragraphs are one list.
    QTextBlock item = back.findBlockByNumber(3);
    ASSERT_NE(item.textList(), nullptr);
    EXPECT_EQ(item.textList(), item.next().textList());
}

// A range: the selection is written alone and reading it back into another document's
// selection replaces that with the formatted text.
struct RangeCase {
    int from, to;
    const char* expected;  // text read back, paragraphs joined by \n
};

class RtfWriterRange : public ::testing::TestWithParam<RangeCase> {};

TEST_P(RtfWriterRange, WritesOnlyTheRange) {
    QTextDocument doc;
    QTextCursor c(&doc);
    c.insertText(QStringLiteral("あいう"));
    c.insertBlock();
    c.insertText(QStringLiteral("えお"));
    const RangeCase& rc = GetParam();
    const std::string rtf = RtfWriter::Write(doc, rc.from, rc.to);
    EXPECT_EQ(ReadText(rtf), rc.expected);
}

INSTANTIATE_TEST_SUITE_P(Ranges, RtfWriterRange,
                         ::testing::Values(RangeCase{0, 3, "あいう"}, RangeCase{1, 2, "い"},
                                           RangeCase{2, 5, "う\nえ"}, RangeCase{0, 4, "あいう\n"},
                                           RangeCase{4, 6, "えお"}, RangeCase{3, 3, ""}));

TEST(RtfWriter, ReadingIntoASelectionReplacesIt) {
    QTextDocument source;
    QTextCursor s(&source);
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    s.insertText(QStringLiteral("太"), bold);
    s.setPosition(0);
    s.setPosition(1, QTextCursor::KeepAnchor);
    const std::string rtf = RtfWriter::WriteSelection(s);

    QTextDocument target;
    QTextCursor t(&target);
    t.insertText(QStringLiteral("前XX後"));
    t.setPosition(1);
    t.setPosition(3, QTextCursor::KeepAnchor);
    ASSERT_TRUE(RtfReader::Read(rtf, t).ok);
    EXPECT_EQ(target.toPlainText(), QStringLiteral("前太後"));
    QTextCursor probe(&target);
    probe.setPosition(2);
    EXPECT_EQ(probe.charFormat().fontWeight(), QFont::Bold);
    probe.setPosition(3);
    EXPECT_NE(probe.charFormat().fontWeight(), QFont::Bold);
}

class RtfWriterLibreOffice : public ::testing::Test {
protected:
    void SetUp() override {
        if (!HaveSoffice())
            GTEST_SKIP() << "LibreOffice (soffice) is not installed: the writer's output was NOT "
                            "checked with LibreOffice. Install libreoffice-writer-nogui.";
        char tmpl[] = "/tmp/orimaki-rtfw-XXXXXX";
        ASSERT_NE(mkdtemp(tmpl), nullptr);
        dir_ = tmpl;
    }
    void TearDown() override {
        if (!dir_.empty()) fs::remove_all(dir_);
    }
    std::string dir_;
};

std::string StripBom(std::string s) {
    if (s.rfind("\xEF\xBB\xBF", 0) == 0) s.erase(0, 3);
    return s;
}

TEST_F(RtfWriterLibreOffice, ReadsTheSameText) {
    // Our sample document, and the formatted LibreOffice sample after a trip through our reader
    // and writer: LibreOffice must read the same text from our RTF as from the original.
    QTextDocument doc;
    BuildSample(doc);
    WriteFile(dir_ + "/ours.rtf", RtfWriter::Write(doc));
    QTextDocument formatted;
    ASSERT_TRUE(
        RtfReader::ReadDocument(ReadFile(TestData("rtf/libreoffice-formatted.rtf")), formatted).ok);
    WriteFile(dir_ + "/formatted.rtf", RtfWriter::Write(formatted));
    ASSERT_TRUE(SofficeToText(
        {dir_ + "/ours.rtf", dir_ + "/formatted.rtf", TestData("rtf/libreoffice-formatted.rtf")},
        dir_));

    // LibreOffice writes a line per paragraph and per line break, list items with an
    // indented label ("    • ").
    const std::string ours = StripBom(ReadFile(dir_ + "/ours.txt"));
    const std::string expectedOurs =
        "表示ソフト\\{x}太字斜体 under 取消上下ｶﾀｶﾅ\t😀𠮷\n二行目\n中央\n右寄せ\n"
        "    • 箇条一\n    • 箇条二\n\n最後\n";
    EXPECT_EQ(ours, expectedOurs);

    // LibreOffice gives both lists the same label; the comparison is of the whole text.
    const std::string original = StripBom(ReadFile(dir_ + "/libreoffice-formatted.txt"));
    std::string again = StripBom(ReadFile(dir_ + "/formatted.txt"));
    auto dropLabels = [](std::string s) {
        for (const char* label : {"    • "}) {
            for (std::size_t p = s.find(label); p != std::string::npos; p = s.find(label, p))
                s.erase(p, std::string(label).size());
        }
        return s;
    };
    EXPECT_EQ(dropLabels(again), dropLabels(original));
}

}  // namespace
