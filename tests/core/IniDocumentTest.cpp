// The settings file read line by line: a damaged line costs only itself, escapes and quotes
// as Qt's INI files have them, and the rewrite leaves the damaged lines out.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/IniDocument.h"

namespace {

// ----- one damaged line among good ones ---------------------------------------------------------

struct DamageCase {
    const char* what;
    std::string file;
    std::vector<int> dropped;
    // Values that must still read (section, key, text); the Window values around the damage.
    std::vector<std::vector<std::string>> reads;
    // Values that are gone with their damaged line.
    std::vector<std::vector<std::string>> missing;
};

const std::string kHead = "[Window]\nMainTop=100\n";
const std::string kTail = "MainWidth=700\n[Etc]\nIndentStr=\xEF\xBC\x9E\n";
const std::vector<std::vector<std::string>> kGood = {
    {"Window", "MainTop", "100"}, {"Window", "MainWidth", "700"}, {"Etc", "IndentStr", "＞"}};

std::vector<DamageCase> DamageCases() {
    return {
        {"garbage", kHead + "%%garbage&&\n" + kTail, {3}, kGood, {}},
        {"no '='", kHead + "MainLeft 50\n" + kTail, {3}, kGood, {{"Window", "MainLeft"}}},
        {"empty key", kHead + "=50\n" + kTail, {3}, kGood, {}},
        {"invalid UTF-8 value",
         kHead + "MainLeft=\xFF\xFE\x80\n" + kTail,
         {3},
         kGood,
         {{"Window", "MainLeft"}}},
        {"overlong UTF-8",
         kHead + "MainLeft=\xC0\xAF\n" + kTail,
         {3},
         kGood,
         {{"Window", "MainLeft"}}},
        {"raw control bytes",
         kHead + "MainLeft=5\x01\x02\n" + kTail,
         {3},
         kGood,
         {{"Window", "MainLeft"}}},
        {"NUL bytes",
         kHead + std::string("MainLeft=\0\0", 11) + "\n" + kTail,
         {3},
         kGood,
         {{"Window", "MainLeft"}}},
        // Qt's own reader lets an open quote run on over the following lines.
        {"unclosed quote in a value",
         kHead + "MainLeft=\"abc\n" + kTail,
         {3},
         kGood,
         {{"Window", "MainLeft"}}},
        {"unclosed quote in a key", kHead + "\"Main=5\n" + kTail, {3}, kGood, {}},
        {"broken escape", kHead + "MainLeft=a\\qb\n" + kTail, {3}, kGood, {{"Window", "MainLeft"}}},
        {"escape at the end",
         kHead + "MainLeft=ab\\\n" + kTail,
         {3},
         kGood,
         {{"Window", "MainLeft"}}},
        {"broken key escape", kHead + "Main%ZZLeft=5\n" + kTail, {3}, kGood, {}},
        {"line of a file of another program",
         kHead + "\x89PNG\r\n\x1A\n" + kTail,
         {3, 4},
         kGood,
         {}},
        // The lines under a broken header cannot be placed in a section; the next header
        // starts over.
        {"broken header",
         kHead + "MainWidth=700\n[Bar\nTool=0\n[Etc]\nIndentStr=\xEF\xBC\x9E\n",
         {4, 5},
         kGood,
         {{"Bar", "Tool"}, {"Window", "Tool"}}},
        {"header with text after it",
         kHead + "MainWidth=700\n[Bar] x\nTool=0\n[Etc]\nIndentStr=\xEF\xBC\x9E\n",
         {4, 5},
         kGood,
         {{"Bar", "Tool"}, {"Window", "Tool"}}},
        {"empty header",
         kHead + "MainWidth=700\n[]\nTool=0\n[Etc]\nIndentStr=\xEF\xBC\x9E\n",
         {4, 5},
         kGood,
         {{"Bar", "Tool"}, {"Window", "Tool"}}},
    };
}

class IniDamageTest : public ::testing::TestWithParam<DamageCase> {};

TEST_P(IniDamageTest, OnlyTheDamagedLineIsLost) {
    const DamageCase& c = GetParam();
    const IniDocument doc = IniDocument::Parse(c.file);
    EXPECT_EQ(doc.DroppedLines(), c.dropped);
    for (const auto& r : c.reads) EXPECT_EQ(doc.Text(r[0], r[1]), r[2]) << r[0] << "/" << r[1];
    for (const auto& m : c.missing) EXPECT_FALSE(doc.Text(m[0], m[1])) << m[0] << "/" << m[1];

    // Written again, the damaged lines are gone and the good ones read the same.
    const IniDocument again = IniDocument::Parse(doc.Write());
    EXPECT_TRUE(again.DroppedLines().empty()) << again.Write();
    for (const auto& r : c.reads) EXPECT_EQ(again.Text(r[0], r[1]), r[2]);
}

INSTANTIATE_TEST_SUITE_P(Table, IniDamageTest, ::testing::ValuesIn(DamageCases()),
                         [](const auto& info) { return "Case" + std::to_string(info.index); });

TEST(IniDocument, TheRewriteKeepsWhatWasReadAndSetAndNothingElse) {
    IniDocument doc = IniDocument::Parse(
        "; a comment\n[Window]\nMainTop=100\n???\n\n[Other]\nkept=@Variant(\\0\\0\\0\\x7f)\n"
        "[Window]\nMainLeft=5\n");
    EXPECT_EQ(doc.DroppedLines(), (std::vector<int>{4}));
    EXPECT_FALSE(doc.Text("Other", "kept"));  // not a text
    doc.SetText("Window", "MainTop", "160");
    doc.SetText("Etc", "FindStr(0)", "a,b");
    EXPECT_EQ(doc.Write(),
              "[Window]\nMainTop=160\nMainLeft=5\n\n"
              "[Other]\nkept=@Variant(\\0\\0\\0\\x7f)\n\n"
              "[Etc]\nFindStr%280%29=\"a,b\"\n");
}

TEST(IniDocument, LinesEndingInCrLfAndAByteOrderMarkRead) {
    const IniDocument doc = IniDocument::Parse("\xEF\xBB\xBF[Window]\r\nMainTop = 0x20 \r\n");
    EXPECT_TRUE(doc.DroppedLines().empty());
    EXPECT_EQ(doc.Text("Window", "MainTop"), "0x20");
}

TEST(IniDocument, TheLaterOfTwoLinesWithOneNameCounts) {
    const IniDocument doc = IniDocument::Parse("[Bar]\nTool=0\nTool=1\n");
    EXPECT_EQ(doc.Text("Bar", "Tool"), "1");
    EXPECT_EQ(doc.Write(), "[Bar]\nTool=1\n");
}

TEST(IniDocument, KeysBeforeAnyHeaderBelongToGeneral) {
    const IniDocument doc = IniDocument::Parse("top=1\n[General]\nother=2\n");
    EXPECT_EQ(doc.Text("General", "top"), "1");
    EXPECT_EQ(doc.Text("General", "other"), "2");
}

// ----- escapes, worked out from the INI form of Qt's settings files -----------------------------

struct ValueCase {
    std::string text;     // the value
    std::string escaped;  // as written after '='
};

const ValueCase kValues[] = {
    {"160", "160"},
    {"", ""},
    {"ＭＳ Ｐゴシック", "ＭＳ Ｐゴシック"},
    {"a,b", "\"a,b\""},
    {"x;y=z", "\"x;y=z\""},
    {" lead", "\" lead\""},
    {"trail ", "\"trail \""},
    {"q\"uo\\te", "q\\\"uo\\\\te"},
    {"line\nbreak\ttab", "line\\nbreak\\ttab"},
    {"\x01"
     "1",
     "\\x1\\x31"},  // a hex digit after a hex escape is escaped too
    {"\x1f"
     "g",
     "\\x1fg"},
    {"@at", "@@at"},
    {"#hash", "#hash"},
    {"\x7f", "\x7f"},
    {std::string("nul\0"
                 "1",
                 5),
     "@String(nul\\0\\x31)"},
};

class IniValueTest : public ::testing::TestWithParam<ValueCase> {};

TEST_P(IniValueTest, WrittenAndReadBack) {
    EXPECT_EQ(IniDocument::EscapeValue(GetParam().text), GetParam().escaped);
    const auto v = IniDocument::UnescapeValue(GetParam().escaped);
    ASSERT_TRUE(v);
    EXPECT_EQ(v->kind, IniDocument::ValueKind::Text);
    EXPECT_EQ(v->text, GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Table, IniValueTest, ::testing::ValuesIn(kValues));

struct ReadCase {
    const char* escaped;
    bool readable;
    bool text;
    std::string expected;
};

const ReadCase kReads[] = {
    {"a, b ,c", true, true, "a, b, c"},  // a list: its items joined
    {"\"a, b\"", true, true, "a, b"},
    {"  spaced out  ", true, true, "spaced out"},
    {"value ; comment", true, true, "value"},
    {"\\x41\\102\\?", true, true, "AB?"},
    {"\\x3042", true, true, "あ"},
    {"@Invalid()", true, false, ""},
    {"@ByteArray(abc)", true, false, ""},
    {"@foo", true, true, "@foo"},
    {"\"open", false, false, ""},
    {"bad\\z", false, false, ""},
    {"\\xD800", false, false, ""},  // a lone surrogate is no character
    {"\\x", false, false, ""},
};

class IniReadTest : public ::testing::TestWithParam<ReadCase> {};

TEST_P(IniReadTest, ValueText) {
    const auto v = IniDocument::UnescapeValue(GetParam().escaped);
    ASSERT_EQ(v.has_value(), GetParam().readable) << GetParam().escaped;
    if (!v) return;
    EXPECT_EQ(v->kind == IniDocument::ValueKind::Text, GetParam().text);
    if (GetParam().text) {
        EXPECT_EQ(v->text, GetParam().expected);
    }
}

INSTANTIATE_TEST_SUITE_P(Table, IniReadTest, ::testing::ValuesIn(kReads));

struct KeyCase {
    std::string key;
    std::string escaped;
};

const KeyCase kKeys[] = {
    {"MainTop", "MainTop"},
    {"FindStr(19)", "FindStr%2819%29"},
    {"Key With Space", "Key%20With%20Space"},
    {"a/b", "a\\b"},
    {"é", "%E9"},
    {"語", "%U8A9E"},
    {"😀", "%UD83D%UDE00"},
};

class IniKeyTest : public ::testing::TestWithParam<KeyCase> {};

TEST_P(IniKeyTest, WrittenAndReadBack) {
    EXPECT_EQ(IniDocument::EscapeKey(GetParam().key), GetParam().escaped);
    EXPECT_EQ(IniDocument::UnescapeKey(GetParam().escaped), GetParam().key);
}

INSTANTIATE_TEST_SUITE_P(Table, IniKeyTest, ::testing::ValuesIn(kKeys));

TEST(IniDocument, BrokenKeysAreNotRead) {
    for (const char* bad : {"", "  ", "%", "%4", "%G0", "%UD83D", "%UDE00x", "%U12"})
        EXPECT_FALSE(IniDocument::UnescapeKey(bad)) << bad;
}

}  // namespace
