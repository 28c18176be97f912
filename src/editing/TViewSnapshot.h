#pragma once
// Taking and restoring undo entries through an editing view: its document, its first visible
// line and its selection (in byte positions).

#include "editing/TSnapshotEntry.h"

class TRichEditEx;

class TViewSnapshot {
public:
    static TSnapshotEntry Capture(const TRichEditEx& view);
    // Rebuilds the view's document from the entry (every view of that document shows it), then
    // scrolls the view to the stored first visible line and selects the stored range. The
    // document stays modified: an undone state is still a change against the file.
    static void Restore(TRichEditEx& view, const TSnapshotEntry& entry);
};
