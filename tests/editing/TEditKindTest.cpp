// The rows of the edit-kind table: which change of kind keeps the document before the change.

#include <gtest/gtest.h>

#include "editing/TEditKind.h"

namespace {

struct Row {
    int last;
    int next;
    TEditKind::Action action;
};

class EditKindTable : public ::testing::TestWithParam<Row> {};

TEST_P(EditKindTable, Rule) {
    const Row& r = GetParam();
    EXPECT_EQ(TEditKind::Rule(r.last, r.next), r.action) << r.last << " -> " << r.next;
}

constexpr auto S = TEditKind::Snapshot;
constexpr auto K = TEditKind::Keep;
constexpr auto I = TEditKind::Ignore;

INSTANTIATE_TEST_SUITE_P(
    Rows, EditKindTable,
    ::testing::Values(
        // A caret move after undo or redo is not noted at all.
        Row{5, 0, I},
        // Leaving input-method text for anything else starts a step.
        Row{7, 0, S}, Row{7, 1, S}, Row{7, 2, S}, Row{7, 3, S}, Row{7, 5, S}, Row{7, 6, S},
        Row{7, 7, K},
        // Typing ends with a caret move or a line break; typing after a caret move starts.
        Row{3, 0, S}, Row{0, 3, S}, Row{3, 1, S}, Row{1, 3, K}, Row{3, 3, K},
        // Deletions start a step unless they follow deletions.
        Row{0, 2, S}, Row{3, 2, S}, Row{6, 2, S}, Row{5, 2, S}, Row{2, 2, K},
        // A bulk change is always a step of its own.
        Row{0, 4, S}, Row{4, 4, S}, Row{5, 4, S},
        // Undo keeps the present state once, not again after an undo or redo.
        Row{3, 5, S}, Row{0, 5, S}, Row{5, 5, K},
        // Format changes in a row are one step.
        Row{3, 6, S}, Row{5, 6, S}, Row{6, 6, K},
        // Input-method text joins the step before it.
        Row{3, 7, K}, Row{0, 7, K},
        // Text after an undo or redo (the caret may have moved unnoted since) starts a step.
        Row{5, 1, S}, Row{5, 3, S}, Row{5, 7, S},
        // Other changes of kind take nothing.
        Row{0, 0, K}, Row{0, 1, K}, Row{1, 0, K}, Row{2, 0, K}, Row{2, 3, K}, Row{4, 3, K},
        Row{6, 0, K},
        // Kinds outside the eight are ignored.
        Row{0, 8, I}, Row{-1, 3, I}));

}  // namespace
