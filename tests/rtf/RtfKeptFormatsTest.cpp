// Formats that a round trip through the reader and the writer keeps: Japanese character
// formats given after \dbch, hidden text, page and section breaks, raised and lowered text at
// a paragraph end, and font names outside code page 932. Expected values are worked out by
// hand from the control words, or are what LibreOffice reads from the same bytes.
#include <gtest/gtest.h>

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <functional>

#include "RtfTestUtil.h"
#include "convert/RtfToHtml.h"
#include "core/Cp932.h"
#include "rtf/DocumentTateSource.h"
#include "rtf/RtfReader.h"
#include "rtf/RtfWriter.h"
#include "rtf/TextProperties.h"

using namespace rtftest;

namespace {

const char* kHead =
    "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fnil\\fcharset0 Latin;}{\\f1\\fnil\\fcharset128 "
    "Gothic;}}\\pard\\plain\\fs24 ";

QTextCharFormat FormatAt(const QTextDocument& doc, int position) {
    QTextCursor c(const_cast<QTextDocument*>(&doc));
    c.setPosition(position + 1);
    return c.charFormat();
}

// ---- Japanese formats after \dbch (LibreOffice writes them so) ----

struct DbchCase {
    const char* name;
    const char* body;  // the first character is the one checked
    double points;
    bool bold;
    bool italic;
    const char* font;
};

const DbchCase kDbch[] = {
    // LibreOffice's form for a Japanese run in 24 pt bold: the size and weight come after \dbch.
    {"SizeBoldFont", "{\\dbch\\afs48\\ab\\af1\\dbch \\u12362\\'3f}", 24, true, false, "Gothic"},
    {"Italic", "{\\dbch\\ai\\dbch \\u12362\\'3f}", 12, false, true, "Latin"},
    {"ZeroFormsTurnOff", "\\b\\i{\\dbch\\ab0\\ai0 \\u12362\\'3f}", 12, false, false, "Latin"},
    // After \rtlch or \hich they are the right-to-left or high-ANSI text's: not Japanese.
    {"RtlchIsNotJapanese", "\\rtlch\\afs48\\ab \\ltrch \\u12362\\'3f", 12, false, false, "Latin"},
    {"HichIsNotJapanese", "\\hich\\afs48\\ab\\af1\\loch \\u12362\\'3f", 12, false, false, "Latin"},
    // Latin letters keep the plain values.
    {"LatinKeepsPlainValues", "{\\dbch\\afs48\\ab\\af1 A}", 12, false, false, "Latin"},
    {"PlainEndsThem", "\\dbch\\afs48\\ab\\af1\\plain \\u12362\\'3f", 12, false, false, "Latin"},
    // Without them the plain values hold for Japanese text too.
    {"PlainValuesOtherwise", "\\fs40\\b \\u12362\\'3f", 20, true, false, "Latin"},
};

class DbchFormats : public ::testing::TestWithParam<DbchCase> {};

TEST_P(DbchFormats, Read) {
    const DbchCase& c = GetParam();
    QTextDocument doc;
    ASSERT_TRUE(RtfReader::ReadDocument(std::string(kHead) + c.body + "\\par }", doc).ok);
    const QTextCharFormat f = FormatAt(doc, 0);
    EXPECT_DOUBLE_EQ(f.fontPointSize(), c.points);
    EXPECT_EQ(f.fontWeight() >= QFont::DemiBold, c.bold);
    EXPECT_EQ(f.fontItalic(), c.italic);
    EXPECT_EQ(f.fontFamilies().toStringList().value(0).toStdString(), c.font);
}

INSTANTIATE_TEST_SUITE_P(Rows, DbchFormats, ::testing::ValuesIn(kDbch),
                         [](const auto& i) { return std::string(i.param.name); });

// A letter made by LibreOffice from libreoffice-letter.fodt: a title and a closing in 24 pt
// bold IPAGothic, body text in 10.5 pt IPAMincho, two words of it italic.
TEST(DbchFormats, LibreOfficeLetterOpensIn24PointBold) {
    QTextDocument doc;
    ASSERT_TRUE(
        RtfReader::ReadDocument(
            ReadFile(std::string(ORIMAKI_SOURCE) + "/tests/rtf/data/libreoffice-letter.rtf"), doc)
            .ok);
    ASSERT_EQ(Paragraphs(doc).size(), 4u);
    struct Expect {
        int block;
        int offset;
        double points;
        bool bold;
        bool italic;
        const char* font;
    };
    const Expect rows[] = {{0, 0, 24, true, false, "IPAGothic"},
                           {1, 0, 10.5, false, false, "IPAMincho"},
                           {2, 4, 10.5, false, true, "IPAMincho"},
                           {2, 1, 10.5, false, false, "IPAMincho"},
                           {3, 1, 24, true, false, "IPAGothic"}};
    for (const Expect& e : rows) {
        const int at = doc.findBlockByNumber(e.block).position() + e.offset;
        const QTextCharFormat f = FormatAt(doc, at);
        EXPECT_DOUBLE_EQ(f.fontPointSize(), e.points) << e.block << ":" << e.offset;
        EXPECT_EQ(f.fontWeight() >= QFont::DemiBold, e.bold) << e.block << ":" << e.offset;
        EXPECT_EQ(f.fontItalic(), e.italic) << e.block << ":" << e.offset;
        EXPECT_EQ(f.fontFamilies().toStringList().value(0).toStdString(), e.font);
    }
}

// The writer names each run's font for the two-byte characters too (\dbch\afN), which is
// where LibreOffice takes a Japanese run's font from.
TEST(DbchFormats, WriterNamesTheJapaneseFont) {
    QTextDocument doc;
    QTextCursor c(&doc);
    QTextCharFormat gothic;
    gothic.setFontFamilies({QStringLiteral("IPAGothic")});
    gothic.setFontPointSize(24);
    QTextCharFormat mincho;
    mincho.setFontFamilies({QStringLiteral("IPAMincho")});
    mincho.setFontPointSize(24);
    c.insertText(QStringLiteral("見出し"), gothic);
    c.insertText(QStringLiteral("本文"), mincho);
    const std::string rtf = RtfWriter::Write(doc);
    EXPECT_NE(rtf.find("\\plain\\f0\\dbch\\af0\\fs48 "), std::string::npos) << rtf;
    EXPECT_NE(rtf.find("\\f1\\dbch\\af1 "), std::string::npos) << rtf;
}

// ---- Hidden text ----

// '1' for each hidden character of the document's text, '0' for the others.
std::string HiddenMask(const QTextDocument& doc) {
    std::string mask;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        if (b != doc.begin()) mask += '\n';
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment f = it.fragment();
            const bool hidden = f.charFormat().boolProperty(TextProperties::HiddenProperty);
            mask += std::string(std::size_t(f.length()), hidden ? '1' : '0');
        }
    }
    return mask;
}

struct HiddenCase {
    const char* name;
    const char* body;
    const char* text;
    const char* mask;
};

const HiddenCase kHidden[] = {
    {"Group", "a{\\v hidden}b", "ahiddenb", "01111110"},
    {"SwitchedOff", "a\\v hid\\v0 b", "ahidb", "01110"},
    {"EndsWithGroup", "{\\v a}b{c}", "abc", "100"},
    {"PlainEndsIt", "\\v a\\plain b", "ab", "10"},
    {"Japanese", "\\'82\\'a0{\\v\\'82\\'a2}\\'82\\'a4", "あいう", "010"},
    {"OverAParagraphEnd", "{\\v a\\par b}c", "a\nbc", "1\n10"},
};

class HiddenText : public ::testing::TestWithParam<HiddenCase> {};

TEST_P(HiddenText, IsKeptAndWrittenBack) {
    const HiddenCase& c = GetParam();
    const std::string head =
        "{\\rtf1\\ansi\\ansicpg932\\deff0{\\fonttbl{\\f0\\fnil\\fcharset128 M;}}\\pard\\plain ";
    QTextDocument doc;
    ASSERT_TRUE(RtfReader::ReadDocument(head + c.body + "\\par }", doc).ok);
    EXPECT_EQ(Text(doc), c.text);
    EXPECT_EQ(HiddenMask(doc), c.mask);
    // Saved and read again: the same characters are hidden.
    const std::string rtf = RtfWriter::Write(doc);
    QTextDocument back;
    ASSERT_TRUE(RtfReader::ReadDocument(rtf, back).ok);
    EXPECT_EQ(Text(back), c.text) << rtf;
    EXPECT_EQ(HiddenMask(back), c.mask) << rtf;
}

INSTANTIATE_TEST_SUITE_P(Rows, HiddenText, ::testing::ValuesIn(kHidden),
                         [](const auto& i) { return std::string(i.param.name); });

// Hidden text is not generated: neither the vertical generators' source nor the horizontal
// HTML holds it.
TEST(HiddenText, IsNotGenerated) {
    const std::string rtf =
        "{\\rtf1\\ansi\\ansicpg932\\deff0{\\fonttbl{\\f0\\fnil\\fcharset128 M;}}\\pard\\plain "
        "\\'8c\\'a9{\\v\\'89\\'42}\\'82\\'b7\\par }";  // 見{隠}す
    QTextDocument doc;
    ASSERT_TRUE(RtfReader::ReadDocument(rtf, doc).ok);
    ASSERT_EQ(Text(doc), "見隠す");

    TateFormat base;
    base.name = "M";
    base.size = 12;
    const TateSource src = DocumentTateSource::FromDocument(doc, 0, base);
    ASSERT_GE(src.LineCount(), 1u);
    EXPECT_EQ(src.LineAt(0).text, Cp932::ToSjis("見す"));
    EXPECT_EQ(src.DocumentText(), Cp932::ToSjis("見す"));

    const std::string html = RtfToHtml(RtfWriter::Write(doc));
    EXPECT_NE(html.find(Cp932::ToSjis("見")), std::string::npos) << html;
    EXPECT_EQ(html.find(Cp932::ToSjis("隠")), std::string::npos) << html;
    EXPECT_NE(html.find(Cp932::ToSjis("す")), std::string::npos) << html;
}

struct HtmlHiddenCase {
    const char* name;
    const char* body;
    const char* visible;  // what the page shows of the body
};

const HtmlHiddenCase kHtmlHidden[] = {
    {"GroupEnds", "a{\\v b}c", "ac"},
    {"SwitchedOff", "a\\v b\\v0 c", "ac"},
    {"PlainEnds", "a\\v b\\plain c", "ac"},
    {"UnicodeLeftOut", "a\\v\\u8364?\\v0 c", "ac"},
};

class HtmlHidden : public ::testing::TestWithParam<HtmlHiddenCase> {};

TEST_P(HtmlHidden, LeftOut) {
    const std::string html =
        RtfToHtml(std::string("{\\rtf1\\ansi{\\fonttbl{\\f0\\fnil A;}}"
                              "{\\colortbl\\red0\\green0\\blue0;}\\deflang1041 ") +
                  GetParam().body + "}");
    std::string shown;
    bool inTag = false;
    for (std::size_t i = 0; i < html.size(); ++i) {
        const char ch = html[i];
        if (ch == '<') inTag = true;
        if (!inTag && ch != '\r' && ch != '\n') shown += ch;
        if (ch == '>') inTag = false;
    }
    EXPECT_EQ(shown, GetParam().visible) << html;
}

INSTANTIATE_TEST_SUITE_P(Rows, HtmlHidden, ::testing::ValuesIn(kHtmlHidden),
                         [](const auto& i) { return std::string(i.param.name); });

// ---- Page and section breaks ----

struct BreakCase {
    const char* name;
    const char* body;
    const char* text;  // paragraphs joined by "\n", as LibreOffice reads the same bytes
};

const BreakCase kBreaks[] = {
    {"PageAtParagraphStart", "A\\par \\page B\\par C", "A\nB\nC"},
    {"PageInsideParagraph", "A\\page B\\par C", "A\nB\nC"},
    {"SectAtParagraphStart", "A\\par \\sect B\\par C", "A\nB\nC"},
    {"SectInsideParagraph", "A\\sect B\\par C", "A\nB\nC"},
    {"PageBetweenParagraphMarks", "A\\par\\page\\par B", "A\n\nB"},
    {"PageThenParagraphMark", "A\\page\\par B", "A\n\nB"},
    {"PageAtDocumentStart", "\\page A", "A"},
};

class Breaks : public ::testing::TestWithParam<BreakCase> {};

TEST_P(Breaks, AddNoEmptyParagraph) {
    EXPECT_EQ(ReadText(std::string(kHead) + GetParam().body + "\\par }"), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Rows, Breaks, ::testing::ValuesIn(kBreaks),
                         [](const auto& i) { return std::string(i.param.name); });

TEST(Breaks, HandMadeFile) {
    // LibreOffice reads A, B, C, an empty paragraph, D, E from it.
    EXPECT_EQ(ReadText(ReadFile(std::string(ORIMAKI_SOURCE) +
                                "/tests/rtf/data/handmade-page-breaks.rtf")),
              "A\nB\nC\n\nD\nE");
}

// ---- Raised and lowered text before a paragraph mark ----

struct CloseCase {
    const char* name;
    std::function<void(QTextCharFormat&)> set;
    const char* closing;  // the words that must come right before "\par"
};

const CloseCase kClose[] = {
    {"Super", [](QTextCharFormat& f) { f.setVerticalAlignment(QTextCharFormat::AlignSuperScript); },
     "\\nosupersub"},
    {"Sub", [](QTextCharFormat& f) { f.setVerticalAlignment(QTextCharFormat::AlignSubScript); },
     "\\nosupersub"},
    {"Up", [](QTextCharFormat& f) { f.setProperty(TextProperties::VerticalOffsetProperty, 60); },
     "\\up0"},
    {"Down", [](QTextCharFormat& f) { f.setProperty(TextProperties::VerticalOffsetProperty, -60); },
     "\\up0"},
    {"Hidden", [](QTextCharFormat& f) { f.setProperty(TextProperties::HiddenProperty, true); },
     "\\v0"},
};

class CloseBeforePar : public ::testing::TestWithParam<CloseCase> {};

TEST_P(CloseBeforePar, AndOpenAgain) {
    QTextDocument doc;
    QTextCursor c(&doc);
    QTextCharFormat f;
    GetParam().set(f);
    c.insertText(QStringLiteral("x"), QTextCharFormat());
    c.insertText(QStringLiteral("上"), f);
    c.insertBlock();
    c.insertText(QStringLiteral("下"), f);
    const std::string rtf = RtfWriter::Write(doc);
    const std::string closing = GetParam().closing;
    EXPECT_NE(rtf.find(closing + "\r\n\\par "), std::string::npos) << rtf;
    EXPECT_NE(rtf.find(closing + "\r\n\\par }"), std::string::npos) << rtf;
    // The second paragraph has the format again.
    QTextDocument back;
    ASSERT_TRUE(RtfReader::ReadDocument(rtf, back).ok);
    ASSERT_EQ(Text(back), "x上\n下");
    const QTextCharFormat first = FormatAt(back, 1);
    const QTextCharFormat second = FormatAt(back, back.findBlockByNumber(1).position());
    EXPECT_EQ(first.verticalAlignment(), second.verticalAlignment());
    EXPECT_EQ(first.intProperty(TextProperties::VerticalOffsetProperty),
              second.intProperty(TextProperties::VerticalOffsetProperty));
    EXPECT_EQ(first.boolProperty(TextProperties::HiddenProperty),
              second.boolProperty(TextProperties::HiddenProperty));
    QTextCharFormat want;
    GetParam().set(want);
    EXPECT_EQ(second.verticalAlignment(), want.verticalAlignment());
}

INSTANTIATE_TEST_SUITE_P(Rows, CloseBeforePar, ::testing::ValuesIn(kClose),
                         [](const auto& i) { return std::string(i.param.name); });

// ---- Font names outside code page 932 ----

struct FontNameCase {
    const char* name;
    const char* font;
    const char* written;  // how the name is written in the font table
};

const FontNameCase kFontNames[] = {
    // 맑 U+B9D1, 은 U+C740, 고 U+ACE0, 딕 U+B515, as signed 16-bit numbers.
    {"Hangul", "맑은 고딕", "\\u-17967?\\u-14528? \\u-21280?\\u-19179?;"},
    {"LatinAccent", "Café", "Caf\\u233?;"},
    // ＭＳ 明朝 is in code page 932: Shift-JIS bytes.
    {"ShiftJis", "ＭＳ 明朝", "\\'82l\\'82r \\'96\\'be\\'92\\'a9;"},
};

class FontNames : public ::testing::TestWithParam<FontNameCase> {};

TEST_P(FontNames, SurviveARoundTrip) {
    QTextDocument doc;
    QTextCursor c(&doc);
    QTextCharFormat f;
    f.setFontFamilies({QString::fromUtf8(GetParam().font)});
    c.insertText(QStringLiteral("字"), f);
    const std::string rtf = RtfWriter::Write(doc);
    EXPECT_NE(rtf.find(GetParam().written), std::string::npos) << rtf.substr(0, 200);
    QTextDocument back;
    ASSERT_TRUE(RtfReader::ReadDocument(rtf, back).ok);
    EXPECT_EQ(FormatAt(back, 0).fontFamilies().toStringList().value(0).toStdString(),
              GetParam().font);
    // The HTML page names the font with character references for what Shift-JIS lacks.
    EXPECT_NO_THROW(RtfToHtml(rtf));
}

INSTANTIATE_TEST_SUITE_P(Rows, FontNames, ::testing::ValuesIn(kFontNames),
                         [](const auto& i) { return std::string(i.param.name); });

TEST(FontNames, HtmlFaceHasCharacterReferences) {
    const std::string html = RtfToHtml(
        "{\\rtf1\\ansi{\\fonttbl{\\f0\\fnil A;}{\\f1\\fnil Caf\\u233?;}}{\\colortbl"
        "\\red0\\green0\\blue0;}\\deflang1041\\pard\\plain\\f1 x}");
    EXPECT_NE(html.find("FACE=\"Caf&#233;\""), std::string::npos) << html;
}

}  // namespace
