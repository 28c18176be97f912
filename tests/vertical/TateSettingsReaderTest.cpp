#include <gtest/gtest.h>

#include "TateTestUtil.h"
#include "vertical/TateMessages.h"
#include "vertical/TateSettingsReader.h"

namespace {

TEST(SettingsReader, DialogDefaults) {
    TateWarnings w;
    TateSettings s = TateSettingsReader::FromHtmlDialog(TateHtmlDialogValues{}, 3, w);
    EXPECT_TRUE(w.Empty());
    EXPECT_EQ(s.lastColumn, 49);
    EXPECT_EQ(s.spacing, 1);
    EXPECT_EQ(s.lineHeight, 20);
    EXPECT_TRUE(s.lineHeightOn);
    EXPECT_SJIS(s.defaultFont.name, "ＭＳ ゴシック");
    EXPECT_EQ(s.defaultFont.size, 10);
    EXPECT_EQ(s.defaultFont.color, clBlack);
    EXPECT_EQ(s.defaultFont.style, 0);
    EXPECT_TRUE(s.embedSource);
    EXPECT_FALSE(s.toClipboard || s.macFontNames || s.openInBrowser || s.hyperlinks);
    EXPECT_FALSE(s.fontNameSwitch || s.fontSizeSwitch || s.fontStyleSwitch || s.fontColorSwitch);
    EXPECT_EQ(s.alignment, "right");
    EXPECT_SJIS(s.closingQuote, "∟");
    EXPECT_EQ(s.separatorKind, 0);
    EXPECT_EQ(s.punctuation, 0);
    EXPECT_TRUE(s.useFace);
    EXPECT_FALSE(s.useMonospaceTag || s.proportional);
}

TEST(SettingsReader, SizesAlignmentsAndQuotes) {
    const int points[] = {8, 10, 12, 14, 18, 24, 34};
    const char* const aligns[] = {"right", "center", "left"};
    const char* const quotes[] = {"∟", "Ｌ", "└"};
    for (int item = 0; item < 7; ++item) {
        TateHtmlDialogValues v;
        v.fsCombo = item;
        v.gosic = false;
        v.align = item % 3;
        v.lSelect = item % 3;
        TateWarnings w;
        TateSettings s = TateSettingsReader::FromHtmlDialog(v, 1, w);
        EXPECT_EQ(s.defaultFont.size, points[item]);
        EXPECT_SJIS(s.defaultFont.name, "ＭＳ 明朝");
        EXPECT_EQ(s.alignment, aligns[item % 3]);
        EXPECT_SJIS(s.closingQuote, quotes[item % 3]);
    }
    TateHtmlDialogValues bad;
    bad.fsCombo = 7;
    TateWarnings w;
    TateSettingsReader::FromHtmlDialog(bad, 3, w);
    ASSERT_EQ(w.Messages().size(), 1u);
    EXPECT_EQ(w.Messages()[0], TateMessages::kSizeError);
}

struct FontGroupRow {
    int method, dFont1, dFont2;
    bool proportional, face, mono;
};

TEST(SettingsReader, StandardFontGroups) {
    const FontGroupRow rows[] = {
        {0, 2, 3, false, true, false},  // methods 0 and 1 ignore both groups
        {1, 1, 2, false, true, false},  {2, 0, 3, false, true, false},
        {2, 1, 0, false, false, true},  {2, 2, 0, false, false, false},
        {3, 0, 3, false, true, false},  {3, 1, 3, false, false, true},
        {3, 2, 3, false, false, false}, {4, 2, 0, true, true, false},
        {4, 2, 1, false, true, false},  {4, 0, 2, false, false, true},
        {4, 0, 3, false, false, false},
    };
    for (const auto& r : rows) {
        TateHtmlDialogValues v;
        v.dFont1 = r.dFont1;
        v.dFont2 = r.dFont2;
        TateWarnings w;
        TateSettings s = TateSettingsReader::FromHtmlDialog(v, r.method, w);
        EXPECT_EQ(s.proportional, r.proportional) << r.method << r.dFont1 << r.dFont2;
        EXPECT_EQ(s.useFace, r.face) << r.method << r.dFont1 << r.dFont2;
        EXPECT_EQ(s.useMonospaceTag, r.mono) << r.method << r.dFont1 << r.dFont2;
    }
}

TEST(SettingsReader, Method4ForcesPunctuationAndQuote) {
    TateHtmlDialogValues v;
    v.tenSelect = 3;
    v.lSelect = 2;
    TateWarnings w;
    TateSettings s4 = TateSettingsReader::FromHtmlDialog(v, 4, w);
    EXPECT_EQ(s4.punctuation, 0);
    EXPECT_SJIS(s4.closingQuote, "∟");
    TateSettings s3 = TateSettingsReader::FromHtmlDialog(v, 3, w);
    EXPECT_EQ(s3.punctuation, 3);
    EXPECT_SJIS(s3.closingQuote, "└");
}

TEST(SettingsReader, TextDialog) {
    TateTextDialogValues v;
    TateSettings s = TateSettingsReader::FromTextDialog(v);
    EXPECT_EQ(s.lastColumn, 49);
    EXPECT_EQ(s.spacing, 1);
    EXPECT_EQ(s.separatorKind, 0);
    EXPECT_FALSE(s.fullWidthSpacing);
    EXPECT_SJIS(s.defaultFont.name, "ＭＳ ゴシック");
    EXPECT_EQ(s.defaultFont.size, 11);
    EXPECT_SJIS(s.closingQuote, "∟");
    EXPECT_FALSE(s.hyperlinks || s.useFace || s.useMonospaceTag || s.proportional ||
                 s.lineHeightOn || s.embedSource || s.AnyFontTagSwitch() || s.fontStyleSwitch);
    v.dan = false;
    v.zero = true;
    v.lineCount = 399;
    v.space = 15;
    s = TateSettingsReader::FromTextDialog(v);
    EXPECT_EQ(s.separatorKind, 2);
    EXPECT_TRUE(s.fullWidthSpacing);
    EXPECT_EQ(s.lastColumn, 398);
    EXPECT_EQ(s.spacing, 15);
}

}  // namespace

namespace {

TEST(SettingsDefaults, PlainSettingsAreUsable) {
    TateSettings s;
    EXPECT_SJIS(s.defaultFont.name, "ＭＳ ゴシック");
    EXPECT_EQ(s.defaultFont.size, 10);
    EXPECT_SJIS(s.closingQuote, "∟");
    EXPECT_EQ(s.LineCount(), 50);
}

}  // namespace
