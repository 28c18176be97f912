// The two views of the document: building them, which one is active, the split and its
// layout, line wrapping and the vertical switch.

#include <QAbstractScrollArea>
#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QMenu>
#include <QScrollBar>
#include <QSplitter>
#include <QTextDocument>
#include <QToolButton>

#include "app/TOMForm.h"
#include "controls/MessageService.h"
#include "controls/THorizontalEdit.h"
#include "controls/TRichEditEx.h"
#include "controls/TanlRuler.h"

namespace {
constexpr int kSplitterSize = 3;
}

void TOMForm::BuildEditPanel() {
    editPanel_ = new QWidget(this);
    editPanel_->setObjectName(QStringLiteral("EditPanel"));
    // The ruler lies across the top of the views (row 0) or, with vertical text, stands on
    // their right (column 1); the views fill the rest.
    auto* layout = new QGridLayout(editPanel_);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    ruler_ = new TanlRuler(editPanel_);
    ruler_->setObjectName(QStringLiteral("Ruler"));
    ruler_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(ruler_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& p) { popups_[0]->exec(ruler_->mapToGlobal(p)); });
    ruler_->hide();
    layout->addWidget(ruler_, 0, 0);
    splitter_ = new QSplitter(Qt::Vertical, editPanel_);
    splitter_->setObjectName(QStringLiteral("EditSplitter"));
    splitter_->setHandleWidth(kSplitterSize);
    splitter_->setChildrenCollapsible(false);
    layout->addWidget(splitter_, 1, 0);
    layout->setRowStretch(1, 1);
    layout->setColumnStretch(0, 1);

    doc_ = new QTextDocument(this);
    doc_->setObjectName(QStringLiteral("Document"));
    QFont viewFont(QStringLiteral("ＭＳ ゴシック"));
    viewFont.setPixelSize(15);
    view1_ = new TRichEditEx(splitter_);
    view1_->setObjectName(QStringLiteral("RichEditEx1"));
    view2_ = new TRichEditEx(splitter_);
    view2_->setObjectName(QStringLiteral("RichEditEx2"));
    for (TRichEditEx* v : {view1_, view2_}) {
        v->SetDocument(doc_);
        v->HorizontalEdit()->setFont(viewFont);
        v->HorizontalEdit()->setFocusPolicy(Qt::ClickFocus);  // no tab stop
        v->SetRouteStandardKeys(true);
        v->SetMaxLength(999999999);
        v->HorizontalEdit()->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(v->HorizontalEdit(), &QWidget::customContextMenuRequested, this,
                [this, v](const QPoint& p) { ShowEditPopup(v, p); });
        connect(v, &TRichEditEx::Entered, this, [this, v] { ViewEntered(v); });
        connect(v, &TRichEditEx::SelectionChanged, this, [this, v] {
            if (v == active_ && mirroring) SelectionRefresh();
        });
        connect(v, &TRichEditEx::Changed, this, [this, v] {
            if (v == active_ && mirroring) StateRefresh();
        });
    }
    doc_->setDefaultFont(viewFont);
    splitter_->addWidget(view1_);
    splitter_->addWidget(view2_);
    view2_->hide();
    active_ = view1_;
    mirror_ = view2_;
    editPanel_->installEventFilter(this);
    setCentralWidget(editPanel_);
}

void TOMForm::ShowEditPopup(TRichEditEx* view, const QPoint& pos) {
    view->setFocus(Qt::PopupFocusReason);
    // The request comes from the presenting widget's viewport (horizontal or vertical).
    QWidget* w = view->EditWidget();
    if (auto* area = qobject_cast<QAbstractScrollArea*>(w)) w = area->viewport();
    popups_[1]->exec(w->mapToGlobal(pos));
}

void TOMForm::ViewEntered(TRichEditEx* view) {
    if (view == active_) {
        SelectionRefresh();
        return;
    }
    EnterView(view);
}

void TOMForm::EnterView(TRichEditEx* v) {
    TRichEditEx* w = v == view1_ ? view2_ : view1_;
    // The two views show one document: there is never a differing copy to rebuild.
    if (w == active_) {
        const int line = v->FirstVisibleLine();
        const int pos = v->LineIndex(line);
        if (pos >= 0) v->SetSelStart(pos);
    }
    active_ = v;
    mirror_ = w;
    v->SetHideSelection(false);
    w->SetHideSelection(true);
    SelectionRefresh();
}

// ----- split ------------------------------------------------------------------------------------

void TOMForm::UnexpectedError() {
    MessageService::Show(this, QMessageBox::Critical, QStringLiteral("エラー表示"),
                         QStringLiteral("おきるはずの無いエラーです"), QMessageBox::Ok);
}

void TOMForm::SetSplitButtons(bool topBottom, bool leftRight) {
    for (const char* n : {"S2UeShitaTB", "S2UeShitaTB2"}) Button(n)->setChecked(topBottom);
    for (const char* n : {"S2SaYuuTB", "S2SaYuuTB2"}) Button(n)->setChecked(leftRight);
}

void TOMForm::ApplySplit() {
    if (splitTopBottom && splitLeftRight) {
        UnexpectedError();
        return;
    }
    if (!splitTopBottom && !splitLeftRight) {
        const int line = active_->FirstVisibleLine();
        EnterView(view1_);
        view1_->setFocus();
        view2_->hide();
        // Caret to the end and back to the start of the line that was at the top: the line
        // comes into view at the top.
        view1_->SetSelStart(view1_->TextLength());
        view1_->Presenter()->EnsureCursorVisible();
        const int pos = view1_->LineIndex(line);
        view1_->SetSelStart(pos < 0 ? view1_->TextLength() : pos);
        view1_->Presenter()->EnsureCursorVisible();
        Command("S2NoneM")->setChecked(true);
        SetSplitButtons(false, false);
        EnableCommand(QStringLiteral("CtrlTabM"), false);
        SyncWrapWidths();
        return;
    }
    view1_->setFocus();
    view2_->SetSelectionBar(true);
    if (splitTopBottom) {
        splitter_->setOrientation(Qt::Vertical);
        splitter_->insertWidget(0, view1_);  // RichEditEx1 above
        Command("S2UeShitaM")->setChecked(true);
    } else {
        splitter_->setOrientation(Qt::Horizontal);
        splitter_->insertWidget(0, view2_);  // RichEditEx1 on the right
        Command("S2SaYuuM")->setChecked(true);
    }
    view2_->show();
    SetSplitButtons(splitTopBottom, splitLeftRight);
    EnableCommand(QStringLiteral("CtrlTabM"), true);
    ResizeLayout();
}

void TOMForm::ResizeLayout() {
    if (!view2_->isVisibleTo(this)) return;
    if (splitTopBottom) {
        const int rulerH = ruler_->isVisibleTo(this) && !rulerVertical_ ? ruler_->height() : 0;
        const int avail = editPanel_->height() - rulerH;
        const int h1 = avail / 2;
        splitter_->setSizes({h1, std::max(0, avail - h1 - kSplitterSize)});
    } else if (splitLeftRight) {
        const int rulerW = ruler_->isVisibleTo(this) && rulerVertical_ ? ruler_->width() : 0;
        const int width = editPanel_->width() - rulerW;
        const int w1 = width / 2;
        splitter_->setSizes({std::max(0, width - w1 - kSplitterSize), w1});
    }
    SyncWrapWidths();
}

void TOMForm::SyncWrapWidths() {
    // Both views lay out one document at one width. Unsplit, it is the shown view's own width
    // (the hidden view never sets it). Split, both use the narrower text width of the two:
    // wrapped lines then read in either view without sideways scrolling, and centred or
    // right-aligned lines sit alike in both, whichever view is active. The widths come from
    // the split geometry itself, not from views that may not have taken their new size yet.
    int width = 0;
    if ((splitTopBottom || splitLeftRight) && view2_->isVisibleTo(this)) {
        THorizontalEdit* e = view1_->HorizontalEdit();
        const int chrome = e->width() - e->TextAreaWidth();
        const int panel = editPanel_->width();
        const int narrow =
            splitLeftRight ? std::min(panel / 2, panel - panel / 2 - kSplitterSize) : panel;
        width = std::max(1, narrow - chrome);
    }
    view1_->HorizontalEdit()->SetWrapWidth(width);
    view2_->HorizontalEdit()->SetWrapWidth(width);
}

void TOMForm::S2NoneMClick() {
    splitTopBottom = splitLeftRight = false;
    ApplySplit();
}

void TOMForm::S2UeShitaMClick() {
    splitTopBottom = true;
    splitLeftRight = false;
    ApplySplit();
}

void TOMForm::S2SaYuuMClick() {
    splitLeftRight = true;
    splitTopBottom = false;
    ApplySplit();
}

void TOMForm::S2UeShitaTBClick(bool down) {
    if (!splitTopBottom && down)
        splitTopBottom = true;
    else if (splitTopBottom && !down)
        splitTopBottom = false;
    else {
        UnexpectedError();
        return;
    }
    splitLeftRight = false;
    ApplySplit();
}

void TOMForm::S2SaYuuTBClick(bool down) {
    if (!splitLeftRight && down)
        splitLeftRight = true;
    else if (splitLeftRight && !down)
        splitLeftRight = false;
    else {
        UnexpectedError();
        return;
    }
    splitTopBottom = false;
    ApplySplit();
}

void TOMForm::CtrlTabMClick() {
    if (active_ == view1_)
        view2_->setFocus(Qt::TabFocusReason);
    else if (active_ == view2_)
        view1_->setFocus(Qt::TabFocusReason);
    else
        UnexpectedError();
}

// ----- wrap and writing mode --------------------------------------------------------------------

void TOMForm::ReapplySelectionBar() {
    view1_->SetSelectionBar(true);
    view2_->SetSelectionBar(true);
}

void TOMForm::ApplyWrap() {
    QAction* item = Command("WordWrapOffM");
    item->setChecked(wrapOff);
    view1_->SetWordWrap(!wrapOff);
    view2_->SetWordWrap(!wrapOff);
    ReapplySelectionBar();
    item->setEnabled(!verticalFlag);
    SyncWrapWidths();
}

void TOMForm::WordWrapOffMClick() {
    wrapOff = !wrapOff;
    ApplyWrap();
    active_->setFocus();
}

void TOMForm::ApplyMode() {
    if (verticalFlag) wrapOff = false;  // vertical text always wraps at the window edge
    ApplyWrap();
    mirroring = false;
    // Insert mode again, in both views.
    insertMode = true;
    panels_[2]->setText(QStringLiteral("挿入"));
    view1_->SetOverwriteMode(false);
    view2_->SetOverwriteMode(false);
    view1_->SetVertical(verticalFlag);
    view2_->SetVertical(verticalFlag);
    for (TRichEditEx* v : {view1_, view2_}) {
        // The vertical presentation is made on the first switch: it gets the edit popup menu
        // and, like the horizontal one, no tab stop.
        QWidget* w = v->EditWidget();
        if (w == v->HorizontalEdit() || w->contextMenuPolicy() == Qt::CustomContextMenu) continue;
        w->setFocusPolicy(Qt::ClickFocus);
        w->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(w, &QWidget::customContextMenuRequested, this,
                [this, v](const QPoint& p) { ShowEditPopup(v, p); });
    }
    ReapplySelectionBar();
    active_->setFocus();
    Command(verticalFlag ? "TateModeM" : "YokoModeM")->setChecked(true);
    mirroring = true;
    StateRefresh();
}

namespace {
struct ViewPlace {
    int caret;
    int firstLine;
};
}  // namespace

static void SwitchMode(TOMForm* f, bool vertical) {
    TRichEditEx* v = f->ActiveView();
    const ViewPlace place{v->SelStart(), v->FirstVisibleLine()};
    f->verticalFlag = vertical;
    f->ApplyMode();
    v->LineScroll(place.firstLine);
    v->SetSelStart(place.caret);
}

void TOMForm::TateModeMClick() {
    SwitchMode(this, true);
}
void TOMForm::YokoModeMClick() {
    SwitchMode(this, false);
}
void TOMForm::TextModeTBClick() {
    SwitchMode(this, !verticalFlag);
}
