#include "editing/TSnapshotRing.h"

#include "editing/TEditKind.h"

TSnapshotRing::TSnapshotRing(Hooks hooks) : hooks_(std::move(hooks)) {}

void TSnapshotRing::Reset() {
    entries_.fill(TSnapshotEntry{});
    current_ = newest_ = oldest_ = 0;
    if (hooks_.capture) entries_[0] = hooks_.capture();
    kind_ = TEditKind::Caret;
}

void TSnapshotRing::TakeSnapshot() {
    current_ = Next(current_);
    entries_[size_t(current_)] = hooks_.capture ? hooks_.capture() : TSnapshotEntry{};
    newest_ = current_;
    if (current_ == oldest_) oldest_ = Next(oldest_);
}

bool TSnapshotRing::NoteEditKind(int kind) {
    const TEditKind::Action action = TEditKind::Rule(kind_, kind);
    if (action == TEditKind::Ignore) return false;
    if (action == TEditKind::Snapshot) TakeSnapshot();
    kind_ = kind;
    return action == TEditKind::Snapshot;
}

bool TSnapshotRing::UndoPossible() const {
    const bool modified = hooks_.modified ? hooks_.modified() : true;
    return modified && (kind_ != TEditKind::UndoRedo || current_ != oldest_);
}

bool TSnapshotRing::RedoPossible() const {
    return kind_ == TEditKind::UndoRedo && current_ != newest_;
}

bool TSnapshotRing::Undo() {
    NoteEditKind(TEditKind::UndoRedo);
    if (!UndoPossible()) return false;
    current_ = Previous(current_);
    if (hooks_.restore) hooks_.restore(entries_[size_t(current_)]);
    return true;
}

bool TSnapshotRing::Redo() {
    if (!RedoPossible()) return false;
    current_ = Next(current_);
    if (hooks_.restore) hooks_.restore(entries_[size_t(current_)]);
    kind_ = TEditKind::UndoRedo;
    return true;
}
