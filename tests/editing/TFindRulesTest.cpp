// Find next, find previous, replace and replace all over an editing view, in Shift-JIS byte
// positions. Expected positions are counted by hand: ASCII 1 byte, kana and kanji 2, a
// paragraph end 2. "ア" is 0x83 0x41 and "表" 0x95 0x5C in code page 932 (iconv), so their
// second bytes equal "A" and "\".

#include <gtest/gtest.h>

#include <QTextDocument>

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

}  // namespace
