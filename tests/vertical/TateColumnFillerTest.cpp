#include <gtest/gtest.h>

#include "TateTestUtil.h"
#include "vertical/TateColumnFiller.h"
#include "vertical/TatePageBreaks.h"

namespace {

struct FillRow {
    const char* name;
    std::string line;                // Shift-JIS bytes of the display line
    std::vector<const char*> cells;  // expected cells from row 0
};

std::vector<FillRow> FillRows() {
    return {
        {"voicedPairs", "\xB6\xDE\xBB\xDE\xCA\xDF\xCE\xDE", {"ガ", "ザ", "パ", "ボ"}},
        {"uWithMarkStaysTwo", "\xB3\xDE", {"ウ", "゛"}},
        {"semiVoicedOnKa", "\xB6\xDF", {"カ", "゜"}},
        {"loneMarks",
         "\xDE"
         "A\xDF",
         {"゛", "Ａ", "゜"}},
        {"tab", "a\tb", {"ａ", "　", "ｂ"}},
        {"asciiAndKana", "1 -\xB1\xB0", {"１", "　", "－", "ア", "ー"}},
        {"fullWidthUnchanged", J("漢字、ガ"), {"漢", "字", "、", "ガ"}},
        {"emptyLine", "", {"　"}},
        {"controlAndCutLead", std::string("\x01") + "\x82", {"　", "　"}},
    };
}

TEST(ColumnFiller, CellsOfEachLine) {
    for (const FillRow& row : FillRows()) {
        SCOPED_TRACE(row.name);
        TateSource src;
        src.AppendLine(row.line, Fmt("ＭＳ Ｐゴシック"));
        TateGrid grid;
        const int last =
            TateColumnFiller::Fill(src, &src.LineAt(0), grid, 3, Fmt("ＭＳ ゴシック", 10));
        EXPECT_EQ(last, static_cast<int>(row.cells.size()) - 1);
        for (std::size_t r = 0; r < row.cells.size(); ++r)
            EXPECT_SJIS(grid.At(static_cast<int>(r), 3).text, row.cells[r]);
        EXPECT_TRUE(grid.At(static_cast<int>(row.cells.size()), 3).Empty());
        EXPECT_EQ(grid.ColumnLength(3), static_cast<int>(row.cells.size()));
    }
}

TEST(ColumnFiller, AttributesFollowTheRunsAndEmptyCellsGetTheDefault) {
    TateSource src;
    src.AppendChars(J("あい"), Fmt("ＭＳ 明朝", 12, clRed, TateFormat::Bold));
    src.AppendChars(J("う"), Fmt("ＭＳ Ｐゴシック", 20, clBlue, TateFormat::Italic));
    src.EndLine();
    TateGrid grid;
    // Leave something in the column first: filling clears it.
    grid.At(10, 0).text = J("x");
    EXPECT_EQ(TateColumnFiller::Fill(src, &src.LineAt(0), grid, 0, Fmt("ＭＳ ゴシック", 10)), 2);
    EXPECT_SJIS(grid.At(1, 0).fontName, "ＭＳ 明朝");
    EXPECT_EQ(grid.At(1, 0).fontSize, 12);
    EXPECT_EQ(grid.At(1, 0).color, clRed);
    EXPECT_EQ(grid.At(1, 0).style, TateFormat::Bold);
    EXPECT_SJIS(grid.At(2, 0).fontName, "ＭＳ Ｐゴシック");
    EXPECT_EQ(grid.At(2, 0).style, TateFormat::Italic);
    EXPECT_TRUE(grid.At(10, 0).Empty());
    EXPECT_SJIS(grid.At(10, 0).fontName, "ＭＳ ゴシック");
    EXPECT_EQ(grid.At(10, 0).fontSize, 10);
}

TEST(ColumnFiller, NoLineLeavesAnEmptyColumn) {
    TateSource src;
    TateGrid grid;
    EXPECT_EQ(TateColumnFiller::Fill(src, nullptr, grid, 5, Fmt("ＭＳ ゴシック", 10)), 0);
    EXPECT_EQ(grid.ColumnLength(5), 0);
}

TEST(ColumnFiller, FiftyCharactersFillRowsZeroToFortyNine) {
    std::string line;
    for (int i = 0; i < 50; ++i) line += J("あ");
    TateSource src;
    src.AppendLine(line, Fmt("x"));
    TateGrid grid;
    EXPECT_EQ(TateColumnFiller::Fill(src, &src.LineAt(0), grid, 0, Fmt("x")), 49);
    EXPECT_TRUE(grid.At(50, 0).Empty());
}

// Page breaks: where the text after the marker lands, for b = 0, 1 and 2 with N = 3.
struct BreakRow {
    int markerLine;
    int lineCount;
    std::size_t textAfterAt;  // index of the line after the marker
    std::size_t empties;      // empty lines inserted
};

class PageBreaks : public ::testing::TestWithParam<BreakRow> {};

TEST_P(PageBreaks, TextAfterTheMarkerStartsTheNextBlock) {
    const BreakRow& row = GetParam();
    std::vector<std::string> lines;
    for (int i = 0; i < row.markerLine; ++i) lines.push_back("あ");
    lines.push_back("▲改頁▼");
    lines.push_back("次");
    TateSource src = SourceOf(lines);
    TatePageBreaks::Lines out = TatePageBreaks::Expand(src, row.lineCount);
    ASSERT_EQ(out.lines.size(), row.textAfterAt + 1);
    EXPECT_SJIS(out.lines[row.textAfterAt]->text, "次");
    for (std::size_t i = static_cast<std::size_t>(row.markerLine); i < row.textAfterAt; ++i)
        EXPECT_TRUE(out.lines[i]->text.empty());
    EXPECT_EQ(row.textAfterAt - static_cast<std::size_t>(row.markerLine), row.empties);
}

INSTANTIATE_TEST_SUITE_P(N3, PageBreaks,
                         ::testing::Values(BreakRow{4, 3, 6, 2},    // b = 2: two line breaks
                                           BreakRow{3, 3, 3, 0},    // b = 1: removed
                                           BreakRow{5, 3, 6, 1},    // b = 0: one empty line
                                           BreakRow{0, 3, 0, 0},    // first line of the text
                                           BreakRow{1, 5, 5, 4},    // b = 2 with N = 5
                                           BreakRow{2, 1, 3, 1}));  // N = 1: always b = 0

// A marker on the last line with no line break after it: the marker alone is replaced, so the
// (empty) rest of the text after it still forms a line of its own, on the first line of the
// next block. Worked out on the text: "あ\r\n" × l + "▲改頁▼" with the marker replaced by
// k line breaks has l + k + 1 lines, lines l … l + k empty.
struct EndBreakRow {
    int markerLine;          // l
    int lineCount;           // N
    std::size_t totalLines;  // l + k + 1
};

class PageBreakAtTheEnd : public ::testing::TestWithParam<EndBreakRow> {};

TEST_P(PageBreakAtTheEnd, LeavesTheEmptyLastLine) {
    const EndBreakRow& row = GetParam();
    std::vector<std::string> lines(static_cast<std::size_t>(row.markerLine), "あ");
    lines.push_back("▲改頁▼");
    const TateSource src = SourceOf(lines);
    TatePageBreaks::Lines out = TatePageBreaks::Expand(src, row.lineCount);
    ASSERT_EQ(out.lines.size(), row.totalLines);
    for (std::size_t i = 0; i < out.lines.size(); ++i) {
        if (i < static_cast<std::size_t>(row.markerLine))
            EXPECT_SJIS(out.lines[i]->text, "あ");
        else
            EXPECT_TRUE(out.lines[i]->text.empty()) << i;
    }
}

INSTANTIATE_TEST_SUITE_P(N3, PageBreakAtTheEnd,
                         ::testing::Values(EndBreakRow{2, 3, 4},    // b = 0: k = 1
                                           EndBreakRow{3, 3, 4},    // b = 1: k = 0
                                           EndBreakRow{4, 3, 7},    // b = 2: k = N - b + 1 = 2
                                           EndBreakRow{1, 5, 6},    // b = 2, N = 5: k = 4
                                           EndBreakRow{0, 3, 1},    // the whole text: b = 1
                                           EndBreakRow{0, 1, 2}));  // N = 1: b = 0, k = 1

TEST(PageBreaksText, OnlyAMarkerAloneInItsParagraphCounts) {
    TateSource src = SourceOf({"あ▲改頁▼", "▲改頁▼い", "▲改頁▼"});
    TatePageBreaks::Lines out = TatePageBreaks::Expand(src, 3);
    // Only the third line is a marker: on line 2 with N = 3 (b = 0) it leaves an empty line,
    // and the empty rest of the text after it is line 3.
    ASSERT_EQ(out.lines.size(), 4u);
    EXPECT_SJIS(out.lines[0]->text, "あ▲改頁▼");
    EXPECT_SJIS(out.lines[1]->text, "▲改頁▼い");
    EXPECT_TRUE(out.lines[2]->text.empty());
    EXPECT_TRUE(out.lines[3]->text.empty());
}

TEST(PageBreaksText, MarkerInsideAWrappedParagraphIsText) {
    TateSource src;
    src.AppendLine(J("▲改頁▼"), Fmt("x"), false);  // the paragraph goes on on the next line
    src.AppendLine(J("あ"), Fmt("x"), true);
    TatePageBreaks::Lines out = TatePageBreaks::Expand(src, 3);
    ASSERT_EQ(out.lines.size(), 2u);
}

}  // namespace

namespace {

TEST(ColumnFiller, CharacterOutsideTheCodePageKeepsItsReference) {
    TateSource src;
    src.AppendChars(J("吉"), Fmt("x"));
    src.AppendReference("&#134071;", Fmt("x"));
    src.AppendChars(J("〓"), Fmt("x"));  // a real geta mark stays one
    src.EndLine();
    TateGrid grid;
    EXPECT_EQ(TateColumnFiller::Fill(src, &src.LineAt(0), grid, 0, Fmt("x")), 2);
    EXPECT_SJIS(grid.At(0, 0).text, "吉");
    EXPECT_EQ(grid.At(1, 0).text, "&#134071;");
    EXPECT_SJIS(grid.At(2, 0).text, "〓");
}

}  // namespace
