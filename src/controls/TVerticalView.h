#pragma once
// The vertical view of a QTextDocument: columns top to bottom, the first column on the right,
// wrapped at the view's height. It has its own caret and selection (a QTextCursor), keys,
// mouse, wheel and input-method composition, and scrolls horizontally, starting at its right
// end. The document is not owned; several views may show one document.
//
// Display lines are columns: line n is the n-th column counted from the document's start.
// All positions are QTextDocument positions.

#include <QAbstractScrollArea>
#include <QBasicTimer>
#include <QPointer>
#include <QTextCursor>
#include <QTextDocument>

#include "controls/TRichEditPresenter.h"
#include "controls/TVerticalLayout.h"
#include "controls/TVerticalPainter.h"

class TVerticalView : public QAbstractScrollArea, public TRichEditPresenter {
    Q_OBJECT
public:
    explicit TVerticalView(QWidget* parent = nullptr);
    ~TVerticalView() override;

    void SetDocument(QTextDocument* document) override;
    QTextDocument* Document() const { return m_doc; }
    TVerticalLayout* Layout() const { return m_layout; }

    QTextCursor TextCursor() const override { return m_cursor; }
    void SetTextCursor(const QTextCursor& cursor) override;
    // Moves the caret (and the selection's moving end with `mode` KeepAnchor).
    void SetPosition(int position, QTextCursor::MoveMode mode = QTextCursor::MoveAnchor);

    bool OverwriteMode() const { return m_overwrite; }
    void SetOverwriteMode(bool on) override;
    bool IsReadOnly() const { return m_readOnly; }
    void SetReadOnly(bool on) override { m_readOnly = on; }
    // Hides the selection while the view has no focus.
    void SetHideSelection(bool hide) override;

    // Display lines (columns).
    int LineCount() const override;
    int LineOfPosition(int position) const override;
    int LineStart(int line) const override;
    int FirstVisibleLine() const override;
    void ScrollByLines(int lines);
    void ScrollToLine(int line);

    // The rest of the presentation interface of TRichEditEx.
    QWidget* Widget() override { return this; }
    void SetTextCursorQuietly(const QTextCursor& cursor) override;
    void EnsureCursorVisible() override { EnsureCaretVisible(); }
    void ScrollLines(int lines) override { ScrollByLines(lines); }
    void ScrollToStart() override;
    // Vertical text always wraps at the view's height.
    void SetWordWrap(bool) override {}
    void SetHideScrollBars(bool hide) override;
    void SetSelectionBar(bool on) override;
    void SetBackground(const QColor& color) override;
    void SetUpdatesSuspended(bool suspended) override;

    // Rectangle of the caret (a bar across its column) in viewport coordinates, and the
    // position under a viewport point.
    QRect CaretRect();
    QRect PositionRect(int position, bool atColumnEnd = false);
    int HitTest(const QPoint& viewportPoint, bool* atColumnEnd = nullptr);
    // Position of the character under a viewport point (not the nearest caret place).
    int CharacterAt(const QPoint& viewportPoint);
    void EnsureCaretVisible();

    // Edits and clipboard.
    void Copy() override;
    void Cut() override;
    void Paste() override;
    void SelectAll();

    // Draws the columns that the viewport shows into `painter` (for pictures of the view).
    void Render(QPainter& painter);

    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;

    // Height of the selection bar: a margin above the columns in which a click selects columns.
    static constexpr int kSelectionBar = 12;
    static constexpr int kPadding = 6;

signals:
    void CursorPositionChanged();
    void SelectionChanged();
    void OverwriteModeChanged(bool on);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    bool event(QEvent* event) override;

private:
    // Geometry: viewport x of the right edge of the column at layout offset o.
    qreal XOf(qreal offset) const;
    qreal TextTop() const { return m_barHeight + kPadding; }
    qreal MaxOffset();
    void SetOffset(qreal offset);
    void UpdateColumnHeight();
    void UpdateScrollBars();
    void OnLayoutChanged(int firstBlock, int lastBlock);
    void OnIdleLayout();
    template <class F>
    void KeepingFirstColumn(F&& f);
    void CursorMoved(bool keepPreferredY = false);
    void RestartBlink();
    void UpdatePreedit();

    // Input (TVerticalViewInput.cpp).
    bool HandleMoveKey(QKeyEvent* event);
    bool HandleEditKey(QKeyEvent* event);
    void MoveToColumn(int global, QTextCursor::MoveMode mode);
    void InsertTyped(const QString& text);
    TVerticalLayout::ColumnRef CaretColumn();
    TVerticalLayout::ColumnRef ColumnAtX(qreal viewportX);
    void SelectColumnsTo(const TVerticalLayout::ColumnRef& column);
    void DragTo(const QPoint& viewportPoint);
    void AutoScrollStep();

    template <class F>
    auto Mutable(F&& f) const {
        return f(const_cast<TVerticalView*>(this));
    }

    QPointer<QTextDocument> m_doc;
    QMetaObject::Connection m_docDestroyed;
    TVerticalLayout* m_layout = nullptr;
    QTextCursor m_cursor;
    bool m_atColumnEnd = false;  // the caret shows at the end of a column, not the next start
    qreal m_preferredY = -1;     // kept while moving across columns
    qreal m_offset = 0;          // layout offset at the viewport's right text edge
    bool m_settingBars = false;
    bool m_overwrite = false;
    bool m_readOnly = false;
    bool m_hideSelection = true;
    bool m_caretOn = true;
    int m_barHeight = kSelectionBar;
    QString m_preedit;
    std::vector<TVerticalPreeditFormat> m_preeditFormats;  // the input method's segment formats
    int m_preeditCursor = 0;
    // Mouse selection.
    bool m_dragging = false;
    bool m_columnDrag = false;
    int m_columnDragAnchor = 0;  // first position of the column the drag began in
    int m_columnDragAnchorEnd = 0;
    QBasicTimer m_blink;
    QBasicTimer m_idle;
    QBasicTimer m_autoScroll;  // scrolls while a drag is held beyond the left or right edge
    QPoint m_dragPoint;
};
