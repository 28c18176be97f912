#pragma once
// One way of presenting the shared document inside a TRichEditEx: horizontally (a QTextEdit,
// THorizontalEdit) or vertically (the vertical view). TRichEditEx keeps both behind this
// interface and routes every operation that depends on the layout through the one in use:
// caret and selection, display lines, scrolling and the view options.
//
// Positions here are document (UTF-16) positions; TRichEditEx turns them into Shift-JIS bytes.

#include <QColor>
#include <QTextCursor>

class QTextDocument;
class QWidget;

class TRichEditPresenter {
public:
    virtual ~TRichEditPresenter() = default;

    // The widget shown for this presentation (a page of the TRichEditEx's stacked layout).
    virtual QWidget* Widget() = 0;
    virtual void SetDocument(QTextDocument* doc) = 0;

    // Caret and selection of this view.
    virtual QTextCursor TextCursor() const = 0;
    virtual void SetTextCursor(const QTextCursor& cursor) = 0;
    // Sets caret and selection without scrolling (selection sync of an unfocused view).
    virtual void SetTextCursorQuietly(const QTextCursor& cursor) = 0;
    virtual void EnsureCursorVisible() = 0;

    // Display lines: the presentation's own wrapped lines (columns when vertical), counted
    // over the whole document from 0.
    virtual int LineCount() const = 0;
    virtual int LineOfPosition(int docPos) const = 0;
    // First position of a line; -1 for a line past the last.
    virtual int LineStart(int line) const = 0;
    virtual int FirstVisibleLine() const = 0;
    // Scrolls by whole lines (negative: back); the caret does not move.
    virtual void ScrollLines(int lines) = 0;
    // Back to the top (used when the presentation is switched).
    virtual void ScrollToStart() = 0;

    // Options.
    virtual void SetWordWrap(bool wrap) = 0;
    virtual void SetHideSelection(bool hide) = 0;
    virtual void SetHideScrollBars(bool hide) = 0;
    virtual void SetSelectionBar(bool on) = 0;
    virtual void SetBackground(const QColor& color) = 0;
    virtual void SetReadOnly(bool readOnly) = 0;
    // Typed characters replace the ones after the caret instead of being inserted.
    virtual void SetOverwriteMode(bool on) = 0;
    // No repaint between begin and end.
    virtual void SetUpdatesSuspended(bool suspended) = 0;

    // Clipboard on this view's selection.
    virtual void Cut() = 0;
    virtual void Copy() = 0;
    virtual void Paste() = 0;
};
