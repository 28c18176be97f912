// More cases of the reader's rules, each worked out by hand from the RTF rules: the scope of
// \ucN, the fallback skip after \uN, \bin inside skipped groups, nested field parts, the header
// and footer variants, the associated fonts of \loch \hich \dbch, the default of \up and \dn,
// bullets and tables. Code page 932: あ 82 A0, い 82 A2.
#include <gtest/gtest.h>

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>
#include <string>

#include "RtfTestUtil.h"
#include "rtf/RtfReader.h"
#include "rtf/TextProperties.h"

using namespace rtftest;

namespace {

struct RuleCase {
    const char* name;
    const char* body;      // between the header and the closing brace
    const char* expected;  // UTF-8, paragraphs joined by \n
};

std::string Wrap(const char* body) {
    return std::string(
               "{\\rtf1\\ansi\\ansicpg932\\deff0{\\fonttbl{\\f0\\fnil\\fcharset128 X;}}\\f0 ") +
           body + "}";
}

class ReaderRule : public ::testing::TestWithParam<RuleCase> {};

TEST_P(ReaderRule, Reads) {
    EXPECT_EQ(ReadText(Wrap(GetParam().body)), GetParam().expected) << GetParam().body;
}

constexpr RuleCase kRules[] = {
    // \ucN belongs to the group it is set in: a group that set \uc0 gives back \uc1 at its
    // end, so the "?" after the next \u is skipped again.
    {"UcRestoredAfterGroup", "{\\uc0 }\\u12354?x", "あx"},
    // An inner group inherits the \uc of its parent.
    {"UcInheritedByInnerGroup", "\\uc2{\\u12354\\'82\\'a0}y", "あy"},
    // The space after \uN ends the control word and is not a fallback character.
    {"SpaceDelimiterIsNotFallback", "\\u12354 ?x", "あx"},
    // \uc0: nothing is skipped, so the byte after \u is text.
    {"Uc0SkipsNothing", "\\uc0\\u12354\\'82\\'a2", "あい"},
    // \uc2 with a one-byte fallback: the skip takes "?" and the next character "x" as well.
    {"SkipCountsCharacters", "\\uc2\\u12354?xy", "あy"},
    // \upr: the Unicode part \ud is read, the ANSI part is not; \ud groups outside \upr
    // are read too.
    {"UprAnsiPartDropped", "a{\\upr{\\'82\\'a2}{\\*\\ud{\\u12354?}}}b", "aあb"},
    // \bin inside an ignorable group: its bytes are skipped whole, braces included, and the
    // group ends at its own closing brace.
    {"BinInsideStarGroup", "a{\\*\\unknown\\bin2 }}c}b", "ab"},
    {"BinInsidePict", "a{\\pict\\wmetafile8\\bin3 {{}}b", "ab"},
    // Nested field parts: the instruction with groups of its own is dropped, the result with
    // formatting groups is text.
    {"NestedFieldParts", "{\\field{\\*\\fldinst {HYPERLINK {\"x\"}}}{\\fldrslt {\\ul link}}}z",
     "linkz"},
    {"FieldWithoutResult", "a{\\field{\\*\\fldinst PAGE}}b", "ab"},
    // Hidden text inside a field result is kept (as hidden text).
    {"HiddenInsideResult", "{\\field{\\*\\fldinst X}{\\fldrslt a{\\v b}c}}", "abc"},
    // Hidden text is kept in the text (RtfKeptFormatsTest checks which characters are hidden).
    {"HiddenEndsWithGroup", "{\\v a}b{c}", "abc"},
    // Every header and footer variant, first page and left/right, and footnotes with their
    // own paragraphs.
    {"HeaderFooterVariants",
     "{\\headerl L}{\\headerr R}{\\headerf F}{\\footerl l}{\\footerr r}{\\footerf f}x", "x"},
    {"FootnoteWithParagraphs", "a{\\footnote {\\chftn} note\\par more}b", "ab"},
    // A table row: every cell is a paragraph, the row end adds none of its own.
    {"TableThenParagraph", "\\trowd\\cellx1000\\cellx2000 A\\cell B\\cell\\row\\pard C\\par",
     "A\nB\nC"},
    {"NestedTableCell",
     "\\trowd\\cellx1000 A\\nestcell{\\*\\nesttableprops\\trowd\\cellx500\\nestrow}\\cell\\row D",
     "A\n\nD"},
    // A line end directly after a control word is not its delimiter and not text.
    {"LineEndAfterControlWord", "\\b\r\nx\\b0\ny", "xy"},
};
INSTANTIATE_TEST_SUITE_P(Rules, ReaderRule, ::testing::ValuesIn(kRules),
                         [](const auto& info) { return std::string(info.param.name); });

const char* kHead =
    "{\\rtf1\\ansi\\ansicpg932\\deff0{\\fonttbl{\\f0\\fnil\\fcharset128 Mincho;}{\\f1\\fnil"
    "\\fcharset0 Arial;}{\\f2\\fnil\\fcharset128 Gothic;}}";

QTextCharFormat FormatAt(const std::string& body, int position) {
    QTextDocument doc;
    EXPECT_TRUE(RtfReader::ReadDocument(std::string(kHead) + body + "}", doc).ok);
    QTextCursor c(&doc);
    c.setPosition(position + 1);
    return c.charFormat();
}

QString Family(const QTextCharFormat& f) {
    return f.fontFamilies().toStringList().value(0);
}

// Word writes each run as \loch\af1\hich\af1\dbch\af2: the single-byte characters take the
// font of \f (and \loch), the two-byte characters the \af given after \dbch.
TEST(ReaderAssociatedFonts, LochHichDbch) {
    const std::string body = "\\f1\\loch\\af1\\hich\\af1\\dbch\\af2 a\\'82\\'a0b";
    EXPECT_EQ(Family(FormatAt(body, 0)), "Arial");
    EXPECT_EQ(Family(FormatAt(body, 1)), "Gothic");
    EXPECT_EQ(Family(FormatAt(body, 2)), "Arial");
}

// \af given before \dbch names the font of another run type and does not change the font of
// two-byte characters.
TEST(ReaderAssociatedFonts, AfBeforeDbchIsNotTheTwoByteFont) {
    EXPECT_EQ(Family(FormatAt("\\f1\\af2\\loch \\u12354?", 0)), "Arial");
}

// \up and \dn without a number move the baseline by 6 half-points (3 points, 60 twips).
TEST(ReaderBaseline, DefaultOfUpAndDnIsSixHalfPoints) {
    EXPECT_EQ(FormatAt("\\up x", 0).intProperty(TextProperties::VerticalOffsetProperty), 60);
    EXPECT_EQ(FormatAt("\\dn x", 0).intProperty(TextProperties::VerticalOffsetProperty), -60);
}

// \up is a character format: it ends with its group.
TEST(ReaderBaseline, EndsWithTheGroup) {
    EXPECT_FALSE(FormatAt("{\\up4 a}x", 1).hasProperty(TextProperties::VerticalOffsetProperty));
}

// Two WordPad bullet lists separated by a plain paragraph are two lists, and the \pntext
// bullet character is not text.
TEST(ReaderBullets, PntextListsAroundAPlainParagraph) {
    QTextDocument doc;
    const std::string item =
        "{\\pntext\\f0\\'81\\'45\\tab}{\\*\\pn\\pnlvlblt\\pnf0{\\pntxtb"
        "\\'81\\'45}}\\fi-200\\li200 ";
    ASSERT_TRUE(RtfReader::ReadDocument(
                    std::string(kHead) + item + "a\\par\\pard b\\par" + item + "c\\par}", doc)
                    .ok);
    const QTextBlock a = doc.findBlockByNumber(0), b = a.next(), c = b.next();
    EXPECT_EQ(a.text(), "a");
    EXPECT_EQ(b.text(), "b");
    EXPECT_EQ(c.text(), "c");
    ASSERT_TRUE(a.textList());
    EXPECT_FALSE(b.textList());
    ASSERT_TRUE(c.textList());
    EXPECT_EQ(a.textList()->format().style(), QTextListFormat::ListDisc);
}

// A Word list paragraph whose \listtext holds a tab and a bullet has only its own text.
TEST(ReaderBullets, ListTextIsNotText) {
    EXPECT_EQ(ReadText(std::string(kHead) +
                       "{\\*\\listtable{\\list{\\listlevel\\levelnfc23{\\leveltext\\'01\\'b7;}}"
                       "\\listid3}}{\\*\\listoverridetable{\\listoverride\\listid3\\ls1}}"
                       "{\\listtext\\f1\\'b7\\tab}\\ls1 item\\par}"),
              "item");
}

}  // namespace

namespace {

// Reading into a selection in the middle of a paragraph: the first read paragraph joins the
// text before the selection, the last one (with no \par of its own) the text after it.
TEST(ReaderIntoSelection, ParagraphsSplitTheSurroundingParagraph) {
    QTextDocument target;
    QTextCursor t(&target);
    t.insertText(QStringLiteral("前XX後"));
    t.setPosition(1);
    t.setPosition(3, QTextCursor::KeepAnchor);
    ASSERT_TRUE(RtfReader::Read("{\\rtf1\\ansi a\\par b}", t).ok);
    EXPECT_EQ(Paragraphs(target), (std::vector<std::string>{"前a", "b後"}));
}

// Bytes that are not RTF leave the document and its selection as they were.
TEST(ReaderIntoSelection, NotRtfChangesNothing) {
    QTextDocument target;
    QTextCursor t(&target);
    t.insertText(QStringLiteral("前XX後"));
    t.setPosition(1);
    t.setPosition(3, QTextCursor::KeepAnchor);
    const RtfReader::Result r = RtfReader::Read("plain text", t);
    EXPECT_FALSE(r.ok);
    EXPECT_FALSE(r.error.isEmpty());
    EXPECT_EQ(target.toPlainText(), QStringLiteral("前XX後"));
    EXPECT_EQ(t.selectedText(), QStringLiteral("XX"));
}

}  // namespace

namespace {

// The code page of each Windows character set named by \fcharset (no \ansicpg, so only the
// font decides). Expected characters from glibc iconv of the same bytes.
struct CharsetCase {
    const char* name;
    int charset;
    const char* bytes;     // as \'hh escapes
    const char* expected;  // UTF-8
};

constexpr CharsetCase kCharsets[] = {
    {"ShiftJis128", 128, "\\'82\\'a0", "あ"},
    {"Hangul129", 129, "\\'b0\\'a1", "가"},
    {"Gb2312_134", 134, "\\'d6\\'d0", "中"},
    {"Big5_136", 136, "\\'a4\\'a4", "中"},
    {"Greek161", 161, "\\'e1", "α"},
    {"Turkish162", 162, "\\'fd", "ı"},
    {"Vietnamese163", 163, "\\'e0", "à"},
    {"Hebrew177", 177, "\\'e0", "א"},
    {"Arabic178", 178, "\\'c7", "ا"},
    {"Baltic186", 186, "\\'e0", "ą"},
    {"Cyrillic204", 204, "\\'c0", "А"},
    {"Thai222", 222, "\\'a1", "ก"},
    {"EastEurope238", 238, "\\'e8", "č"},
    // Code pages 1255 and 1258 hold a letter back for a combining mark that may follow: the
    // last letter of a run, and a letter before an undefined byte, must still arrive.
    {"HebrewWord", 177, "\\'f9\\'ec\\'e5\\'ed", "שלום"},
    {"HebrewBeforeUndefinedByte", 177, "\\'e0\\'ff", "א\xEF\xBF\xBD"},
    {"VietnameseCombiningMark", 163, "a\\'ec", "á"},
    {"Ansi0", 0, "\\'e9", "é"},
};

class ReaderCharset : public ::testing::TestWithParam<CharsetCase> {};

TEST_P(ReaderCharset, FontCharsetChoosesTheCodePage) {
    const CharsetCase& c = GetParam();
    const std::string rtf = "{\\rtf1\\ansi{\\fonttbl{\\f0\\fcharset" + std::to_string(c.charset) +
                            " A;}}\\f0 " + c.bytes + "}";
    EXPECT_EQ(ReadText(rtf), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Charsets, ReaderCharset, ::testing::ValuesIn(kCharsets),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
