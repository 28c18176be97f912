#include <gtest/gtest.h>

#include <set>
#include <string>

#include "core/ColorValue.h"

namespace {

struct NamedColorRow {
    const char* name;
    TColor value;
};

// Every named colour with its value, as the settings store lists them.
const NamedColorRow kNamedRows[] = {
    {"clBlack", 0x00000000},         {"clMaroon", 0x00000080},
    {"clGreen", 0x00008000},         {"clOlive", 0x00008080},
    {"clNavy", 0x00800000},          {"clPurple", 0x00800080},
    {"clTeal", 0x00808000},          {"clGray", 0x00808080},
    {"clSilver", 0x00C0C0C0},        {"clRed", 0x000000FF},
    {"clLime", 0x0000FF00},          {"clYellow", 0x0000FFFF},
    {"clBlue", 0x00FF0000},          {"clFuchsia", 0x00FF00FF},
    {"clAqua", 0x00FFFF00},          {"clWhite", 0x00FFFFFF},
    {"clScrollBar", 0x80000000},     {"clBackground", 0x80000001},
    {"clActiveCaption", 0x80000002}, {"clInactiveCaption", 0x80000003},
    {"clMenu", 0x80000004},          {"clWindow", 0x80000005},
    {"clWindowFrame", 0x80000006},   {"clMenuText", 0x80000007},
    {"clWindowText", 0x80000008},    {"clCaptionText", 0x80000009},
    {"clActiveBorder", 0x8000000A},  {"clInactiveBorder", 0x8000000B},
    {"clAppWorkSpace", 0x8000000C},  {"clHighlight", 0x8000000D},
    {"clHighlightText", 0x8000000E}, {"clBtnFace", 0x8000000F},
    {"clBtnShadow", 0x80000010},     {"clGrayText", 0x80000011},
    {"clBtnText", 0x80000012},       {"clInactiveCaptionText", 0x80000013},
    {"clBtnHighlight", 0x80000014},  {"cl3DDkShadow", 0x80000015},
    {"cl3DLight", 0x80000016},       {"clInfoText", 0x80000017},
    {"clInfoBk", 0x80000018},
};

class NamedColorTest : public ::testing::TestWithParam<NamedColorRow> {};

TEST_P(NamedColorTest, NameAndValueBothWays) {
    const NamedColorRow& row = GetParam();
    EXPECT_EQ(ColorToString(row.value), row.name);
    TColor c = 0x12345678;
    ASSERT_TRUE(StringToColor(row.name, c)) << row.name;
    EXPECT_EQ(c, row.value) << row.name;
}

INSTANTIATE_TEST_SUITE_P(All41, NamedColorTest, ::testing::ValuesIn(kNamedRows));

TEST(ColorNamesTest, TableHoldsExactlyTheFortyOneNamesInOrder) {
    ASSERT_EQ(ColorNames().size(), std::size(kNamedRows));
    for (std::size_t i = 0; i < std::size(kNamedRows); ++i) {
        EXPECT_STREQ(ColorNames()[i].name, kNamedRows[i].name);
        EXPECT_EQ(ColorNames()[i].value, kNamedRows[i].value);
    }
}

struct ToTextRow {
    TColor value;
    const char* text;
};

// Values without a name are written as "$" and eight capital hexadecimal digits.
const ToTextRow kToTextRows[] = {
    {RgbColor(255, 128, 0), "$000080FF"},  // orange: red 255, green 128, blue 0
    {0x0000CC, "$000000CC"},
    {0x00ABCDEF, "$00ABCDEF"},
    {0x1FFFFFFF, "$1FFFFFFF"},  // no colour
    {0x80000019, "$80000019"},  // system index past the named ones
    {0xFFFFFFFF, "$FFFFFFFF"},
    {0x00000001, "$00000001"},
};

class ColorToTextTest : public ::testing::TestWithParam<ToTextRow> {};

TEST_P(ColorToTextTest, UnnamedValuesAsDollarHex) {
    EXPECT_EQ(ColorToString(GetParam().value), GetParam().text);
    TColor back = 0;
    ASSERT_TRUE(StringToColor(GetParam().text, back));
    EXPECT_EQ(back, GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Unnamed, ColorToTextTest, ::testing::ValuesIn(kToTextRows));

struct FromTextRow {
    const char* text;
    bool ok;
    TColor value;
};

const FromTextRow kFromTextRows[] = {
    {"clred", true, 0x000000FF},        // names ignore letter case
    {"CLBTNFACE", true, 0x8000000F},    //
    {"255", true, 0x000000FF},          // decimal
    {"16777215", true, 0x00FFFFFF},     //
    {"-2147483633", true, 0x8000000F},  // signed form of a system colour
    {"$0000CC", true, 0x000000CC},      // a red of intensity 204
    {"$ff", true, 0x000000FF},          // lower-case hexadecimal digits
    {"0x1F", true, 0x0000001F},         //
    {" $10 ", true, 0x00000010},        // spaces around are ignored
    {"4294967295", true, 0xFFFFFFFF},   //
    {"", false, 0},                     // unreadable texts
    {"abc", false, 0},                  //
    {"$", false, 0},                    //
    {"0x", false, 0},                   //
    {"12x", false, 0},                  //
    {"$1G", false, 0},                  //
    {"-", false, 0},                    //
    {"4294967296", false, 0},           // does not fit in 32 bits
    {"$100000000", false, 0},           //
    {"clRedd", false, 0},               //
};

class TextToColorTest : public ::testing::TestWithParam<FromTextRow> {};

TEST_P(TextToColorTest, ReadsOrKeepsDefault) {
    const FromTextRow& row = GetParam();
    TColor c = 0x01020304;
    EXPECT_EQ(StringToColor(row.text, c), row.ok) << row.text;
    EXPECT_EQ(c, row.ok ? row.value : TColor(0x01020304)) << row.text;
    EXPECT_EQ(StringToColorOr(row.text, clNone), row.ok ? row.value : clNone);
    EXPECT_EQ(ParseColor(row.text).has_value(), row.ok);
}

INSTANTIATE_TEST_SUITE_P(Texts, TextToColorTest, ::testing::ValuesIn(kFromTextRows));

TEST(HtmlColorTest, RedFirstSixCapitalDigits) {
    EXPECT_EQ(ColorToHtml(RgbColor(255, 128, 0)), "FF8000");
    EXPECT_EQ(ColorToHtml(0x000000CC), "CC0000");
    EXPECT_EQ(ColorToHtml(0x00FF0000), "0000FF");  // clBlue
    EXPECT_EQ(ColorToHtml(0x00123456, true), "#563412");
}

TEST(HtmlColorTest, ReadsBothForms) {
    TColor c = 0;
    ASSERT_TRUE(HtmlToColor("FF8000", c));
    EXPECT_EQ(c, RgbColor(255, 128, 0));
    ASSERT_TRUE(HtmlToColor("#0000ff", c));
    EXPECT_EQ(c, clBlue);
    c = 7;
    EXPECT_FALSE(HtmlToColor("FF800", c));
    EXPECT_FALSE(HtmlToColor("#FF80000", c));
    EXPECT_FALSE(HtmlToColor("GG8000", c));
    EXPECT_FALSE(HtmlToColor("", c));
    EXPECT_EQ(c, 7u);
}

TEST(ShortHexTest, CustomColourNameIsSixDigitsOfTheValue) {
    EXPECT_EQ(ColorToShortHex(RgbColor(255, 128, 0)), "$0080FF");
    EXPECT_EQ(ColorToShortHex(0x0000FF80), "$00FF80");
}

class SystemColorTest : public ::testing::Test {
protected:
    void TearDown() override { SystemColors::Reset(); }
};

TEST_F(SystemColorTest, ResolvedThroughTheCurrentTable) {
    EXPECT_EQ(ColorToRGB(clWindow), clWhite);
    EXPECT_EQ(ColorToRGB(clWindowText), clBlack);
    EXPECT_EQ(ColorToRGB(clInfoBk), RgbColor(255, 255, 225));
    SystemColors::Set(5, RgbColor(10, 20, 30));
    EXPECT_EQ(ColorToRGB(clWindow), RgbColor(10, 20, 30));
    EXPECT_EQ(ColorToHtml(clWindow), "0A141E");
    SystemColors::Reset();
    EXPECT_EQ(ColorToRGB(clWindow), clWhite);
}

TEST_F(SystemColorTest, PlainValuesPassUnchanged) {
    EXPECT_EQ(ColorToRGB(0x00123456), 0x00123456u);
    EXPECT_EQ(ColorToRGB(clNone), clNone);
}

TEST_F(SystemColorTest, UnknownIndexAndBadSetsAreHarmless) {
    EXPECT_EQ(ColorToRGB(0x800000FF), clBlack);
    SystemColors::Set(99, clRed);
    SystemColors::Set(-1, clRed);
    SystemColors::Set(8, clBtnFace);  // a system value is not a colour of its own
    EXPECT_EQ(ColorToRGB(clWindowText), clBlack);
}

}  // namespace
