#pragma once
// The horizontal presentation of a TRichEditEx: a QTextEdit over the shared document, with the
// selection bar (a margin at the line starts in which a click selects whole display lines),
// hide-selection, hidden scroll bars and the display-line operations.

#include <QPointer>
#include <QTextEdit>

#include "controls/TRichEditPresenter.h"

class THorizontalEdit : public QTextEdit, public TRichEditPresenter {
    Q_OBJECT
public:
    explicit THorizontalEdit(QWidget* parent = nullptr);
    ~THorizontalEdit() override;

    // A parked edit is not shown (its view presents the document vertically). It leaves the
    // layout of the shared document alone, and while no edit over the document is in use the
    // document is not laid out horizontally at all, so that an edit re-lays nothing that no
    // view shows. Leaving the parked state lays the document out anew. Wrap settings made
    // while parked are kept and applied then.
    void SetParked(bool parked);
    bool Parked() const { return parked_; }

    // When set, the standard cut, copy, paste, select-all, undo and redo keys are left to the
    // window's own commands (menu shortcuts) instead of being handled here.
    void SetRouteStandardKeys(bool route) { routeStandardKeys_ = route; }
    int SelectionBarWidth() const;
    // Laying the lines out at a fixed width (pixels) instead of the view's width; 0: the
    // view's width. The lines wrap there, or, without wrapping, centred and right-aligned
    // paragraphs are placed across it. Views that show one document share its layout, so side
    // by side they must use one width. An edit that is hidden or parked never sets the
    // document's width: its settings are applied when it is shown.
    void SetWrapWidth(int width);
    int TextAreaWidth() const;

    // TRichEditPresenter
    QWidget* Widget() override { return this; }
    void SetDocument(QTextDocument* doc) override;
    QTextCursor TextCursor() const override { return textCursor(); }
    void SetTextCursor(const QTextCursor& cursor) override { setTextCursor(cursor); }
    void SetTextCursorQuietly(const QTextCursor& cursor) override;
    void EnsureCursorVisible() override { ensureCursorVisible(); }
    int LineCount() const override;
    int LineOfPosition(int docPos) const override;
    int LineStart(int line) const override;
    int FirstVisibleLine() const override;
    void ScrollLines(int lines) override;
    void ScrollToStart() override;
    void SetWordWrap(bool wrap) override;
    void SetHideSelection(bool hide) override;
    void SetHideScrollBars(bool hide) override;
    void SetSelectionBar(bool on) override;
    void SetBackground(const QColor& color) override;
    void SetReadOnly(bool readOnly) override { setReadOnly(readOnly); }
    void SetOverwriteMode(bool on) override { setOverwriteMode(on); }
    void SetUpdatesSuspended(bool suspended) override;
    void Cut() override { cut(); }
    void Copy() override { copy(); }
    void Paste() override { paste(); }

    // Document range [start, end) of the display line at a viewport y (the paragraph end
    // included for the last line of a paragraph).
    QPair<int, int> LineRangeAt(int viewportY) const;
    // Top of a display line in document coordinates.
    qreal LineTop(int line) const;

protected:
    bool event(QEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void paintEvent(QPaintEvent* e) override;  // the text, then ruby readings over it
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    class SelectionBar;
    void EnsureLayout() const;
    bool LaysOut() const;
    void SetQuiet(bool quiet);
    void ApplyScrollBarPolicy();
    void ApplySelectionPalette();
    void ApplyWrap();
    static void CountUser(QTextDocument* doc, int delta);
    static void ParkDocument(QTextDocument* doc);
    static void UnparkDocument(QTextDocument* doc);

    SelectionBar* bar_ = nullptr;
    bool selectionBar_ = false;
    bool hideSelection_ = true;
    bool routeStandardKeys_ = false;
    bool wordWrap_ = false;
    int wrapWidth_ = 0;
    bool hideScrollBars_ = false;
    bool quiet_ = false;        // not laying out: scroll bars kept off (see ApplyScrollBarPolicy)
    bool wrapPending_ = false;  // wrap settings or a resize made while hidden or parked
    bool parked_ = false;
    QPointer<QTextDocument> counted_;  // the document this edit counts as a user of
};
