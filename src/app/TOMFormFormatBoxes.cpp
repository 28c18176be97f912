// The font bar's boxes and the baseline controls of the format bar: their keys (Enter and Tab
// apply, Esc restores), what leaving a box applies, the size-list flag, and the baseline
// track bar (points on the bar, twips in the document).

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSlider>
#include <QTimer>
#include <functional>

#include "app/TOMForm.h"
#include "controls/MessageService.h"
#include "controls/TColorLookupComboBox.h"
#include "controls/TRichEditEx.h"
#include "editing/TFormatRules.h"

namespace {
// Hands the events of the bar controls to the window.
class FormatBoxFilter : public QObject {
public:
    FormatBoxFilter(TOMForm* form, std::function<bool(QObject*, QEvent*)> fn)
        : QObject(form), fn_(std::move(fn)) {}
    bool eventFilter(QObject* watched, QEvent* e) override { return fn_(watched, e); }

private:
    std::function<bool(QObject*, QEvent*)> fn_;
};

bool IsEnterOrTab(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Tab ||
           key == Qt::Key_Backtab;
}

// Focus that moves inside the window for good (not to the box's own list that drops down, not
// to another window such as a message box).
bool Leaves(QEvent* e, QComboBox* box = nullptr) {
    const Qt::FocusReason r = static_cast<QFocusEvent*>(e)->reason();
    if (box && box->view()->isVisible()) return false;
    return r != Qt::PopupFocusReason && r != Qt::ActiveWindowFocusReason;
}
}  // namespace

void TOMForm::InstallFormatBoxFilters() {
    formatFilter_ = new FormatBoxFilter(
        this, [this](QObject* watched, QEvent* e) { return FormatBoxEvent(watched, e); });
    sizeList_ = fontSizeCB_->view();
    sizeListPopup_ = fontSizeCB_->view()->window();
    for (QObject* o :
         std::initializer_list<QObject*>{fontNameCB_, fontSizeCB_, fontColorCLCB_, baseLineTBar_,
                                         baseLineEdit_, sizeList_, sizeListPopup_})
        o->installEventFilter(formatFilter_);
    if (fontSizeCB_->lineEdit()) fontSizeCB_->lineEdit()->installEventFilter(formatFilter_);
}

bool TOMForm::FormatBoxEvent(QObject* watched, QEvent* e) {
    const QEvent::Type t = e->type();
    if (watched == sizeList_ || watched == sizeListPopup_) {
        // The size list is dropped down: a change is applied from now on, until the box is
        // left or the list is cancelled.
        if (t == QEvent::Show && watched == sizeListPopup_) sizeListFlag_ = true;
        if (t == QEvent::KeyPress && static_cast<QKeyEvent*>(e)->key() == Qt::Key_Escape)
            sizeListFlag_ = false;
        return false;
    }
    if (watched == fontNameCB_) {
        if (t == QEvent::KeyPress)
            return BoxKey(static_cast<QKeyEvent*>(e), &TOMForm::ApplyFontName,
                          [this] { SelectionRefresh(); });
        if (t == QEvent::FocusOut && Leaves(e, fontNameCB_)) FontNameCBExit();
        return false;
    }
    if (watched == fontSizeCB_ || watched == fontSizeCB_->lineEdit()) {
        if (t == QEvent::KeyPress)
            return BoxKey(static_cast<QKeyEvent*>(e), &TOMForm::ApplyFontSize, [this] {
                fontSizeCB_->setEditText(TFormatRules::SizeText(active_->SelAttributes().size));
            });
        if (t == QEvent::FocusOut && watched == fontSizeCB_ && Leaves(e, fontSizeCB_))
            FontSizeCBExit();
        return false;
    }
    if (watched == fontColorCLCB_) {
        if (t == QEvent::KeyPress)
            return BoxKey(static_cast<QKeyEvent*>(e), &TOMForm::ApplyFontColor,
                          [this] { SelectionRefresh(); });
        if (t == QEvent::FocusOut && Leaves(e, fontColorCLCB_)) FontColorCLCBExit();
        return false;
    }
    if (watched == baseLineTBar_) {
        if (t == QEvent::KeyPress) return BaseLineTBarKeyDown(static_cast<QKeyEvent*>(e));
        if (t == QEvent::FocusOut && Leaves(e)) ViewTakesFocus();
        return false;
    }
    if (watched == baseLineEdit_) {
        if (t == QEvent::MouseButtonPress) {
            BaseLineEditClick();
            return false;
        }
        if (t == QEvent::FocusIn) {
            // The display never keeps the focus.
            if (baseLineTBar_->isEnabled())
                baseLineTBar_->setFocus();
            else
                active_->setFocus();
        }
        return false;
    }
    return false;
}

void TOMForm::ViewTakesFocus() {
    // Called while the focus leaves a bar control: the widget it goes to already holds it.
    // Unless that is one of the views, the active view takes the focus instead.
    QWidget* to = QApplication::focusWidget();
    if (to &&
        (to == view1_ || to == view2_ || view1_->isAncestorOf(to) || view2_->isAncestorOf(to)))
        return;
    active_->setFocus();
}

// ----- keys -------------------------------------------------------------------------------------

bool TOMForm::BoxKey(QKeyEvent* k, void (TOMForm::*apply)(), const std::function<void()>& restore) {
    // Enter and Tab apply the box and go back to the text; Esc puts the box back as the
    // selection has it and goes back to the text.
    if (IsEnterOrTab(k->key())) {
        (this->*apply)();
        LeaveBoxToView();
        return true;
    }
    if (k->key() == Qt::Key_Escape) {
        restore();
        active_->setFocus();
        return true;
    }
    return false;
}

// ----- leaving a box ----------------------------------------------------------------------------

void TOMForm::FontNameCBExit() {
    const TCharAttributes a = active_->SelAttributes();
    if ((a.uniform & TCharAttributes::Name) && !fontNameCB_->currentText().isEmpty() &&
        fontNameCB_->currentText() != a.name)
        ApplyFontName();
    ViewTakesFocus();
}

void TOMForm::FontSizeCBExit() {
    sizeListFlag_ = false;
    const QString text = fontSizeCB_->currentText();
    const std::optional<int> size = TFormatRules::ParseSize(text);
    if (!size) {
        // Reported once the focus has settled; nothing is applied.
        QTimer::singleShot(0, this, [this, text] {
            const QString title = ApplicationTitle().isEmpty() ? windowTitle() : ApplicationTitle();
            MessageService::Show(this, QMessageBox::Critical, title,
                                 QStringLiteral("'%1' は整数ではありません").arg(text),
                                 QMessageBox::Ok);
        });
    } else {
        const TCharAttributes a = active_->SelAttributes();
        if ((a.uniform & TCharAttributes::Size) &&
            *size != TFormatRules::ParseSize(TFormatRules::SizeText(a.size)).value_or(0))
            ApplyFontSize();
    }
    ViewTakesFocus();
}

void TOMForm::FontColorCLCBExit() {
    const TCharAttributes a = active_->SelAttributes();
    const TColor c = fontColorCLCB_->color();
    if ((a.uniform & TCharAttributes::Color) && c != clNone && ColorToRGB(c) != ColorToRGB(a.color))
        ApplyFontColor();
    ViewTakesFocus();
}

// ----- baseline ---------------------------------------------------------------------------------

void TOMForm::BLineRockCheckBClick() {
    QPalette p = baseLineEdit_->palette();
    if (lockCheckB_->isChecked()) {
        p.setColor(QPalette::Text, p.color(QPalette::Active, QPalette::WindowText));
        baseLineEdit_->setPalette(p);
        baseLineTBar_->setEnabled(true);
        baseLineTBar_->setFocus();
    } else {
        p.setColor(QPalette::Text, p.color(QPalette::Disabled, QPalette::WindowText));
        baseLineEdit_->setPalette(p);
        baseLineTBar_->setEnabled(false);
        active_->setFocus();
    }
}

void TOMForm::BaseLineTBarChange() {
    // Points on the bar, twips in the document; the bar's value stands in the display.
    const int points = baseLineTBar_->value();
    baseLineEdit_->setText(QString::number(points));
    NoteEditKind(6);
    TCharAttributes a;
    a.offsetTwips = TFormatRules::TwipsFromPoints(points);
    active_->SetSelAttributes(a, TCharAttributes::Offset);
}

bool TOMForm::BaseLineTBarKeyDown(QKeyEvent* k) {
    using Key = TFormatRules::BaselineKey;
    switch (TFormatRules::BaselineKeyAction(k->key(), k->modifiers() & Qt::KeypadModifier)) {
        case Key::None:
            return false;
        case Key::StepUp:
        case Key::Right:
            baseLineTBar_->triggerAction(QAbstractSlider::SliderSingleStepAdd);
            return true;
        case Key::StepDown:
        case Key::Left:
            baseLineTBar_->triggerAction(QAbstractSlider::SliderSingleStepSub);
            return true;
        case Key::PageUp:
            baseLineTBar_->triggerAction(QAbstractSlider::SliderPageStepAdd);
            return true;
        case Key::PageDown:
            baseLineTBar_->triggerAction(QAbstractSlider::SliderPageStepSub);
            return true;
        case Key::Reset:
            BaseLineEditClick();
            return true;
        case Key::ToView:
            active_->setFocus();
            return true;
    }
    return false;
}

void TOMForm::BaseLineEditClick() {
    // Also while the bar is disabled: the selection's offset becomes 0.
    SetBaseLinePosition(0);
    BaseLineTBarChange();
}
