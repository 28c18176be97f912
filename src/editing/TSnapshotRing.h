#pragma once
// The undo ring: 21 whole-document snapshots (index 0 … 20, wrapping), the current, newest and
// oldest index and the kind of the latest edit. Every change of the document first notes its
// kind; the kind table (TEditKind) decides whether the document is kept as it stands before the
// change. Undo and redo move through the ring and restore an entry in the active view; they do
// not use the editing control's own undo, so that both views go back together.
//
// The ring knows the views only through its hooks, so that it can be driven without a window.

#include <array>
#include <functional>

#include "editing/TSnapshotEntry.h"

class TSnapshotRing {
public:
    static constexpr int kSize = 21;

    struct Hooks {
        // The active view's document, first visible line and selection as they stand.
        std::function<TSnapshotEntry()> capture;
        // Puts an entry back into the active view (the other view shows the same document).
        std::function<void(const TSnapshotEntry&)> restore;
        // The active view's modified flag.
        std::function<bool()> modified;
    };

    explicit TSnapshotRing(Hooks hooks = {});
    void SetHooks(Hooks hooks) { hooks_ = std::move(hooks); }

    // Empties every entry; the counters and the kind go to 0; entry 0 holds the present state.
    // Run after a new document is made and after a file is loaded.
    void Reset();

    // Notes the kind of the edit about to happen (0 … 7); true when a snapshot was taken.
    bool NoteEditKind(int kind);

    // The active view is modified, and either the last action was not an undo or redo or an
    // older entry is left.
    bool UndoPossible() const;
    // The last action was an undo or redo and a newer entry is left.
    bool RedoPossible() const;

    // Notes kind 5 (keeping the present state unless the previous action was an undo or redo),
    // then goes back one entry. False when nothing was restored.
    bool Undo();
    // Goes forward one entry. False when nothing was restored.
    bool Redo();

    int Kind() const { return kind_; }
    int Current() const { return current_; }
    int Newest() const { return newest_; }
    int Oldest() const { return oldest_; }
    const TSnapshotEntry& Entry(int index) const { return entries_[size_t(index)]; }

private:
    void TakeSnapshot();
    static int Next(int i) { return i == kSize - 1 ? 0 : i + 1; }
    static int Previous(int i) { return i == 0 ? kSize - 1 : i - 1; }

    Hooks hooks_;
    std::array<TSnapshotEntry, kSize> entries_{};
    int current_ = 0;
    int newest_ = 0;
    int oldest_ = 0;
    int kind_ = 0;
};
