// Undo and redo over the window's ring of whole-document snapshots, and the line commands: row
// select and delete, caret to line and document ends.
//
// Undo does not use the document's own history: the ring keeps the document as it stood before
// each step (the kind table of TEditKind decides where a step begins), and restoring an entry
// puts back text, formats, the first visible line and the selection. Both views show the one
// document, so both go back together.

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QTextDocument>

#include "app/TOMForm.h"
#include "controls/TRichEditEx.h"
#include "editing/TEditKind.h"
#include "editing/TImeState.h"
#include "editing/TSnapshotRing.h"
#include "editing/TViewSnapshot.h"

void TOMForm::InstallCaretCommands() {
    // The document's own undo history would only double the memory of every edit: undo runs
    // over the ring, and the views' own undo keys are left to the window's commands.
    doc_->setUndoRedoEnabled(false);
    TSnapshotRing::Hooks hooks;
    hooks.capture = [this] { return TViewSnapshot::Capture(*active_); };
    hooks.restore = [this](const TSnapshotEntry& e) { RestoreEntry(e); };
    hooks.modified = [this] { return active_->Modified(); };
    ring_ = std::make_unique<TSnapshotRing>(hooks);
    ring_->Reset();

    connect(Command("UndoM"), &QAction::triggered, this, &TOMForm::UndoMClick);
    connect(Command("RedoM"), &QAction::triggered, this, &TOMForm::RedoMClick);
    connect(Command("RowSelectM"), &QAction::triggered, this, &TOMForm::RowSelectMClick);
    connect(Command("RowDeleteM"), &QAction::triggered, this, &TOMForm::RowDeleteMClick);
    connect(Command("HomeM"), &QAction::triggered, this, &TOMForm::HomeMClick);
    connect(Command("EndM"), &QAction::triggered, this, &TOMForm::EndMClick);
    connect(Command("CHomeM"), &QAction::triggered, this, &TOMForm::CHomeMClick);
    connect(Command("CEndM"), &QAction::triggered, this, &TOMForm::CEndMClick);
    for (const char* n : {"RowSelectM", "RowDeleteM", "HomeM", "EndM", "CHomeM", "CEndM"})
        EnableCommand(QString::fromUtf8(n), true);
    // The tool buttons press their menu items (linked when the bars were built); checked here so
    // that a renamed button fails at start-up.
    for (const char* n : {"UndoTB", "Undo2TB", "RedoTB", "Redo2TB"}) Button(n);
    UpdateUndoCommands();

    // A click in a view is a caret movement.
    for (TRichEditEx* v : {view1_, view2_})
        connect(v, &TRichEditEx::MouseDown, this, [this, v] {
            if (v == active_) NoteEditKind(TEditKind::Caret);
        });

    // Insert mode and the input method's state on the status bar.
    panels_[2]->setText(QStringLiteral("挿入"));
    ime_ = new TImeState(this);
    connect(ime_, &TImeState::Changed, this, [this] { WriteImePanel(); });
    WriteImePanel();
}

void TOMForm::NoteEditKind(int kind) {
    if (!ring_) {
        editKind = kind;
        return;
    }
    // Caret moves after an undo or redo keep the redo chain and change nothing.
    if (TEditKind::Rule(ring_->Kind(), kind) == TEditKind::Ignore) return;
    ring_->NoteEditKind(kind);
    editKind = ring_->Kind();
    UpdateUndoCommands();
}

void TOMForm::UpdateUndoCommands() {
    EnableCommand(QStringLiteral("UndoM"), ring_->UndoPossible());
    EnableCommand(QStringLiteral("RedoM"), ring_->RedoPossible());
}

void TOMForm::ResetUndo() {
    if (!ring_) return;
    ring_->Reset();
    editKind = ring_->Kind();
    UpdateUndoCommands();
}

void TOMForm::RestoreEntry(const TSnapshotEntry& entry) {
    mirroring = false;
    TViewSnapshot::Restore(*active_, entry);
    // The other view shows the same document; it only takes the selection.
    SelectionSync();
    mirroring = true;
}

void TOMForm::UndoMClick() {
    ring_->Undo();
    editKind = ring_->Kind();
    StateRefresh();
    SelectionRefresh();
    UpdateUndoCommands();
    active_->setFocus();
}

void TOMForm::RedoMClick() {
    ring_->Redo();
    editKind = ring_->Kind();
    StateRefresh();
    SelectionRefresh();
    UpdateUndoCommands();
    active_->setFocus();
}

// ----- line commands ----------------------------------------------------------------------------

void TOMForm::SelectCaretLine() {
    // The display line of the selection start, with its line break; the last line to the end.
    const int line = active_->LineFromChar(active_->SelStart());
    const int start = std::max(0, active_->LineIndex(line));
    const int next = active_->LineIndex(line + 1);
    active_->SetSelection(start, (next < 0 ? active_->TextLength() : next) - start);
}

void TOMForm::RowSelectMClick() {
    SelectCaretLine();
    SelectionSync();
    SelectionRefresh();
}

void TOMForm::RowDeleteMClick() {
    // No edit kind of its own: the deletion joins the step in progress.
    SelectCaretLine();
    SelectionSync();
    mirroring = false;
    active_->ClearSelection();
    mirroring = true;
    SelectionRefresh();
    StateRefresh();
}

void TOMForm::SendKey(int key, Qt::KeyboardModifiers modifiers) {
    // Through the key relay like a key typed, so it counts as a caret movement.
    QWidget* target = active_->EditWidget();
    QKeyEvent press(QEvent::KeyPress, key, modifiers);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers);
    QApplication::sendEvent(target, &press);
    QApplication::sendEvent(target, &release);
}

void TOMForm::HomeMClick() {
    SendKey(Qt::Key_Home, Qt::NoModifier);
}

void TOMForm::EndMClick() {
    SendKey(Qt::Key_End, Qt::NoModifier);
}

void TOMForm::CHomeMClick() {
    SendKey(Qt::Key_Home, Qt::ControlModifier);
    SelectionRefresh();
}

void TOMForm::CEndMClick() {
    SendKey(Qt::Key_End, Qt::ControlModifier);
    SelectionRefresh();
}
