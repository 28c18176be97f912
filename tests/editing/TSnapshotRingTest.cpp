// The undo ring driven through its hooks by a model document: a text version and a caret. Each
// letter of a script is one action of the user; the expected states are worked out from the
// ring's rules by hand.

#include <gtest/gtest.h>

#include <string>

#include "editing/TEditKind.h"
#include "editing/TSnapshotRing.h"

namespace {

struct Model {
    int text = 0;   // version of the text: every change makes a new one
    int caret = 0;  // caret position
    bool modified = false;
    TSnapshotRing ring;

    Model() {
        ring.SetHooks({[this] {
                           TSnapshotEntry e;
                           e.selLength = text;
                           e.selStart = caret;
                           return e;
                       },
                       [this](const TSnapshotEntry& e) {
                           text = e.selLength;
                           caret = e.selStart;
                       },
                       [this] { return modified; }});
        ring.Reset();
    }
    void Change(int kind, int caretStep) {
        ring.NoteEditKind(kind);
        ++text;
        caret += caretStep;
        modified = true;
    }
    // t type, n Enter, d delete, p paste, f format, i input-method text, a arrow key, u undo,
    // r redo.
    void Run(const std::string& script) {
        for (char c : script) {
            switch (c) {
                case 't':
                    Change(TEditKind::Typing, 1);
                    break;
                case 'n':
                    Change(TEditKind::LineBreak, 1);
                    break;
                case 'd':
                    Change(TEditKind::Deletion, 0);
                    break;
                case 'p':
                    Change(TEditKind::Bulk, 0);
                    break;
                case 'f':
                    Change(TEditKind::Format, 0);
                    break;
                case 'i':
                    Change(TEditKind::ImeResult, 1);
                    break;
                case 'a':
                    ring.NoteEditKind(TEditKind::Caret);
                    ++caret;
                    break;
                case 'u':
                    ring.Undo();
                    break;
                case 'r':
                    ring.Redo();
                    break;
                default:
                    FAIL() << "unknown action " << c;
            }
        }
    }
};

struct Sequence {
    const char* script;
    int text;
    int caret;
    bool undo;
    bool redo;
};

class SnapshotRingSequence : public ::testing::TestWithParam<Sequence> {};

TEST_P(SnapshotRingSequence, EndsInTheExpectedState) {
    const Sequence& s = GetParam();
    Model m;
    m.Run(s.script);
    EXPECT_EQ(m.text, s.text) << s.script;
    EXPECT_EQ(m.caret, s.caret) << s.script;
    EXPECT_EQ(m.ring.UndoPossible(), s.undo) << s.script;
    EXPECT_EQ(m.ring.RedoPossible(), s.redo) << s.script;
}

INSTANTIATE_TEST_SUITE_P(
    Scripts, SnapshotRingSequence,
    ::testing::Values(
        // Nothing changed yet: nothing to undo, and an undo does nothing.
        Sequence{"", 0, 0, false, false}, Sequence{"a", 0, 1, false, false},
        Sequence{"u", 0, 0, false, false},
        // A typed word is undone in one step and redone in one step.
        Sequence{"ttt", 3, 3, true, false}, Sequence{"tttu", 0, 0, true, true},
        Sequence{"tttur", 3, 3, true, false},
        // Arrow keys between undo and redo keep the redo.
        Sequence{"tttuaar", 3, 3, true, false},
        // Word, arrow, undo: first the caret goes back, then the word goes.
        Sequence{"tttau", 3, 3, true, true}, Sequence{"tttauu", 0, 0, true, true},
        Sequence{"tttauur", 3, 3, true, true}, Sequence{"tttauurr", 3, 4, true, false},
        // A line break starts a step; the typing after it belongs to it.
        Sequence{"tnttu", 1, 1, true, true}, Sequence{"tnttuu", 0, 0, true, true},
        // A run of deletions is one step after the typing.
        Sequence{"ttdddu", 2, 2, true, true},
        // Each paste is a step of its own.
        Sequence{"ppu", 1, 0, true, true}, Sequence{"ppuu", 0, 0, true, true},
        // Bold, italic and size in a row are undone by one undo.
        Sequence{"fffu", 0, 0, true, true},
        // Input-method text joins the typing before it; the next typing starts a new step.
        Sequence{"tiitu", 3, 3, true, true}, Sequence{"tiituu", 0, 0, true, true},
        // Typing after an undo drops the redo chain and is undone on its own.
        Sequence{"ttut", 1, 1, true, false}, Sequence{"ttutu", 0, 0, true, true},
        Sequence{"ttutur", 1, 1, true, false},
        // Undo all the way back, then nothing more.
        Sequence{"tatauuuuu", 0, 0, false, true}));

TEST(SnapshotRing, AtMostTwentyUndosInARow) {
    Model m;
    for (int i = 0; i < 30; ++i) m.Run("ta");
    int undone = 0;
    while (m.ring.Undo()) {
        ++undone;
        ASSERT_LE(undone, 40);
    }
    EXPECT_EQ(undone, 20);
    EXPECT_FALSE(m.ring.Undo());
    // And all twenty come back.
    int redone = 0;
    while (m.ring.Redo()) ++redone;
    EXPECT_EQ(redone, 20);
    EXPECT_EQ(m.text, 30);
    EXPECT_EQ(m.caret, 60);
}

TEST(SnapshotRing, IndexesWrapAfterTwentyAndReset) {
    Model m;
    for (int i = 0; i < 21; ++i) m.Run("ta");  // 42 snapshots
    EXPECT_EQ(m.ring.Current(), 42 % 21);
    EXPECT_EQ(m.ring.Newest(), m.ring.Current());
    EXPECT_EQ(m.ring.Oldest(), (m.ring.Current() + 1) % 21);
    m.ring.Reset();
    EXPECT_EQ(m.ring.Current(), 0);
    EXPECT_EQ(m.ring.Newest(), 0);
    EXPECT_EQ(m.ring.Oldest(), 0);
    EXPECT_EQ(m.ring.Kind(), 0);
    // After a reset, entry 0 is the present state and the others are empty.
    EXPECT_EQ(m.ring.Entry(0).selLength, m.text);
    EXPECT_EQ(m.ring.Entry(1).selLength, 0);
}

TEST(SnapshotRing, SavedDocumentCannotBeUndone) {
    Model m;
    m.Run("ttt");
    m.modified = false;
    EXPECT_FALSE(m.ring.UndoPossible());
    EXPECT_FALSE(m.ring.Undo());
    EXPECT_EQ(m.text, 3);
}

}  // namespace
