#pragma once
// What the find and replace rules need of the view they search: its selection and text length
// in Shift-JIS byte positions, a forward search within a window of positions, and replacing the
// selection. Views implement it through TViewFindTarget; tests may give their own.
//
// Replace all asks for every match at once (FindAll) and replaces them in one pass
// (ReplaceRanges). The implementations here do it step by step through the calls above, as find
// next and replace would; a view may do the same work faster, with the same result.

#include <QString>
#include <functional>
#include <vector>

class TFindTarget {
public:
    virtual ~TFindTarget() = default;
    virtual int SelStart() const = 0;
    virtual int SelLength() const = 0;
    virtual void SetSelection(int start, int length) = 0;
    virtual int TextLength() const = 0;
    virtual QString SelText() const = 0;
    // Replaces the selection by text; the caret ends after the inserted text.
    virtual void ReplaceSelection(const QString& text) = 0;
    // The first match of text (letter case ignored) that starts at or after start and lies
    // wholly before end; its position or -1. A match never begins or ends inside a two-byte
    // character.
    virtual int Find(const QString& text, int start, int end) const = 0;

    // Every match as Find finds them one after the other: the first at or after start, each
    // next one at or after the previous one's start plus length; all within end.
    virtual std::vector<int> FindAll(const QString& text, int length, int start, int end) const;
    // Replaces the ranges of length bytes at starts (ascending and apart, positions in the text
    // as it stands before the first replacement) by text, each as selecting it and calling
    // ReplaceSelection would; done() is called after each. The caret ends after the last
    // inserted text. Returns the change of the text length in bytes.
    virtual int ReplaceRanges(const std::vector<int>& starts, int length, const QString& text,
                              const std::function<void()>& done);
};
