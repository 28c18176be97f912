// Find next, find previous, replace and replace all over an editing view, in Shift-JIS byte
// positions. Expected positions are counted by hand: ASCII 1 byte, kana and kanji 2, a
// paragraph end 2. "ア" is 0x83 0x41 and "表" 0x95 0x5C in code page 932 (iconv), so their
// second bytes equal "A" and "\".

#include <gtest/gtest.h>

#include <QTextCursor>
#include <QTextDocument>
#include <functional>
#include <tuple>
#include <vector>

#include "controls/TRichEditEx.h"
#include "editing/TFindRules.h"
#include "editing/TViewFindTarget.h"

namespace {

struct View {
    QTextDocument doc;
    TRichEditEx view;
    TViewFindTarget target{view};
    TFindState state;
    View(const QString& text, int selStart, int selLength) {
        doc.setPlainText(text);
        view.SetDocument(&doc);
        view.SetSelection(selStart, selLength);
    }
};

enum Op { Next, Previous };

struct FindCase {
    const char* text;
    const char* find;
    int selStart;
    int selLength;
    bool selectionOnly;
    Op op;
    bool found;
    int wantStart;  // the selection afterwards (unchanged when nothing is found)
    int wantLength;
};

class FindRules : public ::testing::TestWithParam<FindCase> {};

TEST_P(FindRules, SelectsTheMatch) {
    const FindCase& c = GetParam();
    View v(QString::fromUtf8(c.text), c.selStart, c.selLength);
    v.state.findText = QString::fromUtf8(c.find);
    v.state.selectionOnly = c.selectionOnly;
    const bool found = c.op == Next ? TFindRules::FindNext(v.target, v.state)
                                    : TFindRules::FindPrevious(v.target, v.state);
    EXPECT_EQ(found, c.found) << c.text << " / " << c.find;
    EXPECT_EQ(v.view.SelStart(), c.wantStart) << c.text << " / " << c.find;
    EXPECT_EQ(v.view.SelLength(), c.wantLength) << c.text << " / " << c.find;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FindRules,
    ::testing::Values(
        // Find next starts at the end of the selection.
        FindCase{"abcabc", "bc", 0, 0, false, Next, true, 1, 2},
        FindCase{"abcabc", "bc", 1, 2, false, Next, true, 4, 2},
        FindCase{"abcabc", "bc", 4, 2, false, Next, false, 4, 2},
        // Letter case is ignored.
        FindCase{"xxABC", "abc", 0, 0, false, Next, true, 2, 3},
        FindCase{"xxabc", "ABC", 0, 0, false, Next, true, 2, 3},
        // Never the second byte of a two-byte character.
        FindCase{"アa", "A", 0, 0, false, Next, true, 2, 1},
        FindCase{"ア", "a", 0, 0, false, Next, false, 0, 0},
        FindCase{"表\\", "\\", 0, 0, false, Next, true, 2, 1},
        // Two-byte characters and paragraph ends count two.
        FindCase{"吾輩は猫である。猫", "猫", 0, 0, false, Next, true, 6, 2},
        FindCase{"吾輩は猫である。猫", "猫", 6, 2, false, Next, true, 16, 2},
        FindCase{"ab\ncd", "cd", 0, 0, false, Next, true, 4, 2},
        // An empty search string finds nothing here (the window opens the dialog instead).
        FindCase{"abc", "", 0, 0, false, Next, false, 0, 0},
        // Selection only: the search starts at the selection's beginning and stays inside it.
        FindCase{"aXbXcX", "X", 1, 3, true, Next, true, 1, 1},
        FindCase{"abcabc", "bc", 0, 4, true, Next, true, 1, 2},
        FindCase{"abcabc", "ca", 0, 3, true, Next, false, 0, 0},
        // Find previous: the last match that ends before the selection start.
        FindCase{"aaaa", "aa", 4, 0, false, Previous, true, 2, 2},
        FindCase{"aa", "a", 2, 0, false, Previous, true, 1, 1},
        FindCase{"aaa", "aa", 3, 0, false, Previous, true, 1, 2},
        FindCase{"abcabc", "bc", 4, 2, false, Previous, true, 1, 2},
        FindCase{"abcabc", "bc", 0, 0, false, Previous, false, 0, 0},
        FindCase{"abcabc", "bc", 2, 0, false, Previous, false, 2, 0},
        FindCase{"猫猫猫", "猫", 6, 0, false, Previous, true, 4, 2},
        FindCase{"aア", "A", 3, 0, false, Previous, true, 0, 1},
        FindCase{"ab\ncd", "B", 6, 0, false, Previous, true, 1, 1},
        // Selection only: the last match inside the selection.
        FindCase{"XaXbX", "X", 1, 3, true, Previous, true, 2, 1},
        FindCase{"XaXbX", "X", 1, 1, true, Previous, false, 1, 1}),
    [](const auto& info) { return "case" + std::to_string(info.index); });

TEST(FindRulesSequence, SelectionOnlyStepsThroughTheSelectionAndStops) {
    View v(QStringLiteral("aXbXcX"), 1, 3);
    v.state.findText = QStringLiteral("x");
    v.state.selectionOnly = true;
    ASSERT_TRUE(TFindRules::FindNext(v.target, v.state));
    EXPECT_EQ(v.view.SelStart(), 1);
    ASSERT_TRUE(TFindRules::FindNext(v.target, v.state));
    EXPECT_EQ(v.view.SelStart(), 3);
    EXPECT_FALSE(TFindRules::FindNext(v.target, v.state));  // the X at 5 lies outside
    EXPECT_EQ(v.view.SelStart(), 3);
    EXPECT_EQ(v.state.rangeStart, 1);
    EXPECT_EQ(v.state.rangeEnd, 4);
}

TEST(FindRulesSequence, WholeTextRangeFollowsTyping) {
    View v(QStringLiteral("ab"), 0, 0);
    v.state.findText = QStringLiteral("b");
    ASSERT_TRUE(TFindRules::FindNext(v.target, v.state));
    EXPECT_FALSE(TFindRules::FindNext(v.target, v.state));
    v.view.SetSelection(2, 0);
    v.view.SetSelText(QStringLiteral("xb"));
    v.view.SetSelection(1, 1);
    ASSERT_TRUE(TFindRules::FindNext(v.target, v.state));
    EXPECT_EQ(v.view.SelStart(), 3);
}

struct ReplaceCase {
    const char* text;
    const char* find;
    const char* replace;
    int selStart;
    int selLength;
    bool replaced;
    const char* result;
};

class ReplaceRules : public ::testing::TestWithParam<ReplaceCase> {};

TEST_P(ReplaceRules, ReplacesAMatchingSelection) {
    const ReplaceCase& c = GetParam();
    View v(QString::fromUtf8(c.text), c.selStart, c.selLength);
    v.state.findText = QString::fromUtf8(c.find);
    v.state.replaceText = QString::fromUtf8(c.replace);
    EXPECT_EQ(TFindRules::Replace(v.target, v.state), c.replaced);
    EXPECT_EQ(v.doc.toPlainText(), QString::fromUtf8(c.result));
}

INSTANTIATE_TEST_SUITE_P(Cases, ReplaceRules,
                         ::testing::Values(ReplaceCase{"xABCx", "abc", "猫", 1, 3, true, "x猫x"},
                                           ReplaceCase{"xabcx", "ABC", "d", 1, 3, true, "xdx"},
                                           ReplaceCase{"xabdx", "abc", "d", 1, 3, false, "xabdx"},
                                           ReplaceCase{"猫です", "猫", "犬", 0, 2, true, "犬です"},
                                           ReplaceCase{"猫です", "猫", "犬", 0, 4, false, "猫です"},
                                           // An empty search string matches an empty selection: the
                                           // replacement goes in at the caret.
                                           ReplaceCase{"ab", "", "X", 1, 0, true, "aXb"},
                                           ReplaceCase{"ab", "", "X", 0, 1, false, "ab"}));

struct ReplaceAllCase {
    const char* text;
    const char* find;
    const char* replace;
    int selStart;
    int selLength;
    bool selectionOnly;
    int count;
    const char* result;
};

class ReplaceAllRules : public ::testing::TestWithParam<ReplaceAllCase> {};

TEST_P(ReplaceAllRules, ReplacesEveryMatchFromTheCaret) {
    const ReplaceAllCase& c = GetParam();
    View v(QString::fromUtf8(c.text), c.selStart, c.selLength);
    v.state.findText = QString::fromUtf8(c.find);
    v.state.replaceText = QString::fromUtf8(c.replace);
    v.state.selectionOnly = c.selectionOnly;
    EXPECT_EQ(TFindRules::ReplaceAll(v.target, v.state), c.count);
    EXPECT_EQ(v.doc.toPlainText(), QString::fromUtf8(c.result));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReplaceAllRules,
    ::testing::Values(
        // A replacement that holds the search string ends.
        ReplaceAllCase{"の猫の犬の", "の", "のの", 0, 0, false, 3, "のの猫のの犬のの"},
        ReplaceAllCase{"aaa", "a", "aa", 0, 0, false, 3, "aaaaaa"},
        // From the caret on, not from the top.
        ReplaceAllCase{"aXaXa", "a", "b", 2, 0, false, 2, "aXbXb"},
        // Across paragraphs; letter case ignored.
        ReplaceAllCase{"Ab\nab\nAB", "ab", "猫", 0, 0, false, 3, "猫\n猫\n猫"},
        // Inside the selection only, also when the replacement is longer or shorter.
        ReplaceAllCase{"xaxaxa", "a", "AAA", 0, 4, true, 2, "xAAAxAAAxa"},
        ReplaceAllCase{"xaxaxa", "a", "", 0, 4, true, 2, "xxxa"},
        ReplaceAllCase{"xaxaxa", "q", "z", 0, 0, false, 0, "xaxaxa"},
        ReplaceAllCase{"xaxaxa", "", "z", 0, 0, false, 0, "xaxaxa"}));

// ----- replace all in one pass against the step-by-step rule ----------------------------------

// The view searched and changed one step at a time (find next, replace), as the rules do it
// without a faster path.
class StepTarget : public TViewFindTarget {
public:
    using TViewFindTarget::TViewFindTarget;
    std::vector<int> FindAll(const QString& text, int length, int start, int end) const override {
        return TFindTarget::FindAll(text, length, start, end);
    }
    int ReplaceRanges(const std::vector<int>& starts, int length, const QString& text,
                      const std::function<void()>& done) override {
        return TFindTarget::ReplaceRanges(starts, length, text, done);
    }
};

enum class Way { Steps, OnePass, OnePassInEditBlock };

struct OnePassCase {
    const char* name;
    const char* text;
    const char* find;
    const char* replace;
    int selStart;
    int selLength;
    bool selectionOnly;
    int count;
    const char* result;
    int caret;     // the selection afterwards: the caret after the last inserted text
    int rangeEnd;  // selection only: the range end afterwards
};

class ReplaceAllOnePass : public ::testing::TestWithParam<std::tuple<OnePassCase, Way>> {};

TEST_P(ReplaceAllOnePass, EndsAsTheStepsDo) {
    const auto& [c, way] = GetParam();
    View v(QString::fromUtf8(c.text), c.selStart, c.selLength);
    StepTarget steps(v.view);
    TFindTarget& target = way == Way::Steps ? static_cast<TFindTarget&>(steps) : v.target;
    v.state.findText = QString::fromUtf8(c.find);
    v.state.replaceText = QString::fromUtf8(c.replace);
    v.state.selectionOnly = c.selectionOnly;
    std::vector<int> progress;
    QTextCursor block(&v.doc);
    // The window replaces all in one edit block (one undo step).
    if (way == Way::OnePassInEditBlock) block.beginEditBlock();
    const int count =
        TFindRules::ReplaceAll(target, v.state, [&](int n) { progress.push_back(n); });
    if (way == Way::OnePassInEditBlock) block.endEditBlock();
    EXPECT_EQ(count, c.count);
    EXPECT_EQ(v.doc.toPlainText(), QString::fromUtf8(c.result));
    EXPECT_EQ(v.view.SelStart(), c.caret);
    EXPECT_EQ(v.view.SelLength(), 0);
    ASSERT_EQ(int(progress.size()), c.count);
    for (int i = 0; i < c.count; ++i) EXPECT_EQ(progress[size_t(i)], i + 1);
    if (c.selectionOnly) {
        EXPECT_EQ(v.state.rangeStart, c.selStart);
        EXPECT_EQ(v.state.rangeEnd, c.rangeEnd);
    }
    // The positions still agree with the text.
    EXPECT_EQ(v.view.TextLength(), TFindRules::ByteLength(v.view.Text()));
}

// Byte positions by hand: ASCII 1, kana and kanji 2, a paragraph end 2.
const OnePassCase kOnePassCases[] = {
    // Candidates that overlap: each search starts after the previous match.
    {"Overlapping", "aaaa", "aa", "b", 0, 0, false, 2, "bb", 2, 0},
    {"OverlappingOdd", "aaaaa", "aa", "b", 0, 0, false, 2, "bba", 2, 0},
    // A replacement that holds the search string is not searched again.
    {"ReplacementHoldsTheString", "aaaa", "aa", "aaa", 0, 0, false, 2, "aaaaaa", 6, 0},
    {"ReplacementHoldsTheStringKana", "の猫の", "の", "のの", 0, 0, false, 2, "のの猫のの", 10, 0},
    // The second byte of ア is 0x41 ("A") and that of 表 0x5C ("\"): never a match.
    {"TrailByteLetter", "アaア", "A", "x", 0, 0, false, 1, "アxア", 3, 0},
    {"TrailByteBackslash", "表\\表", "\\", "/", 0, 0, false, 1, "表/表", 3, 0},
    // Letter case ignored.
    {"LetterCase", "AbAB", "ab", "c", 0, 0, false, 2, "cc", 2, 0},
    // From the caret on.
    {"FromTheCaret", "aXaXa", "a", "b", 2, 0, false, 2, "aXbXb", 5, 0},
    // Inside the selection only; the range end follows the longer replacement.
    {"SelectionOnly", "xaxaxa", "a", "bb", 1, 4, true, 2, "xbbxbbxa", 6, 7},
    {"SelectionOnlyShorter", "xaaxaaxa", "aa", "", 1, 6, true, 2, "xxxa", 2, 3},
    {"SelectionOnlyToTheEnd", "xaxa", "a", "猫", 1, 3, true, 2, "x猫x猫", 6, 6},
    // An empty replacement.
    {"EmptyReplacement", "の猫の", "の", "", 0, 0, false, 2, "猫", 2, 0},
    // A match that ends the text.
    {"AtTheVeryEnd", "abcab", "ab", "X", 0, 0, false, 2, "XcX", 3, 0},
    // Across paragraphs, longer (the byte positions move in every paragraph) …
    {"Paragraphs", "の\nの\nの", "の", "のの", 0, 0, false, 3, "のの\nのの\nのの", 16, 0},
    // … and a replacement that ends a paragraph.
    {"ReplacementWithParagraphEnd", "a-b-c", "-", "\r\n", 0, 0, false, 2, "a\nb\nc", 6, 0},
    {"NothingFound", "abc", "x", "y", 1, 0, false, 0, "abc", 1, 0},
};

std::string OnePassName(const ::testing::TestParamInfo<std::tuple<OnePassCase, Way>>& info) {
    static const char* const ways[] = {"Steps", "OnePass", "OnePassInEditBlock"};
    return std::string(std::get<0>(info.param).name) + "_" + ways[int(std::get<1>(info.param))];
}

INSTANTIATE_TEST_SUITE_P(Cases, ReplaceAllOnePass,
                         ::testing::Combine(::testing::ValuesIn(kOnePassCases),
                                            ::testing::Values(Way::Steps, Way::OnePass,
                                                              Way::OnePassInEditBlock)),
                         OnePassName);

}  // namespace
