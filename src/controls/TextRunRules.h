#pragma once
// Editing rules around hidden text and ruby words, shared by both views.
//
// Hidden characters are in the document but take no room on screen, so every position inside
// a hidden stretch and the one right after it show at the same place as the position before
// the stretch. Only that first position is a caret stop: the caret never rests where typing
// would continue the hidden text, and one key press always moves past one visible character.

#include <QTextCharFormat>
#include <QTextCursor>
#include <utility>

class QTextDocument;

namespace TextRunRules {

bool IsHidden(const QTextCharFormat& format);
// The reading of a ruby word's base character; empty for other text.
QString RubyReading(const QTextCharFormat& format);
// Whether two neighbouring characters belong to one ruby word.
bool SameRubyWord(const QTextCharFormat& a, const QTextCharFormat& b);

// Whether the character at a document position (not a paragraph end) is hidden.
bool IsHiddenAt(const QTextDocument* doc, int position);
// A position is a caret stop unless the character before it, in its paragraph, is hidden.
bool IsCaretStop(const QTextDocument* doc, int position);
// The caret stop for a caret that arrived at `position` from `from`: moving forward from the
// stop just before a hidden stretch goes on past the stretch and the visible character after
// it; any other arrival (backward moves, clicks: pass from = -1) goes back to the stop before
// the stretch, which shows at the same place.
int CaretStop(const QTextDocument* doc, int position, int from);

// The range Delete removes at a caret without a selection: hidden characters right after the
// caret stay, the next visible character (or the paragraph end) goes. Empty at the end.
std::pair<int, int> DeleteForwardRange(const QTextDocument* doc, int position);
// Deletes as Delete does (the selection, else the range above).
void DeleteForward(QTextCursor& cursor);

// The format that text typed at the cursor takes: the cursor's own, except that typed text is
// never hidden and continues a ruby word only between two of its characters (typing right
// after a ruby word does not lengthen its base). `changed` tells whether it differs.
QTextCharFormat TypingFormat(const QTextCursor& cursor, bool* changed = nullptr);
// Gives a cursor without a selection that typing format (as its current format; the document
// is not changed).
void PrepareTyping(QTextCursor& cursor);

}  // namespace TextRunRules
