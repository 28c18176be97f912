// The key relay: the application-wide event filter that sees every key before it reaches the
// active view. It notes the edit kind of the key (so that the undo ring keeps the document as it
// stood before), switches insert and overwrite, follows the input method, and runs the refreshes
// once the key has done its work. Both views show one document, so nothing is ever sent on to
// the other view.

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QTimer>

#include "app/TOMForm.h"
#include "controls/TRichEditEx.h"
#include "editing/TEditKind.h"
#include "editing/TImeState.h"
#include "editing/TKeyRelayRules.h"

bool TOMForm::KeyRelay(QObject* watched, QEvent* e) {
    const QEvent::Type type = e->type();
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease && type != QEvent::InputMethod &&
        type != QEvent::FocusIn)
        return false;
    if (!active_ || !ring_) return false;
    if (type == QEvent::FocusIn || type == QEvent::KeyRelease) ime_->Refresh();
    // Only what is addressed to the active view's text (a key the text passes on to its
    // parents is seen there again and must not count twice).
    if (watched != active_->EditWidget()) return false;

    if (type == QEvent::InputMethod) {
        auto* ie = static_cast<QInputMethodEvent*>(e);
        const bool committed = !ie->commitString().isEmpty();
        const bool wasComposing = composing;
        composing = !ie->preeditString().isEmpty();
        // Before the view sees the start of a composition, so its first character takes the
        // Japanese typing format.
        if (composing && !wasComposing) CompositionStart();
        if (composing) imePending = true;
        ime_->SetComposing(composing);
        if (committed) {
            // The committed text joins the step before it; the next other action starts one.
            QTimer::singleShot(0, this, [this] {
                StateRefresh();
                NoteEditKind(TEditKind::ImeResult);
                imePending = false;
            });
        }
        return false;
    }

    auto* ke = static_cast<QKeyEvent*>(e);
    const bool ctrl = ke->modifiers() & Qt::ControlModifier;
    if (type == QEvent::KeyPress) {
        const TKeyRelayRules::Step step = TKeyRelayRules::KeyDown(ke->key(), ctrl, composing);
        if (step.toggleInsert) {
            // Both views switch; the key itself is not passed on, so that the view in use does
            // not switch a second time.
            ToggleInsert();
            return true;
        }
        if (step.editKind >= 0) NoteEditKind(step.editKind);
        RelayRefreshLater(step.selectionRefresh, step.stateRefresh);
        return false;
    }
    const TKeyRelayRules::Step step = TKeyRelayRules::KeyUp(ke->key(), ctrl, composing);
    RelayRefreshLater(step.selectionRefresh, step.stateRefresh);
    return false;
}

void TOMForm::RelayRefreshLater(bool selection, bool state) {
    // After the key has been delivered (and moved the caret or changed the text).
    if (!selection && !state) return;
    const bool due = selectionRefreshDue_ || stateRefreshDue_;
    selectionRefreshDue_ |= selection;
    stateRefreshDue_ |= state;
    if (due) return;
    QTimer::singleShot(0, this, [this] {
        const bool sel = selectionRefreshDue_;
        const bool st = stateRefreshDue_;
        selectionRefreshDue_ = stateRefreshDue_ = false;
        if (st) StateRefresh();
        if (sel) SelectionRefresh();
    });
}

void TOMForm::ToggleInsert() {
    insertMode = !insertMode;
    panels_[2]->setText(insertMode ? QStringLiteral("挿入") : QStringLiteral("上書き"));
    view1_->SetOverwriteMode(!insertMode);
    view2_->SetOverwriteMode(!insertMode);
}

void TOMForm::WriteImePanel() {
    const QString text = TImeState::PanelText(ime_ && ime_->Open());
    if (panels_[1]->text() != text) panels_[1]->setText(text);
}
