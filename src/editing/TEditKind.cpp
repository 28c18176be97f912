#include "editing/TEditKind.h"

namespace {

constexpr TEditKind::Action K = TEditKind::Keep;
constexpr TEditKind::Action S = TEditKind::Snapshot;
constexpr TEditKind::Action I = TEditKind::Ignore;

// Rows: the previous kind; columns: the kind noted now (0 caret … 7 input-method result).
// Text typed, a line break or input-method text after an undo or redo starts a step of its own:
// caret moves after an undo are not noted (they keep the redo chain), so without a snapshot here
// the next undo would put the caret back where the undone step had it, perhaps pages away.
constexpr TEditKind::Action kTable[TEditKind::kCount][TEditKind::kCount] = {
    //        0  1  2  3  4  5  6  7
    /* 0 */ {K, K, S, S, S, S, S, K},
    /* 1 */ {K, K, S, K, S, S, S, K},
    /* 2 */ {K, K, K, K, S, S, S, K},
    /* 3 */ {S, S, S, K, S, S, S, K},
    /* 4 */ {K, K, S, K, S, S, S, K},
    /* 5 */ {I, S, S, S, S, K, S, S},
    /* 6 */ {K, K, S, K, S, S, K, K},
    /* 7 */ {S, S, S, S, S, S, S, K},
};

}  // namespace

TEditKind::Action TEditKind::Rule(int last, int next) {
    if (!IsValid(last) || !IsValid(next)) return Ignore;
    return kTable[last][next];
}
