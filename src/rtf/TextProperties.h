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

// Numbered and bulleted lists (properties of a QTextListFormat). Qt's list styles cover
// decimal, letters, roman numbers and bullets; these keep what they lack, so that a list
// read from RTF is written back with the same labels.
namespace TextProperties {
// The numbering kind as RTF numbers it (\levelnfc: 0 decimal, 1 I, 2 i, 3 A, 4 a,
// 12 half-width katakana in aiueo order, 13 in iroha order, 18 circled numbers,
// 20 katakana aiueo, 21 katakana iroha, 23 bullet, 255 no label …), an int. The list's
// Qt style is the nearest one Qt has; it is only trusted where it agrees with this kind.
constexpr int ListNumberFormatProperty = QTextFormat::UserProperty + 10;
// The label as a template, a QString: "%1" … "%9" stand for the numbers of levels 1 … 9 of
// the list ("%1.", "(%2)", "%1.%2."), "%%" for a percent sign; a bullet's own character.
constexpr int ListLevelTextProperty = QTextFormat::UserProperty + 11;
// The number of the list's first item when it is not 1, an int.
constexpr int ListStartProperty = QTextFormat::UserProperty + 12;
// Lists read from the same RTF list (one \ls) carry the same int here; the levels of one
// such group count together (a label "%1.%2." takes the number of the level above).
constexpr int ListGroupProperty = QTextFormat::UserProperty + 13;
}  // namespace TextProperties
