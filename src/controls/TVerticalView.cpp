#include "controls/TVerticalView.h"

#include <QApplication>
#include <QGuiApplication>
#include <QInputMethod>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyleHints>
#include <QTextBlock>
#include <cmath>

#include "controls/TextRunRules.h"

TVerticalView::TVerticalView(QWidget* parent) : QAbstractScrollArea(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_InputMethodEnabled);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    viewport()->setCursor(Qt::IBeamCursor);
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(true);
    viewport()->setMouseTracking(true);
    horizontalScrollBar()->setSingleStep(20);
}

TVerticalView::~TVerticalView() = default;

void TVerticalView::SetDocument(QTextDocument* document) {
    disconnect(m_docDestroyed);
    if (m_layout) {
        delete m_layout;
        m_layout = nullptr;
    }
    m_doc = document;
    m_cursor = QTextCursor();
    m_offset = 0;
    m_preedit.clear();
    if (m_doc) {
        // A document deleted under the view leaves it empty, never dangling.
        m_docDestroyed =
            connect(m_doc, &QObject::destroyed, this, [this] { SetDocument(nullptr); });
        m_layout = new TVerticalLayout(m_doc, this);
        connect(m_layout, &TVerticalLayout::Changed, this, &TVerticalView::OnLayoutChanged);
        m_cursor = QTextCursor(m_doc);
        m_layout->SetEagerEdits(isVisible());
        UpdateColumnHeight();
        if (isVisible()) m_idle.start(0, this);
    }
    UpdateScrollBars();
    viewport()->update();
}

void TVerticalView::SetTextCursor(const QTextCursor& cursor) {
    if (!m_doc || cursor.document() != m_doc) return;
    const bool hadSel = m_cursor.hasSelection();
    m_cursor = cursor;
    m_atColumnEnd = false;
    CursorMoved();
    if (hadSel || m_cursor.hasSelection()) emit SelectionChanged();
}

void TVerticalView::SetPosition(int position, QTextCursor::MoveMode mode) {
    if (!m_doc) return;
    const bool hadSel = m_cursor.hasSelection();
    const int last = m_doc->characterCount() - 1;
    m_cursor.setPosition(std::clamp(position, 0, std::max(0, last)), mode);
    m_atColumnEnd = false;
    CursorMoved();
    if (hadSel || m_cursor.hasSelection()) emit SelectionChanged();
}

void TVerticalView::SetOverwriteMode(bool on) {
    if (on == m_overwrite) return;
    m_overwrite = on;
    viewport()->update();
    emit OverwriteModeChanged(on);
}

void TVerticalView::SetHideSelection(bool hide) {
    m_hideSelection = hide;
    viewport()->update();
}

// ---- geometry and scrolling ----

qreal TVerticalView::XOf(qreal offset) const {
    return viewport()->width() - kPadding - (offset - m_offset);
}

qreal TVerticalView::MaxOffset() {
    if (!m_layout) return 0;
    return std::max<qreal>(0, m_layout->TotalWidthEstimated() + 2 * kPadding - viewport()->width());
}

void TVerticalView::SetOffset(qreal offset) {
    const qreal o = std::clamp<qreal>(offset, 0, MaxOffset());
    if (o == m_offset) return;
    m_offset = o;
    UpdateScrollBars();
    viewport()->update();
    if (hasFocus() && QGuiApplication::inputMethod())
        QGuiApplication::inputMethod()->update(Qt::ImCursorRectangle);
}

void TVerticalView::UpdateColumnHeight() {
    if (!m_layout) return;
    const qreal h = viewport()->height() - TextTop() - kPadding;
    KeepingFirstColumn([&] { m_layout->SetColumnHeight(std::max<qreal>(h, 16)); });
}

void TVerticalView::UpdateScrollBars() {
    QScrollBar* bar = horizontalScrollBar();
    m_settingBars = true;
    const qreal maxOffset = MaxOffset();
    m_offset = std::clamp<qreal>(m_offset, 0, maxOffset);
    const int max = static_cast<int>(std::ceil(maxOffset));
    bar->setRange(0, max);
    bar->setPageStep(std::max(1, viewport()->width() - 2 * kPadding));
    if (m_layout) bar->setSingleStep(static_cast<int>(m_layout->DefaultPitch()));
    // The bar's right end is the document's start.
    bar->setValue(max - static_cast<int>(std::lround(m_offset)));
    m_settingBars = false;
}

void TVerticalView::scrollContentsBy(int, int) {
    if (m_settingBars) return;
    QScrollBar* bar = horizontalScrollBar();
    m_offset = std::clamp<qreal>(bar->maximum() - bar->value(), 0, MaxOffset());
    viewport()->update();
}

template <class F>
void TVerticalView::KeepingFirstColumn(F&& f) {
    if (!m_layout || m_layout->BlockCount() == 0) {
        f();
        return;
    }
    const TVerticalLayout::ColumnRef c = m_layout->ColumnAtOffset(m_offset);
    const int pos = c.valid() ? m_layout->ColumnStart(c) : 0;
    const qreal delta = c.valid() ? m_offset - c.offset : 0;
    const bool atStart = m_offset <= 0;
    f();
    if (atStart) {
        m_offset = 0;
    } else {
        const TVerticalLayout::ColumnRef n = m_layout->ColumnOfPosition(pos, false, false);
        if (n.valid()) m_offset = n.offset + std::min<qreal>(delta, n.width);
    }
    UpdateScrollBars();
}

void TVerticalView::OnLayoutChanged(int, int) {
    if (!m_preedit.isEmpty() && m_layout->PreeditPosition() != m_cursor.position()) UpdatePreedit();
    if (!m_layout->IsComplete() && isVisible()) m_idle.start(0, this);
    UpdateScrollBars();
    viewport()->update();
}

void TVerticalView::OnIdleLayout() {
    if (!m_layout) {
        m_idle.stop();
        return;
    }
    bool done = false;
    KeepingFirstColumn([&] { done = m_layout->LayoutSome(8); });
    if (done) m_idle.stop();
    viewport()->update();
}

void TVerticalView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    UpdateColumnHeight();
    UpdateScrollBars();
}

// ---- display lines ----

int TVerticalView::LineCount() const {
    if (!m_layout) return 0;
    m_layout->CheckDefaultFont();
    return Mutable([](TVerticalView* self) {
        int n = 0;
        self->KeepingFirstColumn([&] { n = self->m_layout->ColumnCount(); });
        return n;
    });
}

int TVerticalView::LineOfPosition(int position) const {
    if (!m_layout) return 0;
    LineCount();
    return m_layout->ColumnOfPosition(position).global;
}

int TVerticalView::LineStart(int line) const {
    if (!m_layout || line < 0) return -1;
    if (line >= LineCount()) return -1;
    return m_layout->ColumnStart(m_layout->Column(line));
}

int TVerticalView::FirstVisibleLine() const {
    if (!m_layout) return 0;
    LineCount();
    return m_layout->ColumnAtOffset(m_offset).global;
}

void TVerticalView::ScrollToLine(int line) {
    if (!m_layout) return;
    LineCount();
    const TVerticalLayout::ColumnRef c = m_layout->Column(line);
    if (c.valid()) SetOffset(c.offset);
}

void TVerticalView::ScrollByLines(int lines) {
    ScrollToLine(FirstVisibleLine() + lines);
}

void TVerticalView::ScrollToStart() {
    SetOffset(0);
}

// ---- presentation options ----

void TVerticalView::SetTextCursorQuietly(const QTextCursor& cursor) {
    if (!m_doc || cursor.document() != m_doc) return;
    const bool hadSel = m_cursor.hasSelection();
    m_cursor = cursor;
    m_atColumnEnd = false;
    m_preferredY = -1;
    viewport()->update();
    emit CursorPositionChanged();
    if (hadSel || m_cursor.hasSelection()) emit SelectionChanged();
}

void TVerticalView::SetHideScrollBars(bool hide) {
    setHorizontalScrollBarPolicy(hide ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAlwaysOn);
}

void TVerticalView::SetSelectionBar(bool on) {
    const int h = on ? kSelectionBar : 0;
    if (h == m_barHeight) return;
    m_barHeight = h;
    UpdateColumnHeight();
    viewport()->update();
}

void TVerticalView::SetBackground(const QColor& color) {
    QPalette p = palette();
    p.setColor(QPalette::Base, color);
    setPalette(p);
    viewport()->update();
}

void TVerticalView::SetUpdatesSuspended(bool suspended) {
    viewport()->setUpdatesEnabled(!suspended);
    if (!suspended) viewport()->update();
}

// ---- caret ----

TVerticalLayout::ColumnRef TVerticalView::CaretColumn() {
    return m_layout->ColumnOfPosition(m_cursor.position(), m_atColumnEnd, false);
}

QRect TVerticalView::PositionRect(int position, bool atColumnEnd) {
    if (!m_layout) return QRect();
    TVerticalLayout::ColumnRef c = m_layout->ColumnOfPosition(position, atColumnEnd, false);
    if (!c.valid()) return QRect();
    qreal y;
    if (!m_preedit.isEmpty() && position == m_layout->PreeditPosition()) {
        // Inside the composition the caret is where the input method puts it, in whichever
        // column that falls.
        const TVerticalParagraph& p = m_layout->Paragraph(c.block);
        const int target = p.shaped.preeditStart + m_preeditCursor;
        c = m_layout->ColumnOfTextIndex(c.block, target, m_preeditCursor > 0, false);
        y = m_layout->CaretYText(c, target);
    } else {
        y = m_layout->CaretY(c, position);
    }
    const qreal right = XOf(c.offset);
    return QRectF(right - c.width, TextTop() + y - 1, c.width, 2).toAlignedRect();
}

QRect TVerticalView::CaretRect() {
    if (!m_doc) return QRect();
    return PositionRect(m_cursor.position(), m_atColumnEnd);
}

TVerticalLayout::ColumnRef TVerticalView::ColumnAtX(qreal viewportX) {
    const qreal offset = m_offset + (viewport()->width() - kPadding - viewportX);
    return m_layout->ColumnAtOffset(std::max<qreal>(0, offset));
}

int TVerticalView::HitTest(const QPoint& p, bool* atColumnEnd) {
    if (atColumnEnd) *atColumnEnd = false;
    if (!m_layout) return 0;
    const TVerticalLayout::ColumnRef c = ColumnAtX(p.x());
    if (!c.valid()) return 0;
    // Hidden text shows nowhere: a point beside it is the place before it.
    return TextRunRules::CaretStop(m_doc, m_layout->HitTest(c, p.y() - TextTop(), atColumnEnd), -1);
}

void TVerticalView::EnsureCaretVisible() {
    if (!m_layout) return;
    const QRectF r = QRectF(CaretRect());
    if (r.isNull()) return;
    const qreal w = viewport()->width();
    if (r.right() > w - kPadding + 0.5)
        SetOffset(m_offset - (r.right() - (w - kPadding)));
    else if (r.left() < kPadding - 0.5)
        SetOffset(m_offset + (kPadding - r.left()));
}

void TVerticalView::CursorMoved(bool keepPreferredY) {
    if (!keepPreferredY) m_preferredY = -1;
    EnsureCaretVisible();
    RestartBlink();
    viewport()->update();
    if (hasFocus() && QGuiApplication::inputMethod())
        QGuiApplication::inputMethod()->update(Qt::ImQueryInput);
    emit CursorPositionChanged();
}

void TVerticalView::RestartBlink() {
    m_caretOn = true;
    const int t = QGuiApplication::styleHints()->cursorFlashTime();
    if (t > 0 && hasFocus())
        m_blink.start(t / 2, this);
    else
        m_blink.stop();
}

void TVerticalView::timerEvent(QTimerEvent* event) {
    if (event->timerId() == m_blink.timerId()) {
        m_caretOn = !m_caretOn;
        viewport()->update(CaretRect().adjusted(-2, -2, 2, 2));
    } else if (event->timerId() == m_idle.timerId()) {
        OnIdleLayout();
    } else if (event->timerId() == m_autoScroll.timerId()) {
        AutoScrollStep();
    } else {
        QAbstractScrollArea::timerEvent(event);
    }
}

void TVerticalView::focusInEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusInEvent(event);
    RestartBlink();
    viewport()->update();
}

void TVerticalView::focusOutEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusOutEvent(event);
    m_blink.stop();
    m_caretOn = false;
    viewport()->update();
}

void TVerticalView::hideEvent(QHideEvent* event) {
    QAbstractScrollArea::hideEvent(event);
    if (!isHidden()) return;  // only the window was hidden (minimised)
    // A hidden view does no layout work until it is shown again.
    if (m_layout) m_layout->SetEagerEdits(false);
    m_idle.stop();
    // Put away, as when the control is made anew: insert mode, no composition.
    SetOverwriteMode(false);
    if (!m_preedit.isEmpty()) {
        m_preedit.clear();
        UpdatePreedit();
    }
}

void TVerticalView::showEvent(QShowEvent* event) {
    QAbstractScrollArea::showEvent(event);
    if (!m_layout) return;
    m_layout->SetEagerEdits(true);
    if (!m_layout->IsComplete()) m_idle.start(0, this);
    UpdateScrollBars();
}

bool TVerticalView::event(QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        // Tab is typed into the text: the view takes it before the focus chain sees it.
        auto* ke = static_cast<QKeyEvent*>(event);
        if ((ke->key() == Qt::Key_Tab || ke->key() == Qt::Key_Backtab) &&
            !(ke->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
            keyPressEvent(ke);
            return true;
        }
    }
    if (event->type() == QEvent::ShortcutOverride) {
        // Editing keys belong to the view even where a menu uses them as shortcuts.
        auto* ke = static_cast<QKeyEvent*>(event);
        const Qt::KeyboardModifiers mods =
            ke->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
        if (mods == Qt::NoModifier || (mods == Qt::ControlModifier &&
                                       (ke->key() == Qt::Key_Home || ke->key() == Qt::Key_End))) {
            switch (ke->key()) {
                case Qt::Key_Up:
                case Qt::Key_Down:
                case Qt::Key_Left:
                case Qt::Key_Right:
                case Qt::Key_Home:
                case Qt::Key_End:
                case Qt::Key_PageUp:
                case Qt::Key_PageDown:
                case Qt::Key_Backspace:
                case Qt::Key_Delete:
                case Qt::Key_Tab:
                case Qt::Key_Backtab:
                    ke->accept();
                    return true;
                default:
                    break;
            }
        }
    }
    return QAbstractScrollArea::event(event);
}

int TVerticalView::CharacterAt(const QPoint& p) {
    if (!m_layout) return 0;
    const TVerticalLayout::ColumnRef c = ColumnAtX(p.x());
    if (!c.valid()) return 0;
    return m_layout->CharacterAt(c, p.y() - TextTop());
}

// ---- painting ----

void TVerticalView::Render(QPainter& painter) {
    if (!m_layout) return;
    TVerticalPaintOptions opt;
    const QPalette pal = palette();
    opt.text = pal.color(QPalette::Text);
    const bool showSel = hasFocus() || !m_hideSelection;
    opt.highlight =
        pal.color(hasFocus() ? QPalette::Active : QPalette::Inactive, QPalette::Highlight);
    opt.highlightedText =
        pal.color(hasFocus() ? QPalette::Active : QPalette::Inactive, QPalette::HighlightedText);
    if (showSel && m_cursor.hasSelection()) {
        opt.selectionStart = m_cursor.selectionStart();
        opt.selectionEnd = m_cursor.selectionEnd();
    }
    const qreal rightEdgeOffset = std::max<qreal>(0, m_offset - kPadding);
    const TVerticalLayout::ColumnRef first = m_layout->ColumnAtOffset(rightEdgeOffset);
    if (!first.valid()) return;
    painter.setRenderHint(QPainter::Antialiasing, false);
    TVerticalPainter::PaintUntil(painter, *m_layout, first, 0,
                                 QPointF(XOf(first.offset), TextTop()), opt);
}

void TVerticalView::paintEvent(QPaintEvent*) {
    if (m_layout && m_layout->CheckDefaultFont()) {
        UpdateScrollBars();
        if (isVisible()) m_idle.start(0, this);
    }
    QPainter painter(viewport());
    if (!m_layout) return;
    Render(painter);
    // The caret: a bar across its column; a box over the character in overwrite mode.
    if (hasFocus() && m_caretOn && !m_readOnly) {
        QRect r = CaretRect();
        if (m_overwrite && m_preedit.isEmpty()) {
            // As long as the character the next keystroke replaces.
            const int h = std::max(2, static_cast<int>(std::lround(r.width() / 1.6)));
            QColor c = palette().color(QPalette::Text);
            c.setAlpha(0x50);
            painter.fillRect(QRect(r.left(), r.top() + 1, r.width(), h), c);
        } else {
            painter.fillRect(r, palette().color(QPalette::Text));
        }
    }
}
