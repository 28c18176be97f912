#include "controls/THorizontalEdit.h"

#include <QAbstractTextDocumentLayout>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QTextBlock>
#include <QTextLayout>
#include <QTextLine>

#include "controls/TDisplayFormats.h"
#include "controls/THiddenTextGuard.h"
#include "controls/THorizontalRuby.h"

namespace {
constexpr int kSelectionBarWidth = 10;
// Number of edits over a document that are not parked (a dynamic property of the document).
constexpr char kUsersProperty[] = "orimakiHorizontalUsers";
// The wrap mode of the document's text option while it is parked.
constexpr char kParkedWrapProperty[] = "orimakiParkedWrapMode";

int LinesOf(const QTextBlock& b) {
    const QTextLayout* layout = b.layout();
    const int n = layout ? layout->lineCount() : 0;
    return n > 0 ? n : 1;  // a paragraph not laid out yet shows as one line
}
}  // namespace

// The strip left of the text: a press selects the display line beside it, dragging extends the
// selection by whole lines.
class THorizontalEdit::SelectionBar : public QWidget {
public:
    explicit SelectionBar(THorizontalEdit* edit) : QWidget(edit), edit_(edit) {
        setObjectName(QStringLiteral("SelectionBar"));
        setCursor(Qt::ArrowCursor);
        setAttribute(Qt::WA_NoSystemBackground);
    }

protected:
    void mousePressEvent(QMouseEvent* e) override {
        if (e->button() != Qt::LeftButton) return;
        const auto range = edit_->LineRangeAt(int(e->position().y()));
        anchorStart_ = range.first;
        anchorEnd_ = range.second;
        Select(range);
        edit_->setFocus(Qt::MouseFocusReason);
    }
    void mouseMoveEvent(QMouseEvent* e) override {
        if (!(e->buttons() & Qt::LeftButton) || anchorStart_ < 0) return;
        Select(edit_->LineRangeAt(int(e->position().y())));
    }
    void mouseReleaseEvent(QMouseEvent*) override { anchorStart_ = anchorEnd_ = -1; }
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), edit_->palette().brush(QPalette::Base));
    }

private:
    void Select(QPair<int, int> range) {
        QTextCursor c(edit_->document());
        if (range.first >= anchorStart_) {
            c.setPosition(anchorStart_);
            c.setPosition(range.second, QTextCursor::KeepAnchor);
        } else {
            c.setPosition(anchorEnd_);
            c.setPosition(range.first, QTextCursor::KeepAnchor);
        }
        edit_->setTextCursor(c);
    }
    THorizontalEdit* edit_;
    int anchorStart_ = -1;
    int anchorEnd_ = -1;
};

THorizontalEdit::THorizontalEdit(QWidget* parent) : QTextEdit(parent) {
    bar_ = new SelectionBar(this);
    bar_->hide();
    setTabChangesFocus(false);
    setLineWrapMode(QTextEdit::NoWrap);
    ApplySelectionPalette();
    counted_ = document();
    CountUser(counted_, +1);
    // Ruby readings and hidden text: display formats, the caret around hidden text.
    TDisplayFormats::For(document());
    new THiddenTextGuard(this);
}

THorizontalEdit::~THorizontalEdit() {
    if (!parked_ && counted_) CountUser(counted_, -1);
}

void THorizontalEdit::CountUser(QTextDocument* doc, int delta) {
    const int before = doc->property(kUsersProperty).toInt();
    const int users = std::max(0, before + delta);
    doc->setProperty(kUsersProperty, users);
    if (users == 0 && delta < 0)
        ParkDocument(doc);
    else if (before == 0 && users > 0)
        UnparkDocument(doc);
}

void THorizontalEdit::ParkDocument(QTextDocument* doc) {
    // Nobody shows the document horizontally: a null page size keeps its layout from laying
    // out paragraphs (the text control does the same before it is first shown). A layout pass
    // that is still running in idle steps goes on at width 0; without wrapping that costs one
    // line per paragraph instead of one per character.
    if (!doc->pageSize().isNull()) doc->setPageSize(QSizeF(0, 0));
    QTextOption option = doc->defaultTextOption();
    if (!doc->property(kParkedWrapProperty).isValid())
        doc->setProperty(kParkedWrapProperty, int(option.wrapMode()));
    option.setWrapMode(QTextOption::NoWrap);
    doc->setDefaultTextOption(option);
}

void THorizontalEdit::UnparkDocument(QTextDocument* doc) {
    const QVariant wrap = doc->property(kParkedWrapProperty);
    if (!wrap.isValid()) return;
    QTextOption option = doc->defaultTextOption();
    option.setWrapMode(QTextOption::WrapMode(wrap.toInt()));
    doc->setDefaultTextOption(option);
    doc->setProperty(kParkedWrapProperty, QVariant());
}

void THorizontalEdit::SetDocument(QTextDocument* doc) {
    if (!doc || doc == document()) return;
    if (!parked_ && counted_) CountUser(counted_, -1);
    setDocument(doc);
    TDisplayFormats::For(doc);
    counted_ = doc;
    if (!parked_)
        CountUser(doc, +1);
    else if (doc->property(kUsersProperty).toInt() == 0)
        ParkDocument(doc);  // taking the document sized its layout
}

void THorizontalEdit::SetParked(bool parked) {
    if (parked == parked_) return;
    parked_ = parked;
    if (parked) {
        if (counted_) CountUser(counted_, -1);
        SetQuiet(true);
        return;
    }
    counted_ = document();
    const bool first = counted_->property(kUsersProperty).toInt() == 0;
    CountUser(counted_, +1);
    if (LaysOut()) SetQuiet(false);
    ApplyWrap();
    // Size the document's layout again (setting the wrap width lays the document out anew in
    // every wrap mode): the shown edit does, and the first one back while none is shown. A
    // hidden edit does not take the layout's width from a shown one.
    if (first || isVisible()) setLineWrapColumnOrWidth(lineWrapColumnOrWidth());
}

int THorizontalEdit::SelectionBarWidth() const {
    return selectionBar_ ? kSelectionBarWidth : 0;
}

void THorizontalEdit::EnsureLayout() const {
    // Large documents are laid out in steps; the line operations need the whole layout.
    document()->documentLayout()->documentSize();
}

int THorizontalEdit::LineCount() const {
    EnsureLayout();
    int n = 0;
    for (QTextBlock b = document()->begin(); b.isValid(); b = b.next()) n += LinesOf(b);
    return n;
}

int THorizontalEdit::LineOfPosition(int docPos) const {
    EnsureLayout();
    QTextBlock target = document()->findBlock(docPos);
    if (!target.isValid()) target = document()->lastBlock();
    int n = 0;
    for (QTextBlock b = document()->begin(); b.isValid() && b != target; b = b.next())
        n += LinesOf(b);
    const QTextLayout* layout = target.layout();
    if (layout && layout->lineCount() > 0) {
        const QTextLine line = layout->lineForTextPosition(docPos - target.position());
        if (line.isValid())
            n += line.lineNumber();
        else
            n += layout->lineCount() - 1;
    }
    return n;
}

int THorizontalEdit::LineStart(int line) const {
    if (line < 0) return -1;
    EnsureLayout();
    for (QTextBlock b = document()->begin(); b.isValid(); b = b.next()) {
        const int lines = LinesOf(b);
        if (line < lines) {
            const QTextLayout* layout = b.layout();
            if (!layout || layout->lineCount() == 0) return b.position();
            return b.position() + layout->lineAt(line).textStart();
        }
        line -= lines;
    }
    return -1;
}

qreal THorizontalEdit::LineTop(int line) const {
    EnsureLayout();
    for (QTextBlock b = document()->begin(); b.isValid(); b = b.next()) {
        const int lines = LinesOf(b);
        if (line < lines) {
            const QTextLayout* layout = b.layout();
            const qreal top = layout ? layout->position().y() : 0;
            if (!layout || layout->lineCount() == 0) return top;
            return top + layout->lineAt(line).y();
        }
        line -= lines;
    }
    return document()->documentLayout()->documentSize().height();
}

int THorizontalEdit::FirstVisibleLine() const {
    EnsureLayout();
    const qreal y = verticalScrollBar()->value();
    const int pos = document()->documentLayout()->hitTest(QPointF(0, y + 1), Qt::FuzzyHit);
    return LineOfPosition(pos < 0 ? 0 : pos);
}

void THorizontalEdit::ScrollLines(int lines) {
    const int count = LineCount();
    const int target = std::clamp(FirstVisibleLine() + lines, 0, std::max(0, count - 1));
    verticalScrollBar()->setValue(int(LineTop(target)));
}

void THorizontalEdit::SetTextCursorQuietly(const QTextCursor& cursor) {
    const int h = horizontalScrollBar()->value();
    const int v = verticalScrollBar()->value();
    setTextCursor(cursor);
    horizontalScrollBar()->setValue(h);
    verticalScrollBar()->setValue(v);
}

void THorizontalEdit::ScrollToStart() {
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(0);
}

QPair<int, int> THorizontalEdit::LineRangeAt(int viewportY) const {
    EnsureLayout();
    const qreal y = viewportY + verticalScrollBar()->value();
    int pos = document()->documentLayout()->hitTest(QPointF(0, y), Qt::FuzzyHit);
    if (pos < 0) pos = 0;
    QTextBlock b = document()->findBlock(pos);
    if (!b.isValid()) b = document()->lastBlock();
    const QTextLayout* layout = b.layout();
    if (!layout || layout->lineCount() == 0) return {b.position(), b.position() + b.length() - 1};
    QTextLine line = layout->lineForTextPosition(pos - b.position());
    if (!line.isValid()) line = layout->lineAt(layout->lineCount() - 1);
    const int start = b.position() + line.textStart();
    int end = start + line.textLength();
    const bool lastLine = line.lineNumber() == layout->lineCount() - 1;
    if (lastLine) end = b.position() + b.length() - (b.next().isValid() ? 0 : 1);
    return {start, end};
}

void THorizontalEdit::SetWordWrap(bool wrap) {
    wordWrap_ = wrap;
    ApplyWrap();  // a parked or hidden edit applies it when it is used again
}

bool THorizontalEdit::LaysOut() const {
    // Several edits lay out one document at one width: only an edit that is (or, once its
    // window is shown, will be) seen may set it. A hidden one would lay the shared document
    // out at its own stale size.
    return !parked_ && isVisibleTo(window());
}

void THorizontalEdit::SetQuiet(bool quiet) {
    if (quiet == quiet_) return;
    quiet_ = quiet;
    ApplyScrollBarPolicy();
}

void THorizontalEdit::ApplyScrollBarPolicy() {
    // An edit that does not lay out keeps its scroll bars off: a scroll bar that came or went
    // would change its viewport's width, and the text control would lay the shared document
    // out anew at that width.
    const auto policy =
        (hideScrollBars_ || quiet_) ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded;
    setVerticalScrollBarPolicy(policy);
    setHorizontalScrollBarPolicy(policy);
}

void THorizontalEdit::ApplyWrap() {
    if (!LaysOut()) {
        wrapPending_ = true;
        SetQuiet(true);
        return;
    }
    wrapPending_ = false;
    // Without wrapping the lines are still laid out across the width of the view (the text
    // option keeps them from breaking), so that centred and right-aligned paragraphs sit
    // where they belong and follow the view's width.
    setWordWrapMode(wordWrap_ ? QTextOption::WrapAtWordBoundaryOrAnywhere : QTextOption::NoWrap);
    if (wrapWidth_ > 0) {
        setLineWrapMode(QTextEdit::FixedPixelWidth);
        setLineWrapColumnOrWidth(wrapWidth_);
    } else {
        setLineWrapMode(QTextEdit::WidgetWidth);
    }
}

void THorizontalEdit::SetWrapWidth(int width) {
    wrapWidth_ = std::max(0, width);
    ApplyWrap();
}

int THorizontalEdit::TextAreaWidth() const {
    // The width the text may use whether or not the vertical scroll bar is shown.
    return width() - 2 * frameWidth() - SelectionBarWidth() -
           style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
}

void THorizontalEdit::SetHideSelection(bool hide) {
    hideSelection_ = hide;
    ApplySelectionPalette();
}

void THorizontalEdit::ApplySelectionPalette() {
    // The text control paints the selection of an unfocused view with the inactive colours;
    // hiding the selection means painting it as plain text on the background.
    QPalette p = palette();
    const QPalette base = QPalette();
    if (hideSelection_) {
        p.setBrush(QPalette::Inactive, QPalette::Highlight, Qt::transparent);
        p.setBrush(QPalette::Inactive, QPalette::HighlightedText,
                   p.brush(QPalette::Inactive, QPalette::Text));
    } else {
        p.setBrush(QPalette::Inactive, QPalette::Highlight,
                   base.brush(QPalette::Active, QPalette::Highlight));
        p.setBrush(QPalette::Inactive, QPalette::HighlightedText,
                   base.brush(QPalette::Active, QPalette::HighlightedText));
    }
    setPalette(p);
}

void THorizontalEdit::SetHideScrollBars(bool hide) {
    hideScrollBars_ = hide;
    ApplyScrollBarPolicy();
}

void THorizontalEdit::SetSelectionBar(bool on) {
    selectionBar_ = on;
    setViewportMargins(SelectionBarWidth(), 0, 0, 0);
    bar_->setVisible(on);
    QResizeEvent e(size(), size());
    resizeEvent(&e);
}

void THorizontalEdit::SetBackground(const QColor& color) {
    QPalette p = palette();
    p.setColor(QPalette::Base, color);
    setPalette(p);
    bar_->update();
}

void THorizontalEdit::SetUpdatesSuspended(bool suspended) {
    viewport()->setUpdatesEnabled(!suspended);
    if (!suspended) viewport()->update();
}

bool THorizontalEdit::event(QEvent* e) {
    if (e->type() == QEvent::ShortcutOverride && routeStandardKeys_) {
        auto* ke = static_cast<QKeyEvent*>(e);
        if (ke == QKeySequence::Cut || ke == QKeySequence::Copy || ke == QKeySequence::Paste ||
            ke == QKeySequence::SelectAll || ke == QKeySequence::Undo ||
            ke == QKeySequence::Redo) {
            e->ignore();  // let the window's menu shortcut run the command
            return true;
        }
    }
    return QTextEdit::event(e);
}

void THorizontalEdit::showEvent(QShowEvent* e) {
    SetParked(false);  // shown: the document is presented horizontally again
    SetQuiet(false);
    if (wrapPending_) {
        // Wrap settings or the size changed while hidden: lay the document out at this edit's
        // width now (setting the wrap width lays it out anew in every wrap mode).
        ApplyWrap();
        setLineWrapColumnOrWidth(lineWrapColumnOrWidth());
    }
    QTextEdit::showEvent(e);
}

void THorizontalEdit::resizeEvent(QResizeEvent* e) {
    // A parked or hidden edit does not lay out the document (see LaysOut).
    if (LaysOut()) {
        QTextEdit::resizeEvent(e);
    } else if (!parked_) {
        wrapPending_ = true;
        SetQuiet(true);
    }
    const QRect vr = viewport()->geometry();
    bar_->setGeometry(vr.left() - SelectionBarWidth(), vr.top(), SelectionBarWidth(), vr.height());
}

void THorizontalEdit::hideEvent(QHideEvent* e) {
    QTextEdit::hideEvent(e);
    if (!LaysOut()) SetQuiet(true);  // hidden inside a window that stays
}

void THorizontalEdit::paintEvent(QPaintEvent* e) {
    QTextEdit::paintEvent(e);
    QPainter painter(viewport());
    THorizontalRuby::Paint(painter, *this, e->rect());
}

void THorizontalEdit::focusInEvent(QFocusEvent* e) {
    QTextEdit::focusInEvent(e);
    viewport()->update();
}

void THorizontalEdit::focusOutEvent(QFocusEvent* e) {
    QTextEdit::focusOutEvent(e);
    viewport()->update();
}
