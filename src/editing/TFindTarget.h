#pragma once
// What the find and replace rules need of the view they search: its selection and text length
// in Shift-JIS byte positions, a forward search within a window of positions, and replacing the
// selection. Views implement it through TViewFindTarget; tests may give their own.

#include <QString>

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
};
