#pragma once
// Character properties that the document keeps beside Qt's own format attributes.

#include <QTextFormat>

namespace TextProperties {
// The font's character set (128 = Shift-JIS, 0 = ANSI, 136 = Big5 …), an int. Runs without it
// are treated as Shift-JIS by the RTF writer.
constexpr int CharsetProperty = QTextFormat::UserProperty + 1;
// Vertical offset of the baseline in twips (positive raises), an int; written as \up / \dn.
// The reader also sets QTextCharFormat::baselineOffset from it for drawing.
constexpr int VerticalOffsetProperty = QTextFormat::UserProperty + 2;

// Ruby (furigana). Every character of a ruby word's base carries the reading, a QString; the
// base text itself is the document's text, so everything that reads the text sees the base.
constexpr int RubyTextProperty = QTextFormat::UserProperty + 3;
// Tells two neighbouring ruby words apart even when their readings are equal: an int that is
// the same over one word and differs from its neighbours'.
constexpr int RubyGroupProperty = QTextFormat::UserProperty + 4;
// The ruby field's options as read (alignment, the reading's font and size: the part of the
// EQ instruction before \o, then \o and \s with their switches, e.g.
// "\* jc2 \* "Font:ＭＳ 明朝" \* hps10 \o\ad \s\up 9"), a QString, so that saving writes the
// same field back (FieldInstruction).
constexpr int RubyOptionsProperty = QTextFormat::UserProperty + 5;
// Hidden text (\v), a bool: kept and saved, not shown in the views and not generated.
constexpr int HiddenProperty = QTextFormat::UserProperty + 6;
}  // namespace TextProperties
