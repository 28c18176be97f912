// Field instructions read as Word's field code: the ruby of EQ fields, the text a field shows
// when its result is empty, and the ruby instruction written back (expected values by hand
// from the field code's syntax).
#include <gtest/gtest.h>

#include <string>

#include "convert/FieldInstruction.h"

namespace {

// UTF-8 literals in, UTF-16 for the functions; results back in UTF-8 for readable failures.
std::u16string U16(const std::string& s) {
    std::u16string out;
    for (std::size_t i = 0; i < s.size();) {
        const unsigned char b = static_cast<unsigned char>(s[i]);
        char32_t c;
        std::size_t len;
        if (b < 0x80) {
            c = b;
            len = 1;
        } else if (b < 0xE0) {
            c = b & 0x1F;
            len = 2;
        } else if (b < 0xF0) {
            c = b & 0x0F;
            len = 3;
        } else {
            c = b & 0x07;
            len = 4;
        }
        for (std::size_t k = 1; k < len; ++k)
            c = (c << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
        if (c >= 0x10000) {
            out.push_back(char16_t(0xD800 + ((c - 0x10000) >> 10)));
            out.push_back(char16_t(0xDC00 + ((c - 0x10000) & 0x3FF)));
        } else {
            out.push_back(char16_t(c));
        }
        i += len;
    }
    return out;
}

std::string U8(const std::u16string& s) {
    std::string out;
    for (std::size_t i = 0; i < s.size(); ++i) {
        char32_t c = s[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < s.size()) {
            c = 0x10000 + ((c - 0xD800) << 10) + (s[i + 1] - 0xDC00);
            ++i;
        }
        if (c < 0x80) {
            out.push_back(char(c));
        } else if (c < 0x800) {
            out.push_back(char(0xC0 | (c >> 6)));
            out.push_back(char(0x80 | (c & 0x3F)));
        } else if (c < 0x10000) {
            out.push_back(char(0xE0 | (c >> 12)));
            out.push_back(char(0x80 | ((c >> 6) & 0x3F)));
            out.push_back(char(0x80 | (c & 0x3F)));
        } else {
            out.push_back(char(0xF0 | (c >> 18)));
            out.push_back(char(0x80 | ((c >> 12) & 0x3F)));
            out.push_back(char(0x80 | ((c >> 6) & 0x3F)));
            out.push_back(char(0x80 | (c & 0x3F)));
        }
    }
    return out;
}

struct RubyCase {
    const char* name;
    const char* instruction;
    bool ruby;
    const char* reading;
    const char* base;
    const char* options;
};

const RubyCase kRuby[] = {
    {"WordPlain", R"(EQ \o(\s\up 9(かん),漢))", true, "かん", "漢", R"(\o \s\up 9)"},
    {"WordWithOptions", R"(EQ \* jc2 \* "Font:ＭＳ 明朝" \* hps10 \o\ad(\s\up 9(きもん),鬼門))",
     true, "きもん", "鬼門", R"(\* jc2 \* "Font:ＭＳ 明朝" \* hps10 \o\ad \s\up 9)"},
    {"LibreOffice",
     R"( EQ \* jc3 \* "Font:Noto Serif CJK SC" \* hps12 \o\al(\s\up 10(きもん),鬼門))", true,
     "きもん", "鬼門", R"(\* jc3 \* "Font:Noto Serif CJK SC" \* hps12 \o\al \s\up 10)"},
    {"CaseOfWordsIgnored", R"(eq \O(\S\UP 9(よ),世))", true, "よ", "世", R"(\O \S\UP 9)"},
    {"SpacesBeforeLists", R"(EQ \o (\s\up 9 (よみ),字) )", true, "よみ", "字", R"(\o \s\up 9)"},
    {"EscapedCommas", R"(EQ \o(\s\up 9(いち\,に),一\,二))", true, "いち,に", "一,二",
     R"(\o \s\up 9)"},
    {"EscapedParenthesesAndBackslash", R"(EQ \o(\s\up 9(\(よ\)),a\\b))", true, "(よ)", R"(a\b)",
     R"(\o \s\up 9)"},
    {"BalancedParenthesesAreText", R"(EQ \o(\s\up 9(か(っ)こ),(株)))", true, "か(っ)こ", "(株)",
     R"(\o \s\up 9)"},
    {"BaseOutsideThePlane", R"(EQ \o(\s\up 9(よしの),𠮷野))", true, "よしの", "𠮷野",
     R"(\o \s\up 9)"},
    {"EmptyReadingIsStillTheBase", R"(EQ \o(\s\up 9(),字))", true, "", "字", R"(\o \s\up 9)"},
    {"Unclosed", R"(EQ \o(\s\up 9(かん),漢)", false, "", "", ""},
    {"ReadingUnclosed", R"(EQ \o(\s\up 9(かん,漢))", false, "", "", ""},
    {"NoBase", R"(EQ \o(\s\up 9(かん)))", false, "", "", ""},
    {"EmptyBase", R"(EQ \o(\s\up 9(かん),))", false, "", "", ""},
    {"SwitchInBase", R"(EQ \o(\s\up 9(か),\s\do 2(x)))", false, "", "", ""},
    {"ThreeArguments", R"(EQ \o(\s\up 9(か),a,b))", false, "", "", ""},
    {"BaseFirst", R"(EQ \o(漢,\s\up 9(かん)))", false, "", "", ""},
    {"LoneBackslash", "EQ \\o(\\s\\up 9(か),a\\", false, "", "", ""},
    {"TextAfterTheList", R"(EQ \o(\s\up 9(か),字)x)", false, "", "", ""},
    {"Fraction", R"(EQ \f(1,2))", false, "", "", ""},
    {"Hyperlink", R"(HYPERLINK "https://example.com/")", false, "", "", ""},
    {"OnlyEq", "EQ", false, "", "", ""},
    {"Empty", "", false, "", "", ""},
    {"Parentheses", "((((", false, "", "", ""},
};

TEST(FieldInstruction, ParseRuby) {
    for (const RubyCase& c : kRuby) {
        SCOPED_TRACE(c.name);
        const std::u16string instruction = U16(c.instruction);
        const auto r = FieldInstruction::ParseRuby(instruction);
        ASSERT_EQ(r.has_value(), c.ruby);
        if (!r) continue;
        EXPECT_EQ(U8(r->reading), c.reading);
        EXPECT_EQ(U8(r->base), c.base);
        EXPECT_EQ(U8(r->options), c.options);
        // Each base unit's index points at that unit in the instruction.
        ASSERT_EQ(r->baseAt.size(), r->base.size());
        for (std::size_t k = 0; k < r->base.size(); ++k)
            EXPECT_EQ(instruction.at(r->baseAt[k]), r->base[k]);
        // Written back with its options, the field reads as the same ruby.
        const auto again = FieldInstruction::ParseRuby(
            FieldInstruction::BuildRuby(r->options, r->reading, r->base, 21));
        ASSERT_TRUE(again.has_value());
        EXPECT_EQ(again->reading, r->reading);
        EXPECT_EQ(again->base, r->base);
        // The same options, with an alignment in front where they had none.
        const std::string o = U8(again->options), want = c.options;
        EXPECT_TRUE(o == want ||
                    (o.size() > want.size() && o.rfind(" " + want) == o.size() - want.size() - 1))
            << o;
    }
}

struct BuildCase {
    const char* name;
    const char* options;
    const char* reading;
    const char* base;
    int baseHalfPoints;
    const char* instruction;
};

const BuildCase kBuild[] = {
    // 10.5 points: a reading of 5 points (hps10) raised by 4.5 (\up 9), as Word makes it.
    {"NoOptions", "", "かん", "漢", 21, R"(EQ \* jc0 \* hps10 \o\ac(\s\up 9(かん),漢))"},
    {"NoOptions24Points", "", "かん", "漢", 48, R"(EQ \* jc0 \* hps24 \o\ac(\s\up 23(かん),漢))"},
    {"WordOptions", R"(\* jc2 \* "Font:ＭＳ 明朝" \* hps10 \o\ad \s\up 9)", "きもん", "鬼門", 4,
     R"(EQ \* jc2 \* "Font:ＭＳ 明朝" \* hps10 \o\ad(\s\up 9(きもん),鬼門))"},
    {"WordPlainGetsCentred", R"(\o \s\up 9)", "かん", "漢", 21,
     R"(EQ \* jc0 \o(\s\up 9(かん),漢))"},
    {"LeftGetsJc3", R"(\o\al \s\up 10)", "か", "字", 21, R"(EQ \* jc3 \o\al(\s\up 10(か),字))"},
    {"SpreadGetsJc2", R"(\* hps10 \o\AD \s\up 9)", "か", "字", 21,
     R"(EQ \* jc2 \* hps10 \o\AD(\s\up 9(か),字))"},
    {"RightGetsJc4", R"(\o\ar \s\up 9)", "か", "字", 21, R"(EQ \* jc4 \o\ar(\s\up 9(か),字))"},
    {"OptionsWithoutO", R"(\* jc2 \* hps10)", "かん", "漢", 24,
     R"(EQ \* jc2 \* hps10 \o(\s\up 11(かん),漢))"},
    {"OptionsWithoutS", R"(\* jc0 \o\ac)", "かん", "漢", 21,
     R"(EQ \* jc0 \o\ac(\s\up 9(かん),漢))"},
    {"CommaAndBackslashEscaped", R"(\* jc0 \o \s\up 9)", "a,b", R"(c\d)", 21,
     R"(EQ \* jc0 \o(\s\up 9(a\,b),c\\d))"},
    {"BalancedParenthesesAsTheyAre", R"(\* jc0 \o \s\up 9)", "(よ)", "(株)", 21,
     R"(EQ \* jc0 \o(\s\up 9((よ)),(株)))"},
    {"UnbalancedParenthesesEscaped", R"(\* jc0 \o \s\up 9)", "a)b", "(c", 21,
     R"(EQ \* jc0 \o(\s\up 9(a\)b),\(c))"},
    {"BrokenOptionsDropped", R"(\o\al), x(\s\up 9)", "か", "字", 21,
     R"(EQ \* jc0 \* hps10 \o\ac(\s\up 9(か),字))"},
    {"UnclosedQuoteDropped", R"(\* "Font:x \o)", "か", "字", 21,
     R"(EQ \* jc0 \* hps10 \o\ac(\s\up 9(か),字))"},
};

TEST(FieldInstruction, BuildRuby) {
    for (const BuildCase& c : kBuild) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(U8(FieldInstruction::BuildRuby(U16(c.options), U16(c.reading), U16(c.base),
                                                 c.baseHalfPoints)),
                  c.instruction);
    }
}

TEST(FieldInstruction, BuildRubyPartsEscapeTheBaseAsAWhole) {
    // "(株" and ")" in two formats: together the parentheses pair up, so neither is escaped.
    const auto parts =
        FieldInstruction::BuildRubyParts(u"\\* jc0 \\o \\s\\up 9", u"かぶ", {u"(株", u")"}, 21);
    ASSERT_EQ(parts.size(), 4u);
    EXPECT_EQ(U8(parts[0]), R"(EQ \* jc0 \o(\s\up 9(かぶ),)");
    EXPECT_EQ(U8(parts[1]), "(株");
    EXPECT_EQ(U8(parts[2]), ")");
    EXPECT_EQ(U8(parts[3]), ")");
    const auto open = FieldInstruction::BuildRubyParts(u"", u"x", {u"(", u"a,b"}, 21);
    ASSERT_EQ(open.size(), 4u);
    EXPECT_EQ(U8(open[1]), "\\(");
    EXPECT_EQ(U8(open[2]), "a\\,b");
}

struct VisibleCase {
    const char* name;
    const char* instruction;
    const char* visible;
};

const VisibleCase kVisible[] = {
    {"RubyGivesTheBase", R"(EQ \* jc2 \* hps10 \o\ad(\s\up 9(きもん),鬼門))", "鬼門"},
    {"UnclosedRubyKeepsBothWords", R"(EQ \* jc2 \* "Font:ＭＳ 明朝" \o\ad(\s\up 9(かん),漢)",
     "かん漢"},
    {"Fraction", R"(EQ \f(1,2))", "12"},
    {"TextAfterStrayClosingParentheses", R"(EQ \o(\s\up 9(かん)))),漢))", "かん漢"},
    {"InnerParenthesesAreText", R"(EQ \f(a(b),c))", "a(b)c"},
    {"EscapedComma", R"(EQ \o(A\,B,C))", "A,BC"},
    {"Hyperlink", R"(HYPERLINK "https://example.com/")", "https://example.com/"},
    {"HyperlinkTooltipIsNotShown", R"( HYPERLINK "https://e.jp/" \o "ヒント")", "https://e.jp/"},
    {"HyperlinkToABookmark", R"(HYPERLINK \l "here")", ""},
    {"PageNumber", R"(PAGE \* MERGEFORMAT)", ""},
    {"Prompt", R"(FILLIN "お名前" \* MERGEFORMAT)", "お名前"},
    {"EscapeInQuotes", R"(HYPERLINK "C:\\a\\b.txt")", R"(C:\a\b.txt)"},
    {"UnclosedQuote", R"(HYPERLINK "abc)", "abc"},
    {"Nothing", "", ""},
    {"OnlyBackslashes", R"(\\\)", ""},
};

TEST(FieldInstruction, VisibleText) {
    for (const VisibleCase& c : kVisible) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(U8(FieldInstruction::VisibleText(U16(c.instruction))), c.visible);
    }
}

TEST(FieldInstruction, KeywordInUpperCase) {
    EXPECT_EQ(U8(FieldInstruction::Keyword(u"  hyperlink \"x\"")), "HYPERLINK");
    EXPECT_EQ(U8(FieldInstruction::Keyword(u"EQ\\o(a)")), "EQ");
    EXPECT_EQ(U8(FieldInstruction::Keyword(u"")), "");
}

// Arbitrary and deeply nested instructions end and give some answer (no crash, no hang).
TEST(FieldInstruction, MalformedInstructionsEnd) {
    const std::u16string pieces[] = {u"EQ ", u"\\o", u"\\s", u"\\up 9", u"(", u")",
                                     u",",   u"\\",  u"\"",  u"字",     u" ", u"\\*"};
    std::uint32_t seed = 12345;
    for (int round = 0; round < 3000; ++round) {
        std::u16string s;
        const int len = 1 + round % 40;
        for (int k = 0; k < len; ++k) {
            seed = seed * 1103515245u + 12345u;
            s += pieces[(seed >> 16) % (sizeof(pieces) / sizeof(pieces[0]))];
        }
        FieldInstruction::ParseRuby(s);
        FieldInstruction::VisibleText(s);
        FieldInstruction::BuildRuby(s, s, s, 9);
    }
    const std::u16string deep = u"EQ \\o" + std::u16string(100000, u'(');
    EXPECT_FALSE(FieldInstruction::ParseRuby(deep).has_value());
    EXPECT_LE(FieldInstruction::VisibleText(deep).size(), deep.size());
}

}  // namespace
