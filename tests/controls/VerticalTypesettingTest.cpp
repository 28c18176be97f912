// Setting the columns beyond the characters: short numbers upright in one cell, brackets and
// punctuation that meet trimmed to half an em, and columns the line rules leave short spread
// to the length of their neighbours.

#include <gtest/gtest.h>

#include <QTextDocument>

#include "VerticalTestSupport.h"
#include "controls/TVerticalFontCache.h"
#include "controls/TVerticalLayout.h"
#include "controls/TVerticalShaper.h"
#include "controls/VerticalTextRules.h"

namespace {

using VerticalTextRules::TrimOf;
using VerticalTextRules::UprightRunLength;

struct UprightCase {
    const char* text;
    int index;
    int maxDigits;
    bool marks;
    int length;
};

TEST(VerticalTypesettingRules, UprightRuns) {
    const UprightCase cases[] = {
        {"12月8日", 0, 2, false, 2}, {"12月8日", 3, 2, false, 1}, {"第3章", 1, 2, false, 1},
        {"2024年", 0, 2, false, 0},  {"2024年", 0, 4, false, 4},  {"100%", 0, 4, false, 0},
        {"3.5倍", 0, 2, false, 0},   {"A4判", 1, 2, false, 0},    {"v2の", 1, 2, false, 0},
        {"12月", 0, 0, false, 0},    {"何!?", 1, 2, true, 2},     {"何!?", 1, 2, false, 0},
        {"何!!!", 1, 2, true, 0},    {"何？", 1, 2, true, 0},     {"あ１２", 1, 2, false, 0},
    };
    for (const UprightCase& c : cases)
        EXPECT_EQ(UprightRunLength(QString::fromUtf8(c.text), c.index, c.maxDigits, c.marks),
                  c.length)
            << c.text << " at " << c.index;
}

TEST(VerticalTypesettingRules, PunctuationTrim) {
    struct Row {
        char32_t before, c, after;
        bool start, end;
    };
    const Row rows[] = {
        {U'あ', U'」', U'『', false, false},  // closing before opening keeps its half
        {U'」', U'『', U'あ', true, false},   // the opening after it gives its blank start
        {U'猫', U'。', U'」', false, true},   // full stop before a closing bracket
        {U'あ', U'」', U'」', false, true},   // closing before closing
        {U'（', U'（', U'あ', true, false},   // opening after opening
        {U'）', U'【', U'あ', true, false},
        {U'あ', U'「', U'あ', false, false},  // after a letter: whole
        {U'あ', U'。', U'あ', false, false},
        {0, U'「', U'「', false, false},      // at the paragraph start
        {U'あ', U'漢', U'」', false, false},  // not punctuation
    };
    for (const Row& r : rows) {
        const VerticalTextRules::Trim t = TrimOf(r.before, r.c, r.after);
        EXPECT_EQ(t.start, r.start) << static_cast<int>(r.c);
        EXPECT_EQ(t.end, r.end) << static_cast<int>(r.c);
    }
}

struct Shaped {
    TVerticalFontCache fonts;
    TVerticalShaper shaper{fonts};
    TShapedParagraph Shape(const char* text, const TVerticalTypesetting& t = {}) {
        shaper.SetTypesetting(t);
        auto doc = vtest::MakeDocument(QString::fromUtf8(text));
        return shaper.Shape(doc->begin(), doc->defaultFont());
    }
    static float Length(const TShapedParagraph& p) {
        float sum = 0;
        for (const TVerticalCluster& cl : p.clusters) sum += cl.advance;
        return sum;
    }
};

TEST(VerticalTypesetting, ShortNumbersStandUprightInOneCell) {
    Shaped s;
    // 12月8日: 12 in one upright cell, 月, 8 upright, 日: four cells of one em.
    const TShapedParagraph p = s.Shape("12月8日");
    ASSERT_EQ(p.clusters.size(), 4u);
    EXPECT_TRUE(p.clusters[0].combined);
    EXPECT_FALSE(p.clusters[0].rotated);
    EXPECT_EQ(p.clusters[0].length, 2);
    EXPECT_EQ(p.clusters[0].glyphCount, 2);
    EXPECT_TRUE(p.clusters[2].combined);
    EXPECT_EQ(p.clusters[2].length, 1);
    for (const TVerticalCluster& cl : p.clusters) EXPECT_NEAR(cl.advance, vtest::kEm, 0.01);
    // The two digits side by side across the axis, inside the cell once narrowed.
    const TVerticalCluster& cell = p.clusters[0];
    const TVerticalGlyph& one = p.glyphs[static_cast<size_t>(cell.firstGlyph)];
    const TVerticalGlyph& two = p.glyphs[static_cast<size_t>(cell.firstGlyph + 1)];
    EXPECT_LT(one.x, 0);
    EXPECT_GT(two.x, one.x);
    EXPECT_GE(one.x * cell.scaleX, -vtest::kEm / 2.0 - 0.01);
    EXPECT_NEAR(one.y, two.y, 0.01);  // one baseline
    EXPECT_GT(one.y, vtest::kEm / 2.0);
    EXPECT_LT(one.y, vtest::kEm);

    // Longer numbers and Latin stay turned; with the option off, short ones do too.
    for (const char* text : {"2024年", "100%", "A4"}) {
        const TShapedParagraph q = s.Shape(text);
        for (const TVerticalCluster& cl : q.clusters) EXPECT_FALSE(cl.combined) << text;
        EXPECT_TRUE(q.clusters[0].rotated) << text;
    }
    TVerticalTypesetting none;
    none.uprightDigits = 0;
    EXPECT_TRUE(s.Shape("12月", none).clusters[0].rotated);
    TVerticalTypesetting four;
    four.uprightDigits = 4;
    EXPECT_TRUE(s.Shape("2024年", four).clusters[0].combined);
    TVerticalTypesetting marks;
    marks.uprightMarks = true;
    EXPECT_TRUE(s.Shape("何!?", marks).clusters[1].combined);
    EXPECT_FALSE(s.Shape("何!?").clusters[1].combined);
}

TEST(VerticalTypesetting, PunctuationThatMeetsTakesHalfAnEm) {
    Shaped s;
    struct Row {
        const char* text;
        double ems;  // length of the paragraph
    };
    const Row rows[] = {
        {"」『", 1.5}, {"）【", 1.5}, {"。」", 1.5}, {"」」", 1.5},
        {"「「", 1.5}, {"あ「", 2},   {"」あ", 2},   {"「あ」", 3},
    };
    for (const Row& r : rows)
        EXPECT_NEAR(Shaped::Length(s.Shape(r.text)), r.ems * vtest::kEm, 0.5) << r.text;
    // The opening bracket's ink moves up with its trimmed start; trimming off keeps full ems.
    const TShapedParagraph whole = s.Shape("」『", TVerticalTypesetting{2, false, false, true});
    const TShapedParagraph trimmed = s.Shape("」『");
    EXPECT_NEAR(Shaped::Length(whole), 2 * vtest::kEm, 0.5);
    EXPECT_NEAR(trimmed.glyphs[1].y, whole.glyphs[1].y - vtest::kEm / 2.0, 0.01);
}

TEST(VerticalTypesetting, ColumnsTheLineRulesShortenAreSpread) {
    // 「吾輩は猫。」 in columns of six: 「吾輩は猫。 would fit (5.5 em, the 。 before 」 trimmed),
    // but 」 may not begin a column, nor 。, so 猫 goes on with them and the first column holds
    // four characters; spread, it ends at 5.5 em, the 1.5 em shared by its three gaps.
    auto doc = vtest::MakeDocument(QString::fromUtf8("「吾輩は猫。」"));
    for (bool justify : {true, false}) {
        TVerticalLayout layout(doc.get());
        TVerticalTypesetting t;
        t.justify = justify;
        layout.SetTypesetting(t);
        layout.SetColumnHeight(vtest::kEm * 6 + 5);
        const TVerticalParagraph& p = layout.Paragraph(0);
        ASSERT_EQ(p.columns.size(), 2u);
        const TVerticalColumn& first = p.columns[0];
        EXPECT_EQ(first.endCluster - first.firstCluster, 4);
        const double spacing = justify ? 0.5 * vtest::kEm : 0;
        EXPECT_NEAR(first.spacing, spacing, 0.01) << justify;
        EXPECT_NEAR(first.length, justify ? 5.5 * vtest::kEm : 4 * vtest::kEm, 0.01);
        // は (position 3) starts three characters and three spaces down.
        const TVerticalLayout::ColumnRef c = layout.Column(0);
        EXPECT_NEAR(layout.CaretY(c, 3) - first.top, 3 * (vtest::kEm + spacing), 0.01);
        EXPECT_EQ(layout.CharacterAt(c, first.top + 3 * (vtest::kEm + spacing) + 1), 3);
        // The last column of the paragraph is never spread.
        EXPECT_EQ(p.columns[1].spacing, 0);
    }
}

}  // namespace
