// The key relay's table: which edit kind each key notes before it reaches the view and which
// refreshes follow, written from the list of keys the relay knows.

#include <gtest/gtest.h>

#include <Qt>

#include "editing/TKeyRelayRules.h"

namespace {

using Step = TKeyRelayRules::Step;

Step S(int kind, bool sel, bool state, bool follow = false, bool insert = false) {
    Step s;
    s.editKind = kind;
    s.selectionRefresh = sel;
    s.stateRefresh = state;
    s.followFormats = follow;
    s.toggleInsert = insert;
    return s;
}

struct Row {
    const char* what;
    int key;
    bool ctrl;
    bool composing;
    Step down;
    Step up;
};

const Step kNothing = S(-1, false, false);
const Step kTyped = S(3, false, true);
const Step kChanged = S(-1, false, true);
const Step kMoved = S(0, true, false);
const Step kMovedUp = S(-1, true, false);

const Row kRows[] = {
    {"Backspace", Qt::Key_Backspace, false, false, S(2, false, true, true), kChanged},
    {"Delete", Qt::Key_Delete, false, false, S(2, false, true, true), kChanged},
    {"Delete with Ctrl", Qt::Key_Delete, true, false, S(2, false, true, true), kChanged},
    {"Enter", Qt::Key_Return, false, false, S(1, false, true), kChanged},
    {"keypad Enter", Qt::Key_Enter, false, false, S(1, false, true), kChanged},
    {"Page Up", Qt::Key_PageUp, false, false, kMoved, kMovedUp},
    {"Page Down", Qt::Key_PageDown, false, false, kMoved, kMovedUp},
    {"End", Qt::Key_End, false, false, kMoved, kMovedUp},
    {"Home", Qt::Key_Home, false, false, kMoved, kMovedUp},
    {"Ctrl+Home", Qt::Key_Home, true, false, kMoved, kMovedUp},
    {"Left", Qt::Key_Left, false, false, kMoved, kMovedUp},
    {"Up", Qt::Key_Up, false, false, kMoved, kMovedUp},
    {"Right", Qt::Key_Right, false, false, kMoved, kMovedUp},
    {"Down", Qt::Key_Down, false, false, kMoved, kMovedUp},
    {"Insert", Qt::Key_Insert, false, false, S(-1, false, false, false, true), kChanged},
    {"Shift", Qt::Key_Shift, false, false, kNothing, kNothing},
    {"Ctrl", Qt::Key_Control, true, false, kNothing, kNothing},
    {"Alt", Qt::Key_Alt, false, false, kNothing, kNothing},
    {"F3", Qt::Key_F3, false, false, kNothing, kNothing},
    {"F4", Qt::Key_F4, false, false, kNothing, kNothing},
    {"Tab", Qt::Key_Tab, false, false, kTyped, kChanged},
    {"Ctrl+Tab", Qt::Key_Tab, true, false, kNothing, kNothing},
    {"letter a", Qt::Key_A, false, false, kTyped, kChanged},
    {"Ctrl+B (bold changes both views itself)", Qt::Key_B, true, false, kNothing, kNothing},
    {"Ctrl+Z", Qt::Key_Z, true, false, kNothing, kNothing},
    {"Ctrl+V", Qt::Key_V, true, false, kNothing, kNothing},
    {"Ctrl+Y", Qt::Key_Y, true, false, kNothing, kNothing},
    // E, G, J, Q and W are not in the list: with Ctrl they are typing like any other key.
    {"Ctrl+E", Qt::Key_E, true, false, kTyped, kChanged},
    {"Ctrl+Q", Qt::Key_Q, true, false, kTyped, kChanged},
    {"letter e", Qt::Key_E, false, false, kTyped, kChanged},
    {"digit", Qt::Key_5, false, false, kTyped, kChanged},
    {"space", Qt::Key_Space, false, false, kTyped, kChanged},
    {"Escape", Qt::Key_Escape, false, false, kTyped, kChanged},
    // While the input method composes, its keys change nothing by themselves.
    {"letter while composing", Qt::Key_K, false, true, kNothing, kNothing},
    {"space while composing", Qt::Key_Space, false, true, kNothing, kNothing},
    {"Backspace while composing", Qt::Key_Backspace, false, true, S(2, false, true, true),
     kNothing},
    {"Left while composing", Qt::Key_Left, false, true, kMoved, kNothing},
};

class KeyRelayTable : public ::testing::TestWithParam<Row> {};

TEST_P(KeyRelayTable, KeyDownAndKeyUp) {
    const Row& r = GetParam();
    EXPECT_EQ(TKeyRelayRules::KeyDown(r.key, r.ctrl, r.composing), r.down) << r.what;
    EXPECT_EQ(TKeyRelayRules::KeyUp(r.key, r.ctrl, r.composing), r.up) << r.what;
}

INSTANTIATE_TEST_SUITE_P(Keys, KeyRelayTable, ::testing::ValuesIn(kRows));

TEST(KeyRelayRules, CommandLettersAreTabAndTwentyOneLetters) {
    std::string letters;
    for (int k = Qt::Key_A; k <= Qt::Key_Z; ++k)
        if (TKeyRelayRules::IsCommandLetter(k)) letters += char('A' + (k - Qt::Key_A));
    EXPECT_EQ(letters, "ABCDFHIKLMNOPRSTUVXYZ");
    EXPECT_TRUE(TKeyRelayRules::IsCommandLetter(Qt::Key_Tab));
    EXPECT_FALSE(TKeyRelayRules::IsCommandLetter(Qt::Key_1));
}

}  // namespace
