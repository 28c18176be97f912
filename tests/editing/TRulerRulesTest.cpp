// The ruler's numbers: markers from a paragraph's indents and indents from a marker's end of
// drag. Every expected value is worked out by hand: one point is 4/3 pixel, cut toward zero.

#include <gtest/gtest.h>

#include "editing/TRulerRules.h"

namespace {

constexpr int kWidth = 400;

struct ToRulerRow {
    double first, left, right;  // points
    int rFirst, rLeft, rRight;  // pixels
};

TEST(TRulerRulesTest, MarkersOfAParagraph) {
    const ToRulerRow rows[] = {
        // 12 pt = 16 px (+2); 18 pt = 24 px (+2); right: 6 pt = 8 px, 400 - 8 - 6.
        {12, 6, 0, 18, 26, 386},
        {0, 0, 0, 2, 2, 386},
        // 10 pt = 13.3 px -> 13; 15 pt = 20 px; 9 pt = 12 px.
        {10, 5, 3, 15, 22, 382},
        // A hanging first line: 9 + (-9) = 0.
        {9, -9, 15, 14, 2, 366},
        // 1 pt = 1.33 px -> 1.
        {1, 0, 0, 3, 3, 386},
        // 2.25 pt = 3 px; the right indent of 1.5 pt: 7.5 pt = 10 px.
        {2.25, 0, 1.5, 5, 5, 384},
        // Three points read back from pixels as a hair less are three points: 4 px.
        {2.9999999999, 0, 0, 6, 6, 386},
    };
    for (const ToRulerRow& r : rows) {
        const TRulerPositions p = TRulerRules::FromParagraph({r.first, r.left, r.right}, kWidth);
        EXPECT_EQ(p.first, r.rFirst) << r.first << " " << r.left << " " << r.right;
        EXPECT_EQ(p.left, r.rLeft) << r.first << " " << r.left << " " << r.right;
        EXPECT_EQ(p.right, r.rRight) << r.first << " " << r.left << " " << r.right;
    }
}

struct ToParagraphRow {
    const char* name;
    int marker;
    TRulerPositions ruler;
    TRulerIndents expected;
};

TEST(TRulerRulesTest, IndentsFromTheEndOfADrag) {
    // The paragraph before every drag: first-line 12, left 6, right 0.
    const TRulerIndents current{12, 6, 0};
    const ToParagraphRow rows[] = {
        // Right marker at width - 30: (30 - 10) * 3/4 = 15; the others stay.
        {"right", TRulerRules::RightMarker, {18, 26, 370}, {12, 6, 15}},
        // (400 - 395 - 10) * 3/4 = -3.75, cut toward zero.
        {"right_past_the_text", TRulerRules::RightMarker, {18, 26, 395}, {12, 6, -3}},
        // Left marker at 40: 30 pt from the text's start, less the first-line indent 12.
        {"left", TRulerRules::LeftMarker, {18, 40, 386}, {12, 18, 0}},
        // 41 px = 30.75 pt -> 30.
        {"left_cut", TRulerRules::LeftMarker, {18, 41, 386}, {12, 18, 0}},
        // First-line marker at 30: 22.5 -> 22; left 26 px = 19.5 -> 19, less 22.
        {"first", TRulerRules::FirstMarker, {30, 26, 386}, {22, -3, 0}},
        // The foot moved both by 10 px: 28 px = 21 pt, 36 px = 27 pt.
        {"both", TRulerRules::BothMarker, {28, 36, 386}, {21, 6, 0}},
        {"both_to_zero", TRulerRules::BothMarker, {0, 8, 386}, {0, 6, 0}},
    };
    for (const ToParagraphRow& r : rows) {
        const TRulerIndents p = TRulerRules::ToParagraph(r.marker, r.ruler, kWidth, current);
        EXPECT_DOUBLE_EQ(p.first, r.expected.first) << r.name;
        EXPECT_DOUBLE_EQ(p.left, r.expected.left) << r.name;
        EXPECT_DOUBLE_EQ(p.right, r.expected.right) << r.name;
    }
}

TEST(TRulerRulesTest, TheLeftMarkerKeepsEachParagraphsOwnFirstLine) {
    // Left marker at 40 px (30 pt) over a paragraph whose first line starts at 4.5 pt.
    const TRulerIndents p =
        TRulerRules::ToParagraph(TRulerRules::LeftMarker, {8, 40, 386}, kWidth, {4.5, 0, 0});
    EXPECT_DOUBLE_EQ(p.first, 4.5);
    EXPECT_DOUBLE_EQ(p.left, 25.5);
}

TEST(TRulerRulesTest, LiningUpWithTheText) {
    // Indent 0 shows 2 px from the origin: the origin is 2 px before the text's start.
    EXPECT_EQ(TRulerRules::OriginForTextStart(15), 13);
    // A right indent of 0 shows 14 px before the end of the scale.
    EXPECT_EQ(TRulerRules::ClientWidthForTextEnd(500), 514);
    const TRulerPositions p =
        TRulerRules::FromParagraph({}, TRulerRules::ClientWidthForTextEnd(500));
    EXPECT_EQ(p.right, 500);
}

TEST(TRulerRulesTest, WhichIndentsAMarkerSets) {
    using R = TRulerRules;
    EXPECT_TRUE(R::SetsFirst(R::FirstMarker) && R::SetsLeft(R::FirstMarker));
    EXPECT_FALSE(R::SetsRight(R::FirstMarker));
    EXPECT_TRUE(!R::SetsFirst(R::LeftMarker) && R::SetsLeft(R::LeftMarker));
    EXPECT_TRUE(R::SetsRight(R::RightMarker) && !R::SetsLeft(R::RightMarker));
    EXPECT_TRUE(R::SetsFirst(R::BothMarker) && R::SetsLeft(R::BothMarker));
}

}  // namespace
