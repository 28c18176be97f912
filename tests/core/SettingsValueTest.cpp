#include <gtest/gtest.h>

#include <string>

#include "core/SettingsTable.h"
#include "core/SettingsValue.h"

namespace {

struct IntRow {
    const char* text;
    int def;
    int expected;
};

const IntRow kIntRows[] = {
    {"0x20", 160, 32},  // "MainTop" stored as "0x20"
    {"0X20", 160, 32},  // capital X too
    {"abc", 160, 160},  // not a number: the default
    {"0x", 160, 160},   // two characters only: not hexadecimal, not decimal
    {"0xG1", 7, 7},     //
    {"", 5, 5},         //
    {"780", 0, 780},    //
    {"-12", 0, -12},    //
    {"+12", 0, 12},     //
    {"007", 0, 7},      // leading zeros are read
    {"0", 9, 0},        //
    {"1.5", 3, 3},      //
    {" 12", 3, 3},      // no spaces
    {"12 ", 3, 3},      //
    {"0x7FFFFFFF", 0, 2147483647},
    {"0xFFFFFFFF", 0, -1},
    {"0x100000000", 4, 4},  // more than 32 bits
    {"2147483647", 0, 2147483647},
    {"-2147483648", 0, -2147483647 - 1},
    {"2147483648", 6, 6},
    {"99999999999999999999", 6, 6},
    {"-", 6, 6},
};

class ReadIntegerTest : public ::testing::TestWithParam<IntRow> {};

TEST_P(ReadIntegerTest, ReadsOrGivesDefault) {
    EXPECT_EQ(SettingsValue::ReadInteger(GetParam().text, GetParam().def), GetParam().expected)
        << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Texts, ReadIntegerTest, ::testing::ValuesIn(kIntRows));

TEST(WriteIntegerTest, DecimalWithoutLeadingZeros) {
    EXPECT_EQ(SettingsValue::WriteInteger(160), "160");
    EXPECT_EQ(SettingsValue::WriteInteger(0), "0");
    EXPECT_EQ(SettingsValue::WriteInteger(-5), "-5");
    EXPECT_EQ(SettingsValue::WriteInteger(-2147483647 - 1), "-2147483648");
}

struct BoolRow {
    const char* text;
    bool def;
    bool expected;
};

const BoolRow kBoolRows[] = {
    {"2", false, true},   {"1", false, true},     {"0", true, false}, {"-1", false, true},
    {"abc", true, true},  {"abc", false, false},  {"", true, true},   {"0x10", false, true},
    {"0x0", true, false}, {"true", false, false},
};

class ReadBoolTest : public ::testing::TestWithParam<BoolRow> {};

TEST_P(ReadBoolTest, NonZeroIsTrue) {
    EXPECT_EQ(SettingsValue::ReadBool(GetParam().text, GetParam().def), GetParam().expected)
        << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Texts, ReadBoolTest, ::testing::ValuesIn(kBoolRows));

TEST(WriteBoolTest, ZeroOrOne) {
    EXPECT_EQ(SettingsValue::WriteBool(true), "1");
    EXPECT_EQ(SettingsValue::WriteBool(false), "0");
}

TEST(ColorSettingTest, OrangeIsWrittenAsDollarHex) {
    EXPECT_EQ(SettingsValue::WriteColor(RgbColor(255, 128, 0)), "$000080FF");
    EXPECT_EQ(SettingsValue::WriteColor(0x00000000), "clBlack");
    EXPECT_EQ(SettingsValue::WriteColor(0x00FFFFFF), "clWhite");
    EXPECT_EQ(SettingsValue::ReadColor("$000080FF", clBlack), RgbColor(255, 128, 0));
    EXPECT_EQ(SettingsValue::ReadColor("clWhite", clBlack), 0x00FFFFFFu);
    EXPECT_EQ(SettingsValue::ReadColor("33023", clBlack), RgbColor(255, 128, 0));
    EXPECT_EQ(SettingsValue::ReadColor("orange", clWhite), clWhite);
}

TEST(ComposedNameTest, NumbersWithoutLeadingZeros) {
    EXPECT_EQ(SettingsValue::BandName(0, "ID"), "Band0ID");
    EXPECT_EQ(SettingsValue::BandName(3, "Width"), "Band3Width");
    EXPECT_EQ(SettingsValue::RBandName(1, "Break"), "RBand1Break");
    EXPECT_EQ(SettingsValue::FindStrName(0), "FindStr(0)");
    EXPECT_EQ(SettingsValue::FindStrName(19), "FindStr(19)");
}

struct DefaultRow {
    const char* section;
    const char* name;
    const char* defaultText;
};

// The defaults of a first start with an empty store.
const DefaultRow kDefaultRows[] = {
    {"Window", "MainTop", "160"},
    {"Window", "MainLeft", "230"},
    {"Window", "MainHeight", "600"},
    {"Window", "MainWidth", "780"},
    {"Window", "FindTop", "200"},
    {"Window", "FindLeft", "120"},
    {"Bar", "String", "1"},
    {"Bar", "Vertical", "0"},
    {"Bar", "Tool", "1"},
    {"Bar", "Find", "1"},
    {"Bar", "Font", "1"},
    {"Bar", "Style", "1"},
    {"Bar", "Address", "1"},
    {"Bar", "Ruler", "0"},
    {"Bar", "Band0ID", "0"},
    {"Bar", "Band4ID", "4"},
    {"Bar", "Band3Width", "200"},
    {"Bar", "Band2Break", "1"},
    {"Bar", "RBand0ID", "0"},
    {"Bar", "RBand1ID", "1"},
    {"Bar", "RBand1Height", "200"},
    {"Bar", "RBand1Break", "1"},
    {"Option", "DFontName", "ＭＳ Ｐゴシック"},
    {"Option", "DFontSize", "11"},
    {"Option", "DFontColor", "clBlack"},
    {"Option", "BackColor", "clWhite"},
    {"Option", "ColorFileType", "0"},
    {"Option", "Tab", "2"},
    {"Option", "NewFileExt", ".wri"},
    {"Etc", "FileAddress", "/home/writer/"},
    {"Etc", "Vertical", "0"},
    {"Etc", "Wrap", "1"},
    {"Etc", "IndentStr", ">"},
    {"Etc", "ShiftJis", "1"},
    {"Etc", "FindStrCount", "0"},
    {"Etc", "FindStr(19)", ""},
};

class SettingsDefaultTest : public ::testing::TestWithParam<DefaultRow> {};

TEST_P(SettingsDefaultTest, RowKnownWithItsDefault) {
    const DefaultRow& row = GetParam();
    ASSERT_NE(SettingsTable::FindRow(row.section, row.name), nullptr) << row.name;
    EXPECT_EQ(SettingsTable::DefaultText(row.section, row.name, "/home/writer"), row.defaultText)
        << row.name;
}

INSTANTIATE_TEST_SUITE_P(FirstStart, SettingsDefaultTest, ::testing::ValuesIn(kDefaultRows));

TEST(SettingsTableTest, UnknownNamesAreNotRows) {
    EXPECT_EQ(SettingsTable::FindRow("Bar", "Band5ID"), nullptr);
    EXPECT_EQ(SettingsTable::FindRow("Bar", "Band03Width"), nullptr);
    EXPECT_EQ(SettingsTable::FindRow("Bar", "RBand2Break"), nullptr);
    EXPECT_EQ(SettingsTable::FindRow("Window", "String"), nullptr);
    EXPECT_EQ(SettingsTable::FindRow("Etc", "FindStr(20)"), nullptr);
    EXPECT_EQ(SettingsTable::FindRow("Etc", "FindStr()"), nullptr);
    EXPECT_EQ(SettingsTable::FindRow("Option", "Nothing"), nullptr);
}

TEST(SettingsTableTest, ExpandedTableHasEveryValueOnce) {
    // 6 window values, 8 bar flags, 5 × 3 band values, 2 × 3 right-hand band values,
    // 7 option values, 6 etc values, then the history.
    const std::size_t fixed = 6 + 8 + 15 + 6 + 7 + 6;
    EXPECT_EQ(SettingsTable::Expand(0, "/tmp").size(), fixed);
    EXPECT_EQ(SettingsTable::Expand(3, "/tmp").size(), fixed + 3);
    // A history of 25 entries is written as 20.
    std::vector<SettingEntry> all = SettingsTable::Expand(25, "/tmp");
    ASSERT_EQ(all.size(), fixed + 20);
    EXPECT_EQ(all.back().name, "FindStr(19)");
    EXPECT_EQ(all[fixed - 1].name, "FindStrCount");
    EXPECT_EQ(all.front().name, "MainTop");
    EXPECT_EQ(SettingsTable::Expand(-4, "/tmp").size(), fixed);
}

TEST(SettingsTableTest, TypesOfRows) {
    EXPECT_EQ(SettingsTable::FindRow("Option", "DFontColor")->type, SettingType::Color);
    EXPECT_EQ(SettingsTable::FindRow("Bar", "Band1Break")->type, SettingType::Boolean);
    EXPECT_EQ(SettingsTable::FindRow("Bar", "RBand0Height")->type, SettingType::Integer);
    EXPECT_EQ(SettingsTable::FindRow("Etc", "FindStr(3)")->type, SettingType::String);
}

TEST(SettingsTableTest, FileAddressKeepsTrailingSlash) {
    EXPECT_EQ(SettingsTable::FileAddressOf("/doc/a.rtf"), "/doc/");
    EXPECT_EQ(SettingsTable::FileAddressOf("/a.txt"), "/");
    EXPECT_EQ(SettingsTable::FileAddressOf("a.txt"), "");
    EXPECT_EQ(SettingsTable::DefaultText("Etc", "FileAddress", "/"), "/");
}

}  // namespace
