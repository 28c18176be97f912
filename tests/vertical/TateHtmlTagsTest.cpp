#include <gtest/gtest.h>

#include "TateTestUtil.h"
#include "vertical/TateBlockSeparator.h"
#include "vertical/TateHtmlTags.h"
#include "vertical/TateMessages.h"

namespace {

TEST(HtmlTags, HtmlSizeOfPointSizes) {
    const struct {
        int points, size;
    } rows[] = {{1, 1},  {9, 1},  {10, 2}, {11, 2}, {12, 3}, {13, 3},  {14, 4}, {16, 4},
                {17, 5}, {21, 5}, {22, 6}, {33, 6}, {34, 7}, {200, 7}, {-1, 7}, {-40, 7}};
    for (const auto& r : rows) {
        TateWarnings w;
        EXPECT_EQ(TateHtmlTags::HtmlSize(r.points, w), r.size) << r.points;
        EXPECT_TRUE(w.Empty());
    }
    TateWarnings w;
    EXPECT_EQ(TateHtmlTags::HtmlSize(0, w), 1);
    ASSERT_EQ(w.Messages().size(), 1u);
    EXPECT_EQ(w.Messages()[0], TateMessages::kSizeError);
}

TEST(HtmlTags, ColourTextIsRedGreenBlue) {
    EXPECT_EQ(TateHtmlTags::ColorText(RgbColor(0xFF, 0x80, 0x01)), "FF8001");
    EXPECT_EQ(TateHtmlTags::ColorText(clNavy), "000080");
}

TateCell Cell(const char* font, int size, TColor color, int style) {
    TateCell c;
    c.text = J("あ");
    c.fontName = J(font);
    c.fontSize = size;
    c.color = color;
    c.style = style;
    return c;
}

struct ChangeRow {
    const char* name;
    bool nameSw, sizeSw, styleSw, colorSw;
    TateCell p, c;
    const char* close;
    const char* open;
};

TEST(HtmlTags, ChangeTags) {
    const TateCell base = Cell("ＭＳ 明朝", 10, clBlack, 0);
    const ChangeRow rows[] = {
        {"fontChanges", true, false, false, false, base, Cell("ＭＳ Ｐゴシック", 10, clBlack, 0),
         "</FONT>", "<FONT FACE=\"ＭＳ Ｐゴシック\">"},
        {"fontChangeSwitchOff", false, true, false, false, base,
         Cell("ＭＳ Ｐゴシック", 10, clBlack, 0), "", ""},
        {"sizeChanges", false, true, false, false, base, Cell("ＭＳ 明朝", 12, clBlack, 0),
         "</FONT>", "<FONT SIZE=\"3\">"},
        {"sizeSameHtmlSizeStillChanges", false, true, false, false, base,
         Cell("ＭＳ 明朝", 11, clBlack, 0), "</FONT>", "<FONT SIZE=\"2\">"},
        // Every switch that is on goes into the new tag, not only the changed attribute.
        {"colourChangesAllSwitches", true, true, false, true, base, Cell("ＭＳ 明朝", 10, clRed, 0),
         "</FONT>", "<FONT FACE=\"ＭＳ 明朝\" SIZE=\"2\" COLOR=\"#FF0000\">"},
        {"styleChanges", false, false, true, false, Cell("ＭＳ 明朝", 10, clBlack, 1),
         Cell("ＭＳ 明朝", 10, clBlack, 6), "</B>", "<I><U>"},
        {"styleAndFont", true, false, true, false, Cell("ＭＳ 明朝", 10, clBlack, 9),
         Cell("ＭＳ ゴシック", 10, clBlack, 2), "</B></S></FONT>",
         "<FONT FACE=\"ＭＳ ゴシック\"><I>"},
        {"nothingChanges", true, true, true, true, base, base, "", ""},
    };
    for (const ChangeRow& r : rows) {
        SCOPED_TRACE(r.name);
        TateSettings s;
        s.fontNameSwitch = r.nameSw;
        s.fontSizeSwitch = r.sizeSw;
        s.fontStyleSwitch = r.styleSw;
        s.fontColorSwitch = r.colorSw;
        TateWarnings w;
        std::string close = "x", open = "x";
        TateHtmlTags::ChangeTags(r.p, r.c, s, w, close, open);
        EXPECT_SJIS(close, r.close);
        EXPECT_SJIS(open, r.open);
    }
}

TEST(HtmlTags, StyleTagsInOrder) {
    EXPECT_EQ(TateHtmlTags::StyleOpen(15), "<B><I><U><S>");
    EXPECT_EQ(TateHtmlTags::StyleClose(15), "</B></I></U></S>");
    EXPECT_EQ(TateHtmlTags::StyleOpen(10), "<I><S>");
    EXPECT_EQ(TateHtmlTags::StyleClose(0), "");
}

TEST(BlockSeparator, Texts) {
    const struct {
        int k, n, spacing;
        const char* text;
    } rows[] = {
        // N = 50, spacing 0: 19 hyphens, the number, 21 hyphens.
        {0, 50, 0, "-------------------１---------------------"},
        // N = 3, spacing 1: "-" and three "---", the number at position 5.
        {0, 3, 1, "----１------"},
        {11, 3, 1, "----１２------"},
        // (N - 1) × (spacing + 2) = 40 exactly: 40 hyphens.
        {1, 21, 0, "-------------------２---------------------"},
        // 38: "-" and 20 × "--" = 41 characters, the number after 19 hyphens.
        {0, 20, 0, "-------------------１----------------------"},
        {0, 1, 0, "１---"},
        {2, 2, 1, "--３-----"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(std::to_string(r.k) + " " + std::to_string(r.n) + " " +
                     std::to_string(r.spacing));
        EXPECT_SJIS(TateBlockSeparator::Text(r.k, r.n, r.spacing), r.text);
    }
}

}  // namespace
