#pragma once
// TRichEditEx: one editing view of a rich-text document, in Shift-JIS byte positions.
//
// Several views may show one QTextDocument (SetDocument); each keeps its own caret, selection
// and scroll position, and an edit made in one is in the others at once.
//
// Positions and lengths count bytes as code page 932 writes the text: a two-byte character
// spans two positions, a paragraph end (CR LF) two, a character that code page 932 cannot hold
// two (see TSjisByteIndex). Display lines are the view's own wrapped lines.
//
// The view presents the document horizontally (THorizontalEdit, a QTextEdit) or, when
// Vertical is true, through the vertical presentation registered with SetVerticalFactory. Both
// are pages of one stacked layout, and everything that depends on the layout goes through the
// TRichEditPresenter in use.

#include <QWidget>
#include <functional>
#include <vector>

#include "controls/TRichEditPresenter.h"
#include "controls/TextAttributes.h"

class QStackedLayout;
class QTextDocument;
class QTextEdit;
class THorizontalEdit;
class TSjisByteIndex;

class TRichEditEx : public QWidget {
    Q_OBJECT
    Q_PROPERTY(bool Vertical READ Vertical WRITE SetVertical)
public:
    explicit TRichEditEx(QWidget* parent = nullptr);
    ~TRichEditEx() override;

    // ----- document ------------------------------------------------------------------------
    QTextDocument* Document() const { return doc_; }
    // Shows doc (shared with other views); the view's caret goes to the start.
    void SetDocument(QTextDocument* doc);
    THorizontalEdit* HorizontalEdit() const { return horizontal_; }
    // The presentation in use and its widget (the one that takes the keyboard focus).
    TRichEditPresenter* Presenter() const { return current_; }
    QWidget* EditWidget() const;

    // ----- vertical layout ---------------------------------------------------------------------
    bool Vertical() const { return vertical_; }
    // Stores the flag and switches the presentation. The document stays; caret, selection and
    // scroll position go back to the start, as when a control is created anew.
    void SetVertical(bool vertical);
    // The vertical presentation is created by this factory the first time a view becomes
    // vertical. Without a factory a vertical view keeps presenting horizontally.
    using PresenterFactory = std::function<TRichEditPresenter*(TRichEditEx*)>;
    static void SetVerticalFactory(PresenterFactory factory);
    static bool HasVerticalFactory();

    // ----- text ----------------------------------------------------------------------------------
    // Whole text, paragraph ends written as "\r\n".
    QString Text() const;
    void SetText(const QString& text);
    int TextLength() const;   // bytes
    QString SelText() const;  // paragraph ends as "\r\n"
    // Replaces the selection; the new text takes the format at the selection start.
    void SetSelText(const QString& text);

    // ----- selection -----------------------------------------------------------------------------
    int SelStart() const;
    // Collapses the selection at pos (past the end: at the end).
    void SetSelStart(int pos);
    int SelLength() const;
    // Selects len bytes from the selection start (negative: backwards).
    void SetSelLength(int len);
    void SetSelection(int start, int length);
    void SelectAll();
    // Gives this view the selection (anchor and caret) of another view of the same document,
    // without scrolling this view.
    void CopySelectionFrom(const TRichEditEx& other);
    // Deletes the selected text.
    void ClearSelection();
    // Collapses the selection at the caret.
    void Deselect();

    // ----- display lines -------------------------------------------------------------------------
    int LineCount() const;
    // Line that holds a byte position (-1: the caret's).
    int LineFromChar(int pos = -1) const;
    // First byte position of a line (-1: the caret's line); -1 for a line past the last.
    int LineIndex(int line = -1) const;
    int FirstVisibleLine() const;
    void LineScroll(int lines);

    // ----- clipboard -----------------------------------------------------------------------------
    void CutToClipboard();
    void CopyToClipboard();
    void PasteFromClipboard();

    // ----- formats -------------------------------------------------------------------------------
    // Attributes of the selection (of the typing format when nothing is selected), with the
    // uniform flags.
    TCharAttributes SelAttributes() const;
    // Applies the fields named in mask to the whole selection (to the typing format when
    // nothing is selected).
    void SetSelAttributes(const TCharAttributes& attr, unsigned mask);
    // Attributes of the paragraph that holds the selection start.
    TParaAttributes Paragraph() const;
    // Applies the fields named in mask to every paragraph the selection touches.
    void SetParagraph(const TParaAttributes& attr, unsigned mask);

    // ----- search --------------------------------------------------------------------------------
    // First match of text at or after start and ending at or before end (-1: the end of the
    // text), letter case ignored; its byte position or -1.
    int FindText(const QString& text, int start, int end = -1) const;
    // Every match as FindText finds them one after another: the first at or after start, each
    // next one at or after the previous one's start plus length bytes; all ending at or before
    // end. One scan over the paragraphs.
    std::vector<int> FindAllText(const QString& text, int length, int start, int end) const;
    // Replaces the ranges of length bytes at starts (ascending and apart, byte positions before
    // the first replacement) by text as SetSelection and SetSelText would, in one edit block
    // and without moving the view's caret until the end, where it stands after the last
    // inserted text. done() is called after each range. Returns the change of length in bytes.
    int ReplaceRanges(const std::vector<int>& starts, int length, const QString& text,
                      const std::function<void()>& done);

    // ----- options -------------------------------------------------------------------------------
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool wrap);
    bool HideSelection() const { return hideSelection_; }
    void SetHideSelection(bool hide);
    bool HideScrollBars() const { return hideScrollBars_; }
    void SetHideScrollBars(bool hide);
    bool SelectionBar() const { return selectionBar_; }
    void SetSelectionBar(bool on);
    // Plain-text mode: pasted text arrives without formatting.
    bool PlainText() const { return plainText_; }
    void SetPlainText(bool plain);
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    // The maximum length option as the window sets it (999999999 characters: no limit that a
    // document of this program could reach; it is kept, not enforced).
    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int n) { maxLength_ = n; }
    bool Modified() const;
    void SetModified(bool modified);
    void SetReadOnly(bool readOnly);
    // Overwrite typing (the Insert key's other state) in whichever presentation is in use.
    bool OverwriteMode() const { return overwrite_; }
    void SetOverwriteMode(bool on);
    // Leaves the standard clipboard keys to the window's commands (see THorizontalEdit).
    void SetRouteStandardKeys(bool route);

    // ----- painting ------------------------------------------------------------------------------
    void BeginUpdate();
    void EndUpdate();
    bool Updating() const { return updateDepth_ > 0; }

    // ----- helpers -------------------------------------------------------------------------------
    int ByteOfPosition(int docPos) const;
    int PositionOfByte(int bytePos) const;
    static QColor ToQColor(TColor c);
    static TColor FromQColor(const QColor& c);

signals:
    // The document changed (also for changes made by program code or through another view).
    void Changed();
    void Entered();
    void Exited();
    void MouseDown();
    void SelectionChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void Attach(TRichEditPresenter* p);
    void ApplyOptions(TRichEditPresenter* p);
    void SetCursor(const QTextCursor& c);
    QTextCursor Cursor() const;

    QTextDocument* doc_ = nullptr;
    TSjisByteIndex* index_ = nullptr;
    QStackedLayout* stack_ = nullptr;
    THorizontalEdit* horizontal_ = nullptr;
    TRichEditPresenter* vertical_view_ = nullptr;
    TRichEditPresenter* current_ = nullptr;
    bool vertical_ = false;
    bool wordWrap_ = false;
    bool hideSelection_ = true;
    bool hideScrollBars_ = false;
    bool selectionBar_ = false;
    bool plainText_ = false;
    bool overwrite_ = false;
    TColor color_ = clWindow;
    int maxLength_ = 999999999;
    int updateDepth_ = 0;
    QMetaObject::Connection changedConnection_;
};
