#pragma once
// Text rules of vertical Japanese writing that depend only on the characters: how a character
// stands in a column, and where a column may end.

#include <QString>
#include <utility>
#include <vector>

namespace VerticalTextRules {

// How a character is drawn in a column (Unicode vertical orientation).
enum class Orientation {
    Upright,             // U: drawn as it is
    Rotated,             // R: turned a quarter turn clockwise (Latin, digits, half-width forms)
    TransformedUpright,  // Tu: the font's vertical form, else upright
    TransformedRotated,  // Tr: the font's vertical form, else turned
};

Orientation OrientationOf(char32_t c);

// Short name of the class as Unicode writes it ("U", "R", "Tu", "Tr").
const char* OrientationName(Orientation o);

// Break opportunities of a paragraph by the strict Japanese line rules: result[i] is true when
// a column may begin at UTF-16 index i (i in 0..text.size()). result[0] and result[size] are
// true. A column never begins with closing brackets, 、。, small kana or ー, and never ends
// with an opening bracket.
std::vector<bool> BreakOpportunities(const QString& text);

// True when c may not start a column (closing brackets and punctuation, small kana, ー ...).
bool IsNoStartCharacter(char32_t c);
// True when c may not end a column (opening brackets).
bool IsNoEndCharacter(char32_t c);

}  // namespace VerticalTextRules

namespace VerticalTextRules {

// The word around UTF-16 index i of a paragraph for a double-click: a run of characters of
// one kind (kanji with 々, hiragana, katakana with ー, letters and digits of either width);
// any other character is a word of its own. Returns [first, last).
std::pair<int, int> WordRange(const QString& text, int i);

}  // namespace VerticalTextRules
