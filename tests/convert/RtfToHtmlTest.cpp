// The RTF to HTML converter, case by case from its rules (expected HTML worked out by hand).
#include <gtest/gtest.h>

#include <string>

#include "convert/RtfToHtml.h"

namespace {

// Fonts F0, F1 and the colours black and red, then the end of the header.
const std::string kHead =
    "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fnil\\fcharset128 F0;}{\\f1\\fnil\\fcharset0 F1;}}"
    "{\\colortbl\\red0\\green0\\blue0;\\red255\\green0\\blue0;}\\deflang1041 ";
const std::string kDiv = "\r\n<BR><DIV ALIGN=LEFT>";

std::string Html(const std::string& body) {
    return RtfToHtml(kHead + body + "}");
}
std::string Font(const char* face, const char* colour, int size) {
    return std::string("<FONT FACE=\"") + face + "\" COLOR=\"" + colour + "\" SIZE=\"" +
           std::to_string(size) + "\">";
}

struct Case {
    const char* name;
    std::string body;
    std::string expected;
};

class RtfToHtmlCase : public ::testing::TestWithParam<Case> {};

TEST_P(RtfToHtmlCase, Converts) {
    EXPECT_EQ(Html(GetParam().body), GetParam().expected);
}

const Case kCases[] = {
    {"EntitiesWithoutSemicolon", "a<b>c", kDiv + "a&ltb&gtc"},
    {"EscapedLessThan", "\\'3cx", kDiv + "&ltx"},
    {"EscapedZeroWritesNothing", "a\\'00b", kDiv + "ab"},
    {"Size20", "\\fs20 x", kDiv + Font("F0", "#000000", 2) + "x"},
    {"Size24AfterAnother", "\\fs20 a\\fs24 b",
     kDiv + Font("F0", "#000000", 2) + "a" + Font("F0", "#000000", 3) + "b"},
    {"Size24IsTheStartSize", "\\fs24 x", kDiv + "x"},
    {"Size28", "\\fs28 x", kDiv + Font("F0", "#000000", 4) + "x"},
    {"Size72", "\\fs72 x", kDiv + Font("F0", "#000000", 7) + "x"},
    {"BareFs", "\\fs x", kDiv + Font("F0", "#000000", 1) + "x"},
    {"ColourRed", "\\cf1 x", kDiv + Font("F0", "#FF0000", 3) + "x"},
    {"StarGroupWritesNothing", "a{\\*\\gen text{in}}b", kDiv + "ab"},
    {"PntextGroupWritesNothing", "{\\pntext\\f0\\'81\\'45\\tab}x", "\r\n<BR><BR><LI>x"},
    {"BoldZeroStaysBold", "\\b a\\b0 b\\plain c",
     kDiv + "<B>ab" + Font("F0", "#000000", 3) + "</B>c"},
    {"RawTabDroppedTabWordWritten", "a\tb\\tab c", kDiv + "ab\tc"},
    {"Centre", "\\qc a", "\r\n<BR><DIV ALIGN=CENTER>a"},
    {"Right", "\\qr a", "\r\n<BR><DIV ALIGN=RIGHT>a"},
    {"ParStartsDiv", "a\\par b", kDiv + "a" + kDiv + "b"},
    {"FontChange", "\\f1 x", kDiv + Font("F1", "#000000", 3) + "x"},
    {"StylesInOrder", "\\strike\\ul\\i\\b x", kDiv + "<B><I><U><S>x"},
    {"StylesClosedAtParagraph", "\\b a\\plain\\par b",
     kDiv + "<B>a" + Font("F0", "#000000", 3) + "</B>" + kDiv + "b"},
    {"StylesReopenedAtParagraph", "\\b a\\par b", kDiv + "<B>a</B>" + kDiv + "<B>b"},
    {"EscapedBraces", "\\{\\}\\\\", kDiv + "{}\\"},
    {"ShiftJisPassesThrough", "\x82\xa0\x95\\'5c", kDiv + "\x82\xa0\x95\\"},
    {"LineEndsPassThrough", "a\r\nb", kDiv + "a\r\nb"},
    {"List", "\\pard\\fi0\\fi-360{\\pntext\\tab}a\r\n\\par {\\pntext\\tab}b\r\n\\par \\pard c",
     "\r\n<UL>\r\n<BR><BR><LI>a\r\n\r\n<BR><BR><LI>b\r\n\r\n</UL>c"},
    {"FiMinusIsAnotherWord", "\\fi-360 a", kDiv + "a"},
    {"ItemEndedWritesLiClose", "{\\pntext\\tab}a\\par b", "\r\n<BR><BR><LI>a</LI>b"},
    {"UnicodeAsReference", "\\u12354?x\\u-10179?\\u-8704?", kDiv + "&#12354;x&#128512;"},
    {"UnknownWordIgnored", "\\lang1041\\whatever12 x", kDiv + "x"},
};

INSTANTIATE_TEST_SUITE_P(Rules, RtfToHtmlCase, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

// A sequence that the end of the text cuts short ends the conversion; a character other than a
// hexadecimal digit counts as 0.
TEST(RtfToHtml, CutShortAndBadEscapes) {
    EXPECT_EQ(RtfToHtml(kHead + "a\\'8"), kDiv + "a");
    EXPECT_EQ(RtfToHtml(kHead + "a\\"), kDiv + "a");
    EXPECT_EQ(RtfToHtml(kHead + "\\'4g}"), kDiv + "@");
}

TEST(RtfToHtml, ComponentWithoutNumberCounts255) {
    const std::string rtf =
        "{\\rtf1{\\fonttbl{\\f0\\fnil\\fcharset128 F;}}{\\colortbl\\red\\green0\\blue0;}"
        "\\deflang1041\\plain\\cf1\\cf0 x}";
    // \cf1 then \cf0 forces a FONT tag with colour 0, which is the red of this table.
    EXPECT_EQ(RtfToHtml(rtf), kDiv + Font("F", "#FF0000", 3) + "x");
}

TEST(RtfToHtml, HexFontNameArrivesAsBytes) {
    const std::string rtf =
        "{\\rtf1{\\fonttbl{\\f0\\fnil\\fcharset128 \\'82\\'6c\\'82\\'72 \\'96\\'be\\'92\\'a9;}}"
        "{\\colortbl\\red0\\green0\\blue0;}\\deflang1041\\fs20 x}";
    EXPECT_EQ(RtfToHtml(rtf), kDiv + Font("\x82\x6c\x82\x72 \x96\xbe\x92\xa9", "#000000", 2) + "x");
}

// Numbers are looked up among the ones declared: sparse font numbers and an empty first colour
// entry (the automatic colour) work.
TEST(RtfToHtml, SparseFontNumbersAndAutomaticColourEntry) {
    const std::string rtf =
        "{\\rtf1\\deff3{\\fonttbl{\\f3\\fnil\\fcharset128 Three;}{\\f7\\fnil\\fcharset0 Seven;}}"
        "{\\colortbl;\\red255\\green0\\blue0;}\\deflang1041\\f7\\cf1 x}";
    EXPECT_EQ(RtfToHtml(rtf), kDiv + Font("Seven", "#FF0000", 3) + "x");
}

struct BadCase {
    const char* name;
    std::string body;
};
class RtfToHtmlBad : public ::testing::TestWithParam<BadCase> {};
TEST_P(RtfToHtmlBad, UndeclaredNumberIsAnError) {
    EXPECT_THROW(Html(GetParam().body), RtfToHtmlError);
}
INSTANTIATE_TEST_SUITE_P(Errors, RtfToHtmlBad,
                         ::testing::Values(BadCase{"Colour", "\\cf5 x"},
                                           BadCase{"Font", "\\f9\\fs20 x"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(RtfToHtml, NoColourTableIsAnErrorOnceAFontTagIsWritten) {
    EXPECT_THROW(RtfToHtml("{\\rtf1{\\fonttbl{\\f0\\fnil\\fcharset128 F;}}\\deflang1041\\fs20 x}"),
                 RtfToHtmlError);
}

TEST(RtfToHtml, HeaderBytesEndAtDeflang) {
    const RtfToHtmlResult r =
        RtfToHtmlDetailed("{\\rtf1{\\fonttbl{\\f0\\fnil\\fcharset128 F;}}\r\n\\deflang1041 x}");
    EXPECT_EQ(r.html, kDiv + "\r\n" + kDiv + "x");
    EXPECT_EQ(r.headerBytes, kDiv.size() + 2);
    EXPECT_EQ(RtfToHtmlDetailed("{\\rtf1 x}").headerBytes, std::string::npos);
}

}  // namespace
