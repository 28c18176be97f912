// Fields read from RTF: ruby words keep their base as text and their reading as a character
// property; other fields keep their result, or what the instruction shows when the result is
// empty. The inputs are in tests/rtf/data (hand-written, and LibreOffice's RTF of a .fodt);
// the expected words and readings are those of the files' sources, written out by hand.
#include <gtest/gtest.h>

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <string>
#include <vector>

#include "RtfTestUtil.h"
#include "RubyTestUtil.h"
#include "rtf/RtfReader.h"
#include "rtf/TextProperties.h"

using namespace rtftest;

namespace {

const char* const kLibreOfficeOptions =
    R"(\* jc3 \* "Font:Noto Serif CJK SC" \* hps12 \o\al \s\up 10)";

struct FileCase {
    const char* file;
    std::vector<std::string> paragraphs;
    std::vector<RubyRun> rubies;
};

const FileCase kFiles[] = {
    {"libreoffice-ruby.rtf",
     {"鬼門の方角", "前漢字後", "日日と太字とRuby"},
     {{0, 0, 2, "きもん", kLibreOfficeOptions},
      {1, 1, 1, "かん", kLibreOfficeOptions},
      {1, 2, 1, "じ", kLibreOfficeOptions},
      {2, 0, 1, "ひ", kLibreOfficeOptions},
      {2, 1, 1, "ひ", kLibreOfficeOptions},
      {2, 3, 2, "ふとじ", kLibreOfficeOptions}}},
    {"word-ruby.rtf",
     {"鬼門の方角", "漢字"},
     {{0, 0, 2, "きもん", R"(\* jc2 \* "Font:ＭＳ 明朝" \* hps10 \o\ad \s\up 9)"},
      {1, 0, 1, "かん", R"(\o \s\up 9)"},
      {1, 1, 1, "じ", R"(\o \s\up 9)"}}},
    // Raw Shift-JIS bytes, \uN, escaped commas, parentheses in the base, a base outside the
    // plane, "eq" in lower case with a trail byte 0x5C written as "\\", an empty reading.
    {"ruby-forms.rtf",
     {"漢", "漢", "C,D", "(株)", "𠮷野", "ソ", "字"},
     {{0, 0, 1, "かん", R"(\o \s\up 9)"},
      {1, 0, 1, "かん", R"(\o \s\up 9)"},
      {2, 0, 3, "A,B", R"(\o \s\up 9)"},
      {3, 0, 3, "かっこ", R"(\o \s\up 9)"},
      {4, 0, 3, "よし", R"(\o \s\up 9)"},
      {5, 0, 1, "そ", R"(\o \s\up 9)"}}},
    // Unclosed and unbalanced instructions keep their words; a stray instruction outside a
    // field is not text; a field still open at the end of the file gives its base.
    {"ruby-broken.rtf",
     {"かん漢", "漢", "かん漢", "(((((", "AB", "字"},
     {{5, 0, 1, "か", R"(\o \s\up 9)"}}},
    {"fields-other.rtf",
     {"Example", "https://example.com/", "P3", "名前", "12", "7", "5", "A9B"},
     {}},
};

TEST(RtfFieldReader, FilesGiveTheirWordsAndReadings) {
    for (const FileCase& c : kFiles) {
        SCOPED_TRACE(c.file);
        QTextDocument doc;
        ASSERT_TRUE(RtfReader::ReadDocument(DataFile(c.file), doc).ok);
        EXPECT_EQ(Paragraphs(doc), c.paragraphs);
        const std::vector<RubyRun> runs = RubyRuns(doc);
        EXPECT_EQ(runs, c.rubies);
        for (std::size_t i = 0; i < std::min(runs.size(), c.rubies.size()); ++i)
            EXPECT_EQ(runs[i].options, c.rubies[i].options) << i;
    }
}

TEST(RtfFieldReader, BaseCharactersKeepTheirFormatFromTheInstruction) {
    // Word writes the instruction in groups: the base's first character bold, the reading
    // in 5 points; the base is 10.5 points.
    QTextDocument doc;
    ASSERT_TRUE(RtfReader::ReadDocument(DataFile("word-ruby.rtf"), doc).ok);
    QTextCursor c(&doc);
    c.setPosition(1);
    EXPECT_EQ(c.charFormat().fontWeight(), QFont::Bold);
    EXPECT_DOUBLE_EQ(c.charFormat().fontPointSize(), 10.5);
    c.setPosition(2);
    EXPECT_NE(c.charFormat().fontWeight(), QFont::Bold);
    EXPECT_DOUBLE_EQ(c.charFormat().fontPointSize(), 10.5);
    EXPECT_EQ(c.charFormat().stringProperty(TextProperties::RubyTextProperty),
              QStringLiteral("きもん"));
    c.setPosition(3);  // の, after the field
    EXPECT_FALSE(c.charFormat().hasProperty(TextProperties::RubyTextProperty));
}

TEST(RtfFieldReader, PastedRubyDoesNotJoinTheNeighbouringWords) {
    // 前(ぜん) and 後(ご) in the document; a ruby word 前(ぜん) pasted between them stays a word
    // of its own.
    QTextDocument doc;
    QTextCursor c(&doc);
    for (int g = 1; g <= 2; ++g) {
        QTextCharFormat f;
        f.setProperty(TextProperties::RubyTextProperty,
                      g == 1 ? QStringLiteral("ぜん") : QStringLiteral("ご"));
        f.setProperty(TextProperties::RubyGroupProperty, g);
        c.insertText(g == 1 ? QStringLiteral("前") : QStringLiteral("後"), f);
    }
    c.setPosition(1);
    const std::string rtf =
        "{\\rtf1\\ansi\\ansicpg932{\\fonttbl{\\f0\\fcharset128 M;}}{\\field{\\*\\fldinst EQ \\\\* "
        "jc0 \\\\o(\\\\s\\\\up 9(\\'82\\'ba\\'82\\'f1),\\'91\\'4f)}}}";
    ASSERT_TRUE(RtfReader::Read(rtf, c).ok);
    EXPECT_EQ(doc.toPlainText(), QStringLiteral("前前後"));
    const std::vector<RubyRun> expected = {
        {0, 0, 1, "ぜん", ""}, {0, 1, 1, "ぜん", ""}, {0, 2, 1, "ご", ""}};
    EXPECT_EQ(RubyRuns(doc), expected);
}

// Bytes that are not well-formed fields: reading ends, and the text around them is kept.
TEST(RtfFieldReader, MalformedFieldsEnd) {
    const std::string cases[] = {
        "{\\rtf1 a{\\field}b}",
        "{\\rtf1 a{\\field{\\*\\fldinst}}b}",
        "{\\rtf1 a{\\fldrslt x}b}",
        "{\\rtf1 a{\\field{\\fldrslt x}{\\fldrslt y}}b}",
        "{\\rtf1 a{\\field{\\*\\fldinst EQ \\\\o(\\\\s\\\\up 9(x),y)}{\\fldrslt z}{\\fldrslt w}}b}",
        "{\\rtf1 a{\\field{\\*\\fldinst EQ \\\\o(}{\\*\\fldinst \\\\s\\\\up 9(x),y)}}b}",
        "{\\rtf1 a{\\field{\\*\\fldinst {\\field{\\*\\fldinst {\\field{\\*\\fldinst EQ",
        "{\\rtf1 a{\\field\\field\\field{\\*\\fldinst EQ \\\\o(\\\\s\\\\up 9(x),y)}}b}",
    };
    const std::string expected[] = {"ab", "ab", "axb", "axyb", "ayb", "ayb", "a", "ayb"};
    for (std::size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(ReadText(cases[i]), expected[i]) << i;

    std::string deep = "{\\rtf1 a";
    for (int k = 0; k < 20000; ++k) deep += "{\\field{\\*\\fldinst EQ \\\\o(";
    deep += "b";
    EXPECT_EQ(ReadText(deep).substr(0, 1), "a");
}

}  // namespace
