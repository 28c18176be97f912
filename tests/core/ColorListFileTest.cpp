#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/ColorListFile.h"

namespace {

struct LineRow {
    const char* line;
    const char* name;  // empty: not a colour line
    TColor value;
};

const LineRow kLineRows[] = {
    {"赤=$0000CC", "赤", 0x000000CC},         // a red of intensity 204
    {"Red=255", "Red", 0x000000FF},           // decimal
    {"x=$80000008", "x", 0x80000008},         // a system colour stays as it is
    {"name=abc", "name", clNone},             // unreadable value: no colour
    {"name=", "name", clNone},                //
    {"a=b=$10", "a", clNone},                 // the value is all after the first "="
    {"=$0000CC", "", clNone},                 // empty name: skipped
    {"no equals sign", "", clNone},           // no "=": skipped
    {"", "", clNone},                         //
    {"spaced = $10", "spaced ", 0x00000010},  // the name keeps its spaces
};

class ColorListLineTest : public ::testing::TestWithParam<LineRow> {};

TEST_P(ColorListLineTest, NameAndValue) {
    const LineRow& row = GetParam();
    EXPECT_EQ(ColorListFile::NameOf(row.line), row.name);
    if (*row.name) {
        EXPECT_EQ(ColorListFile::ValueOf(ColorListFile::ValueTextOf(row.line)), row.value);
    }
}

INSTANTIATE_TEST_SUITE_P(Lines, ColorListLineTest, ::testing::ValuesIn(kLineRows));

TEST(ColorListDecodeTest, ShiftJisBytesWithCrLf) {
    // "赤=$0000CC\r\n褐色=12\r\n" in code page 932 (bytes from iconv -t CP932).
    const std::string bytes =
        "\x90\xD4=$0000CC\r\n"
        "\x8A\x8C\x90\x46=12\r\n";
    std::vector<std::string> lines = ColorListFile::DecodeLines(bytes);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], "赤=$0000CC");
    EXPECT_EQ(lines[1], "褐色=12");
}

TEST(ColorListDecodeTest, Utf8FilesAreRecognised) {
    std::vector<std::string> plain = ColorListFile::DecodeLines("赤=$0000CC\n");
    ASSERT_EQ(plain.size(), 1u);
    EXPECT_EQ(plain[0], "赤=$0000CC");
    std::vector<std::string> bom = ColorListFile::DecodeLines("\xEF\xBB\xBF赤=1");
    ASSERT_EQ(bom.size(), 1u);
    EXPECT_EQ(bom[0], "赤=1");
}

TEST(ColorListDecodeTest, BrokenBytesNeverFail) {
    // A cut lead byte and a byte that is no character in code page 932.
    std::vector<std::string> lines = ColorListFile::DecodeLines("a=1\r\n\xA0=2\r\nb=3\x90");
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], "a=1");
    EXPECT_EQ(ColorListFile::NameOf(lines[0]), "a");
}

TEST(ColorListSplitTest, EveryLineEnd) {
    std::vector<std::string> lines = ColorListFile::SplitLines("a\r\nb\nc\rd\r\n\r\ne");
    const std::vector<std::string> expected = {"a", "b", "c", "d", "", "e"};
    EXPECT_EQ(lines, expected);
    EXPECT_TRUE(ColorListFile::SplitLines("").empty());
    EXPECT_EQ(ColorListFile::SplitLines("x\r\n").size(), 1u);
}

TEST(ColorListNameTest, LetterCaseIgnoredOnlyForAscii) {
    EXPECT_TRUE(ColorListFile::SameName("Red", "rED"));
    EXPECT_TRUE(ColorListFile::SameName("褐色", "褐色"));
    EXPECT_FALSE(ColorListFile::SameName("Red", "Reds"));
    EXPECT_FALSE(ColorListFile::SameName("ＲＥＤ", "ｒｅｄ"));  // full-width letters stay
}

TEST(ColorListTypeTest, SixFilesWithTheirWidths) {
    struct Row {
        int type;
        const char* file;
        int width;
    };
    const Row rows[] = {{0, "KanjiColor.txt", 165},  {1, "KanaColor.txt", 240},
                        {2, "HTMLAColor.txt", 185},  {3, "HTMLKColor.txt", 200},
                        {4, "MacWinColor.txt", 200}, {5, "UserColor.txt", 250}};
    for (const Row& r : rows) {
        EXPECT_STREQ(ColorListFile::FileNameForType(r.type), r.file);
        EXPECT_EQ(ColorListFile::BoxWidthForType(r.type), r.width);
    }
    EXPECT_EQ(ColorListFile::FileNameForType(6), nullptr);
    EXPECT_EQ(ColorListFile::FileNameForType(-1), nullptr);
    EXPECT_EQ(ColorListFile::BoxWidthForType(6), 0);
}

TEST(BuiltInListTest, ThreeHundredEightLinesInOrder) {
    const std::vector<std::string>& lines = ColorListFile::BuiltInLines();
    ASSERT_EQ(lines.size(), 308u);
    EXPECT_EQ(lines[0], "WindowTextの色=$80000008");
    EXPECT_EQ(lines[1], "赤=$0000CC");
    EXPECT_EQ(lines[39], "丹=$195EFF");
    EXPECT_EQ(lines[43], "丹=$195EFF");
    EXPECT_EQ(lines[74], "褐色=$165E82");
    EXPECT_EQ(lines[211], "褐色=$522C39");
    EXPECT_EQ(lines[306], "蝋色=$262626");
    EXPECT_EQ(lines[307], "ローズグレイ=$838097");
    for (const std::string& line : lines) {
        EXPECT_FALSE(ColorListFile::NameOf(line).empty()) << line;
        EXPECT_NE(ColorListFile::ValueOf(ColorListFile::ValueTextOf(line)), clNone) << line;
    }
}

}  // namespace
