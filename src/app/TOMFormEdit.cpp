// Clipboard and selection commands of the main window, and the selection sync and the two
// refresh steps that every command runs after it changed the caret or the document.

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTextDocument>

#include "app/TOMForm.h"
#include "controls/TRichEditEx.h"

namespace {
bool HasFocus(QWidget* w) {
    return w && QApplication::focusWidget() == w;
}
}  // namespace

void TOMForm::SelectionSync() {
    // The mirror view gets the active view's selection (without scrolling it away from what it
    // shows).
    mirror_->CopySelectionFrom(*active_);
    if (doc_->isEmpty()) {
        // Nothing to select in either view: the mirror types with the active view's format.
        TCharAttributes a = active_->SelAttributes();
        mirror_->SetSelAttributes(a, TCharAttributes::All);
    }
}

void TOMForm::SelectionRefresh() {
    SelectionSync();
    const bool selected = active_->SelLength() > 0;
    for (const char* n : {"CutM", "CopyM", "DeleteM"})
        EnableCommand(QString::fromUtf8(n), selected);
    FindSelectionRefresh(selected);
    WriteLinePanel();
    FollowSelection();
    RulerFollowSelection();
}

void TOMForm::WriteLinePanel() {
    // Line and column of the selection start: display lines, and bytes from the line start.
    const int start = active_->SelStart();
    const int line = active_->LineFromChar(start);
    const int column = start - std::max(0, active_->LineIndex(line));
    panels_[0]->setText(QString::asprintf("%6d", line + 1) + QStringLiteral("行") +
                        QString::asprintf("%6d", column + 1) + QStringLiteral("列"));
}

void TOMForm::StateRefresh() {
    // The find commands follow the text; save and undo follow the modified flag (also when the
    // last character was just deleted, so that the emptied document can be saved). An empty
    // document leaves the line panel as it was.
    FindStateRefresh();
    CommandEnabling();
    if (!doc_->isEmpty()) WriteLinePanel();
}

void TOMForm::CutMClick() {
    if (HasFocus(addressEdit_)) {
        addressEdit_->cut();
        return;
    }
    SelectionSync();
    mirroring = false;
    NoteEditKind(2);
    // One document: cutting in the active view cuts from both.
    active_->CutToClipboard();
    mirroring = true;
    StateRefresh();
    SelectionRefresh();
}

void TOMForm::CopyMClick() {
    if (HasFocus(addressEdit_)) {
        addressEdit_->copy();
        return;
    }
    SelectionSync();
    active_->CopyToClipboard();
    if (!splitTopBottom && !splitLeftRight && active_ != view1_) EnterView(view1_);
}

void TOMForm::ApplyPasteFontRules() {
    // Pasted text takes the insertion format: the Shift-JIS character set, and with Shift-JIS
    // mode off the default font where the font in use is not a Japanese one.
    TCharAttributes a = active_->SelAttributes();
    unsigned mask = TCharAttributes::Charset;
    a.charset = kShiftJisCharset;
    if (!shiftJisMode && !japaneseFonts.contains(a.name)) {
        a.name = defaultFontName;
        mask |= TCharAttributes::Name;
    }
    active_->SetSelAttributes(a, mask);
}

void TOMForm::PasteMClick() {
    if (HasFocus(addressEdit_)) {
        addressEdit_->paste();
        return;
    }
    mirroring = false;
    NoteEditKind(4);
    SelectionSync();
    ApplyPasteFontRules();
    active_->PasteFromClipboard();
    mirroring = true;
    StateRefresh();
    SelectionRefresh();
}

void TOMForm::DeleteMClick() {
    SelectionSync();
    mirroring = false;
    NoteEditKind(2);
    active_->ClearSelection();
    mirroring = true;
    StateRefresh();
    SelectionRefresh();
}

void TOMForm::AllSelectMClick() {
    active_->SelectAll();
    mirror_->SelectAll();
    SelectionRefresh();
}
