// Character rules of vertical writing: orientation classes, column-break opportunities and
// double-click words.

#include <gtest/gtest.h>

#include <QString>

#include "controls/VerticalTextRules.h"

namespace {

using VerticalTextRules::Orientation;

struct OrientationCase {
    const char* name;
    char32_t c;
    Orientation expected;
};

// Classes as the Unicode Vertical_Orientation data (UTR #50) lists them.
const OrientationCase kOrientation[] = {
    {"kanji", U'漢', Orientation::Upright},
    {"hiragana", U'あ', Orientation::Upright},
    {"corner_bracket", U'「', Orientation::TransformedRotated},
    {"long_vowel", U'ー', Orientation::TransformedRotated},
    {"latin", U'A', Orientation::Rotated},
    {"digit", U'1', Orientation::Rotated},
    {"fullwidth_colon", U'：', Orientation::TransformedRotated},
    {"halfwidth_katakana", U'ｶ', Orientation::Rotated},
    {"ideographic_comma", U'、', Orientation::TransformedUpright},
    {"ideographic_full_stop", U'。', Orientation::TransformedUpright},
    {"small_tsu", U'っ', Orientation::TransformedUpright},
    {"fullwidth_latin", U'Ａ', Orientation::Upright},
};

class OrientationTest : public ::testing::TestWithParam<OrientationCase> {};

TEST_P(OrientationTest, MatchesUnicodeData) {
    EXPECT_STREQ(VerticalTextRules::OrientationName(VerticalTextRules::OrientationOf(GetParam().c)),
                 VerticalTextRules::OrientationName(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(Characters, OrientationTest, ::testing::ValuesIn(kOrientation),
                         [](const auto& info) { return std::string(info.param.name); });

struct BreakCase {
    const char* name;
    const char* text;
    int index;      // a UTF-16 index into text
    bool mayBreak;  // may a column begin there?
};

const BreakCase kBreaks[] = {
    {"between_kana", "あいう", 1, true},
    {"before_ideographic_full_stop", "あ。い", 1, false},
    {"before_ideographic_comma", "あ、い", 1, false},
    {"before_closing_bracket", "あ」い", 1, false},
    {"before_closing_double_bracket", "あ』い", 1, false},
    {"before_closing_paren", "あ）い", 1, false},
    {"before_small_ya", "きゃく", 1, false},
    {"before_small_tsu", "まった", 1, false},
    {"before_long_vowel", "ラーメン", 1, false},
    {"after_opening_bracket", "「あ」", 1, false},
    {"after_opening_double_bracket", "『あ』", 1, false},
    {"after_opening_paren", "（あ）", 1, false},
    {"before_opening_bracket", "あ「い", 1, true},
    {"after_closing_bracket", "」あ", 1, true},
    {"inside_latin_word", "abc", 1, false},
    {"after_space_in_latin", "ab cd", 3, true},
};

class BreakTest : public ::testing::TestWithParam<BreakCase> {};

TEST_P(BreakTest, FollowsJapaneseRules) {
    const BreakCase& c = GetParam();
    const QString text = QString::fromUtf8(c.text);
    const std::vector<bool> b = VerticalTextRules::BreakOpportunities(text);
    ASSERT_EQ(b.size(), static_cast<size_t>(text.size()) + 1);
    EXPECT_TRUE(b.front());
    EXPECT_TRUE(b.back());
    EXPECT_EQ(b[static_cast<size_t>(c.index)], c.mayBreak) << c.text;
}

INSTANTIATE_TEST_SUITE_P(Kinsoku, BreakTest, ::testing::ValuesIn(kBreaks),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(BreakOpportunities, NeverInsideSurrogatePair) {
    const QString text = QString::fromUtf8("あ𠮷い");
    const std::vector<bool> b = VerticalTextRules::BreakOpportunities(text);
    ASSERT_EQ(b.size(), 5u);
    EXPECT_FALSE(b[2]);  // between the halves of 𠮷
}

struct WordCase {
    const char* name;
    const char* text;
    int index;
    int first;
    int last;
};

const WordCase kWords[] = {
    {"kanji_run", "吾輩は猫", 0, 0, 2},
    {"hiragana_alone", "吾輩は猫", 2, 2, 3},
    {"katakana_with_long_vowel", "あラーメンを", 3, 1, 5},
    {"latin_word", "字ABC字", 2, 1, 4},
    {"punctuation_alone", "猫。犬", 1, 1, 2},
    {"kanji_with_repeat_mark", "人々が", 1, 0, 2},
};

class WordTest : public ::testing::TestWithParam<WordCase> {};

TEST_P(WordTest, SelectsRunOfOneKind) {
    const WordCase& c = GetParam();
    const auto r = VerticalTextRules::WordRange(QString::fromUtf8(c.text), c.index);
    EXPECT_EQ(r.first, c.first);
    EXPECT_EQ(r.second, c.last);
}

INSTANTIATE_TEST_SUITE_P(DoubleClick, WordTest, ::testing::ValuesIn(kWords),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
