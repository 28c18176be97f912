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
}  // namespace TextProperties
