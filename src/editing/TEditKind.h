#pragma once
// The eight kinds of edit that every change of the document announces before it happens, and
// the table that decides from the previous kind and the new one whether the undo ring takes a
// snapshot of the document as it stands.
//
// A run of typing, of format changes or of deletions is one undo step; typing after a line break
// continues the step; a bulk change is always a step of its own; input-method text joins the
// step before it and the next different action starts a new one. Caret moves after an undo or
// redo keep the redo chain; text after an undo or redo starts a step of its own.

class TEditKind {
public:
    enum Kind {
        Caret = 0,      // navigation keys, mouse clicks in a view
        LineBreak = 1,  // Enter
        Deletion = 2,   // Backspace, Delete, cut, delete, indent
        Typing = 3,     // other keys
        Bulk = 4,       // paste, replace all
        UndoRedo = 5,   // undo or redo
        Format = 6,     // format changes, single replacement, conversions of the selection
        ImeResult = 7,  // text committed by the input method
    };
    static constexpr int kCount = 8;

    // What noting kind `next` after kind `last` does.
    enum Action {
        Keep,      // the kind becomes `next`, no snapshot
        Snapshot,  // a snapshot of the present document, then the kind becomes `next`
        Ignore,    // nothing at all (the kind stays `last`)
    };
    // Kinds outside 0 … 7 are Ignore.
    static Action Rule(int last, int next);
    static bool IsValid(int kind) { return kind >= 0 && kind < kCount; }
};
