#include "controls/TRichEditEx.h"

#include <QAbstractScrollArea>
#include <QEvent>
#include <QStackedLayout>
#include <QTextBlock>
#include <QTextDocument>

#include "controls/THorizontalEdit.h"
#include "controls/TSjisByteIndex.h"
#include "controls/TSjisByteWalker.h"
#include "controls/TVerticalView.h"

namespace {
TRichEditEx::PresenterFactory& VerticalFactory() {
    // The program's own vertical view, unless another presentation is registered.
    static TRichEditEx::PresenterFactory factory = [](TRichEditEx* owner) -> TRichEditPresenter* {
        return new TVerticalView(owner);
    };
    return factory;
}

// Paragraph and line separators of a document text as the program writes them.
QString WithCrLf(QString s) {
    s.replace(QChar(0x2029), QStringLiteral("\r\n"));
    s.replace(QChar(0x2028), QStringLiteral("\r\n"));
    return s;
}

// Text to insert: CR LF, CR and LF all end a paragraph.
QString FromCrLf(QString s) {
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    s.replace(QChar('\r'), QChar('\n'));
    return s;
}
}  // namespace

TRichEditEx::TRichEditEx(QWidget* parent) : QWidget(parent) {
    stack_ = new QStackedLayout(this);
    stack_->setContentsMargins(0, 0, 0, 0);
    horizontal_ = new THorizontalEdit(this);
    stack_->addWidget(horizontal_);
    current_ = horizontal_;
    Attach(horizontal_);
    setFocusProxy(horizontal_);
    SetDocument(new QTextDocument(this));
    ApplyOptions(horizontal_);
}

TRichEditEx::~TRichEditEx() {
    // The vertical presentation's widget is a child of this widget and goes with it.
}

QWidget* TRichEditEx::EditWidget() const {
    return current_->Widget();
}

void TRichEditEx::SetDocument(QTextDocument* doc) {
    if (!doc || doc == doc_) return;
    QTextDocument* old = doc_;
    if (changedConnection_) disconnect(changedConnection_);
    doc_ = doc;
    horizontal_->SetDocument(doc);
    if (vertical_view_) vertical_view_->SetDocument(doc);
    index_ = TSjisByteIndex::For(doc);
    changedConnection_ = connect(doc, &QTextDocument::contentsChanged, this, &TRichEditEx::Changed);
    if (old && old->parent() == this) old->deleteLater();
}

// ----- vertical layout --------------------------------------------------------------------------

void TRichEditEx::SetVerticalFactory(PresenterFactory factory) {
    VerticalFactory() = std::move(factory);
}

bool TRichEditEx::HasVerticalFactory() {
    return bool(VerticalFactory());
}

void TRichEditEx::SetVertical(bool vertical) {
    vertical_ = vertical;
    // The vertical presentation plugs in here: it is made once by the registered factory and
    // becomes the second page of the stack.
    if (vertical && !vertical_view_ && VerticalFactory()) {
        vertical_view_ = VerticalFactory()(this);
        if (vertical_view_) {
            vertical_view_->SetDocument(doc_);
            stack_->addWidget(vertical_view_->Widget());
            Attach(vertical_view_);
        }
    }
    TRichEditPresenter* target = (vertical && vertical_view_) ? vertical_view_ : horizontal_;
    const bool hadFocus = current_->Widget()->hasFocus();
    current_ = target;
    stack_->setCurrentWidget(target->Widget());
    // The hidden horizontal edit stops laying out the shared document while it is not used.
    horizontal_->SetParked(target != horizontal_);
    setFocusProxy(target->Widget());
    ApplyOptions(target);
    // As a control created anew: caret at the start, scrolled to the top.
    QTextCursor c(doc_);
    target->SetTextCursor(c);
    target->ScrollToStart();
    if (hadFocus) target->Widget()->setFocus();
}

void TRichEditEx::Attach(TRichEditPresenter* p) {
    QWidget* w = p->Widget();
    w->installEventFilter(this);
    if (auto* area = qobject_cast<QAbstractScrollArea*>(w))
        area->viewport()->installEventFilter(this);
    if (auto* edit = qobject_cast<QTextEdit*>(w)) {
        connect(edit, &QTextEdit::selectionChanged, this, &TRichEditEx::SelectionChanged);
        connect(edit, &QTextEdit::cursorPositionChanged, this, &TRichEditEx::SelectionChanged);
    }
    if (auto* view = qobject_cast<TVerticalView*>(w)) {
        connect(view, &TVerticalView::SelectionChanged, this, &TRichEditEx::SelectionChanged);
        connect(view, &TVerticalView::CursorPositionChanged, this,
                &TRichEditEx::SelectionChanged);
        // The view's own Insert key (when no window takes it first).
        connect(view, &TVerticalView::OverwriteModeChanged, this,
                [this, view](bool on) {
                    if (current_->Widget() == view) overwrite_ = on;
                });
    }
}

void TRichEditEx::ApplyOptions(TRichEditPresenter* p) {
    p->SetWordWrap(wordWrap_);
    p->SetHideSelection(hideSelection_);
    p->SetHideScrollBars(hideScrollBars_);
    p->SetSelectionBar(selectionBar_);
    p->SetBackground(ToQColor(color_));
    p->SetOverwriteMode(overwrite_);
}

bool TRichEditEx::eventFilter(QObject* watched, QEvent* e) {
    if (watched == current_->Widget()) {
        if (e->type() == QEvent::FocusIn)
            emit Entered();
        else if (e->type() == QEvent::FocusOut)
            emit Exited();
    } else if (e->type() == QEvent::MouseButtonPress) {
        emit MouseDown();
    }
    return QWidget::eventFilter(watched, e);
}

QTextCursor TRichEditEx::Cursor() const {
    return current_->TextCursor();
}
void TRichEditEx::SetCursor(const QTextCursor& c) {
    current_->SetTextCursor(c);
}

// ----- text -------------------------------------------------------------------------------------

QString TRichEditEx::Text() const {
    QString out;
    for (QTextBlock b = doc_->begin(); b.isValid(); b = b.next()) {
        if (b != doc_->begin()) out += QStringLiteral("\r\n");
        out += b.text();
    }
    return WithCrLf(out);
}

void TRichEditEx::SetText(const QString& text) {
    QTextCursor c(doc_);
    c.select(QTextCursor::Document);
    c.insertText(FromCrLf(text));
}

int TRichEditEx::TextLength() const {
    return index_->TotalBytes();
}

QString TRichEditEx::SelText() const {
    return WithCrLf(Cursor().selectedText());
}

void TRichEditEx::SetSelText(const QString& text) {
    QTextCursor c = Cursor();
    if (c.hasSelection()) {
        QTextCursor first(doc_);
        first.setPosition(c.selectionStart() + 1);
        const QTextCharFormat fmt = first.charFormat();
        c.insertText(FromCrLf(text), fmt);
    } else {
        c.insertText(FromCrLf(text));
    }
    SetCursor(c);
}

// ----- selection --------------------------------------------------------------------------------

int TRichEditEx::ByteOfPosition(int docPos) const {
    return index_->ByteOfPosition(docPos);
}
int TRichEditEx::PositionOfByte(int bytePos) const {
    return index_->PositionOfByte(bytePos);
}

int TRichEditEx::SelStart() const {
    return ByteOfPosition(Cursor().selectionStart());
}

void TRichEditEx::SetSelStart(int pos) {
    QTextCursor c = Cursor();
    c.setPosition(PositionOfByte(pos));
    SetCursor(c);
}

int TRichEditEx::SelLength() const {
    const QTextCursor c = Cursor();
    return ByteOfPosition(c.selectionEnd()) - ByteOfPosition(c.selectionStart());
}

void TRichEditEx::SetSelLength(int len) {
    SetSelection(SelStart(), len);
}

void TRichEditEx::SetSelection(int start, int length) {
    QTextCursor c = Cursor();
    const int anchor = PositionOfByte(start);
    c.setPosition(anchor);
    c.setPosition(PositionOfByte(std::max(0, start + length)), QTextCursor::KeepAnchor);
    SetCursor(c);
}

void TRichEditEx::SelectAll() {
    QTextCursor c = Cursor();
    c.select(QTextCursor::Document);
    SetCursor(c);
}

void TRichEditEx::CopySelectionFrom(const TRichEditEx& other) {
    if (other.doc_ != doc_) return;
    current_->SetTextCursorQuietly(other.Cursor());
}

void TRichEditEx::ClearSelection() {
    QTextCursor c = Cursor();
    c.removeSelectedText();
    SetCursor(c);
}

void TRichEditEx::Deselect() {
    QTextCursor c = Cursor();
    c.clearSelection();
    SetCursor(c);
}

// ----- display lines ----------------------------------------------------------------------------

int TRichEditEx::LineCount() const {
    return current_->LineCount();
}

int TRichEditEx::LineFromChar(int pos) const {
    const int docPos = pos < 0 ? Cursor().selectionStart() : PositionOfByte(pos);
    return current_->LineOfPosition(docPos);
}

int TRichEditEx::LineIndex(int line) const {
    if (line < 0) line = LineFromChar(-1);
    const int docPos = current_->LineStart(line);
    return docPos < 0 ? -1 : ByteOfPosition(docPos);
}

int TRichEditEx::FirstVisibleLine() const {
    return current_->FirstVisibleLine();
}
void TRichEditEx::LineScroll(int lines) {
    current_->ScrollLines(lines);
}

// ----- clipboard --------------------------------------------------------------------------------

void TRichEditEx::CutToClipboard() {
    current_->Cut();
}
void TRichEditEx::CopyToClipboard() {
    current_->Copy();
}
void TRichEditEx::PasteFromClipboard() {
    current_->Paste();
}

// ----- search -----------------------------------------------------------------------------------

int TRichEditEx::FindText(const QString& text, int start, int end) const {
    if (text.isEmpty()) return -1;
    const int from = PositionOfByte(std::max(0, start));
    const int to = end < 0 ? doc_->characterCount() : PositionOfByte(end);
    QTextCursor at(doc_);
    at.setPosition(from);
    const QTextCursor found = doc_->find(FromCrLf(text), at);  // letter case ignored
    if (found.isNull() || found.selectionEnd() > to) return -1;
    return ByteOfPosition(found.selectionStart());
}

std::vector<int> TRichEditEx::FindAllText(const QString& text, int length, int start,
                                          int end) const {
    std::vector<int> out;
    if (text.isEmpty()) return out;
    // The same search as QTextDocument::find (within one paragraph, letter case ignored, a
    // no-break space found as a space), the paragraphs' text taken once.
    const QString needle = FromCrLf(text);
    TSjisByteWalker bytes(doc_, index_);
    const int to = end < 0 ? doc_->characterCount() : bytes.PositionOfByte(end);
    int from = bytes.PositionOfByte(std::max(0, start));
    QTextBlock b = doc_->findBlock(from);
    QString blockText;
    int blockNo = -1;
    while (b.isValid() && from < to) {
        if (b.blockNumber() != blockNo) {
            blockNo = b.blockNumber();
            blockText = b.text();
            blockText.replace(QChar::Nbsp, u' ');
        }
        const int idx = blockText.indexOf(needle, from - b.position(), Qt::CaseInsensitive);
        if (idx < 0) {
            b = b.next();
            if (b.isValid()) from = b.position();
            continue;
        }
        const int at = b.position() + idx;
        if (at + int(needle.size()) > to) break;
        const int atByte = bytes.ByteOfPosition(at);
        out.push_back(atByte);
        from = bytes.PositionOfByte(atByte + std::max(length, 1));
        if (from <= at) from = at + 1;  // never search the same place again
        if (from >= b.position() + b.length()) b = doc_->findBlock(from);
    }
    return out;
}

int TRichEditEx::ReplaceRanges(const std::vector<int>& starts, int length, const QString& text,
                               const std::function<void()>& done) {
    if (starts.empty()) return 0;
    // Document positions and byte lengths are taken before the first change: the byte index
    // follows the document only when the edit block ends.
    struct Range {
        int from, to, bytes;
    };
    std::vector<Range> ranges;
    ranges.reserve(starts.size());
    TSjisByteWalker bytes(doc_, index_);
    for (int s : starts) {
        const int from = bytes.PositionOfByte(s);
        const int fromByte = bytes.ByteOfPosition(from);
        const int to = bytes.PositionOfByte(std::max(0, s + length));
        ranges.push_back({from, to, bytes.ByteOfPosition(to) - fromByte});
    }
    const QString inserted = FromCrLf(text);
    const int insertedBytes =
        TSjisByteIndex::TextBytes(inserted) + int(inserted.count(QLatin1Char('\n')));
    const int grow = int(inserted.size());
    QTextCursor c = Cursor();
    c.beginEditBlock();
    int shift = 0;  // document positions
    int byteShift = 0;
    for (const Range& r : ranges) {
        c.setPosition(r.from + shift);
        c.setPosition(r.to + shift, QTextCursor::KeepAnchor);
        if (c.hasSelection()) {
            QTextCursor first(doc_);
            first.setPosition(c.selectionStart() + 1);
            c.insertText(inserted, first.charFormat());
        } else {
            c.insertText(inserted);
        }
        shift += grow - (r.to - r.from);
        byteShift += insertedBytes - r.bytes;
        done();
    }
    c.endEditBlock();
    SetCursor(c);
    return byteShift;
}

// ----- options ----------------------------------------------------------------------------------

void TRichEditEx::SetWordWrap(bool wrap) {
    wordWrap_ = wrap;
    current_->SetWordWrap(wrap);
}

void TRichEditEx::SetHideSelection(bool hide) {
    hideSelection_ = hide;
    current_->SetHideSelection(hide);
}

void TRichEditEx::SetHideScrollBars(bool hide) {
    hideScrollBars_ = hide;
    current_->SetHideScrollBars(hide);
}

void TRichEditEx::SetSelectionBar(bool on) {
    selectionBar_ = on;
    current_->SetSelectionBar(on);
}

void TRichEditEx::SetPlainText(bool plain) {
    plainText_ = plain;
    horizontal_->setAcceptRichText(!plain);
}

void TRichEditEx::SetColor(TColor color) {
    color_ = color;
    current_->SetBackground(ToQColor(color));
}

bool TRichEditEx::Modified() const {
    return doc_->isModified();
}
void TRichEditEx::SetModified(bool modified) {
    doc_->setModified(modified);
}

void TRichEditEx::SetReadOnly(bool readOnly) {
    horizontal_->SetReadOnly(readOnly);
    if (vertical_view_) vertical_view_->SetReadOnly(readOnly);
}

void TRichEditEx::SetOverwriteMode(bool on) {
    overwrite_ = on;
    current_->SetOverwriteMode(on);
}

void TRichEditEx::SetRouteStandardKeys(bool route) {
    horizontal_->SetRouteStandardKeys(route);
}

// ----- painting ---------------------------------------------------------------------------------

void TRichEditEx::BeginUpdate() {
    if (updateDepth_++ == 0) current_->SetUpdatesSuspended(true);
}

void TRichEditEx::EndUpdate() {
    if (updateDepth_ == 0) return;
    if (--updateDepth_ == 0) current_->SetUpdatesSuspended(false);
}

// ----- colours ----------------------------------------------------------------------------------

QColor TRichEditEx::ToQColor(TColor c) {
    const TColor rgb = ColorToRGB(c);
    return QColor(ColorRed(rgb), ColorGreen(rgb), ColorBlue(rgb));
}

TColor TRichEditEx::FromQColor(const QColor& c) {
    return RgbColor(std::uint8_t(c.red()), std::uint8_t(c.green()), std::uint8_t(c.blue()));
}
