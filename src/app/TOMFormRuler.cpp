// The ruler of the editing panel: shown and hidden by RulerM and RulerPop, lined up with the
// active view, following the indents of the selection's paragraph, and setting them when a
// marker drag ends. Across the top of horizontal text it measures the lines from left to
// right; beside vertical text it stands upright on the right and measures the columns from
// their top, where the same paragraph indents begin.

#include <QAbstractScrollArea>
#include <QFontInfo>
#include <QGridLayout>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QTimer>
#include <functional>

#include "app/TOMForm.h"
#include "controls/THorizontalEdit.h"
#include "controls/TRichEditEx.h"
#include "controls/TVerticalView.h"
#include "controls/TanlRuler.h"
#include "editing/TRulerRules.h"

namespace {
// Sees the views (and the presentations they make later) change size, show and hide.
class RulerWatch : public QObject {
public:
    RulerWatch(QObject* parent, std::function<void()> changed)
        : QObject(parent), changed_(std::move(changed)) {}
    void Watch(QObject* o) { o->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* e) override {
        switch (e->type()) {
            case QEvent::ChildAdded:
                if (QObject* child = static_cast<QChildEvent*>(e)->child();
                    child && child->isWidgetType())
                    child->installEventFilter(this);
                break;
            case QEvent::Resize:
            case QEvent::Show:
            case QEvent::Hide:
                changed_();
                break;
            default:
                break;
        }
        return QObject::eventFilter(watched, e);
    }

private:
    std::function<void()> changed_;
};

TRulerIndents IndentsOf(const TParaAttributes& p) {
    return {p.firstIndent, p.leftIndent, p.rightIndent};
}
}  // namespace

void TOMForm::InstallRuler() {
    connect(Command("RulerM"), &QAction::triggered, this, &TOMForm::RulerMClick);
    EnableCommand(QStringLiteral("RulerM"), true);
    connect(ruler_, &TanlRuler::IndentChange, this, &TOMForm::RulerIndentChange);
    auto* watch = new RulerWatch(this, [this] { RulerFollowLater(); });
    rulerWatch_ = watch;
    watch->Watch(ruler_);
    for (TRichEditEx* v : {view1_, view2_}) {
        watch->Watch(v);
        for (QObject* child : v->children())
            if (child->isWidgetType()) watch->Watch(child);
        // Lines scrolled sideways take the ruler's scale with them.
        connect(v->HorizontalEdit()->horizontalScrollBar(), &QScrollBar::valueChanged, this,
                [this] { RulerFollowLater(); });
    }
}

void TOMForm::RulerMClick() {
    const bool visible = !ruler_->isVisibleTo(this);
    ruler_->setVisible(visible);
    Command("RulerM")->setChecked(visible);
    Command("RulerPop")->setChecked(visible);
    RulerFollowSelection();
}

void TOMForm::RulerFollowLater() {
    if (rulerFollowDue_) return;
    rulerFollowDue_ = true;
    QTimer::singleShot(0, this, [this] {
        rulerFollowDue_ = false;
        RulerFollowSelection();
    });
}

void TOMForm::PlaceRuler() {
    const bool vertical = active_->Vertical();
    if (vertical == rulerVertical_) return;
    rulerVertical_ = vertical;
    auto* grid = static_cast<QGridLayout*>(editPanel_->layout());
    grid->removeWidget(ruler_);
    ruler_->SetOrientation(vertical ? Qt::Vertical : Qt::Horizontal);
    if (vertical)
        grid->addWidget(ruler_, 1, 1);
    else
        grid->addWidget(ruler_, 0, 0);
    grid->activate();
}

void TOMForm::LineUpRuler() {
    // The span of the text along the ruler, in the ruler's own pixels: from where a line (a
    // column) begins to where it ends.
    int start = 0;
    int end = 0;
    if (auto* v = qobject_cast<TVerticalView*>(active_->EditWidget()); v && active_->Vertical()) {
        const int y = v->viewport()->mapTo(editPanel_, QPoint(0, 0)).y() - ruler_->y();
        start = y + (active_->SelectionBar() ? TVerticalView::kSelectionBar : 0) +
                TVerticalView::kPadding;
        end = start + static_cast<int>(v->Layout()->ColumnHeight());
    } else {
        THorizontalEdit* e = active_->HorizontalEdit();
        QWidget* vp = e->viewport();
        const int x = vp->mapTo(editPanel_, QPoint(0, 0)).x() - ruler_->x() -
                      e->horizontalScrollBar()->value();
        const int margin = static_cast<int>(doc_->documentMargin());
        const qreal tw = doc_->textWidth();
        start = x + margin;
        end = x + (tw > 0 ? static_cast<int>(tw) : vp->width()) - margin;
    }
    const int origin = TRulerRules::OriginForTextStart(start);
    ruler_->SetLeftMargin(origin);
    ruler_->SetClientWidth(std::max(1, TRulerRules::ClientWidthForTextEnd(end - origin)));
    // One step of the scale is a character of the document's default font.
    ruler_->SetStep(std::max(4, QFontInfo(doc_->defaultFont()).pixelSize()));
}

void TOMForm::RulerFollowSelection() {
    // A hidden ruler is set when it is shown again.
    if (!ruler_ || !active_ || ruler_->Dragging() || !ruler_->isVisibleTo(this)) return;
    PlaceRuler();
    LineUpRuler();
    const TRulerPositions r =
        TRulerRules::FromParagraph(IndentsOf(active_->Paragraph()), ruler_->ClientWidth());
    ruler_->SetIndents(r.first, r.left, r.right);
}

void TOMForm::RulerIndentChange(int marker) {
    const int width = ruler_->ClientWidth();
    const TRulerPositions r{ruler_->FirstIndent(), ruler_->LeftIndent(), ruler_->RightIndent()};
    unsigned mask = 0;
    if (TRulerRules::SetsFirst(marker)) mask |= TParaAttributes::FirstIndent;
    if (TRulerRules::SetsLeft(marker)) mask |= TParaAttributes::LeftIndent;
    if (TRulerRules::SetsRight(marker)) mask |= TParaAttributes::RightIndent;
    if (!mask) return;
    mirroring = false;
    NoteEditKind(6);
    auto apply = [&] {
        const TRulerIndents to =
            TRulerRules::ToParagraph(marker, r, width, IndentsOf(active_->Paragraph()));
        TParaAttributes a;
        a.firstIndent = to.first;
        a.leftIndent = to.left;
        a.rightIndent = to.right;
        active_->SetParagraph(a, mask);
    };
    const int selStart = active_->SelStart();
    const int selLength = active_->SelLength();
    const QTextBlock first = doc_->findBlock(active_->PositionOfByte(selStart));
    const QTextBlock last = doc_->findBlock(active_->PositionOfByte(selStart + selLength));
    if (marker == TRulerRules::LeftMarker && first != last) {
        // The left marker places the other lines of every paragraph at the same distance from
        // the text's start; each paragraph keeps its own first-line indent, so its left indent
        // (counted from that) is its own.
        active_->BeginUpdate();
        for (QTextBlock b = first; b.isValid(); b = b.next()) {
            active_->SetSelection(active_->ByteOfPosition(b.position()), 0);
            apply();
            if (b == last) break;
        }
        active_->SetSelection(selStart, selLength);
        active_->EndUpdate();
    } else {
        apply();
    }
    mirroring = true;
    StateRefresh();
}
