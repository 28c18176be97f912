// Fields in the horizontal HTML converter: a ruby field gives its base (not its reading, not
// its instruction), a field with an empty result what its instruction shows. Shift-JIS bytes
// of the expected text by iconv: 鬼門 8b53 96e5, 漢 8abf, 野 96ec, かん 82a9 82f1.
#include <gtest/gtest.h>

#include <string>

#include "convert/RtfFieldFlattener.h"
#include "convert/RtfToHtml.h"

namespace {

const std::string kHead =
    "{\\rtf1\\ansi\\uc1\\deff0{\\fonttbl{\\f0\\fnil\\fcharset128 F0;}}"
    "{\\colortbl\\red0\\green0\\blue0;}\\deflang1041 ";
const std::string kDiv = "\r\n<BR><DIV ALIGN=LEFT>";

std::string Html(const std::string& body) {
    return RtfToHtml(kHead + body + "}");
}

struct Case {
    const char* name;
    std::string body;
    std::string expected;
};

const Case kCases[] = {
    {"LibreOfficeRuby",
     "{\\field{\\*\\fldinst { EQ \\\\* jc3 \\\\* \"Font:Noto Serif CJK SC\" \\\\* hps12 "
     "\\\\o\\\\al(\\\\s\\\\up 10(\\u12365\\'3f\\u12418\\'3f\\u12435\\'3f),\\u39740\\'3f\\u38272"
     "\\'3f)}}{\\fldrslt {}}}}x",
     kDiv + "\x8b\x53\x96\xe5x"},
    {"WordRubyWithItsResult",
     "{\\field{\\*\\fldinst {EQ \\\\* jc2 \\\\* hps10 \\\\o\\\\ad(\\\\s\\\\up 9(}{\\fs10 "
     "\\'82\\'a9\\'82\\'f1}{),}{\\b \\'8a\\'bf)}}{\\fldrslt {\\b \\'8a\\'bf}}}x",
     kDiv + "\x8a\xbfx"},
    {"WordPlainRubyEmptyResult",
     "{\\field{\\*\\fldinst EQ \\\\o(\\\\s\\\\up 9(\\'82\\'a9\\'82\\'f1),\\'8a\\'bf)}{\\fldrslt }}",
     kDiv + "\x8a\xbf"},
    {"RubyWithoutResult", "{\\field{\\*\\fldinst EQ \\\\o(\\\\s\\\\up 9(x),\\'8a\\'bf)}}",
     kDiv + "\x8a\xbf"},
    {"BaseOutsideCodePage932",
     "{\\field{\\*\\fldinst EQ \\\\o(\\\\s\\\\up 9(x),\\u-10174?\\u-8265?\\'96\\'ec)}}",
     kDiv + "&#134071;\x96\xec"},
    {"NoFallbackUnderUc0", "\\uc0{\\field{\\*\\fldinst EQ \\\\o(\\\\s\\\\up 9(x),\\u8364)}}y",
     kDiv + "&#8364;y"},
    {"LessThanInBase", "{\\field{\\*\\fldinst EQ \\\\o(\\\\s\\\\up 9(x),a<b)}}", kDiv + "a&ltb"},
    {"HyperlinkWithResult",
     "{\\field{\\*\\fldinst HYPERLINK \"https://example.com/\"}{\\fldrslt Example}}",
     kDiv + "Example"},
    {"HyperlinkWithEmptyResult",
     "{\\field{\\*\\fldinst HYPERLINK \"https://example.com/\"}{\\fldrslt {}}}",
     kDiv + "https://example.com/"},
    {"PageWithoutResultShowsNothing", "a{\\field{\\*\\fldinst PAGE}{\\fldrslt }}b", kDiv + "ab"},
    {"UnclosedRubyKeepsBothWords",
     "{\\field{\\*\\fldinst EQ \\\\o(\\\\s\\\\up 9(\\'82\\'a9\\'82\\'f1),\\'8a\\'bf}{\\fldrslt }}",
     kDiv + "\x82\xa9\x82\xf1\x8a\xbf"},
    {"RubyInsideAResult",
     "{\\field{\\*\\fldinst HYPERLINK \"u\"}{\\fldrslt {\\field{\\*\\fldinst EQ \\\\o(\\\\s\\\\up "
     "9(x),\\'8a\\'bf)}}}}",
     kDiv + "\x8a\xbf"},
};

TEST(RtfToHtmlField, Converts) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Html(c.body), c.expected);
    }
}

TEST(RtfToHtmlField, NoFieldNoCopy) {
    std::string out = "unchanged";
    EXPECT_FALSE(RtfFieldFlattener::Flatten(kHead + "a\\fldrslt b}", out));
    EXPECT_EQ(out, "unchanged");
}

// Broken and deeply nested fields end in time and give some page.
TEST(RtfToHtmlField, MalformedFieldsEnd) {
    const std::string cases[] = {
        "{\\field",
        "{\\field{\\*\\fldinst",
        "{\\field{\\*\\fldinst EQ \\\\o(\\\\s\\\\up 9(",
        "{\\field{\\fldrslt {\\field{\\fldrslt {\\field",
        "{\\field{\\*\\fldinst \\'8",
        "{\\field{\\*\\fldinst \\u",
        "{\\field}}}}}",
    };
    for (const std::string& c : cases) RtfToHtml(kHead + c);
    std::string deep;
    for (int k = 0; k < 20000; ++k) deep += "{\\field{\\*\\fldinst HYPERLINK \"u\"}{\\fldrslt x";
    EXPECT_NE(RtfToHtml(kHead + deep).find("xxxx"), std::string::npos);
    std::string nested;
    for (int k = 0; k < 20000; ++k) nested += "{\\field{\\*\\fldinst EQ \\\\o(";
    RtfToHtml(kHead + nested);
}

TEST(RtfFieldFlattener, TextOf) {
    EXPECT_EQ(RtfFieldFlattener::TextOf("a\\'8a\\'bf\\u8364?b{\\*\\skip x}c\\\\\\{\\}"),
              u"a漢€bc\\{}");
    EXPECT_EQ(RtfFieldFlattener::TextOf("\\uc2\\u8364\\'3f\\'3fd"), u"€d");
    EXPECT_EQ(RtfFieldFlattener::TextOf("\x83\\\\"), u"ソ");
}

}  // namespace
