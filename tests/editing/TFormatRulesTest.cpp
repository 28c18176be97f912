// The rules of the font and format bars: the size box's text, the style buttons' three states,
// the baseline offset between points and twips and its keys, and the one-byte and two-byte
// runs a Western font is applied to.

#include <gtest/gtest.h>

#include "editing/TFormatRules.h"

namespace {

struct SizeRow {
    const char* text;
    bool integer;
    int value;
};

TEST(TFormatRulesTest, SizeTextIsADecimalInteger) {
    const SizeRow rows[] = {
        {"12", true, 12},   {" 9 ", true, 9},          {"-3", true, -3},  {"+4", true, 4},
        {"0", true, 0},     {"12a", false, 0},         {"a12", false, 0}, {"1.5", false, 0},
        {"", false, 0},     {"  ", false, 0},          {"-", false, 0},   {"１２", false, 0},
        {"0x10", false, 0}, {"99999999999", false, 0}, {"1 2", false, 0},
    };
    for (const SizeRow& r : rows) {
        const std::optional<int> v = TFormatRules::ParseSize(QString::fromUtf8(r.text));
        EXPECT_EQ(v.has_value(), r.integer) << r.text;
        if (r.integer && v) {
            EXPECT_EQ(*v, r.value) << r.text;
        }
    }
}

TEST(TFormatRulesTest, SizeTextOfPoints) {
    EXPECT_EQ(TFormatRules::SizeText(11), QStringLiteral("11"));
    EXPECT_EQ(TFormatRules::SizeText(10.5), QStringLiteral("11"));
    EXPECT_EQ(TFormatRules::SizeText(7.4), QStringLiteral("7"));
}

TEST(TFormatRulesTest, StyleButtonHasThreeStates) {
    using S = TFormatRules::ButtonState;
    struct Row {
        bool has;
        bool uniform;
        S state;
    };
    const Row rows[] = {{true, true, S::Down},
                        {false, true, S::Up},
                        {true, false, S::Indeterminate},
                        {false, false, S::Indeterminate}};
    for (int style = 0; style < 4; ++style) {
        for (const Row& r : rows) {
            TCharAttributes a;
            a.bold = a.italic = a.underline = a.strikeOut = !r.has;  // the other styles differ
            const unsigned field = TFormatRules::StyleField(style);
            if (style == 0) a.bold = r.has;
            if (style == 1) a.italic = r.has;
            if (style == 2) a.underline = r.has;
            if (style == 3) a.strikeOut = r.has;
            a.uniform = r.uniform ? TCharAttributes::All : TCharAttributes::All & ~field;
            EXPECT_EQ(TFormatRules::StyleState(a, style), r.state) << style;
        }
    }
}

TEST(TFormatRulesTest, ToggledStylesWriteTheWholeSet) {
    TCharAttributes sel;
    sel.bold = false;
    sel.italic = true;
    sel.underline = false;
    sel.strikeOut = true;
    sel.uniform = TCharAttributes::All & ~TCharAttributes::Italic;  // italic mixed
    // Underline pressed down: underline on, the others as the selection reports them.
    TCharAttributes w = TFormatRules::ToggledStyles(sel, 2, true);
    EXPECT_FALSE(w.bold);
    EXPECT_TRUE(w.italic);
    EXPECT_TRUE(w.underline);
    EXPECT_TRUE(w.strikeOut);
    // Strike-out up: off.
    w = TFormatRules::ToggledStyles(sel, 3, false);
    EXPECT_FALSE(w.strikeOut);
    EXPECT_TRUE(w.italic);
    EXPECT_EQ(TFormatRules::kStyleMask, TCharAttributes::Bold | TCharAttributes::Italic |
                                            TCharAttributes::Underline |
                                            TCharAttributes::StrikeOut);
}

TEST(TFormatRulesTest, BaselinePointsAndTwips) {
    struct Row {
        int twips;
        int points;
    };
    // Truncation toward zero, clamped to the bar's -50 .. 50.
    const Row rows[] = {{140, 7}, {-30, -1}, {30, 1},    {19, 0},    {-19, 0},
                        {0, 0},   {-40, -2}, {1000, 50}, {1020, 50}, {-2000, -50}};
    for (const Row& r : rows)
        EXPECT_EQ(TFormatRules::PointsFromTwips(r.twips), r.points) << r.twips;
    EXPECT_EQ(TFormatRules::TwipsFromPoints(7), 140);
    EXPECT_EQ(TFormatRules::TwipsFromPoints(-50), -1000);
}

TEST(TFormatRulesTest, BaselineKeysMeanUpIsHigher) {
    using K = TFormatRules::BaselineKey;
    struct Row {
        int key;
        bool keypad;
        K action;
    };
    const Row rows[] = {
        {Qt::Key_Up, false, K::StepUp},     {Qt::Key_Down, false, K::StepDown},
        {Qt::Key_PageUp, false, K::PageUp}, {Qt::Key_PageDown, false, K::PageDown},
        {Qt::Key_Left, false, K::Left},     {Qt::Key_Right, false, K::Right},
        {Qt::Key_0, true, K::Reset},        {Qt::Key_Insert, true, K::Reset},
        {Qt::Key_0, false, K::ToView},      {Qt::Key_A, false, K::ToView},
        {Qt::Key_Home, false, K::ToView},   {Qt::Key_Tab, false, K::ToView},
        {Qt::Key_Shift, false, K::None},    {Qt::Key_Control, false, K::None},
    };
    for (const Row& r : rows)
        EXPECT_EQ(TFormatRules::BaselineKeyAction(r.key, r.keypad), r.action) << r.key;
}

TEST(TFormatRulesTest, RunsOfOneAndTwoByteCharacters) {
    using R = TFormatRules::SjisRun;
    struct Row {
        const char* text;
        std::vector<R> runs;
    };
    const Row rows[] = {
        // Three Latin letters, two kanji, three Latin letters.
        {"abc漢字def", {{0, 3, false}, {3, 4, true}, {7, 3, false}}},
        {"漢", {{0, 2, true}}},
        {"a", {{0, 1, false}}},
        {"", {}},
        // Half-width katakana is one byte; a paragraph end two one-byte characters.
        {"ｱｲ\r\nあ", {{0, 4, false}, {4, 2, true}}},
        // A character Shift-JIS cannot hold counts as two bytes (a surrogate pair).
        {"x😀y", {{0, 1, false}, {1, 2, true}, {3, 1, false}}},
        {"全角ＡＢ", {{0, 8, true}}},
    };
    for (const Row& r : rows)
        EXPECT_EQ(TFormatRules::SjisRuns(QString::fromUtf8(r.text)), r.runs) << r.text;
}

}  // namespace
