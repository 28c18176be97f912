#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/ColorBoxModel.h"
#include "core/ColorListFile.h"

namespace {

using M = ColorBoxModel;

// The main window's box: Japanese basic colours, custom colours and the built-in list.
ColorBoxModel MainWindowBox() {
    ColorBoxModel box;
    box.setExtendedColors(ColorListFile::BuiltInLines());
    box.setSelection(M::csSystemJ | M::csCustom | M::csExtended);
    return box;
}

TEST(ColorBoxModelTest, DefaultsListTheJapaneseBasicColours) {
    ColorBoxModel box;
    EXPECT_EQ(box.selection(), M::Selection(M::csSystemJ));
    EXPECT_EQ(box.defaultColor(), clNone);
    EXPECT_EQ(box.maxCustomCount(), 3);
    ASSERT_EQ(box.count(), 16);
    EXPECT_EQ(box.entries()[0].name, "黒");
    EXPECT_EQ(box.entries()[15].name, "白");
    EXPECT_EQ(box.entries()[15].color, 0x00FFFFFFu);
    EXPECT_EQ(box.currentIndex(), -1);
    EXPECT_EQ(box.color(), clNone);
}

struct GroupRow {
    M::Selection selection;
    int count;
    const char* first;
    const char* last;
};

const GroupRow kGroupRows[] = {
    {M::csSystem, 16, "Black", "White"},
    {M::csDefault | M::csSystem, 17, "標準", "White"},
    {M::csSystem | M::csSystemJ, 32, "Black", "白"},
    {M::csCustom, 1, "その他...", "その他..."},
    {M::csDefault | M::csSystemJ | M::csCustom, 18, "標準", "その他..."},
    {M::csExtended, 308, "WindowTextの色", "ローズグレイ"},
    {M::csSystemJ | M::csCustom | M::csExtended, 325, "黒", "その他..."},
    {0, 0, nullptr, nullptr},
};

class ColorBoxGroupTest : public ::testing::TestWithParam<GroupRow> {};

TEST_P(ColorBoxGroupTest, GroupsInListOrder) {
    ColorBoxModel box;
    box.setExtendedColors(ColorListFile::BuiltInLines());
    box.setSelection(GetParam().selection);
    ASSERT_EQ(box.count(), GetParam().count);
    if (GetParam().count == 0) return;
    EXPECT_EQ(box.entries().front().name, GetParam().first);
    EXPECT_EQ(box.entries().back().name, GetParam().last);
}

INSTANTIATE_TEST_SUITE_P(Selections, ColorBoxGroupTest, ::testing::ValuesIn(kGroupRows));

TEST(ColorBoxModelTest, BothKasshokuEntriesCarryTheFirstValue) {
    ColorBoxModel box = MainWindowBox();
    std::vector<TColor> kasshoku;
    std::vector<TColor> ni;
    for (const ColorBoxEntry& e : box.entries()) {
        if (e.name == "褐色") kasshoku.push_back(e.color);
        if (e.name == "丹") ni.push_back(e.color);
    }
    ASSERT_EQ(kasshoku.size(), 2u);
    EXPECT_EQ(kasshoku[0], 0x165E82u);
    EXPECT_EQ(kasshoku[1], 0x165E82u);
    ASSERT_EQ(ni.size(), 2u);
    EXPECT_EQ(ni[1], 0x195EFFu);
    // 16 basic colours come first: the list's lines 75 and 212.
    EXPECT_EQ(box.entries()[16 + 74].name, "褐色");
    EXPECT_EQ(box.entries()[16 + 211].name, "褐色");
    EXPECT_EQ(box.entries()[16].color, 0x80000008u);
}

TEST(ColorBoxModelTest, LookupIgnoresLetterCaseAndSkipsNonColourLines) {
    ColorBoxModel box;
    box.setExtendedColors(
        {"Red=$0000FF", "comment line", "=$123456", "", "RED=$00FF00", "bad=xyz", "red=1"});
    box.setSelection(M::csExtended);
    ASSERT_EQ(box.count(), 4);
    EXPECT_EQ(box.entries()[0].name, "Red");
    EXPECT_EQ(box.entries()[1].name, "RED");
    EXPECT_EQ(box.entries()[1].color, 0x0000FFu);
    EXPECT_EQ(box.entries()[2].name, "bad");
    EXPECT_EQ(box.entries()[2].color, clNone);  // listed, with no colour
    EXPECT_EQ(box.entries()[3].color, 0x0000FFu);
}

TEST(ColorBoxModelTest, LoadEventMayChangeTheLinesBeforeTheyAreListed) {
    ColorBoxModel box;
    int runs = 0;
    box.onLoadExtendedColors = [&](std::vector<std::string>& lines) {
        ++runs;
        lines = {"added=$000001"};
    };
    box.setSelection(M::csExtended);
    EXPECT_EQ(runs, 1);
    ASSERT_EQ(box.count(), 1);
    EXPECT_EQ(box.entries()[0].name, "added");
    box.setSelection(M::csSystem);
    EXPECT_EQ(runs, 1);  // only when the extended group is listed
}

TEST(ColorBoxModelTest, FourthCustomColourDropsTheFirst) {
    ColorBoxModel box;
    box.setSelection(M::csSystemJ | M::csCustom);
    box.AddCustomColor("", 0x000001);
    box.AddCustomColor("two", 0x000002);
    box.AddCustomColor("", 0x000003);
    EXPECT_EQ(box.customCount(), 3);
    ASSERT_EQ(box.count(), 16 + 3 + 1);
    box.AddCustomColor("", 0x000004);
    EXPECT_EQ(box.customCount(), 3);
    ASSERT_EQ(box.count(), 20);
    EXPECT_EQ(box.entries()[15].name, "白");
    EXPECT_EQ(box.entries()[16].name, "two");
    EXPECT_EQ(box.entries()[17].name, "$000003");
    EXPECT_EQ(box.entries()[18].name, "$000004");
    EXPECT_EQ(box.entries()[19].name, "その他...");
}

TEST(ColorBoxModelTest, CustomCountFollowsMaxCustomCount) {
    ColorBoxModel box;
    box.setSelection(M::csCustom);
    box.setMaxCustomCount(1);
    box.AddCustomColor("", 0x10);
    box.AddCustomColor("", 0x20);
    ASSERT_EQ(box.count(), 2);
    EXPECT_EQ(box.entries()[0].color, 0x20u);
    box.setMaxCustomCount(0);  // keeps no custom colours at all; "その他..." stays
    EXPECT_EQ(box.AddCustomColor("", 0x30), -1);
    ASSERT_EQ(box.count(), 1);
    EXPECT_EQ(box.entries()[0].name, "その他...");
}

TEST(ColorBoxModelTest, SetColourTwiceAddsThenChooses) {
    ColorBoxModel box = MainWindowBox();
    box.SetColor(0x00000080);  // 茶色 among the basic colours
    EXPECT_EQ(box.currentIndex(), 1);
    const TColor c = 0x0000FF80;
    box.SetColor(c);
    EXPECT_EQ(box.currentIndex(), 1);  // added, not chosen
    ASSERT_EQ(box.count(), 326);
    EXPECT_EQ(box.entries()[324].name, "$00FF80");
    EXPECT_EQ(box.entries()[325].name, "その他...");
    box.SetColor(c);
    EXPECT_EQ(box.currentIndex(), 324);
    EXPECT_EQ(box.color(), c);
    EXPECT_EQ(box.count(), 326);
}

TEST(ColorBoxModelTest, SetColourFirstEntryWinsAndNoneClears) {
    ColorBoxModel box = MainWindowBox();
    box.SetColor(0x165E82);
    EXPECT_EQ(box.currentIndex(), 16 + 74);  // the first 褐色
    box.SetColor(clNone);
    EXPECT_EQ(box.currentIndex(), -1);
    EXPECT_EQ(box.color(), clNone);
}

TEST(ColorBoxModelTest, UnknownColourWithoutCustomChoosesNothing) {
    ColorBoxModel box;
    box.SetColor(clRed);
    EXPECT_EQ(box.currentIndex(), 9);
    box.SetColor(0x00123456);
    EXPECT_EQ(box.currentIndex(), -1);
    EXPECT_EQ(box.count(), 16);
}

TEST(ColorBoxModelTest, DefaultEntryCarriesDefaultColor) {
    ColorBoxModel box;
    box.setSelection(M::csDefault | M::csSystem);
    box.setDefaultColor(0x00ABCDEF);
    EXPECT_EQ(box.entries()[0].name, "標準");
    EXPECT_EQ(box.entries()[0].color, 0x00ABCDEFu);
}

TEST(ColorBoxModelTest, RebuildDropsCustomColoursAndChoice) {
    ColorBoxModel box;
    box.setSelection(M::csSystemJ | M::csCustom);
    box.AddCustomColor("", 0x000001);
    box.setCurrentIndex(3);
    box.setDefaultColor(clRed);  // any property set rebuilds
    EXPECT_EQ(box.customCount(), 0);
    EXPECT_EQ(box.count(), 17);
    EXPECT_EQ(box.currentIndex(), -1);
}

TEST(ColorBoxModelTest, ChoiceFollowsItsEntryWhenCustomColoursMove) {
    ColorBoxModel box;
    box.setSelection(M::csCustom);
    box.AddCustomColor("", 0x01);
    box.AddCustomColor("", 0x02);
    box.AddCustomColor("", 0x03);
    box.setCurrentIndex(1);  // $000002
    box.AddCustomColor("", 0x04);
    EXPECT_EQ(box.color(), 0x02u);
    box.setCurrentIndex(0);  // $000002 is now the oldest
    box.AddCustomColor("", 0x05);
    EXPECT_EQ(box.currentIndex(), -1);
}

TEST(ColorBoxModelTest, OtherOpensTheDialogAndChoosesTheNewColour) {
    ColorBoxModel box;
    box.setSelection(M::csSystemJ | M::csCustom);
    box.SetColor(clRed);
    TColor offered = 0;
    int chosen = box.ChooseEntry(16, [&](TColor& c) {
        offered = c;
        c = 0x00102030;
        return true;
    });
    EXPECT_EQ(offered, clRed);  // the dialog starts from the current colour
    EXPECT_EQ(chosen, 16);
    EXPECT_EQ(box.entries()[16].name, "$102030");
    EXPECT_EQ(box.color(), 0x00102030u);
    EXPECT_EQ(box.entries().back().name, "その他...");
}

TEST(ColorBoxModelTest, OtherCancelledChoosesTheEntryBeforeIt) {
    ColorBoxModel box;
    box.setSelection(M::csSystemJ | M::csCustom);
    int chosen = box.ChooseEntry(16, [](TColor&) { return false; });
    EXPECT_EQ(chosen, 15);
    EXPECT_EQ(box.count(), 17);
    EXPECT_EQ(box.ChooseEntry(3, nullptr), 3);
    EXPECT_FALSE(box.IsOtherEntry(3));
    EXPECT_TRUE(box.IsOtherEntry(16));
}

}  // namespace
