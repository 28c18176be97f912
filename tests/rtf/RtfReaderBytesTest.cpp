// The reader's byte rules: two-byte characters split over raw and escaped bytes, \uN with its
// fallback, code pages, and the destinations that hold no text. Expected texts are worked out
// by hand from code page 932 (checked with glibc iconv: あ 82 A0, 表 95 5C, ボ 83 7B,
// マ 83 7D, 　 81 40).
#include <gtest/gtest.h>

#include <QTextDocument>
#include <string>

#include "RtfTestUtil.h"
#include "rtf/RtfReader.h"

using namespace rtftest;

namespace {

struct TextCase {
    const char* name;
    const char* body;      // goes between the header and the closing brace
    const char* expected;  // UTF-8, paragraphs joined by \n
};

std::string Wrap(const char* body) {
    return std::string("{\\rtf1\\ansi\\ansicpg932{\\fonttbl{\\f0\\fnil\\fcharset128 X;}}\\f0 ") +
           body + "}";
}

class ReaderText : public ::testing::TestWithParam<TextCase> {};

TEST_P(ReaderText, Reads) {
    EXPECT_EQ(ReadText(Wrap(GetParam().body)), GetParam().expected) << GetParam().body;
}

std::string CaseName(const ::testing::TestParamInfo<TextCase>& info) {
    return info.param.name;
}

// Lead byte raw or escaped, trail byte raw (a trail of \ { } must be a control symbol then) or
// escaped, and a line end between them.
constexpr TextCase kByteMatrix[] = {
    {"EscLeadEscTrailA0", "\\'82\\'a0", "あ"},
    {"RawLeadEscTrailA0", "\x82\\'a0", "あ"},
    {"EscLeadRawTrailA0", "\\'82\xa0", "あ"},
    {"RawLeadRawTrailA0", "\x82\xa0", "あ"},
    {"EscLeadEscTrail5C", "\\'95\\'5c", "表"},
    {"RawLeadEscTrail5C", "\x95\\'5c", "表"},
    {"EscLeadSymbolTrail5C", "\\'95\\\\", "表"},
    {"RawLeadSymbolTrail5C", "\x95\\\\", "表"},
    {"EscLeadEscTrail7B", "\\'83\\'7b", "ボ"},
    {"EscLeadSymbolTrail7B", "\\'83\\{", "ボ"},
    {"RawLeadSymbolTrail7D", "\x83\\}", "マ"},
    {"EscLeadEscTrail7D", "\\'83\\'7d", "マ"},
    {"EscLeadEscTrail40", "\\'81\\'40", "　"},
    {"EscLeadRawTrail40", "\\'81@", "　"},
    {"RawLeadRawTrail40", "\x81@", "　"},
    {"LineEndBetweenEscaped", "\\'82\r\n\\'a0", "あ"},
    {"LineEndBetweenRawAndEscaped", "\x95\n\\'5c", "表"},
    {"LfBetweenRaw", "\x82\n\xa0", "あ"},
    {"TwoCharactersEscaped", "\\'95\\'5c\\'82\\'a0", "表あ"},
    {"AsciiBetween", "a\\'82\\'a0b\\'95\\'5cc", "aあb表c"},
    {"HalfWidthKana", "\\'b1\\'b2", "ｱｲ"},
};
INSTANTIATE_TEST_SUITE_P(ByteMatrix, ReaderText, ::testing::ValuesIn(kByteMatrix), CaseName);

constexpr TextCase kUnicode[] = {
    {"Uc0", "\\uc0\\u12354 x", "あx"},
    {"Uc1", "\\uc1\\u12354?x", "あx"},
    {"Uc2TwoByteFallback", "\\uc2\\u12354\\'82\\'a0x", "あx"},
    {"DefaultUcIsOne", "\\u12354?x", "あx"},
    {"NegativeValue", "\\u-244?x", "，x"},
    {"SurrogatePair", "\\u-10179?\\u-8704?", "😀"},
    {"SurrogatePairPositive", "\\uc0 \\u55362\\u57271 ", "𠮷"},
    {"UcScopedToGroup", "{\\uc2\\u12354\\'82\\'a0}\\u12356?x", "あいx"},
    {"BraceEndsTheSkip", "{\\uc5\\u12354}abc", "あabc"},
    {"ControlWordCountsOne", "\\u12354\\par x", "あx"},
    {"ControlSymbolCountsOne", "\\u12354\\~x", "あx"},
    {"UnicodeThenRawBytes", "\\u12354\\'3f\\'82\\'a0", "ああ"},
    {"UprReadsUd", "{\\upr{ansi}{\\*\\ud{uni}}}", "uni"},
};
INSTANTIATE_TEST_SUITE_P(Unicode, ReaderText, ::testing::ValuesIn(kUnicode), CaseName);

constexpr TextCase kDestinations[] = {
    {"UnknownStarGroup", "a{\\*\\unknown text{nested}}b", "ab"},
    {"KnownWordStarGroup", "a{\\*\\b bold?}b", "ab"},
    {"PictWithBinHoldingBraces", "a{\\pict\\bin4 }{}{}b", "ab"},
    {"BinOutsideAGroup", "a\\bin3 }}}b", "ab"},
    {"BinZero", "a\\bin0 b", "ab"},
    {"FieldInstructionSkipped", "{\\field{\\*\\fldinst HYPERLINK \"x\"}{\\fldrslt link}}", "link"},
    {"FieldInstructionWithoutStar", "{\\field{\\fldinst PAGE}{\\fldrslt 3}}", "3"},
    {"HiddenGroup", "a{\\v hidden}b", "ahiddenb"},
    {"HiddenSwitchedOff", "a\\v hid\\v0 b", "ahidb"},
    {"HeaderFooterFootnote", "{\\header H}{\\footer F}{\\footnote N}x", "x"},
    {"Object", "{\\object{\\*\\objdata 0102}{\\result{\\pict 00}}}x", "x"},
    {"NonShpPict", "{\\*\\shppict{\\pict 00}}{\\nonshppict{\\pict 00}}x", "x"},
    {"StyleSheet", "{\\stylesheet{\\s1 Heading;}}x", "x"},
    {"Info", "{\\info{\\title T}{\\author A}}x", "x"},
    {"PntextAndListtext", "{\\pntext 1.\\tab}{\\listtext 2.\\tab}x", "x"},
    {"Table", "\\trowd\\cellx100\\cellx200 A\\cell B\\cell\\row C", "A\nB\nC"},
    {"LineAndTab", "a\\line b\\tab c", "a\nb\tc"},
    {"SpecialCharacters", "\\emdash\\endash\\lquote\\rquote\\ldblquote\\rdblquote\\bullet\\~",
     "—–‘’“”•\xC2\xA0"},
    {"FinalParDropped", "a\\par b\\par", "a\nb"},
    {"EmptyParagraphsKept", "a\\par\\par b\\par", "a\n\nb"},
    {"BackslashNewlineIsPar", "a\\\nb", "a\nb"},
    {"UnbalancedCloseIgnored", "a}}}b", "a"},
};
INSTANTIATE_TEST_SUITE_P(Destinations, ReaderText, ::testing::ValuesIn(kDestinations), CaseName);

// Which code page: the font's \fcharset, overridden by its \cpg, else \ansicpg, else 1252.
struct CodePageCase {
    const char* name;
    const char* rtf;
    const char* expected;
};
constexpr CodePageCase kCodePages[] = {
    {"Charset128WithoutAnsicpg", "{\\rtf1\\ansi{\\fonttbl{\\f0\\fcharset128 A;}}\\f0\\'82\\'a0}",
     "あ"},
    {"Charset128NoAnsiWord", "{\\rtf1{\\fonttbl{\\f1\\fcharset128 A;}}\\f1\\'82\\'a0}", "あ"},
    {"CharsetZeroBeatsAnsicpg",
     "{\\rtf1\\ansi\\ansicpg932{\\fonttbl{\\f0\\fcharset0 A;}}\\f0\\'e9}", "é"},
    {"NoCharsetFollowsAnsicpg", "{\\rtf1\\ansi\\ansicpg932{\\fonttbl{\\f0 A;}}\\f0\\'82\\'a0}",
     "あ"},
    {"CpgBeatsCharset", "{\\rtf1\\ansi{\\fonttbl{\\f0\\fcharset128\\cpg1252 A;}}\\f0\\'e9}", "é"},
    {"NoFontAnsi", "{\\rtf1\\ansi\\'e9}", "é"},
    {"NoFontAnsicpg932", "{\\rtf1\\ansi\\ansicpg932\\'82\\'a0}", "あ"},
    {"Big5", "{\\rtf1\\ansi\\ansicpg950{\\fonttbl{\\f0\\fcharset136 A;}}\\f0\\'a4\\'a4}", "中"},
    {"Cyrillic", "{\\rtf1\\ansi\\ansicpg1251\\'c0}", "А"},
    {"TwoFontsTwoCodePages",
     "{\\rtf1\\ansi{\\fonttbl{\\f0\\fcharset0 A;}{\\f1\\fcharset128 B;}}\\f0\\'e9\\f1\\'82\\'a0}",
     "éあ"},
    {"DbchFontForBytes",
     "{\\rtf1\\ansi{\\fonttbl{\\f0\\fcharset0 A;}{\\f1\\fcharset128 B;}}\\f0\\dbch\\af1\\'82\\'a0}",
     "あ"},
};

class ReaderCodePage : public ::testing::TestWithParam<CodePageCase> {};
TEST_P(ReaderCodePage, Decodes) {
    EXPECT_EQ(ReadText(GetParam().rtf), GetParam().expected);
}
INSTANTIATE_TEST_SUITE_P(CodePages, ReaderCodePage, ::testing::ValuesIn(kCodePages),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ReaderFontTable, NamesDecodedInTheFontsCodePage) {
    QTextDocument doc;
    ASSERT_TRUE(RtfReader::ReadDocument(
                    "{\\rtf1{\\fonttbl{\\f0\\fnil\\fcharset128 \\'82\\'6c\\'82\\'72 \\'96\\'be\\'92"
                    "\\'a9;}{\\f1\\fswiss\\fcharset0 Arial{\\*\\falt Helvetica};}}\\f0 a\\f1 b}",
                    doc)
                    .ok);
    QTextCursor c(&doc);
    c.setPosition(1);
    EXPECT_EQ(c.charFormat().fontFamilies().toStringList().value(0), QStringLiteral("ＭＳ 明朝"));
    c.setPosition(2);
    EXPECT_EQ(c.charFormat().fontFamilies().toStringList().value(0), QStringLiteral("Arial"));
}

TEST(ReaderErrors, NotRtfChangesNothing) {
    QTextDocument doc;
    doc.setPlainText(QStringLiteral("元の文書"));
    for (const char* bytes : {"plain text", "", "{\\rt", "\x82\xa0{\\rtf1 x}"}) {
        const RtfReader::Result r = RtfReader::ReadDocument(bytes, doc);
        EXPECT_FALSE(r.ok) << bytes;
        EXPECT_FALSE(r.error.isEmpty());
        EXPECT_EQ(doc.toPlainText(), QStringLiteral("元の文書"));
    }
    EXPECT_TRUE(RtfReader::LooksLikeRtf("\r\n {\\rtf1}"));
}

}  // namespace
